// Section "Grafici", problems 41 to 43: a relation read from a table of
// values, and a prediction at a further x.
#include "chapters/basic_notions/basic_notions_problems.h"
#include "chapters/basic_notions/graph_functions.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"

namespace basic_notions {

namespace {

void draw_table_x_values()
{
    const float xm = random_real(0.8f, 0.9f);
    auto& x = state.graph_x;
    x[1] = random_real(0.05f * xm, 0.2f * xm);
    x[2] = random_real(0.25f * xm, 0.4f * xm);
    x[3] = random_real(0.45f * xm, 0.6f * xm);
    x[4] = random_real(0.65f * xm, 0.8f * xm);
    x[5] = random_real(0.85f * xm, xm);
}

void draw_coefficients(GraphFunctionKind kind)
{
    switch (kind) {
    case 1: set_slot_digits(1, apply_random_sign(random_real(0.1f, 5.0f)), 3); break;
    case 2:
        set_slot_digits(1, apply_random_sign(random_real(0.5f, 5.0f)), 3);
        set_slot_digits(2, apply_random_sign(random_real(-3.0f, -1.0f)), 3);
        break;
    case 3: set_slot_digits(1, apply_random_sign(random_real(10.0f, 90.0f)), 3); break;
    case 4:
    case 5:
        set_slot_digits(1, apply_random_sign(random_real(10.0f, 90.0f)), 3);
        set_slot_digits(2, random_real(0.3f, 0.6f) * slot_value(1) * -2.0f, 3);
        if (kind == 5) set_slot_digits(3, apply_random_sign(random_real(-10.0f, -2.0f)), 3);
        break;
    case 6: set_slot_digits(1, random_real(0.5f, 2.0f), 3); break;
    case 7:
        set_slot_digits(1, random_real(1.0f, 9.0f), 3);
        set_slot_digits(2, apply_random_sign(random_real(-3.0f, -1.0f)), 3);
        break;
    case 8:
        set_slot_digits(1, random_real(1.0f, 9.0f), 3);
        set_slot_digits(2, apply_random_sign(random_real(-0.5f, -0.1f)), 3);
        break;
    }
}

// Slot 9: mostly between two table values, sometimes below or above them;
// the kinds that divide by x keep it at 0.01 or more.
void draw_prediction_point(GraphFunctionKind kind)
{
    const auto& x = state.graph_x;
    const auto within = [](float d) { return random_real(0.1f * d, 0.9f * d); };
    const std::int32_t i = random_int(1, 4);
    float point = x[i] + within(x[i + 1] - x[i]);
    const std::int32_t where = random_int(1, 5);
    if (where == 1) {
        const float d = x[2] - x[1];
        point = x[1] - within(d);
        if (kind >= 6 && point < 0.01f) point = x[1] + within(d);
    } else if (where == 2) {
        point = x[5] + within(x[5] - x[4]);
    }
    set_slot_digits(9, point, 3);
}

void pose_value_table_problem(GraphFunctionKind kind)
{
    state.graph_case = kind;
    draw_table_x_values();
    draw_coefficients(kind);
    // A point where the data leave the prediction less than its own
    // uncertainty is drawn again.
    draw_until_accepted([kind] {
        draw_prediction_point(kind);
        return !prediction_exceeded(kind);
    });
    // Each y from its x as the table prints it, to three digits.
    for (std::int32_t i = 1; i <= 5; ++i) {
        set_slot_digits(11, state.graph_x[i], 3);
        state.graph_x[i] = slot_value(11);
    }
    problem_texts.problem_text =
        "Considerando i dati riportati nella seguente tabella, identificare la relazione tra le due grandezze e "
        "prevedere il valore di @iy@ per @ix@ = " +
        slot_text(9) + ".";
    evaluate_graph_function(kind, graph_x_from(1, 5), std::span<float>(state.graph_y).subspan(1, 5));

    // The table starts below the statement, however many lines it takes,
    // and the frame's foot goes down with it.
    const std::int32_t push = table_push_below_statement(160, 580, 40, 80);
    draw_problem_text_framed(160, 580, 40, 165 + push);
    constexpr std::int32_t x0 = 160;
    const std::int32_t y0 = 80 + push;
    draw_value_table_frame(x0, y0, {185, "@T1@@C1@@ix@", 90, "@T1@@iy@"});
    for (std::int32_t i = 1; i <= 5; ++i) {
        set_slot_digits(11, state.graph_x[i], 3);
        set_slot_digits(12, state.graph_y[i], 3);
        draw_value_table_row(x0, y0, i, 11, 12);
    }
    show_chemistry_fact(300, 140, 280);
    append_graph_formula(kind, problem_texts.answer_text);
}

}  // namespace

void generate_problem_41()
{
    problem_texts.problem_printable = false;
    skip_random_draws(4);
    pose_value_table_problem(pick_problem_variant(5, state.last_variant_41, 0));
}

void generate_problem_42()
{
    problem_texts.problem_printable = false;
    skip_random_draws(1);
    pose_value_table_problem(pick_problem_variant(3, state.last_variant_42, 0) + 5);
}

void generate_problem_43()
{
    problem_texts.problem_printable = false;
    skip_random_draws(5);
    pose_value_table_problem(pick_problem_variant(8, state.last_variant_43, 0));
}

void answer_value_table_problem()
{
    problem_texts.problem_printable = false;
    draw_answer_text(170, 550, 270);
}

}  // namespace basic_notions
