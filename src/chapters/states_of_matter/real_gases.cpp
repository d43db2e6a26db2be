// Section "Gas reali", problems 26 to 28: the van der Waals equation against
// the ideal gas.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace states_of_matter {

constexpr VanDerWaalsTable van_der_waals_constants{{
    {1.36f, 0.03183f, compounds::oxygen},
    {1.485f, 0.03985f, compounds::carbon_monoxide},
    {1.345f, 0.03219f, compounds::argon},
    {2.318f, 0.03978f, compounds::krypton},
    {4.194f, 0.05105f, compounds::xenon},
    {2.253f, 0.04278f, compounds::methane},
    {5.489f, 0.0638f, compounds::ethane},
    {3.592f, 0.04267f, compounds::carbon_dioxide},
    {4.17f, 0.03707f, compounds::ammonia},
    {6.493f, 0.05622f, compounds::chlorine},
}};
static_assert(std::ranges::all_of(van_der_waals_constants, [](const VanDerWaalsRecord& r) {
    return r.compound && has_phase_points(*r.compound);
}));

namespace {

// The gas of a real-gas problem, its a and b in slots 8 and 9.
struct RealGas {
    std::int32_t compound;
    std::int32_t record;
    float molar_mass;

    // Chlorine, ammonia and carbon dioxide are posed hotter.
    bool condenses_easily() const
    {
        return compound == compounds::chlorine || compound == compounds::ammonia ||
               compound == compounds::carbon_dioxide;
    }
    // At the temperature (slot 2, °C) and pressure (slot 3) as printed:
    // chlorine at 102 °C condenses above 41.1 atm.
    bool stays_gaseous() const { return !gas_condenses(compound, slot_value(2) + celsius_zero, slot_value(3)); }
};

RealGas pick_real_gas(std::int32_t problem, std::int32_t skipped)
{
    skip_random_draws(skipped);
    fill_van_der_waals_table(state.van_der_waals);
    const std::int32_t v = pick_problem_variant(10, state.last_draw[problem], 0);
    const VanDerWaalsRecord& record = state.van_der_waals[v - 1];
    RealGas gas{record.compound.value(), v, 0.0f};
    gas.molar_mass = compound_molar_mass(gas.compound);
    set_slot_digits(8, record.a, 4);
    set_slot_digits(9, record.b, 4);
    return gas;
}

std::string constants_in_brackets()
{
    return " (@ia@ = " + slot_text(8) + " atm•L@u2@/mol@u2@; @ib@ = " + slot_text(9) + " L/mol)";
}

// Slot 3: a pressure in atmospheres; slot 5: the ideal molar volume at it
// and the temperature of slot 2.
void draw_pressure_and_ideal_volume()
{
    value_slots[3].value = random_real(20.0f, 50.0f);
    convert_data_slot(3, random_int(3, 4));
    const float v = (kelvin(slot_value(2))) / slot_value(3) * gas_constant_litre_atm_f;
    set_slot_uncertainty(5, v, v * (relative_uncertainty(3) + kelvin_relative_uncertainty(2)));
}

// The real molar volume at slots 2 (°C) and 3 (atm), from the ideal one in slot 5.
float real_molar_volume()
{
    return van_der_waals_molar_volume(slot_value(8), slot_value(9), kelvin(slot_value(2)), slot_value(3),
                                      slot_value(5));
}

template <typename Real>
Real molar_volume_by_iteration(Real a, Real b, Real temperature, Real pressure, Real start, Real tolerance)
{
    Real v = start;
    Real next = v;
    for (std::int32_t step = 0; step < 10000; ++step) {
        next = static_cast<Real>(gas_constant_litre_atm) * temperature / (pressure + a / (v * v)) + b;
        // Relative: near the critical point the steps shrink slowly, and a
        // fixed step of 10^-4 L stops a unit of the third digit short.
        if (std::fabs(next - v) <= tolerance * next) break;
        v = next;
    }
    return next;
}

// The real molar volume from a, b, t (°C) and p (atm) as printed, from the
// ideal one: what the data's uncertainties are worked through, in double
// precision, for a slope over a hundredth of a datum's uncertainty is finer
// than a REAL iteration settles.
double printed_molar_volume(const std::vector<double>& d)
{
    const double t = d[2] + celsius_zero;
    return molar_volume_by_iteration(d[0], d[1], t, d[3], t / d[3] * gas_constant_litre_atm, 1.0e-13);
}

}  // namespace

float van_der_waals_molar_volume(float a, float b, float temperature, float pressure, float start)
{
    return molar_volume_by_iteration(a, b, temperature, pressure, start, 1.0e-6f);
}

void fill_van_der_waals_table(VanDerWaalsTable& table)
{
    table = van_der_waals_constants;
}

