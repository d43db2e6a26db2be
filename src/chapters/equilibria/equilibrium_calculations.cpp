// Section "Calcoli di equilibrio": problems 6 to 15, equilibria of gas
// reactions, of generic reactions with solids and gases or in solution, and
// of a sparingly soluble salt with a common ion.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "chemistry/salt_solubilities.h"
#include "frame/fact_box.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

namespace equilibria {
namespace {

// Problem 15's salts: the cation and the salt that adds the common anion.
// The third of its six draws was HgBr2, which dissolves as molecules, not as
// the ions of this equilibrium: that draw is drawn again.
struct SolubleSalt {
    std::string_view formula;
    std::string_view cation;
    std::string_view added_salt;
};
constexpr SolubleSalt soluble_salts[] = {
    {"PbCl@d2@", "Pb@u2+@", "NaCl"}, {"PbI@d2@", "Pb@u2+@", "KI"}, {"Ag@d2@SO@d4@", "Ag@u+@", "Na@d2@SO@d4@"},
    {"SnI@d2@", "Sn@u2+@", "KI"},    {"AgCl", "Ag@u+@", "NaCl"},
};
static_assert(std::ranges::all_of(soluble_salts, [](const SolubleSalt& s) { return has_salt_solubility(s.formula); }));
// The species of a generic reaction that take part (gases, or dissolved
// species), in the solver's places: reactants 0-1, products 3-4.
struct GenericSystem {
    SpeciesValues nu{};
    SpeciesValues c0{};
};

// Set 1 has B and D mobile, set 2 A and D, set 3 all four.
GenericSystem generic_system(const GenericReaction& r, float a0, float b0)
{
    GenericSystem s;
    if (r.states == "gggg" || r.states == "aaaa") {
        s.nu = {r.coefficient(0), r.coefficient(1), 0.0f, r.coefficient(2), r.coefficient(3), 0.0f};
        s.c0[0] = a0;
        s.c0[1] = b0;
    } else {
        const std::int32_t reactant = r.states[0] == 's' ? 1 : 0;
        s.nu[0] = r.coefficient(reactant);
        s.nu[3] = r.coefficient(3);
        s.c0[0] = a0;
    }
    return s;
}

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
        // No gas above its saturation pressure.
        const float atm = q == 2 ? r.rt() : 1.0f;
        if (reaction_gas_condenses(r, {atm * slot_value(1), atm * slot_value(2), atm * slot_value(3)})) return false;
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
    const float factor = asked == 1 ? (r.t + celsius_zero_f) * gas_constant_litre_atm_cut_f : 1.0f;
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
    const std::int32_t e = -random_int(1, 2);
    float product = random_real(1.0f, 9.9f) * power_of_ten(e);
    if (product > 0.5f) product *= 0.5f;
    set_slot_digits(3, product, 3);
    const SpeciesValues nu = {r.coefficient[1], r.coefficient[2], 0.0f, r.coefficient[3], 0.0f, 0.0f};
    const SpeciesValues c0 = {0.0f, 0.0f, 0.0f, slot_value(3), 0.0f, 0.0f};
    SpeciesValues c{};
    solve_extent(nu, c0, c, kc);
    set_slot_digits(6, (c[1] + c[3] + c[0]) * (r.t + celsius_zero_f) * gas_constant_litre_atm_cut_f, 3);
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
    // 48.9018 atm L/mol is 2 R T at 25 C: each gas alone in its own vessel,
    // drawn again where it would condense there.
    float c2 = 0.0f;
    draw_until_accepted([&] {
        const std::int32_t i = random_int(1, 2);
        set_slot_digits(1, random_real(1.0f, 9.9f) * power_of_ten(-i), 3);
        c2 = random_real(0.5f, 2.0f) * slot_value(1);
        set_slot_digits(11, slot_value(1) * 48.9018f, 3);
        set_slot_digits(12, c2 * 48.9018f, 3);
        return !gas_of_formula_condenses(r.formula[1], 298.15f, slot_value(11)) &&
               !gas_of_formula_condenses(r.formula[2], 298.15f, slot_value(12));
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
    // From the pressures and constant as shown.
    const SpeciesValues nu = {r.coefficient[1], r.coefficient[2], 0.0f, r.coefficient[3], 0.0f, 0.0f};
    const SpeciesValues c0 = {slot_value(11) / 48.9018f, slot_value(12) / 48.9018f, 0.0f, 0.0f, 0.0f, 0.0f};
    SpeciesValues c{};
    solve_extent(nu, c0, c, k == 1 ? kc : slot_value(15));
    set_slot_digits(6, (c[0] + c[1] + c[3]) * (r.t + celsius_zero_f) * gas_constant_litre_atm_cut_f, 3);
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

void generate_problem_10()
{
    skip_random_draws(5);
    const GenericReaction r = set_up_generic_reaction(10, "sgsggssggggg", 1, 2, '\0', 'g');
    draw_generic_constant(r);
    const float t = static_cast<float>(5 * random_int(20, 150));
    set_slot_digits(2, t, 3);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Il valore di @iK@@dc@ per la reazione " + r.equation + " a " + slot_text(2) + "@uo@C è uguale a " +
           slot_text(1);
    join_piece(text, concentration_unit_suffix(r.delta_n));
    set_slot_digits(16, random_real(10.0f, 50.0f), 3);
    join_piece(
        text,
        " Calcolare le pressioni parziali dei gas in equilibrio a questa temperatura in un recipiente di volume " +
            slot_text(16) + " L contenente inizialmente ");
    set_slot_digits(6, random_real(0.1f, 0.99f), 3);
    const bool all_gases = r.states == "gggg";
    if (all_gases) set_slot_digits(7, random_real(0.1f, 0.99f), 3);
    if (r.states == "sgsg")
        join_piece(text, " " + slot_text(6) + " mol di B e un eccesso di A");
    else if (r.states == "gssg")
        join_piece(text, " " + slot_text(6) + " mol di A e un eccesso di B");
    else
        join_piece(text, " " + slot_text(6) + " mol di A e " + slot_text(7) + " mol di B");

    const float volume = slot_value(16);
    const GenericSystem s = generic_system(r, slot_value(6) / volume, all_gases ? slot_value(7) / volume : 0.0f);
    SpeciesValues c{};
    solve_extent(s.nu, s.c0, c, slot_value(1));
    const float rt = (t + celsius_zero_f) * gas_constant_litre_atm_cut_f;
    set_slot_digits(11, rt * c[0], 3);
    set_slot_digits(12, rt * c[1], 3);
    set_slot_digits(13, rt * c[3], 3);
    set_slot_digits(14, rt * c[4], 3);
    if (r.states == "sgsg")
        problem_texts.answer_text = "@iP@(B) = " + slot_text(11) + "; @iP@(D) = " + slot_text(13) + " atm";
    else if (r.states == "gssg")
        problem_texts.answer_text = "@iP@(A) = " + slot_text(11) + "; @iP@(D) = " + slot_text(13) + " atm";
    else
        problem_texts.answer_text = "@iP@(A) = " + slot_text(11) + "; @iP@(B) = " + slot_text(12) +
                                    "; @iP@(C) = " + slot_text(13) + "; @iP@(D) = " + slot_text(14) + " atm";
    draw_problem_text(170, 560, 45);
    show_chemistry_fact(280, 151, 280);
}

void generate_problem_11()
{
    skip_random_draws(6);
    const GenericReaction r = set_up_generic_reaction(11, "sgsggssggggg", 0, 2, '\0', 'g');
    draw_generic_constant(r);  // not shown: its draws keep the versions in step
    const std::int32_t h = random_int(1, 2);
    const std::int32_t q = random_int(1, 8);
    constexpr std::string_view changes[] = {" da un aumento di temperatura?", " da una diminuzione di temperatura?",
                                            " da un aumento di pressione?",   " da una diminuzione di pressione?",
                                            " da un'aggiunta di A?",          " da un'aggiunta di B?",
                                            " da un'aggiunta di C?",          " da un'aggiunta di D?"};
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Come vengono influenzate le quantità dei vari componenti in equilibrio secondo la reazione ";
    join_piece(text, h == 1 ? " endotermica" : " esotermica");
    join_piece(text, " " + r.equation);
    join_piece(text, changes[q - 1]);

    constexpr std::string_view more_products = "Aumentano i prodotti";
    constexpr std::string_view fewer_products = "Diminuiscono i prodotti";
    constexpr std::string_view more_reactants = "Aumentano i reagenti";
    std::string_view answer = "Nessuna variazione";
    const bool endothermic = h == 1;
    const float dn = r.delta_n;
    switch (q) {
    case 1: answer = endothermic ? more_products : fewer_products; break;
    case 2: answer = endothermic ? fewer_products : more_products; break;
    case 3:
        if (dn != 0.0f) answer = dn < 0.0f ? more_products : fewer_products;
        break;
    case 4:
        if (dn != 0.0f) answer = dn > 0.0f ? more_products : fewer_products;
        break;
    case 5:
    case 6:
        if (r.states[q - 5] == 'g') answer = more_products;
        break;
    default:
        if (r.states[q - 5] == 'g') answer = more_reactants;
        break;
    }
    problem_texts.answer_text = answer;
    draw_problem_text(200, 560, 50);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_14()
{
    skip_random_draws(9);
    const GenericReaction r = set_up_generic_reaction(14, "sasaassaaaaa", 1, 3, 'a', 'a');
    draw_generic_constant(r);
    set_slot_digits(2, static_cast<float>(random_int(20, 150)), 3);  // not shown
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Il valore di @iK@@dc@ per la reazione " + r.equation +
           " in un dato solvente a @iT@ data è uguale a " + slot_text(1);
    join_piece(text, concentration_unit_suffix(r.delta_n));
    const bool all_dissolved = r.states == "aaaa";
    // The concentrations at equilibrium from the constant, the
    // concentrations and the volumes as shown, in that order.
    const auto equilibrium_of = [&](const std::vector<double>& d) {
        const auto v1 = static_cast<float>(d[3]);
        const auto v2 = static_cast<float>(d[4]);
        const GenericSystem s = all_dissolved ? generic_system(r, static_cast<float>(d[1]) * v1 / (v2 + v1),
                                                               static_cast<float>(d[2]) * v2 / (v2 + v1))
                                              : generic_system(r, static_cast<float>(d[1]), 0.0f);
        SpeciesValues c{};
        solve_extent(s.nu, s.c0, c, static_cast<float>(d[0]));
        return c;
    };
    SolvedEquilibria solved(equilibrium_of);
    // Solutions near the reaction's own ratio leave a concentration that
    // its uncertainty exceeds: drawn again.
    draw_until_accepted([&] {
        set_slot_digits(16, random_real(10.0f, 900.0f), 3);
        set_slot_digits(15, random_real(0.5f, 2.0f) * slot_value(16), 3);
        set_slot_digits(6, random_real(1.0f, 9.9f) / slot_value(16), 3);
        if (all_dissolved) set_slot_digits(7, random_real(1.0f, 9.9f) / slot_value(15), 3);
        for (const std::size_t k :
             all_dissolved ? std::vector<std::size_t>{0, 1, 3, 4} : std::vector<std::size_t>{0, 3}) {
            if (all_dissolved)
                set_slot_from_data(17, {1, 6, 7, 16, 15},
                                   [&](const std::vector<double>& d) { return solved.of(d)[k]; });
            else
                set_slot_from_data(17, {1, 6}, [&](const std::vector<double>& d) {
                    return solved.of({d[0], d[1], 0.0, 1.0, 1.0})[k];
                });
            if (uncertainty_exceeds_value(17)) return false;
        }
        return true;
    });
    join_piece(text, " Calcolare le concentrazioni di equilibrio nella soluzione ottenuta aggiungendo");
    if (r.states == "sasa")
        join_piece(text, " un eccesso di A a " + slot_text(16) + " mL di soluzione di B " + slot_text(6) + " M");
    else if (r.states == "assa")
        join_piece(text, " un eccesso di B a " + slot_text(16) + " mL di soluzione di A " + slot_text(6) + " M");
    else
        join_piece(text, " " + slot_text(16) + " mL di soluzione di A " + slot_text(6) + " M a " + slot_text(15) +
                             " mL di soluzione di B " + slot_text(7) + " M");

    const SpeciesValues c = solved.of({slot_value(1), slot_value(6), slot_value(7), slot_value(16), slot_value(15)});
    set_slot_digits(11, c[0], 3);
    set_slot_digits(12, c[1], 3);
    set_slot_digits(13, c[3], 3);
    set_slot_digits(14, c[4], 3);
    if (r.states == "sasa")
        problem_texts.answer_text = "[B] = " + slot_text(11) + "; [D] = " + slot_text(13) + " M";
    else if (r.states == "assa")
        problem_texts.answer_text = "[A] = " + slot_text(11) + "; [D] = " + slot_text(13) + " M";
    else
        problem_texts.answer_text = "[A] = " + slot_text(11) + "; [B] = " + slot_text(12) +
                                    " M; [C] = " + slot_text(13) + "; [D] = " + slot_text(14) + " M";
    draw_problem_text(160, 550, 40);
    show_chemistry_fact(280, 150, 300);
}

void generate_problem_15()
{
    skip_random_draws(2);
    constexpr std::int32_t left_out = 3;
    std::int32_t v = 0;
    do v = pick_problem_variant(6, equilibria_state.last_draw[15], 4);
    while (v == left_out);
    const SolubleSalt& salt = soluble_salts[v < left_out ? v - 1 : v - 2];
    const SaltSolubility& data = salt_solubility(salt.formula);
    set_slot_text(1, data.as_ions_25);
    set_slot_text(2, data.as_ions_100);
    // Grams per litre.
    set_slot_uncertainty(8, 10.0f * slot_value(1), 10.0f * slot_uncertainty(1));
    set_slot_uncertainty(9, 10.0f * slot_value(2), 10.0f * slot_uncertainty(2));
    const std::string_view composition = record_columns(compound_record(salt_compound(data)), 81, 99);
    float mass_uncertainty = 0.0f;
    const float molar_mass = compute_molar_mass(composition, mass_uncertainty);
    skip_random_draws(3);
    set_slot_digits(3, random_real(25.0f, 80.0f), 2);
    // A van 't Hoff line through the two solubilities.
    const float a = 1483.3956f * std::log(slot_value(9) / slot_value(8));
    const float b = slot_value(8) * std::exp(0.0033540164f * a);
    const float solubility = b / molar_mass * std::exp(-a / (kelvin(slot_value(3))));
    // The product of the ions' concentrations in the saturated solution, from
    // the solubility unrounded: its cube would triple a rounding.
    const auto cations = static_cast<float>(data.cations);
    const auto anions = static_cast<float>(data.anions);
    set_slot_digits(5, std::pow(cations * solubility, cations) * std::pow(anions * solubility, anions), 3);
    value_slots[11].value = random_real(10.0f, 300.0f);
    value_slots[12].value = random_real(1.0f, 9.9f) * 0.01f;
    convert_data_slot(11, 3);
    convert_data_slot(12, 3);
    set_slot_digits(13, random_real(30.0f, 800.0f), 3);
    problem_texts.problem_text = "@T1@@C1@La costante di equilibrio per la reazione " + std::string(data.dissolution) +
                                 " è pari a " + slot_text(5) + " a " + slot_text(3) + "@uo@C. Calcolare [" +
                                 std::string(salt.cation) + "] nella soluzione satura ottenuta sciogliendo " +
                                 std::string(salt.formula) + " in acqua e nella soluzione ottenuta aggiungendo " +
                                 slot_text(11) + " mL di " + std::string(salt.added_salt) + " " + slot_text(12) +
                                 " F a " + slot_text(13) + " mL della precedente, in presenza di corpo di fondo";
    SpeciesValues nu{};
    SpeciesValues c0{};
    SpeciesValues c{};
    nu[3] = cations;
    nu[4] = anions;
    solve_extent(nu, c0, c, slot_value(5));
    set_slot_digits(14, c[3], 3);
    c0[4] = slot_value(12) * slot_value(11) / (slot_value(11) + slot_value(13));
    solve_extent(nu, c0, c, slot_value(5));
    set_slot_digits(15, c[3], 3);
    problem_texts.answer_text = slot_text(14) + " M; " + slot_text(15) + " M";
    draw_problem_text(160, 550, 40);
    show_chemistry_fact(220, 160, 360);
}

}  // namespace equilibria
