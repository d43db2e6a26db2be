// Section "Costanti di equilibrio": problems 28 to 30, equilibrium constants
// from the free energy and the enthalpy and entropy of dissolution from two
// solubilities.
#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/equation_text.h"
#include "chemistry/gas_reactions.h"
#include "chemistry/molar_mass.h"
#include "chemistry/reaction_thermo.h"
#include "chemistry/salt_solubilities.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/drawing_kit.h"

namespace thermo_kinetics {
namespace {

// K as a REAL, when a REAL holds it and its reciprocal with a normal value.
bool single_holds(float k)
{
    return std::isfinite(k) && k >= FLT_MIN && std::isfinite(1.0f / k) && 1.0f / k >= FLT_MIN;
}

// A gas reaction and the temperature at which its constant is asked.
struct GasEquilibrium {
    ReactionThermo at_25;  // dH (kJ) and dS (J/K) at 25 °C
    float t = 0.0f;        // °C, also in slot 19
};

// Draws a gas reaction into table_buffer (as an EquationText) and a
// temperature around the one at which dG changes sign.
GasEquilibrium draw_gas_equilibrium(std::int32_t problem, std::int32_t textbook_choice)
{
    load_gas_reactions(problem_texts.answer_text);
    const std::int32_t v = pick_problem_variant(8, thermo_kinetics_state.last_draw[problem], textbook_choice);
    problem_texts.table_buffer =
        "s         " + std::string(strip_trailing_blanks(record_at(problem_texts.answer_text, gas_reaction_field, v)));
    GasEquilibrium g;
    g.at_25 = compute_reaction_thermo(problem_texts.table_buffer, water_as_vapour, 25.0f).value_or(ReactionThermo{});
    const float crossover = g.at_25.dH / g.at_25.dS * 1000.0f;
    value_slots[4].value = crossover;
    g.t = random_real(0.5f * crossover, 1.5f * crossover) - celsius_zero_f;
    if (g.t < 0.0f) g.t = random_real(100.0f, 300.0f);
    // Tens above 100 °C, hundreds above 1000 °C.
    if (g.t > 100.0f) g.t = 10.0f * std::trunc(0.1f * g.t);
    if (g.t > 1000.0f) g.t = 100.0f * std::trunc(0.01f * g.t);
    return g;
}

// The temperature shows as many digits as its whole part has, whole degrees
// below 100 °C (never a power of ten or a tenth); the constants follow from
// it as shown.
void show_temperature(float& t)
{
    set_slot_uncertainty(19, t, 3.0f);
    if (t < 100.0f) set_slot_to_place(19, t, 0);
    t = slot_value_as_shown(19);
}

// ΔG°(T) ≈ ΔH°(298 K) − TΔS°(298 K) and its K, with t as drawn.
std::string estimated_constant(const GasEquilibrium& g, bool reversed)
{
    const float kelvin = g.t + celsius_zero_f;
    value_slots[3].value = g.at_25.dH + g.at_25.dS * kelvin * -0.001f;
    const float k = std::exp(-1000.0f * slot_value(3) / (gas_constant_joule_f * kelvin));
    return equilibrium_constant_text(k, slot_value(3), kelvin, reversed);
}

// The salts of problem 30, in their order. Two keep their places but are
// drawn again: HgBr2's saturated solution holds molecules, not its ions, and
// from Ag2SO4's measured solubilities ΔS° is lost in its own uncertainty.
constexpr std::array<const SaltSolubility*, 6> dissolving_salts = {
    &salt_solubility("PbCl@d2@"),     &salt_solubility("PbI@d2@"), &salt_solubility("HgBr@d2@"),
    &salt_solubility("Ag@d2@SO@d4@"), &salt_solubility("SnI@d2@"), &salt_solubility("AgCl")};
constexpr std::array<const SaltSolubility*, 2> left_out_salts = {&salt_solubility("HgBr@d2@"),
                                                                 &salt_solubility("Ag@d2@SO@d4@")};

// Solubility products: 4 s^3 for the 1:2 and 2:1 salts, s^2 for the 1:1 salt.
template <typename Real>
Real solubility_product(bool one_to_one, Real s)
{
    return one_to_one ? s * s : Real(4) * (s * s * s);
}

// ΔS° (J/K) and ΔH° (kJ) of dissolution from the solubilities s1 and s2
// (mol/L) at t1 and t2 (°C), by van 't Hoff.
template <typename Real>
std::array<Real, 2> dissolution_change(bool one_to_one, Real t1, Real s1, Real t2, Real s2)
{
    const Real k1 = solubility_product(one_to_one, s1);
    const Real k2 = solubility_product(one_to_one, s2);
    const Real kelvin1 = t1 + Real(celsius_zero);
    const Real kelvin2 = t2 + Real(celsius_zero);
    const Real entropy = Real(gas_constant_joule) * (kelvin2 * std::log(k2) - kelvin1 * std::log(k1)) / (t2 - t1);
    return {entropy, (entropy - Real(gas_constant_joule) * std::log(k2)) * kelvin2 * Real(0.001)};
}

}  // namespace

// The constant of the reaction or of its reverse with two digits: through
// slot 5 as a REAL where it fits, else from dG in double precision.
std::string equilibrium_constant_text(float k, double dg, double kelvin, bool reversed)
{
    if (single_holds(k)) {
        set_slot_digits(5, reversed ? 1.0f / k : k, 2);
        return slot_text(5);
    }
    const double exponent = -1000.0 * dg / (gas_constant_joule * kelvin);
    return significant_markup(std::exp(reversed ? -exponent : exponent), 2);
}

void generate_problem_28()
{
    skip_random_draws(3);
    GasEquilibrium g = draw_gas_equilibrium(28, 1);
    if (app_state.version_number == text_version) g.t = 230.0f;
    show_temperature(g.t);
    problem_texts.problem_text =
        "@T1@@C1@Utilizzando la relazione @bD@@iG@@u0@(@iT@) = @bD@@iH@@u0@(298 K) - @iT@@bD@@iS@@u0@(298 K), "
        "stimare in modo approssimato la costante di equilibrio a " +
        slot_text(19) + "@uo@C per la reazione ";
    const std::int32_t direction = random_int(1, 2);
    problem_texts.answer_text =
        add_state_subscripts(problem_texts.table_buffer, 1, water_as_vapour, direction).value_or(std::string());
    draw_problem_text_and_equation(160, 582, 50, 85, problem_texts.answer_text, 85);
    show_chemistry_fact(260, 160, 300);
    problem_texts.answer_text = estimated_constant(g, direction == right_to_left);
}

void generate_problem_29()
{
    skip_random_draws(8);
    GasEquilibrium g = draw_gas_equilibrium(29, 2);
    show_temperature(g.t);
    std::int32_t direction = random_int(1, 2);
    if (app_state.version_number == text_version) direction = 1;
    const bool reversed = direction == right_to_left;
    const std::string equation(strip_trailing_blanks(
        add_state_subscripts(problem_texts.table_buffer, 1, water_as_vapour, direction).value_or(std::string())));
    const std::string t = slot_text(19);
    problem_texts.problem_text =
        "@T1@@C1@Per la reazione " + equation + " a " + t +
        "@uo@C, confrontare la costante di equilibrio stimata tramite la relazione @bD@@iG@@u0@(@iT@) = "
        "@bD@@iH@@u0@(298 K) - @iT@@bD@@iS@@u0@(298 K) con quella, meno approssimata, calcolata da @bD@@iH@@u0@(" +
        t + "@uo@C) e @bD@@iS@@u0@(" + t + "@uo@C), ottenuti a loro volta dai valori di @iC@@dp@@u0@ tabulati a 298 K";
    draw_problem_text(160, 580, 40);
    show_chemistry_fact(200, 160, 360);

    std::string answer = estimated_constant(g, reversed);
    // The constant with dH and dS carried to t by the heat capacities.
    const ReactionThermo at_t =
        compute_reaction_thermo(problem_texts.table_buffer, water_as_vapour, g.t).value_or(ReactionThermo{});
    answer += "; " + equilibrium_constant_text(at_t.equilibrium_constant, at_t.dG, g.t + celsius_zero_f, reversed);
    problem_texts.answer_text = answer;
}

void generate_problem_30()
{
    skip_random_draws(2);
    // Each pick, the first or one drawn again, avoids the previous visit's.
    const std::int32_t previous = thermo_kinetics_state.last_draw[30];
    std::int32_t v = 0;
    draw_until_accepted([&v, previous] {
        std::int32_t last = previous;
        // Under "Versione Testo", PbCl2: the book's Ag2SO4 is left out.
        v = pick_problem_variant(6, last, 1);
        return std::ranges::find(left_out_salts, dissolving_salts[v - 1]) == left_out_salts.end();
    });
    thermo_kinetics_state.last_draw[30] = v;
    const SaltSolubility& salt = *dissolving_salts[v - 1];
    const bool one_to_one = salt.cations == 1 && salt.anions == 1;
    // The salt's two figures, g per 100 mL at 25 and 100 °C.
    set_slot_text(1, salt.at_25);
    set_slot_text(2, salt.at_100);
    // Grams per litre.
    set_slot_uncertainty(8, 10.0f * slot_value(1), 10.0f * slot_uncertainty(1));
    set_slot_uncertainty(9, 10.0f * slot_value(2), 10.0f * slot_uncertainty(2));
    const float molar_mass = compound_molar_mass(salt_compound(salt));
    skip_random_draws(3);

    // The saturated solutions as measured, or on S(T) = A exp(-B/T)
    // through both figures.
    const SolubilityCurve curve = solubility_curve(slot_value(1), slot_value(2));
    const auto formality = [&](float celsius) {
        return saturated_grams(salt.formula, curve, celsius) / molar_mass * 10.0f;
    };
    // The temperatures drawn again where the uncertainty of either answer,
    // from the data as printed, passes it.
    draw_until_accepted([&] {
        set_slot_digits(3, random_real(25.0f, 50.0f), 2);
        set_slot_digits(4, formality(slot_value(3)), 3);
        set_slot_digits(5, random_real(slot_value(3) + 10.0f, 99.0f), 2);
        set_slot_digits(6, formality(slot_value(5)), 3);
        for (const std::size_t answer : {0, 1}) {
            set_slot_from_data(10, {3, 4, 5, 6}, {3, 5}, [one_to_one, answer](const std::vector<double>& d) {
                return dissolution_change(one_to_one, d[0], d[1], d[2], d[3])[answer];
            });
            if (uncertainty_exceeds_value(10)) return false;
        }
        return true;
    });

    problem_texts.problem_text = "@T1@@C1@La soluzione acquosa satura di " + std::string(salt.formula) + " è " +
                                 slot_text(4) + " F a " + slot_text(3) + "@uo@C e " + slot_text(6) + " F a " +
                                 slot_text(5) +
                                 "@uo@C. Calcolare il valore medio di @bD@@iH@@u0@ e di @bD@@iS@@u0@ in questo "
                                 "intervallo di temperature per la reazione";
    draw_problem_text_and_equation(160, 582, 50, 100, salt.dissolution, 99);
    show_chemistry_fact(170, 150, 300);

    const std::array<float, 2> change =
        dissolution_change(one_to_one, slot_value(3), slot_value(4), slot_value(5), slot_value(6));
    value_slots[7].value = change[0];
    value_slots[8].value = change[1];
    convert_data_slot(8, 2);
    convert_data_slot(7, 2);
    problem_texts.answer_text = slot_text(8) + " kJ; " + slot_text(7) + " J/K";
    draw_hint_balloon(520, 140, "Dic. 07");
}

}  // namespace thermo_kinetics
