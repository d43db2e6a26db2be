// Section "Grafici", problems 32 to 35: straight lines and a linear series.
#include <cmath>
#include <vector>

#include "chapters/basic_notions/basic_notions_problems.h"
#include "chemistry/gas_virial.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"
#include "text/graph_plotter.h"
#include "text/markup_text.h"

namespace basic_notions {

namespace {

constexpr const char* two_functions_opening = "Riportare in grafico per @ix@ compreso tra -5 e 5 le funzioni ";

void keep_slot_values(std::int32_t last_slot)
{
    for (std::int32_t slot = 1; slot <= last_slot; ++slot) state.kept_value[slot] = slot_value(slot);
}

// Two lines y = slope · x + intercept between x = -5 and 5, the first red
// unless the colours say otherwise.
void plot_two_lines(float slope1, float intercept1, float slope2, float intercept2, std::int32_t colour1,
                    std::int32_t colour2)
{
    auto& x = state.graph_x;
    auto& y = state.graph_y;
    x[1] = -5.0f;
    x[2] = 5.0f;
    x[3] = -5.0f;
    x[4] = 5.0f;
    y[1] = -5.0f * slope1 + intercept1;
    y[2] = 5.0f * slope1 + intercept1;
    y[3] = -5.0f * slope2 + intercept2;
    y[4] = 5.0f * slope2 + intercept2;
    set_up_graph(graph_x_from(1, 2), graph_y_from(1, 2), 2, -5.0f, 5.0f, 1.0f, "(f8.0)", -5.0f, 5.0f, 1.0f, "(f8.0)",
                 GraphOptions(figure_frame, true, false), colour1, 0);
    plot_graph_series(graph_x_from(3, 2), graph_y_from(3, 2), 2, GraphOptions(figure_frame, true, false), colour2, 0);
    draw_markup_text(174, 112, "@T1@@C1@@if@(@ix@)");
    draw_markup_text(395, 272, "@T1@@C1@@ix@");
}

// " +" before a coefficient that is not negative; a negative one brings
// its own sign.
std::string signed_term(std::string_view plus, std::int32_t slot)
{
    return (slot_value(slot) < 0.0f ? std::string() : std::string(plus)) + slot_text(slot);
}

}  // namespace

void generate_problem_32()
{
    problem_texts.problem_printable = false;
    skip_random_draws(5);
    float a = random_real(1.0f, 3.0f);
    if (random_int(1, 2) == 1) a = random_real(3.0f, 18.0f);
    a = apply_random_sign(a);
    value_slots[1].value = a;
    const float b = random_real(0.5f, 4.0f);
    const float s = random_real(-1.0f, 1.0f);
    const float c = s >= 0.0f ? std::fabs(b) : -std::fabs(b);
    value_slots[2].value = -(c * a);
    convert_data_slot(1, 2);
    convert_data_slot(2, 2);
    state.graph_case = random_int(1, 2);
    // "Versione Testo" always shows the line through the origin first, in red.
    if (app_state.version_number == text_version) state.graph_case = 1;
    keep_slot_values(2);

    std::string& text = problem_texts.problem_text;
    text = two_functions_opening;
    const std::string through_origin = "@if@(@ix@)=" + slot_text(1) + "@ix@";
    if (state.graph_case == 1)
        text += "@C3@" + through_origin + "@C1@ e @cFF0000@" + through_origin;
    else
        text += "@cFF0000@" + through_origin + "@C1@ e @C3@" + through_origin;
    text += signed_term("+", 2) + "@C1@ e compararne l'andamento.";
    problem_texts.answer_text = std::string("Rette parallele; nel caso in ") +
                                (state.graph_case == 1 ? "@C3@rosso" : "@C2@azzurro") +
                                "@C1@ (del tipo @if@(@ix@)=A@ix@) la retta passa per l'origine degli assi";
    draw_problem_text(160, 580, 45);
    show_chemistry_fact(160, 180, 300);
}

void answer_problem_32()
{
    problem_texts.problem_printable = false;
    draw_answer_text(430, 570, 170);
    const float slope = state.kept_value[1];
    const bool red_first = state.graph_case == 1;
    plot_two_lines(slope, 0.0f, slope, state.kept_value[2], red_first ? red : blue, red_first ? blue : red);
}

void generate_problem_33()
{
    skip_random_draws(5);
    const float a = apply_random_sign(random_real(0.5f, 3.0f));
    const float p = random_real(-3.0f, 3.0f);
    value_slots[2].value = random_real(-3.0f, 3.0f);
    // Both lines pass through (a, p).
    value_slots[1].value = (p - slot_value(2)) / a;
    value_slots[3].value = -slot_value(1);
    value_slots[4].value = p - slot_value(3) * a;
    for (std::int32_t slot = 1; slot <= 4; ++slot) convert_data_slot(slot, 2);
    keep_slot_values(4);

    problem_texts.problem_text = std::string(two_functions_opening) + "@C3@@if@(@ix@)=" + slot_text(1) + "@ix@" +
                                 signed_term("+", 2) + "@C1@ e @cFF0000@@if@(@ix@)=" + slot_text(3) + "@ix@" +
                                 signed_term("+", 4) + "@C1@ e compararne l'andamento.";
    problem_texts.answer_text =
        "Rette con pendenza opposta (@C3@" + slot_text(1) + "@C1@ e @cFF0000@" + slot_text(3) + "@C1@)";
    draw_problem_text(160, 560, 45);
    show_chemistry_fact(160, 180, 300);
}

void answer_problem_33()
{
    draw_answer_text(430, 570, 170);
    const auto& kept = state.kept_value;
    plot_two_lines(kept[1], kept[2], kept[3], kept[4], red, blue);
}

void generate_problem_34()
{
    problem_texts.problem_printable = false;
    skip_random_draws(5);
    // Two draws that decide nothing shown; under "Nessuna Versione" the
    // first never repeats the previous page's.
    std::int32_t k1 = 0;
    std::int32_t k2 = 0;
    do {
        k1 = random_int(1, 3);
        k2 = random_int(1, 3);
    } while (k1 == k2 || (app_state.version_number == no_version && k1 == state.last_series_34));
    state.last_series_34 = k1;

    set_slot_digits(1, apply_random_sign(random_real(2.0f, 4.0f)), 2);
    const float slope = slot_value(1);
    const float room = 4.0f - std::fabs(slope);
    set_slot_digits(2, slope > 0.0f ? random_real(-4.0f, room) : random_real(-room, 4.0f), 2);
    if (slot_value(2) < 1.0f) convert_data_slot(2, 1);

    problem_texts.problem_text = "Il grafico mostra una serie di dati correlati linearmente. Stabilire "
                                 "approssimativamente la relazione tra @iy@ e @ix@.";
    float x = 0.0f;
    float y = slot_value(2);
    for (std::int32_t k = 1; k <= 10; ++k) {
        state.graph_x[k] = x;
        state.graph_y[k] = y;
        x = x + 0.1f;
        y = y + 0.1f * slope;
    }
    std::string& answer = problem_texts.answer_text;
    answer = "@iy@=" + slot_text(1) + "@ix@";
    const float intercept = slot_value(2);
    if (std::fabs(intercept) > 0.1f) answer += (intercept > 0.0f ? "+" : "") + slot_text(2);

    draw_problem_text(160, 580, 45);
    // The series runs from x = 0 to 0.9 and y = -4 to 4: the plot shows a
    // step more each way, so that no point sits on its frame.
    set_up_graph(graph_x_from(1, 10), graph_y_from(1, 10), 10, -0.2f, 1.0f, 0.2f, "(f8.1)", -5.0f, 5.0f, 1.0f, "(f8.0)",
                 GraphOptions(figure_frame, false, true), red, red);
    draw_markup_text(182, 112, "@T1@@C1@@iy@");
    draw_markup_text(395, 272, "@T1@@C1@@ix@");
}

void answer_problem_34()
{
    problem_texts.problem_printable = false;
    draw_answer_text(430, 570, 170);
}

void generate_problem_35()
{
    problem_texts.problem_printable = false;
    skip_random_draws(1);
    std::int32_t compound = 0;
    float temperature1 = 0.0f;
    std::int32_t temperature_step = 0;
    float volume = 0.0f;
    float moles = 0.0f;
    float molar_mass = 0.0f;
    draw_until_accepted([&] {
        compound = draw_gas_compound();
        molar_mass = compound_molar_mass(compound);
        temperature1 = random_real(280.0f, 320.0f);
        temperature_step = 5 * random_int(2, 4);
        draw_axis_case();
        volume = random_real(1.0f, 9.99f);
        value_slots[1].value = volume;
        const float pressure5 = random_real(state.axis_top - 4.0f * state.axis_step, state.axis_top);
        moles =
            pressure5 / ((temperature1 + static_cast<float>(4 * temperature_step)) * gas_constant_litre_atm_f) * volume;
        value_slots[2].value = moles * molar_mass;
        convert_data_slot(1, 3);
        convert_data_slot(2, 3);
        const float pressure1 = temperature1 / volume * moles * gas_constant_litre_atm_f;
        // No row of the table above the gas's saturation pressure (chlorine
        // at 7.18 atm and 281 K, where it condenses at 4.7), or past the
        // ideal gas's 5 %, which the line through the origin takes.
        const double per_kelvin = slot_value(2) / molar_mass * gas_constant_litre_atm / slot_value(1);
        for (std::int32_t i = 0; i < 5; ++i) {
            const double kelvin = temperature1 + static_cast<float>(i * temperature_step);
            if (gas_condenses(compound, kelvin, kelvin * per_kelvin) ||
                !near_ideal(compound, kelvin, kelvin * per_kelvin))
                return false;
        }
        return !beyond_axis(pressure1);
    });
    problem_texts.problem_text = "La tabella seguente riporta la pressione misurata in un recipiente di volume "
                                 "pari a " +
                                 slot_text(1) + " L contenente " + slot_text(2) + " g di " + compound_name(compound) +
                                 " a varie temperature. Riportare in grafico i dati in scala opportuna e "
                                 "determinare la relazione tra le due grandezze";
    // The slope, and the table's pressures, from the volume and mass as
    // printed, before the table takes their slots.
    const double per_mole = gas_constant_litre_atm / molar_mass;
    set_slot_from_data(11, {1, 2}, [per_mole](const std::vector<double>& d) { return d[1] * per_mole / d[0]; });
    for (std::int32_t i = 1; i <= 5; ++i) {
        const float temperature = temperature1 + static_cast<float>((i - 1) * temperature_step);
        state.graph_x[i] = temperature;
        set_slot_digits(i, temperature, 3);
        set_slot_digits(5 + i, slot_value(i) * slot_value(11), 3);
        state.graph_y[i] = slot_value(5 + i);
    }
    state.kept_value[1] = slot_value(1);
    state.kept_value[5] = slot_value(5);

    // The table's frame leaves the right of the page to the answer's graph.
    draw_problem_text_framed(160, 560, 40, 195, 295);
    constexpr std::int32_t x0 = 160;
    constexpr std::int32_t y0 = 110;
    draw_value_table_frame(x0, y0, {170, "@T1@@C1@@iT@(K)", 80, "@T1@@iP@(atm)"});
    for (std::int32_t i = 1; i <= 5; ++i) draw_value_table_row(x0, y0, i, i, 5 + i);
    problem_texts.answer_text = "@iP@ = " + slot_text(11) + "@iT@";
}

void answer_problem_35()
{
    problem_texts.problem_printable = false;
    draw_answer_text(170, 550, 270);
    const float x_from = 10.0f * std::trunc(0.1f * state.kept_value[1]);
    const float x_to = 10.0f * std::trunc(0.1f * state.kept_value[5]) + 10.0f;
    // The first pressure cut down to a multiple of the step.
    const std::int32_t most_additions = state.graph_case == 1 ? 10 : 11;
    float y_from = 0.0f;
    for (std::int32_t added = 0; added < most_additions && !(state.graph_y[1] < y_from); ++added)
        y_from = y_from + state.axis_step;
    y_from = y_from - state.axis_step;
    const AxisRange temperatures = clear_axis_range({x_from, x_to}, graph_x_from(1, 5), 200, 10.0f, 10.0f, 20.0f);
    // A pressure at the axis' top raises it by just under half a step, adding no tick.
    const AxisRange pressures =
        clear_axis_range({y_from, state.axis_top}, graph_y_from(1, 5), 150, state.axis_step, 0.49f * state.axis_step);
    set_up_graph(graph_x_from(1, 5), graph_y_from(1, 5), 5, temperatures.from, temperatures.to, 20.0f, "(f8.0)",
                 pressures.from, pressures.to, state.axis_step, "(f8.1)", GraphOptions("350550120270 p "), red, red);
    draw_markup_text(332, 112, "@T1@@C1@@iP@");
    draw_markup_text(545, 272, "@T1@@C1@@iT@");
}

}  // namespace basic_notions
