#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "chapters/final_problems/final_problems_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/gas_reactions.h"
#include "chemistry/molar_mass.h"
#include "chemistry/ph_solvers.h"
#include "chemistry/reaction_thermo.h"
#include "chemistry/vapour_pressure_fits.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"
#include "numbers/fixed_width.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

FinalProblemsState final_problems_state;

namespace final_problems {

std::int32_t random_int_except(std::int32_t lo, std::int32_t hi, std::int32_t unwanted)
{
    std::int32_t n = 0;
    draw_until_accepted([&] {
        n = random_int(lo, hi);
        return n != unwanted;
    });
    return n;
}

bool repeats_last_choice(std::int32_t problem, std::int32_t choice)
{
    return repeats_last_pick(choice, final_problems_state.last_choice[problem]);
}

void set_slot_digits_from(std::int32_t slot, float value, float limit, std::int32_t digits)
{
    value_slots[slot].value = value;
    if (value < limit) convert_data_slot(slot, digits);
    if (slot_value(slot) >= limit) convert_data_slot(slot, digits + 1);
}

std::string gas_reaction_equation(std::int32_t reaction)
{
    std::string reactions(static_cast<std::size_t>(gas_reaction_count * gas_reaction_field), ' ');
    load_gas_reactions(reactions);
    return "s         " + std::string(strip_trailing_blanks(record_at(reactions, gas_reaction_field, reaction)));
}

float gas_equilibrium_constant(std::string_view equation, float t)
{
    // Every gas reaction has its data in the tables; a missing one would
    // show as "?" rather than as a number.
    const auto thermo = compute_reaction_thermo(equation, water_as_vapour, t);
    return thermo ? thermo->equilibrium_constant : std::numeric_limits<float>::quiet_NaN();
}

float element_molar_mass(std::int32_t z)
{
    return composition_molar_mass(std::string(record_columns(element_record(z), 16, 17)) + "01");
}

double mixture_ph(float ca, float cb, float ka, float kb)
{
    // A balance without a root shows as "?" rather than as a number.
    const float h = solve_ph_mixture(ca, cb, ka, kb).value_or(std::numeric_limits<float>::quiet_NaN());
    return -std::log10(static_cast<double>(h));
}

void draw_boiling_at_pressure(std::int32_t compound)
{
    set_slot_text(1, normal_boiling_point(compound));
    const float shift = random_real(150.0f, 300.0f);
    set_slot_digits(3, random_int(1, 2) == 1 ? torr_per_atmosphere_f + shift : torr_per_atmosphere_f - shift, 3);
    set_slot_digits_from(4, static_cast<float>(antoine_boiling_kelvin(compound, slot_value(3))) - celsius_zero_f,
                         100.0f, 3);
}

double vaporisation_enthalpy(double boiling, double pressure, double at_pressure)
{
    return -gas_constant_kilojoule * std::log(pressure / torr_per_atmosphere) /
           (1.0 / (at_pressure + celsius_zero) - 1.0 / (boiling + celsius_zero));
}

double vapour_pressure_at(double boiling, double enthalpy, double t)
{
    return torr_per_atmosphere * std::exp(-per_gas_constant_kilojoule * enthalpy *
                                          (1.0 / (t + celsius_zero) - 1.0 / (boiling + celsius_zero)));
}

const Hydroxide& draw_hydroxide(std::int32_t problem)
{
    skip_random_draws(2);
    const std::int32_t v = pick_problem_variant(9, final_problems_state.last_choice[problem], 9);
    random_int(1, 2);  // drawn and never used: it keeps the later data of every version in place
    const Hydroxide& hydroxide = hydroxides[v - 1];
    set_slot_text(9, hydroxide.solubility_product);
    return hydroxide;
}

float hydroxide_molar_mass(const Hydroxide& hydroxide)
{
    const std::string n = std::to_string(hydroxide.hydroxide_groups);
    return composition_molar_mass(std::string(hydroxide.formula.substr(0, 2)) + "01O 0" + n + "H 0" + n);
}

void pose_problem(Place statement, FactBox fact)
{
    draw_problem_text(statement.x_left, statement.x_right, statement.y);
    show_chemistry_fact(fact.x, fact.y, fact.width);
}

}  // namespace final_problems
