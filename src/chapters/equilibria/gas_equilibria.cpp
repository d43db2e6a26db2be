// Section "Calcoli di equilibrio", the gas equilibria: problems 6 to 9,
// constants and compositions of a gas reaction, and 12 and 13, its amounts
// at equilibrium after a change.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/gas_virial.h"
#include "chemistry/phase_limits.h"
#include "frame/fact_box.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

namespace equilibria {
namespace {

// Steps 2 to 4 of problems 12 and 13: a gas equilibrium drawn in atm until
// its second reactant lies between 0.01 and 100 atm, turned into moles in a
// volume not shown; the equation shown in a random direction.
struct GasAmounts {
    GasReaction reaction;
    std::string equation;
};
GasAmounts draw_gas_amounts(std::int32_t problem, std::int32_t text_reaction)
{
    GasAmounts g;
    GasReaction& r = g.reaction;
    draw_until_accepted([&] {
        std::int32_t v = draw_new_record(problem, 1, 8);
        if (app_state.version_number == text_version) v = text_reaction;
        r = set_up_gas_reaction(v);
        set_slot_digits(1, draw_scaled_exponent_first(-2, 0, 9.9f), 3);
        set_slot_digits(3, draw_scaled_exponent_first(-2, 0, 9.9f), 3);
        set_slot_digits(2,
                        std::pow(std::pow(slot_value(3), r.coefficient[3]) /
                                     (slot_value(5) * std::pow(slot_value(1), r.coefficient[1])),
                                 1.0f / r.coefficient[2]),
                        3);
        return slot_value(2) >= 0.01f && slot_value(2) <= 100.0f;
    });
    equilibria_state.last_draw[problem] = r.number;
    const float volume = random_real(10.0f, 90.0f);
    for (std::int32_t s : {1, 2, 3}) set_slot_digits(s, slot_value(s) * volume / r.rt(), 3);
    g.equation = shown_gas_equation(random_int(1, 2));
    return g;
}

// "x mol di A, y mol di B e z mol di C", the way problems 12 and 13 list amounts.
void join_amounts(std::string& text, const GasReaction& r)
{
    join_piece(text, slot_text(1) + " mol di");
    join_piece(text, " " + r.formula[1] + ", " + slot_text(2) + " mol di");
    join_piece(text, " " + r.formula[2] + " e " + slot_text(3) + " mol di");
}

// The new equilibrium amounts for the constant in moles k, from the amounts
// in slots 1 to 3 plus an addition to one of them.
void solve_amounts(const GasReaction& r, float k, std::int32_t added_to, float added)
{
    const SpeciesValues nu = {r.coefficient[1], r.coefficient[2], 0.0f, r.coefficient[3], 0.0f, 0.0f};
    SpeciesValues c0 = {slot_value(1), slot_value(2), 0.0f, slot_value(3), 0.0f, 0.0f};
    if (added_to > 0) c0[added_to == 3 ? 3 : added_to - 1] += added;
    SpeciesValues c{};
    solve_extent(nu, c0, c, k);
    set_slot_digits(1, c[0], 3);
    set_slot_digits(2, c[1], 3);
    set_slot_digits(3, c[3], 3);
    std::string& answer = problem_texts.answer_text;
    answer.clear();
    join_amounts(answer, r);
    join_piece(answer, " " + r.formula[3]);
}

float moles_constant(const GasReaction& r)
{
    return std::pow(slot_value(3), r.coefficient[3]) /
           (std::pow(slot_value(1), r.coefficient[1]) * std::pow(slot_value(2), r.coefficient[2]));
}

// The statement's constant: K (q = 1) or Kc (q = 2) of the reaction as
// shown, with the unit of Kc.
std::string constant_unit(std::int32_t q, std::int32_t delta_n)
{
    return q == 2 ? concentration_unit(delta_n) : std::string();
}

}  // namespace

void generate_problem_6()
{
    skip_random_draws(6);
    load_gas_reaction_list();
    GasReaction r;
    std::int32_t q = 0;
    std::int32_t d = 0;
    draw_until_accepted([&] {
        std::int32_t n = draw_new_record(6, 1, 8);
        if (app_state.version_number == text_version) n = 3;
        r = set_up_gas_reaction(n);
        q = random_int(1, 2);
        d = random_int(1, 2);
        if (q == 2) set_slot_digits(5, r.concentration_constant(slot_value(5)), 3);
        const float scale = q == 2 ? 0.01f : 1.0f;
        set_slot_digits(1, draw_scaled_exponent_first(-2, 0, 9.9f) * scale, 3);
        set_slot_digits(3, draw_scaled_exponent_first(-2, 0, 9.9f) * scale, 3);
        set_slot_digits(2,
                        std::pow(std::pow(slot_value(3), r.coefficient[3]) /
                                     (slot_value(5) * std::pow(slot_value(1), r.coefficient[1])),
                                 1.0f / r.coefficient[2]),
                        3);
        // No gas above its saturation pressure, nor the mixture far from ideal.
        const float atm = q == 2 ? r.rt() : 1.0f;
        if (reaction_gases_unfit(r, {atm * slot_value(1), atm * slot_value(2), atm * slot_value(3)})) return false;
        return q == 1 ? slot_value(2) >= 0.01f && slot_value(2) <= 100.0f : slot_value(2) <= 1.0f;
    });
    equilibria_state.last_draw[6] = r.number;
    const std::int32_t w = random_int(1, 3);
    if (w == 2) set_slot_digits(1, random_real(0.2f, 0.8f) * slot_value(1), 3);
    if (w == 3) set_slot_digits(3, random_real(0.2f, 0.8f) * slot_value(3), 3);
    const std::string equation = shown_gas_equation(d);
    if (d == 2) set_slot_digits(5, 1.0f / slot_value(5), 3);
    std::string& text = problem_texts.problem_text;
    text = q == 1 ? "@T1@@C1@La costante di equilibrio" : "@T1@@C1@@iK@@dc@";
    join_piece(text, " per la reazione " + equation + " a " + slot_text(7) + "@uo@C è pari a " + slot_text(5) +
                         constant_unit(q, d == 2 ? -r.delta_n : r.delta_n));
    join_piece(text, ". In che direzione evolve un sistema in cui le ");
    join_piece(text, q == 1 ? " pressioni parziali di" : " concentrazioni di");
    join_piece(text, " " + r.formula[1] + ", " + r.formula[2] + " e");
    join_piece(text, " " + r.formula[3] + " sono pari a " + slot_text(1) + ", " + slot_text(2) + " e " + slot_text(3) +
                         (q == 1 ? " atm a questa temperatura?" : " mol/L a questa temperatura?"));
    std::string_view answer = "Il sistema è in equilibrio";
    if (w != 1) answer = (w == 2) == (d == 1) ? "Verso i reagenti" : "Verso i prodotti";
    problem_texts.answer_text = answer;
    draw_problem_text(170, 550, 45);
    show_chemistry_fact(270, 150, 300);
}

void generate_problem_7()
{
    skip_random_draws(6);
    load_gas_reaction_list();
    const GasReaction r = set_up_gas_reaction(pick_problem_variant(8, equilibria_state.last_draw[7], 2));
    const std::int32_t q = random_int(1, 2);
    const std::int32_t d = random_int(1, 2);
    const float kc = r.concentration_constant(slot_value(5));
    const float shown = q == 1 ? slot_value(5) : kc;
    set_slot_digits(12, d == 2 ? 1.0f / shown : shown, 3);
    const SpeciesValues nu = {r.coefficient[1], r.coefficient[2], 0.0f, r.coefficient[3], 0.0f, 0.0f};
    // The concentrations at equilibrium from the amounts, volume and
    // constant as shown, in that order.
    const auto equilibrium_of = [&](const std::vector<double>& data) {
        const auto volume = static_cast<float>(data[3]);
        const SpeciesValues c0 = {static_cast<float>(data[0]) / volume,
                                  static_cast<float>(data[1]) / volume,
                                  0.0f,
                                  static_cast<float>(data[2]) / volume,
                                  0.0f,
                                  0.0f};
        const float stated = d == 2 ? 1.0f / static_cast<float>(data[4]) : static_cast<float>(data[4]);
        SpeciesValues c{};
        solve_extent(nu, c0, c, q == 1 ? r.concentration_constant(stated) : stated);
        return c;
    };
    SolvedEquilibria solved(equilibrium_of);
    // Amounts near the reaction's own ratio leave one that their
    // uncertainty exceeds: drawn again.
    std::int32_t z = 0;
    draw_until_accepted([&] {
        for (std::int32_t s : {1, 3, 2}) set_slot_digits(s, random_real(1.0f, 9.9f) * 0.01f, 3);
        z = random_int(1, 5);
        if (z == 1 || z == 3) value_slots[1].value = 0.0f;
        if (z == 2 || z == 3) value_slots[2].value = 0.0f;
        if (z == 4) value_slots[3].value = 0.0f;
        for (std::int32_t s : {1, 2, 3}) convert_data_slot(s, 3);
        set_slot_digits(6, random_real(10.0f, 50.0f), 3);
        set_slot_digits(11, slot_value(6) * slot_value(1), 3);
        set_slot_digits(8, slot_value(6) * slot_value(2), 3);
        set_slot_digits(9, slot_value(6) * slot_value(3), 3);
        for (const std::size_t k : {0u, 1u, 3u}) {
            set_slot_from_data(15, {11, 8, 9, 6, 12},
                               [&](const std::vector<double>& data) { return solved.of(data)[k]; });
            if (uncertainty_exceeds_value(15)) return false;
        }
        return true;
    });
    const std::string equation = shown_gas_equation(d);
    const float volume = slot_value(6);
    auto amount = [&](std::int32_t slot, std::int32_t species) {
        return slot_text(slot) + " mol di " + r.formula[species];
    };
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@";
    if (z == 1 || z == 2) {
        join_piece(text, z == 1 ? amount(8, 2) : amount(11, 1));
        join_piece(text, " e " + amount(9, 3));
    } else if (z == 3) {
        join_piece(text, amount(9, 3));
    } else if (z == 4) {
        join_piece(text, amount(11, 1));
        join_piece(text, " e " + amount(8, 2));
    } else {
        join_piece(text, amount(11, 1) + ",");
        join_piece(text, " " + amount(8, 2) + " e");
        join_piece(text, " " + amount(9, 3));
    }
    join_piece(text, " vengono portate a " + slot_text(7) + "@uo@C in un recipiente da " + slot_text(6) +
                         " L. A questa temperatura");
    join_piece(text, q == 1 ? " @iK@ " : " @iK@@dc@");
    join_piece(text, " per la reazione " + equation + " è pari a " + slot_text(12) +
                         constant_unit(q, d == 2 ? -r.delta_n : r.delta_n));
    const std::int32_t asked = random_int(1, 2);
    join_piece(text, asked == 1 ? ". Calcolare le pressioni parziali dei componenti all'equilibrio"
                                : ". Calcolare le concentrazioni dei componenti all'equilibrio");
    // From the amounts, volume and constant as shown.
    const SpeciesValues c = solved.of({slot_value(11), slot_value(8), slot_value(9), volume, slot_value(12)});
    const float factor = asked == 1 ? kelvin(r.t) * gas_constant_litre_atm_cut_f : 1.0f;
    set_slot_digits(11, c[0] * factor, 3);
    set_slot_digits(12, c[1] * factor, 3);
    set_slot_digits(14, c[3] * factor, 3);
    if (asked == 2)
        problem_texts.answer_text = "[" + r.formula[1] + "] = " + slot_text(11) + "; [" + r.formula[2] +
                                    "] = " + slot_text(12) + "; [" + r.formula[3] + "] = " + slot_text(14) + " mol/L";
    else
        problem_texts.answer_text = "@iP@(" + r.formula[1] + ") = " + slot_text(11) + "; @iP@(" + r.formula[2] +
                                    ") = " + slot_text(12) + "; @iP@(" + r.formula[3] + ") = " + slot_text(14) + " atm";
    draw_problem_text(165, 580, 45);
    show_chemistry_fact(170, 150, 300);
}

void generate_problem_8()
{
    skip_random_draws(8);
    load_gas_reaction_list();
    const GasReaction r = set_up_gas_reaction(pick_problem_variant(8, equilibria_state.last_draw[8], 3));
    const std::int32_t q = random_int(1, 2);
    const float kc = r.concentration_constant(slot_value(5));
    set_slot_digits(12, 1.0f / (q == 1 ? slot_value(5) : kc), 3);
    set_slot_digits(1, 0.0f, 3);
    set_slot_digits(2, 0.0f, 3);
    const SpeciesValues nu = {r.coefficient[1], r.coefficient[2], 0.0f, r.coefficient[3], 0.0f, 0.0f};
    SpeciesValues c{};
    // Drawn again where a gas at equilibrium would condense at its partial
    // pressure or the mixture stray past the ideal gas's 5 % (hydrogen iodide
    // with iodine at 28 atm and 460 °C).
    draw_until_accepted([&] {
        const std::int32_t e = -random_int(1, 2);
        float product = random_real(1.0f, 9.9f) * power_of_ten(e);
        if (product > 0.5f) product *= 0.5f;
        set_slot_digits(3, product, 3);
        const SpeciesValues c0 = {0.0f, 0.0f, 0.0f, slot_value(3), 0.0f, 0.0f};
        solve_extent(nu, c0, c, kc);
        const double rt = gas_constant_litre_atm * kelvin(r.t);
        return !reaction_gases_unfit(
            r, {static_cast<float>(c[0] * rt), static_cast<float>(c[1] * rt), static_cast<float>(c[3] * rt)});
    });
    set_slot_digits(6, (c[1] + c[3] + c[0]) * kelvin(r.t) * gas_constant_litre_atm_cut_f, 3);
    const std::string equation = shown_gas_equation(2);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Calcolare la percentuale di " + r.formula[3] + " dissociato a " + slot_text(7) + "@uo@C e " +
           slot_text(6) + " atm secondo la reazione " + equation + ", per la quale a " + slot_text(7) + "@uo@C";
    join_piece(text, q == 1 ? " @iK@ " : " @iK@@dc@");
    join_piece(text, " = " + slot_text(12) + constant_unit(q, -r.delta_n));
    // From the pressure and constant as shown: the product that, dissociating
    // to equilibrium, exerts that pressure, the total gas rising with it.
    const float formation = q == 1 ? r.concentration_constant(1.0f / slot_value(12)) : 1.0f / slot_value(12);
    const float gas = slot_value(6) / r.rt();
    const float spread = (r.coefficient[1] + r.coefficient[2]) / r.coefficient[3];
    float lo = gas * std::min(1.0f, 1.0f / spread);
    float hi = gas * std::max(1.0f, 1.0f / spread);
    float product_at_start = gas;
    for (std::int32_t step = 0; step < 60; ++step) {
        const float middle = 0.5f * (lo + hi);
        // A middle met again (lo and hi next to each other) leaves lo, hi and
        // c as they are, step after step.
        if (step > 0 && middle == product_at_start) break;
        product_at_start = middle;
        solve_extent(nu, {0.0f, 0.0f, 0.0f, product_at_start, 0.0f, 0.0f}, c, formation);
        (c[0] + c[1] + c[3] > gas ? hi : lo) = product_at_start;
    }
    set_slot_digits(8, (product_at_start - c[3]) / product_at_start * 100.0f, 3);
    problem_texts.answer_text = slot_text(8) + "%";
    draw_problem_text(170, 550, 50);
    show_chemistry_fact(280, 150, 280);
}

void generate_problem_9()
{
    skip_random_draws(13);
    load_gas_reaction_list();
    // NO2 at 25 °C is mostly N2O4: the fourth reaction, which starts from
    // it, is drawn again.
    constexpr std::int32_t from_nitrogen_dioxide = 4;
    std::int32_t v = 0;
    do v = pick_problem_variant(4, equilibria_state.last_draw[9], 1);
    while (v == from_nitrogen_dioxide);
    const GasReaction r = set_up_gas_reaction(v);
    const std::int32_t k = random_int(1, 2);
    const float kc = r.concentration_constant(slot_value(5));
    set_slot_digits(15, k == 1 ? slot_value(5) : kc, 3);
    // Each gas alone in its own vessel at 25 °C, drawn again where it would
    // condense there, or either it or the mixture at equilibrium once heated
    // stray past the ideal gas's 5 % (sulfur dioxide at 3.5 atm and 25 °C).
    constexpr float two_rt = twice_rt_at_298_kelvin_cut_f;
    const SpeciesValues nu = {r.coefficient[1], r.coefficient[2], 0.0f, r.coefficient[3], 0.0f, 0.0f};
    float c2 = 0.0f;
    SpeciesValues c{};
    draw_until_accepted([&] {
        const std::int32_t i = random_int(1, 2);
        set_slot_digits(1, random_real(1.0f, 9.9f) * power_of_ten(-i), 3);
        c2 = random_real(0.5f, 2.0f) * slot_value(1);
        set_slot_digits(11, slot_value(1) * two_rt, 3);
        set_slot_digits(12, c2 * two_rt, 3);
        const SpeciesValues c0 = {slot_value(11) / two_rt, slot_value(12) / two_rt, 0.0f, 0.0f, 0.0f, 0.0f};
        solve_extent(nu, c0, c, k == 1 ? kc : slot_value(15));
        const double rt = gas_constant_litre_atm * kelvin(r.t);
        const FormulaShare first[] = {{r.formula[1], slot_value(11)}}, second[] = {{r.formula[2], slot_value(12)}},
                           heated[] = {{r.formula[1], c[0] * rt}, {r.formula[2], c[1] * rt}, {r.formula[3], c[3] * rt}};
        return !gas_of_formula_condenses(r.formula[1], standard_kelvin_f, slot_value(11)) &&
               !gas_of_formula_condenses(r.formula[2], standard_kelvin_f, slot_value(12)) &&
               formulas_near_ideal(first, standard_kelvin) && formulas_near_ideal(second, standard_kelvin) &&
               formulas_near_ideal(heated, kelvin(r.t));
    });
    value_slots[2].value = c2;
    const std::string equation = shown_gas_equation(1);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Due recipienti di ugual volume, contenenti a 25@uo@C rispettivamente";
    join_piece(text, " " + r.formula[1] + " alla pressione di " + slot_text(11) + " atm e ");
    join_piece(text, " " + r.formula[2] + " alla pressione di " + slot_text(12) + " atm," +
                         " vengono posti in comunicazione e riscaldati a " + slot_text(7) +
                         "@uo@C. Calcolare la pressione finale, tenendo conto che per la reazione " + equation +
                         " a questa temperatura ");
    join_piece(text, k == 1 ? " @iK@ " : " @iK@@dc@");
    join_piece(text, " = " + slot_text(15));
    if (k == 2) join_piece(text, concentration_unit(r.delta_n));
    // From the pressures and constant as shown (c, solved above).
    set_slot_digits(6, (c[0] + c[1] + c[3]) * kelvin(r.t) * gas_constant_litre_atm_cut_f, 3);
    problem_texts.answer_text = slot_text(6) + " atm";
    draw_problem_text(160, 570, 40);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_12()
{
    skip_random_draws(8);
    load_gas_reaction_list();
    const GasAmounts g = draw_gas_amounts(12, 8);
    const GasReaction& r = g.reaction;
    const std::int32_t j = random_int(1, 3);
    const float base = slot_value(j);
    set_slot_digits(4, random_real(0.1f * base, 0.7f * base), 3);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Un recipiente di volume dato contiene ";
    join_amounts(text, r);
    join_piece(text, " " + r.formula[3] + ", in equilibrio rispetto alla reazione " + g.equation);
    join_piece(text, ". Calcolare come variano queste quantità se si aggiungono " + slot_text(4) + " mol di");
    join_piece(text, " " + r.formula[j]);
    solve_amounts(r, moles_constant(r), j, slot_value(4));
    draw_problem_text(160, 540, 40);
    show_chemistry_fact(190, 150, 360);
}

void generate_problem_13()
{
    skip_random_draws(3);
    load_gas_reaction_list();
    const GasAmounts g = draw_gas_amounts(13, 7);
    const GasReaction& r = g.reaction;
    float x = random_real(1.2f, 5.0f);
    if (random_int(1, 2) == 1) x = 1.0f / x;
    set_slot_digits(4, x, 3);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Un sistema in equilibrio rispetto alla reazione " + g.equation + " contiene ";
    join_amounts(text, r);
    join_piece(text, " " + r.formula[3] + ".");
    join_piece(text, " Calcolare come variano queste quantità se il volume del sistema viene portato da @iV@ a " +
                         slot_text(4) + "@iV@");
    const float k = moles_constant(r) * std::pow(slot_value(4), r.coefficient[3] - r.coefficient[1] - r.coefficient[2]);
    solve_amounts(r, k, 0, 0.0f);
    draw_problem_text(200, 580, 50);
    show_chemistry_fact(170, 150, 300);
}

}  // namespace equilibria
