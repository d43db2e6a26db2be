// Section "Grafici", problems 36 to 40: parabolas, a hyperbola, Boyle's law
// and an exponential law, plotted as series of points.
#include <cmath>
#include <span>
#include <vector>

#include "chapters/basic_notions/basic_notions_problems.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"
#include "text/graph_plotter.h"
#include "text/justified_text.h"
#include "text/markup_text.h"

namespace basic_notions {

namespace {

// The part of the parabolas that 1.36 and 1.37 show, on both axes.
constexpr AxisRange window{-1.0f, 1.0f};

// y = A x² + B x + C into slots 1 to 3, not yet converted. The vertex lies
// 0.1 to 0.7 from the y axis and its parabola crosses zero; each of three
// rules, drawn whatever the case, may then clear B or C.
void draw_parabola()
{
    const std::int32_t opening = random_int(1, 2);  // 1 upwards, 2 downwards
    float a = random_real(1.0f, 5.0f);
    if (opening == 2) a = -a;
    const float b = apply_random_sign(random_real(0.1f, 0.7f) * a * -2.0f);
    const float q = b * b / (a * 4.0f);
    value_slots[1].value = a;
    value_slots[2].value = b;
    value_slots[3].value = opening == 1 ? q - random_real(0.0f, 0.7f) : random_real(0.0f, 0.7f) + q;
    if (random_int(1, 3) == 1 && opening == 1) {
        value_slots[2].value = 0.0f;
        value_slots[3].value = -random_real(0.1f, 0.7f);
    }
    if (random_int(1, 3) == 1 && opening == 2) {
        value_slots[2].value = 0.0f;
        value_slots[3].value = random_real(0.1f, 0.7f);
    }
    const float b_now = slot_value(2);
    if (random_int(1, 3) == 1 && std::fabs(b_now * b_now / (a * 4.0f)) < 0.9f) value_slots[3].value = 0.0f;
}

void convert_parabola()
{
    for (std::int32_t slot = 1; slot <= 3; ++slot) convert_data_slot(slot, 2);
}

// Twenty points from x = -1 by steps of 0.1 of the parabola in slots 1 to 3,
// y = x · s + C with the slope s = A x + B built up step by step.
void store_parabola_points(std::int32_t first)
{
    const float a = slot_value(1);
    float x = -1.0f;
    float s = slot_value(2) - a;
    for (std::int32_t k = 0; k < 20; ++k) {
        state.graph_x[first + k] = x;
        state.graph_y[first + k] = x * s + slot_value(3);
        x = x + 0.1f;
        s = s + 0.1f * a;
    }
}

// The window of y = -1 to 1 the series are read in; where a point would
// touch the frame, the plot shows a little more (the top rises by just
// under half a step, adding no tick) and clips the points beyond whole.
AxisRange window_ys(std::span<const float> ys)
{
    return clear_axis_range({-1.0f, 1.0f}, ys, 150, 0.5f, 0.245f);
}

void draw_axis_labels(std::int32_t yx, std::int32_t yy, std::string_view y_label, std::int32_t xx, std::int32_t xy,
                      std::string_view x_label)
{
    draw_markup_text(yx, yy, y_label);
    draw_markup_text(xx, xy, x_label);
}

}  // namespace

void generate_problem_36()
{
    problem_texts.problem_printable = false;
    skip_random_draws(5);
    draw_parabola();
    convert_parabola();
    problem_texts.problem_text = "Il grafico mostra una serie di dati correlati da una relazione di secondo grado "
                                 "del tipo @iy@=A@ix@@u2@+B@ix@+C. Stabilire se per questa serie risulta B=0 e/o C=0.";
    store_parabola_points(1);
    const bool no_b = std::fabs(slot_value(2)) < 0.01f;
    const bool no_c = std::fabs(slot_value(3)) < 0.01f;
    problem_texts.answer_text = no_b && no_c ? "B = 0; C = 0" : no_c ? "C = 0" : no_b ? "B = 0" : "B e C diversi da 0";
    draw_problem_text(160, 530, 45);
    const ClearPoints shown = points_clear_of_frame(graph_x_from(1, 20), graph_y_from(1, 20), window, window, 200, 150);
    set_up_graph(shown.x, shown.y, shown.count(), -1.0f, 1.0f, 0.5f, "(f8.1)", -1.0f, 1.0f, 0.5f, "(f8.1)",
                 GraphOptions(figure_frame, false, true), red, red);
    draw_axis_labels(182, 112, "@T1@@C1@y", 395, 272, "@T1@@C1@x");
}

void answer_problem_36()
{
    problem_texts.problem_printable = false;
    draw_answer_text(430, 570, 220);
}

void generate_problem_37()
{
    problem_texts.problem_printable = false;
    skip_random_draws(1);
    draw_parabola();
    convert_parabola();
    const float vertex_measure = -slot_value(2) / slot_value(1);

    std::string& text = problem_texts.problem_text;
    text = "Stabilire quale delle due serie di dati obbedisce alla relazione @iy@ = " + slot_text(1) + "@ix@@u2@";
    if (slot_value(2) > 0.0f) text += " + " + slot_text(2) + "@ix@";
    if (slot_value(2) < 0.0f) {
        set_slot_digits(4, std::fabs(slot_value(2)), 2);
        text += " - " + slot_text(4) + "@ix@";
    }
    if (slot_value(3) > 0.0f) text += " + " + slot_text(3);
    if (slot_value(3) < 0.0f) {
        set_slot_digits(4, std::fabs(slot_value(3)), 2);
        text += " - " + slot_text(4);
    }
    store_parabola_points(1);

    // A second parabola whose vertex lies at least 0.1 away from the first.
    draw_until_accepted([&] {
        draw_parabola();
        return std::fabs(slot_value(2) / slot_value(1) + vertex_measure) >= 0.2f;
    });
    convert_parabola();
    std::int32_t c1 = red;
    std::int32_t c2 = blue;
    if (random_int(1, 2) == 1) {
        c1 = blue;
        c2 = red;
    }
    store_parabola_points(21);
    problem_texts.answer_text = std::string("La serie in") + (c1 == red ? " @C4@rosso" : " @C2@blu");

    draw_problem_text(160, 520, 45);
    const ClearPoints first = points_clear_of_frame(graph_x_from(1, 20), graph_y_from(1, 20), window, window, 200, 150);
    const ClearPoints second =
        points_clear_of_frame(graph_x_from(21, 20), graph_y_from(21, 20), window, window, 200, 150);
    set_up_graph(first.x, first.y, first.count(), -1.0f, 1.0f, 0.5f, "(f8.1)", -1.0f, 1.0f, 0.5f, "(f8.1)",
                 GraphOptions("350550120270 p "), c1, c1);
    plot_graph_series(second.x, second.y, second.count(), GraphOptions("350550120270 p "), c2, c2);
    draw_axis_labels(332, 112, "@T1@@C1@@iy@", 545, 272, "@T1@@C1@@ix@");
}

void answer_problem_37()
{
    problem_texts.problem_printable = false;
    draw_answer_text(170, 340, 220);
}

void generate_problem_38()
{
    problem_texts.problem_printable = false;
    skip_random_draws(5);
    // The first series is a line, a proportion or a parabola; the second
    // is always the hyperbola.
    const std::int32_t kind = pick_problem_variant(3, state.last_variant_38, 0);
    set_slot_digits(2, random_real(0.0f, 1.0f), 3);
    set_slot_digits(1, random_real(0.0f, 1.0f - slot_value(2)), 3);
    set_slot_digits(3, random_real(0.3f, 2.0f), 3);
    set_slot_digits(4, random_real(0.6f, 1.0f), 3);
    set_slot_digits(5, apply_random_sign(random_real(0.05f, 0.1f)), 3);
    problem_texts.problem_text = "Quale delle due serie di dati è descritta da una funzione del tipo @iy@=A/@ix@?";

    for (std::int32_t k = 1; k <= 19; ++k) {
        const float x = 0.05f * static_cast<float>(k);
        float y = x * x * slot_value(4);
        if (kind == 1) y = slot_value(1) * x + slot_value(2);
        if (kind == 2) y = slot_value(3) * x;
        state.graph_x[k] = x;
        state.graph_y[k] = y;
        state.graph_x[20 + k] = x;
        state.graph_y[20 + k] = slot_value(5) / x;
    }
    if (random_int(1, 2) == 1)
        for (std::int32_t k = 1; k <= 19; ++k) state.graph_y[k] = -state.graph_y[k];
    std::int32_t c1 = blue;
    std::int32_t c2 = red;
    if (random_int(1, 2) == 1) {
        c1 = red;
        c2 = blue;
    }
    problem_texts.answer_text =
        std::string("La serie in ") + (c2 == red ? "rosso" : "blu") + ", decrescente in valore assoluto per @ix@>0";

    draw_problem_text(200, 460, 45);
    // Both series, the slot between them left out.
    std::vector<float> both(graph_y_from(1, 19).begin(), graph_y_from(1, 19).end());
    both.insert(both.end(), graph_y_from(21, 19).begin(), graph_y_from(21, 19).end());
    const AxisRange ys = window_ys(both);
    set_up_graph(graph_x_from(1, 19), graph_y_from(1, 19), 19, 0.0f, 1.0f, 0.2f, "(f8.1)", ys.from, ys.to, 0.5f,
                 "(f8.1)", GraphOptions(figure_frame, false, true), c1, c1);
    plot_graph_series(graph_x_from(21, 19), graph_y_from(21, 19), 19, GraphOptions(figure_frame, false, true), c2, c2);
    draw_axis_labels(182, 112, "@T1@@C1@y", 395, 272, "@T1@@C1@x");
}

void answer_problem_38()
{
    problem_texts.problem_printable = false;
    draw_answer_text(430, 560, 180);
}

void generate_problem_39()
{
    problem_texts.problem_printable = false;
    skip_random_draws(5);
    std::int32_t compound = 0;
    float pressure1 = 0.0f;
    float pressure_step = 0.0f;
    float temperature = 0.0f;
    float moles = 0.0f;
    float molar_mass = 0.0f;
    draw_until_accepted([&] {
        compound = draw_gas_compound();
        molar_mass = compound_molar_mass(compound);
        pressure1 = random_real(1.0f, 3.0f);
        pressure_step = 0.5f * static_cast<float>(random_int(1, 4));
        draw_axis_case();
        temperature = random_real(280.0f, 400.0f);
        value_slots[1].value = temperature;
        const float volume1 = random_real(state.axis_top - 4.0f * state.axis_step, state.axis_top);
        moles = volume1 / (temperature * gas_constant_litre_atm_f) * pressure1;
        value_slots[2].value = moles * molar_mass;
        convert_data_slot(1, 3);
        convert_data_slot(2, 3);
        const float volume5 = temperature / (4.0f * pressure_step + pressure1) * moles * gas_constant_litre_atm_f;
        // No point of the graph above the gas's saturation pressure
        // (chlorine at 8.17 atm and 284 K, where it condenses at 5.15).
        for (std::int32_t i = 0; i < 5; ++i)
            if (gas_condenses(compound, slot_value(1), pressure1 + static_cast<float>(i) * pressure_step)) return false;
        return !beyond_axis(volume5);
    });
    problem_texts.problem_text = "Il grafico seguente riporta il volume (in litri) occupato a " + slot_text(1) +
                                 " K da " + slot_text(2) + " g di " + compound_name(compound) +
                                 " a varie pressioni (in atmosfere). Riportare in grafico ln(@iV@) in funzione di "
                                 "ln(@iP@), e determinare approssimativamente la relazione tra le due grandezze";
    // PV, and the volumes plotted, from the temperature and mass as printed,
    // before the series takes their slots.
    const double per_mole = gas_constant_litre_atm / molar_mass;
    set_slot_from_data(11, {1, 2}, [per_mole](const std::vector<double>& d) { return d[0] * d[1] * per_mole; });
    for (std::int32_t i = 1; i <= 5; ++i) {
        const float pressure = pressure1 + static_cast<float>(i - 1) * pressure_step;
        state.graph_x[i] = pressure;
        set_slot_digits(i, pressure, 3);
        state.graph_x[5 + i] = std::log(state.graph_x[i]);
        set_slot_digits(5 + i, slot_value(11) / slot_value(i), 3);
        state.graph_y[i] = slot_value(5 + i);
        state.graph_y[5 + i] = std::log(state.graph_y[i]);
    }

    // A statement of five lines starts higher, so that its box ends above
    // the plot's label. It stands 5 pixels left of the usual place, leaving
    // the widest answer room beside it.
    const std::int32_t lines =
        (measure_justified_text(155, 495, 40, "@T1@@C1@" + problem_texts.problem_text).y - 40) / 16 + 1;
    draw_problem_text(155, 495, lines >= 5 ? 30 : 40);
    // Pressures in whole atmospheres, volumes up to the axis' top; a
    // volume at the top raises it by just under half a step, adding no tick.
    AxisRange pressures = clear_axis_range({std::trunc(slot_value(1)), std::trunc(slot_value(5)) + 1.0f},
                                           graph_x_from(1, 5), 150, 1.0f, 1.0f);
    const float x_step = pressures.to > 8.0f ? 2.0f : 1.0f;
    pressures = clear_axis_range(pressures, graph_x_from(1, 5), 150, 1.0f, 1.0f, x_step);
    const AxisRange volumes =
        clear_axis_range({0.0f, state.axis_top}, graph_y_from(1, 5), 140, state.axis_step, 0.49f * state.axis_step);
    set_up_graph(graph_x_from(1, 5), graph_y_from(1, 5), 5, pressures.from, pressures.to, x_step, "(f8.0)",
                 volumes.from, volumes.to, state.axis_step, "(f8.1)", GraphOptions("200350130270 p "), red, red);
    draw_axis_labels(182, 122, "@T1@@C1@@iV@", 345, 272, "@T1@@C1@@iP@");
    state.kept_value[9] = slot_value_as_shown(11);
    problem_texts.answer_text = "@iV@ = " + slot_text(11) + "/@iP@";
}

void answer_problem_39()
{
    problem_texts.problem_printable = false;
    // Ticks every half unit, or every unit on a span of more than 2.5, so
    // that the last tick's label stands clear of "ln(P)" at the axis' end.
    AxisRange ln_p =
        clear_axis_range({0.0f, std::trunc(state.graph_x[10]) + 1.0f}, graph_x_from(6, 5), 170, 0.5f, 0.5f);
    const float x_step = ln_p.to - ln_p.from > 2.5f ? 1.0f : 0.5f;
    ln_p = clear_axis_range(ln_p, graph_x_from(6, 5), 170, 0.5f, 0.5f, x_step);
    const AxisRange ln_v = clear_axis_range({state.graph_case == 1 ? -3.0f : 0.0f, state.graph_case == 1 ? 1.0f : 4.0f},
                                            graph_y_from(6, 5), 140, 0.5f, 0.5f);
    set_up_graph(graph_x_from(6, 5), graph_y_from(6, 5), 5, ln_p.from, ln_p.to, x_step, "(f8.1)", ln_v.from, ln_v.to,
                 0.5f, "(f8.1)", GraphOptions("405575130270 p "), blue, blue);
    // The line from the last point to the value at ln P = 0.
    state.graph_x[11] = 0.0f;
    state.graph_y[11] = std::log(state.kept_value[9]);
    plot_graph_series(graph_x_from(10, 2), graph_y_from(10, 2), 2, GraphOptions("405575130270l  "), blue, blue);
    // "ln(P)" ends at the plot's panel, 10 pixels right of the plot.
    const std::string ln_p_name = "@T1@@C1@ln(@iP@)";
    draw_axis_labels(375, 122, "@T1@@C1@ln(@iV@)", 585 - markup_line_width(ln_p_name), 271, ln_p_name);
    // Beside the statement, above the plots.
    draw_answer_text(506, 592, 97);
}

void generate_problem_40()
{
    problem_texts.problem_printable = false;
    skip_random_draws(5);
    const std::int32_t law_case = pick_problem_variant(2, state.last_variant_40, 0);
    value_slots[2].value = random_real(3.0f, 5.0f);
    value_slots[3].value = 0.0f;
    float largest_factor = 0.0f;
    if (law_case == 1) {
        largest_factor = std::exp(slot_value(2) * 1.8181818f);
    } else {
        value_slots[3].value = slot_value(2);
        value_slots[2].value = -slot_value(3);
        largest_factor = std::exp(slot_value(2));
    }
    // The largest y of the series lies between 0.6 and 0.95.
    value_slots[1].value = random_real(0.6f / largest_factor, 0.95f / largest_factor);
    for (std::int32_t slot = 1; slot <= 3; ++slot) convert_data_slot(slot, 2);

    problem_texts.problem_text = "Il grafico seguente mostra una serie di dati correlati da una relazione del tipo "
                                 "@iy@=Aexp(-B/@ix@). Riportare in grafico ln(@iy@) in funzione di 1/@ix@ e "
                                 "determinare i valori di A e B";
    problem_texts.answer_text =
        "A = " + slot_text(1) + (law_case == 1 ? "; B = -" + slot_text(2) : "; B = " + slot_text(3));
    float x = 0.55f;
    for (std::int32_t k = 1; k <= 10; ++k) {
        const float y = slot_value(1) * std::exp(slot_value(2) / x);
        state.graph_x[k] = x;
        state.graph_y[k] = y;
        state.graph_x[20 + k] = 1.0f / x;
        state.graph_y[20 + k] = std::log(y);
        x = x + 0.05f;
    }
    state.graph_x[31] = 0.0f;
    state.graph_x[32] = 2.0f;
    state.graph_y[31] = std::log(slot_value(1));
    state.graph_y[32] = std::log(slot_value(1)) + 2.0f * slot_value(2);

    draw_problem_text(160, 520, 45);
    // The series ends at x = 1, which the plot passes by a tenth, and falls
    // toward y = 0, below which it reaches a tenth where a point would sit
    // on its frame.
    const AxisRange ys = clear_axis_range({0.0f, 1.0f}, graph_y_from(1, 10), 140, 0.1f, 0.1f);
    set_up_graph(graph_x_from(1, 10), graph_y_from(1, 10), 10, 0.5f, 1.1f, 0.1f, "(f8.1)", ys.from, ys.to, 0.1f,
                 "(f8.1)", GraphOptions("200340130270 p "), red, red);
    draw_axis_labels(180, 120, "@C1@y", 335, 272, "x");
}

void answer_problem_40()
{
    problem_texts.problem_printable = false;
    // Between the statement and the plots, with a gap to each: the second
    // plot starts lower than the first to leave the answer room.
    draw_answer_text(360, 550, 102);
    set_up_graph(graph_x_from(31, 2), graph_y_from(31, 2), 2, 0.0f, 2.0f, 0.5f, "(f8.1)", -10.0f, 10.0f, 2.0f, "(f8.1)",
                 GraphOptions("400580136270l  "), red, red);
    plot_graph_series(graph_x_from(21, 10), graph_y_from(21, 10), 10, GraphOptions("400580136270 p "), blue, blue);
    draw_axis_labels(372, 126, "@C1@ln(@iy@)", 566, 271, "1/@ix@");
}

}  // namespace basic_notions