void generate_problem_26()
{
    const RealGas gas = pick_real_gas(26, 5);
    value_slots[1].value = static_cast<float>(random_int(2, 80));
    if (gas.compound == compounds::xenon || gas.compound == compounds::krypton)
        value_slots[1].value = static_cast<float>(random_int(2, 5));
    convert_data_slot(1, 3);
    value_slots[2].value = random_real(40.0f, 90.0f);
    if (gas.condenses_easily()) value_slots[2].value = random_real(100.0f, 150.0f);
    convert_data_slot(2, 3);
    const float p = random_real(20.0f, 50.0f);
    value_slots[3].value = p / ((kelvin(slot_value(2))) * 82.0f) * slot_value(1) * gas.molar_mass;
    if (gas.record <= 7) value_slots[3].value = random_real(2.0f, 4.0f) * slot_value(3);
    convert_data_slot(3, random_int(3, 4));

    const std::string name = gas_name(gas.compound);
    problem_texts.problem_text =
        "Le costanti di van der Waals @ia@ e @ib@ d" + articulated_gas_name(gas.compound) +
        " sono pari rispettivamente a " + slot_text(8) + " atm•L@u2@/mol@u2@ e " + slot_text(9) +
        " L/mol. Confrontare la pressione " + (slot_value(1) < 30.0f ? "in un'autoclave" : "in una bombola") + " da " +
        slot_text(1) + " L contenente " + slot_text(3) + " kg di " + name + " a " + slot_text(2) +
        "@uo@C con quella che si avrebbe se il gas si comportasse in modo ideale";
    // The attraction takes off much of the pressure where the gas is dense:
    // the digits the data leave after the difference, three at most as the
    // book gives both pressures.
    const double molar_mass = gas.molar_mass;
    set_slot_from_data(
        4, {3, 2, 1, 8, 9}, {2},
        [molar_mass](const std::vector<double>& d) {
            const double moles = d[0] / molar_mass * 1000.0;
            return moles * ((d[1] + celsius_zero) / (d[2] - moles * d[4]) * gas_constant_litre_atm -
                            d[3] / (d[2] * d[2]) * moles);
        },
        3);
    // The ideal pressure follows the same rule as the real one beside it.
    set_slot_from_data(
        5, {3, 2, 1}, {2},
        [molar_mass](const std::vector<double>& d) {
            return d[0] / molar_mass * 1000.0 * (d[1] + celsius_zero) / d[2] * gas_constant_litre_atm;
        },
        3);
    problem_texts.answer_text = slot_text(4) + " atm; ideale: " + slot_text(5) + " atm";
    draw_problem_text(180, 580, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_27()
{
    const RealGas gas = pick_real_gas(27, 2);
    draw_until_accepted([&] {
        value_slots[2].value = random_real(40.0f, 90.0f);
        if (gas.condenses_easily()) value_slots[2].value = random_real(100.0f, 150.0f);
        if (app_state.version_number == text_version) value_slots[2].value = 46.5f;
        convert_data_slot(2, 3);
        draw_pressure_and_ideal_volume();
        return gas.stays_gaseous();
    });
    problem_texts.problem_text = "Confrontare il volume occupato da una mole di " + gas_name(gas.compound) +
                                 constants_in_brackets() + " a " + slot_text(2) + "@uo@C e " + slot_text(3) +
                                 " atm con quello del gas ideale nelle stesse condizioni";
    const float v = real_molar_volume();
    // Near the critical point the real volume moves with the data far more
    // than the ideal one: the larger of the two uncertainties stands.
    set_slot_from_data(6, {8, 9, 2, 3}, {2}, printed_molar_volume);
    set_slot_uncertainty(1, v, std::max(v * relative_uncertainty(5), slot_uncertainty(6)));
    problem_texts.answer_text = slot_text(1) + " L; ideale: " + slot_text(5) + " L";
    draw_problem_text(170, 570, 50);
    show_chemistry_fact(170, 170, 360);
}

void generate_problem_28()
{
    const RealGas gas = pick_real_gas(28, 7);
    draw_until_accepted([&] {
        value_slots[2].value = random_real(40.0f, 500.0f);
        if (gas.condenses_easily()) value_slots[2].value = random_real(100.0f, 500.0f);
        convert_data_slot(2, 3);
        draw_pressure_and_ideal_volume();
        return gas.stays_gaseous();
    });
    problem_texts.problem_text = "Calcolare il fattore di compressibilità d" + articulated_gas_name(gas.compound) +
                                 constants_in_brackets() + " a " + slot_text(2) + "@uo@C e " + slot_text(3) + " atm";
    // z hardly moves with the temperature and pressure that move the ideal
    // volume: its digits from each printed datum's own move.
    set_slot_from_data(1, {8, 9, 2, 3}, {2}, [](const std::vector<double>& d) {
        return d[3] * printed_molar_volume(d) / ((d[2] + celsius_zero) * gas_constant_litre_atm);
    });
    problem_texts.answer_text = slot_text(1);
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(260, 160, 300);
}

}  // namespace states_of_matter
