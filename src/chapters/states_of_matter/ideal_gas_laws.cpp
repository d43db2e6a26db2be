// Section "Leggi del gas ideale", problems 1 to 14: Boyle's and Charles's
// laws, pressure and temperature at constant volume, densities and molar
// masses of gases, and a molecular formula from a gas density.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/alkane_vapour_pressure.h"
#include "chemistry/gas_virial.h"
#include "chemistry/hydrogen_fluoride_vapour.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/formatted_conversions.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace states_of_matter {
namespace {

// Atoms of a molecule of carbon, hydrogen, nitrogen and oxygen.
struct OrganicNitrogenFormula {
    std::int32_t c = 0, h = 0, n = 0, o = 0;
};

bool differ_by_a_tenth(float a, float b)
{
    return std::fabs(a - b) / a >= 0.1f;
}

// Whether the gas may be taken as ideal at this temperature and pressure:
// hydrogen fluoride only where its associated vapour is within 3 % of its
// monomer's density, the rest always.
bool ideal_gas_holds(std::int32_t gas, double kelvin, double atm)
{
    return gas != compounds::hydrogen_fluoride || hydrogen_fluoride_association(kelvin, atm) <= 1.03;
}

// A gas of list 1 drawn after the pressure unit, as problems 8, 9, 10 and
// 12 draw it: a discarded coin of three faces, the unit, the gas.
struct GasSample {
    std::int32_t unit;
    std::int32_t gas;
};
static_assert(std::ranges::all_of(gas_list_1, has_phase_points));
GasSample draw_gas_sample(std::int32_t problem)
{
    random_int(1, 3);
    const std::int32_t unit = random_int(1, 3);
    const std::int32_t i = pick_problem_variant(17, state.last_draw[problem], 0);
    return {unit, list_gas(gas_list_1, i)};
}

// The draws of problems 8, 9, 10 and 12: pressure (slot 7 in the unit, slot
// 1 the same in atm), volume (slot 2), temperature (slot 4) and mass (slot
// 5), in this order, rounded; returns the molar mass.
float draw_gas_sample_data(const GasSample& sample, bool unit_volume, float& molar_mass_uncertainty)
{
    const float m = compound_molar_mass(sample.gas, molar_mass_uncertainty);
    // Drawn again where the gas would condense at the data as printed, its
    // pressure given or worked from its mass (sulfur dioxide above
    // 1.16•10^3 torr at 273 K), or would not be ideal there (hydrogen
    // sulfide at 9.2 atm and 293 K, 7 % under the ideal pressure).
    draw_until_accepted([&] {
        const float p = draw_scaled_exponent_first(-1, 0);
        const float v = unit_volume ? 1.0f : draw_scaled_exponent_first(-1, 1);
        const float t = random_real(273.0f, 450.0f);
        const float moles = v / (t * gas_constant_litre_atm_f) * p;
        value_slots[1].value = p;
        value_slots[2].value = v;
        value_slots[4].value = t;
        value_slots[5].value = m * moles;
        value_slots[7].value = p * from_atmospheres(sample.unit);
        convert_data_slot(1, random_int(3, 4));
        convert_data_slot(2, random_int(3, 4));
        // The litre of a density is exact: it is never printed.
        if (unit_volume) value_slots[2].uncertainty = 0.0f;
        convert_data_slot(5, random_int(3, 4));
        convert_data_slot(4, 3);
        convert_data_slot(7, random_int(3, 4));
        const float kelvin = slot_value(4);
        const float from_mass = slot_value(5) / m * gas_constant_litre_atm_f * kelvin / slot_value(2);
        const double atm = std::max(slot_value(7) * to_atmospheres(sample.unit), from_mass);
        return !gas_condenses(sample.gas, kelvin, atm) && ideal_gas_holds(sample.gas, kelvin, atm) &&
               near_ideal(sample.gas, kelvin, atm);
    });
    // What follows works from the pressure the page gives in its unit; the
    // value in atmospheres rounded on its own is never shown.
    value_slots[1].value = slot_value(7) * to_atmospheres(sample.unit);
    value_slots[1].uncertainty = slot_uncertainty(7) * to_atmospheres(sample.unit);
    return m;
}

std::string pressure_in_unit(const GasSample& sample)
{
    return slot_text(7) + " " + std::string(pressure_unit(sample.unit));
}

// Slot 6: the gas mass n M of problems 10 and 12 from slots 1, 2 and 4.
void set_gas_mass(float m, float um)
{
    const float v6 = slot_value(2) / (slot_value(4) * gas_constant_litre_atm_f) * slot_value(1) * m;
    set_slot_uncertainty(6, v6,
                         v6 * (um / m + relative_uncertainty(2) + relative_uncertainty(4) + relative_uncertainty(1)));
}

// Slot 6: a temperature (°C) worked out in kelvin; false where its
// uncertainty passes it, which says nothing of the answer, not even its sign.
bool set_temperature_answer(float kelvin, float uncertainty)
{
    set_slot_uncertainty(6, kelvin - celsius_zero_f, uncertainty);
    const bool known = !uncertainty_exceeds_value(6);
    set_celsius_from_kelvin(6, kelvin, uncertainty);
    return known;
}

}  // namespace

void generate_problem_1()
{
    skip_random_draws(1);
    const std::int32_t variant = random_int(1, 2);
    const std::int32_t u = random_int(1, 3);
    // Drawn again where the pressure asked would pass the ideal law's reach:
    // the gas is unnamed, and any real one strays from the law past 100 atm.
    draw_until_accepted([u, variant] {
        draw_until_accepted([] {
            for (std::int32_t slot = 1; slot <= 4; ++slot)
                value_slots[slot].value = draw_magnitude(9.99f, -1, slot % 2 == 1 ? 1 : 0);
            return differ_by_a_tenth(slot_value(1), slot_value(3)) && differ_by_a_tenth(slot_value(2), slot_value(4));
        });
        if (u != 1) value_slots[2].value = slot_value(2) * 100.0f;
        convert_data_slot(1, random_int(3, 4));
        convert_data_slot(2, random_int(2, 3));
        convert_data_slot(3, random_int(3, 4));
        convert_data_slot(4, random_int(2, 3));
        return variant != 1 || slot_value(2) / slot_value(3) * slot_value(1) * to_atmospheres(u) <= ideal_gas_reach_atm;
    });
    const float p = slot_value(2) / slot_value(3) * slot_value(1) * to_atmospheres(u);
    set_slot_uncertainty(5, p, p * (relative_uncertainty(3) + relative_uncertainty(2) + relative_uncertainty(1)));
    const float v = slot_value(2) / slot_value(4) * slot_value(1) * to_atmospheres(u);
    set_slot_uncertainty(6, v, v * (relative_uncertainty(2) + relative_uncertainty(4) + relative_uncertainty(1)));

    std::string& text = problem_texts.problem_text;
    text = "Un campione di gas si trova in un recipiente di volume pari a " + slot_text(1) + " L alla pressione di " +
           slot_text(2) + " " + std::string(pressure_unit(u)) + ".";
    if (variant == 1) {
        append_piece(text, " Quale sarebbe la pressione se il campione venisse "
                           "portato alla stessa temperatura in un recipiente di volume " +
                               slot_text(3) + " L?");
        problem_texts.answer_text = slot_text(5) + " atm";
    } else {
        append_piece(text, " Quale dovrebbe essere il volume del recipiente per avere"
                           " alla stessa temperatura una pressione pari a " +
                               slot_text(4) + " atm?");
        problem_texts.answer_text = slot_text(6) + " L";
    }
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_2()
{
    skip_random_draws(1);
    std::int32_t i = 0;
    // The page states no temperature: its gas is read at 25 °C, drawn again
    // where either pressure would pass the ideal law's reach, condense it
    // or take it past the ideal gas's 5 % there (phosphorus trifluoride at
    // 86 atm, a third under). Hydrogen fluoride is associated at any
    // pressure at 25 °C: the list is the one with phosphorus trifluoride in
    // its place, kept where its pressures leave it near ideal.
    draw_until_accepted([&] {
        draw_until_accepted([&] {
            i = random_int(1, 17);
            if (no_version_in_use() && i == state.last_draw[2]) return false;
            value_slots[1].value = draw_magnitude(9.9f, -1, 2);
            value_slots[2].value = draw_magnitude(9.9f, -1, 2);
            return differ_by_a_tenth(slot_value(1), slot_value(2));
        });
        value_slots[3].value = draw_magnitude(9.9f, -1, 1);
        convert_data_slot(1, random_int(3, 4));
        convert_data_slot(2, random_int(3, 4));
        convert_data_slot(3, random_int(2, 3));
        const double highest = std::max(slot_value(2) / slot_value(1) * slot_value(3), slot_value(3));
        return highest <= ideal_gas_reach_atm && !gas_condenses(list_gas(gas_list_2, i), standard_kelvin, highest) &&
               near_ideal(list_gas(gas_list_2, i), standard_kelvin, highest);
    });
    state.last_draw[2] = i;

    problem_texts.problem_text = "Il volume di un campione di " + gas_name(list_gas(gas_list_2, i)) +
                                 " viene portato a temperatura costante da " + slot_text(1) + " L a " + slot_text(2) +
                                 " L. Se la pressione finale è pari a " + slot_text(3) +
                                 " atm, quale era quella iniziale?";
    const float p = slot_value(2) / slot_value(1) * slot_value(3);
    set_slot_uncertainty(4, p, p * (relative_uncertainty(3) + relative_uncertainty(2) + relative_uncertainty(1)));
    problem_texts.answer_text = slot_text(4) + " atm";
    draw_problem_text(220, 560, 50);
    show_chemistry_fact(270, 160, 280);
}

void generate_problem_3()
{
    skip_random_draws(1);
    const std::int32_t variant = random_int(1, 2);
    draw_until_accepted([variant] {
        draw_until_accepted([] {
            value_slots[1].value = draw_magnitude(9.99f, -1, 1);
            value_slots[2].value = random_real(10.0f, 150.0f);
            value_slots[3].value = draw_magnitude(9.99f, -1, 1);
            value_slots[4].value = random_real(10.0f, 150.0f);
            return differ_by_a_tenth(slot_value(1), slot_value(3)) && std::fabs(slot_value(2) - slot_value(4)) >= 10.0f;
        });
        convert_data_slot(1, random_int(3, 4));
        convert_data_slot(2, 3);
        convert_data_slot(3, random_int(3, 4));
        convert_data_slot(4, 3);
        const float t1 = slot_value(2);
        const float v2 = (kelvin(slot_value(4))) / (t1 + celsius_zero_f) * slot_value(1);
        set_slot_uncertainty(
            5, v2, v2 * (kelvin_relative_uncertainty(2) + kelvin_relative_uncertainty(4) + relative_uncertainty(1)));
        const float kelvin = (t1 + celsius_zero_f) / slot_value(1) * slot_value(3);
        const bool known = set_temperature_answer(
            kelvin, kelvin * (relative_uncertainty(3) + kelvin_relative_uncertainty(2) + relative_uncertainty(1)));
        return kelvin - celsius_zero_f >= -50.0f && kelvin - celsius_zero_f <= 500.0f && (variant == 1 || known);
    });

    if (variant == 1) {
        problem_texts.problem_text = "A una data pressione costante, un campione di gas che occupa un volume pari a " +
                                     slot_text(1) + " L a " + slot_text(2) + "@uo@C viene portato a " + slot_text(4) +
                                     "@uo@C." + " Calcolare il volume occupato dopo la trasformazione";
        problem_texts.answer_text = slot_text(5) + " L";
    } else {
        problem_texts.problem_text =
            "Un campione di gas occupa un volume pari a " + slot_text(1) + " L alla temperatura di " + slot_text(2) +
            "@uo@C. Sulla base della legge di Charles, a che temperatura deve essere portato il gas "
            "a pressione costante perché il volume occupato sia pari a " +
            slot_text(3) + " L?";
        problem_texts.answer_text = celsius_text(6);
    }
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(180, 160, 300);
}

namespace {

// Problems 4 and 5: a closed vessel heated from t1 (slot 1) to t2 (slot 3),
// its pressure going from slot 2 (in unit u) to slot 5 (atm); slot 6 the
// temperature (°C) at which it would reach slot 4 (atm), drawn again where
// it is asked and its uncertainty passes it. Returns u.
std::int32_t draw_closed_vessel(std::int32_t skipped, bool temperature_asked)
{
    skip_random_draws(skipped);
    const std::int32_t u = random_int(1, 3);
    draw_until_accepted([u, temperature_asked] {
        draw_until_accepted([] {
            value_slots[1].value = random_real(10.0f, 150.0f);
            value_slots[2].value = draw_magnitude(9.99f, -1, 0);
            value_slots[3].value = random_real(10.0f, 150.0f);
            value_slots[4].value = draw_magnitude(9.99f, -1, 0);
            return std::fabs(slot_value(1) - slot_value(3)) >= 10.0f && differ_by_a_tenth(slot_value(2), slot_value(4));
        });
        if (u != 1) value_slots[2].value = slot_value(2) * 100.0f;
        convert_data_slot(1, 3);
        convert_data_slot(2, random_int(2, 3));
        convert_data_slot(3, 3);
        convert_data_slot(4, random_int(2, 3));
        const float t1 = slot_value(1);
        const float t2 = slot_value(3);
        const float p = (t2 + celsius_zero_f) / (t1 + celsius_zero_f) * slot_value(2) * to_atmospheres(u);
        set_slot_uncertainty(
            5, p, p * (kelvin_relative_uncertainty(3) + kelvin_relative_uncertainty(1) + relative_uncertainty(2)));
        const float kelvin = (t1 + celsius_zero_f) / slot_value(2) * slot_value(4) * from_atmospheres(u);
        set_slot_from_data(6, {1, 2, 4}, [u](const std::vector<double>& d) {
            return (d[0] + celsius_zero) / d[1] * d[2] * from_atmospheres(u);
        });
        const bool known = set_temperature_answer(kelvin, slot_uncertainty(6));
        return kelvin - celsius_zero_f >= -50.0f && kelvin - celsius_zero_f <= 500.0f && (!temperature_asked || known);
    });
    return u;
}

}  // namespace

void generate_problem_4()
{
    const std::int32_t u = draw_closed_vessel(5, false);
    problem_texts.problem_text = "Un recipiente contenente gas alla pressione di " + slot_text(2) + " " +
                                 std::string(pressure_unit(u)) + " viene portato da " + slot_text(1) + "@uo@C a " +
                                 slot_text(3) + "@uo@C. Calcolare la pressione finale nel recipiente";
    problem_texts.answer_text = slot_text(5) + " atm";
    draw_problem_text(160, 500, 50);
    show_chemistry_fact(240, 160, 300);
}

void generate_problem_5()
{
    const std::int32_t u = draw_closed_vessel(10, true);
    problem_texts.problem_text = "Un recipiente contiene gas alla pressione di " + slot_text(2) + " " +
                                 std::string(pressure_unit(u)) + " e alla temperatura di " + slot_text(1) +
                                 "@uo@C. A quale temperatura deve essere portato il recipiente" +
                                 " perché la pressione divenga " + slot_text(4) + " atm?";
    problem_texts.answer_text = celsius_text(6);
    draw_problem_text(200, 560, 60);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_6()
{
    skip_random_draws(2);
    const auto [i, j] = draw_two_positions(6, 17);
    const std::int32_t c1 = list_gas(gas_list_1, i);
    const std::int32_t c2 = list_gas(gas_list_1, j);
    float u1 = 0.0f;
    float u2 = 0.0f;
    const float m1 = compound_molar_mass(c1, u1);
    const float m2 = compound_molar_mass(c2, u2);
    problem_texts.problem_text = "Calcolare il rapporto tra le densità d" + articulated_gas_name(c1) + " e d" +
                                 articulated_gas_name(c2) + " gassosi a parità di temperatura e pressione";
    const float ratio = m1 / m2;
    set_slot_uncertainty(1, ratio, ratio * (u1 / m1 + u2 / m2));
    problem_texts.answer_text = slot_text(1);
    draw_problem_text(200, 540, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_7()
{
    skip_random_draws(3);
    const std::int32_t c = list_gas(gas_list_1, pick_problem_variant(17, state.last_draw[7], 0));
    float um = 0.0f;
    const float m = compound_molar_mass(c, um);
    set_slot_uncertainty(1, m, um);
    // Hydrogen fluoride's vapour at one atmosphere is associated past 100 °C:
    // its temperature is drawn again until the vapour is nearly the monomer.
    draw_until_accepted([c] {
        set_slot_digits(5, random_real(25.0f, 150.0f), 3);
        return ideal_gas_holds(c, celsius_zero + slot_value_as_shown(5), 1.0);
    });
    const float rt = (kelvin(slot_value(5))) * gas_constant_litre_atm_f;
    value_slots[2].value = m / rt;
    convert_data_slot(2, random_int(3, 5));
    value_slots[3].value = random_real(50.0f, 200.0f) / rt;
    convert_data_slot(3, random_int(3, 5));

    problem_texts.problem_text = "La densità d" + articulated_gas_name(c) + " a " + slot_text(5) +
                                 "@uo@C e pressione atmosferica è pari a " + slot_text(2) + " g/L." +
                                 " Calcolare la massa molecolare di un gas la cui densità nelle " +
                                 "stesse condizioni è pari a " + slot_text(3) + " g/L.";
    const float answer = slot_value(3) / slot_value(2) * m;
    set_slot_uncertainty(4, answer, answer * (relative_uncertainty(3) + relative_uncertainty(2)));
    problem_texts.answer_text = slot_text(4) + " u.m.a.";
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(170, 160, 300);
}

void generate_problem_8()
{
    skip_random_draws(4);
    const GasSample sample = draw_gas_sample(8);
    float um = 0.0f;
    const float m = draw_gas_sample_data(sample, false, um);
    problem_texts.problem_text = "Calcolare la pressione in un recipiente da " + slot_text(2) + " L contenente " +
                                 slot_text(5) + " g di " + gas_name(sample.gas, 40) + " a " + slot_text(4) + " K";
    const float p =
        slot_value(5) / m / slot_value(2) * slot_value(4) * gas_constant_litre_atm_f * from_atmospheres(sample.unit);
    set_slot_uncertainty(6, p,
                         p * (um / m + relative_uncertainty(2) + relative_uncertainty(5) + relative_uncertainty(4)));
    problem_texts.answer_text = slot_text(6) + " " + std::string(pressure_unit(sample.unit));
    draw_problem_text(240, 560, 55);
    show_chemistry_fact(260, 160, 300);
}

void generate_problem_9()
{
    skip_random_draws(6);
    const GasSample sample = draw_gas_sample(9);
    float um = 0.0f;
    const float m = draw_gas_sample_data(sample, false, um);
    problem_texts.problem_text = "Calcolare il volume occupato da " + slot_text(5) + " g di " +
                                 gas_name(sample.gas, 40) + " a " + slot_text(4) + " K e " + pressure_in_unit(sample);
    const float v = slot_value(5) / m / slot_value(1) * slot_value(4) * gas_constant_litre_atm_f;
    set_slot_uncertainty(6, v,
                         v * (um / m + relative_uncertainty(5) + relative_uncertainty(4) + relative_uncertainty(1)));
    problem_texts.answer_text = slot_text(6) + " L";
    draw_problem_text(200, 520, 50);
    show_chemistry_fact(180, 140, 300);
}

void generate_problem_10()
{
    skip_random_draws(7);
    const GasSample sample = draw_gas_sample(10);
    float um = 0.0f;
    const float m = draw_gas_sample_data(sample, false, um);
    problem_texts.problem_text = "Calcolare la massa di " + gas_name(sample.gas, 40) +
                                 " presente in un recipiente da " + slot_text(2) + " L in cui la pressione è pari a " +
                                 pressure_in_unit(sample) + " a " + slot_text(4) + " K";
    set_gas_mass(m, um);
    problem_texts.answer_text = slot_text(6) + " g";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_11()
{
    skip_random_draws(11);
    const std::int32_t c = list_gas(gas_list_2, pick_problem_variant(17, state.last_draw[11], 0));
    float um = 0.0f;
    const float m = compound_molar_mass(c, um);
    value_slots[5].value = draw_scaled_exponent_first(-1, 0) * m;
    convert_data_slot(5, random_int(3, 4));
    problem_texts.problem_text = "Calcolare il volume occupato da " + slot_text(5) + " g di " + gas_name(c, 40) +
                                 " in condizioni standard e in condizioni ambiente";
    const float standard = slot_value(5) / m * molar_volume_at_0_celsius_f;
    value_slots[6].value = standard;
    value_slots[6].uncertainty = standard * relative_uncertainty(5);
    const float ambient = slot_value(5) / m * molar_volume_at_25_celsius_f;
    value_slots[7].value = ambient;
    value_slots[7].uncertainty = ambient * relative_uncertainty(5);
    convert_data_slot(6, slot_digits_from_uncertainty);
    convert_data_slot(7, slot_digits_from_uncertainty);
    problem_texts.answer_text = slot_text(6) + " L; " + slot_text(7) + " L";
    draw_problem_text(240, 520, 50);
    show_chemistry_fact(170, 140, 280);
}

void generate_problem_12()
{
    skip_random_draws(2);
    const GasSample sample = draw_gas_sample(12);
    float um = 0.0f;
    const float m = draw_gas_sample_data(sample, true, um);
    problem_texts.problem_text = "Calcolare la densità d" + articulated_gas_name(sample.gas) + " a " +
                                 pressure_in_unit(sample) + " e " + slot_text(4) + " K";
    set_gas_mass(m, um);
    problem_texts.answer_text = slot_text(6) + " g/L";
    draw_problem_text(200, 520, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_13()
{
    skip_random_draws(1);
    // The gas is drawn and never shown: the draw keeps the versions in place.
    pick_problem_variant(17, state.last_draw[13], 0);
    value_slots[1].value = draw_scaled_exponent_first(-2, -1) * torr_per_atmosphere_f;
    value_slots[2].value = random_real(350.0f, 500.0f) - 273.0f;
    const float molar_mass = random_real(80.0f, 200.0f);
    value_slots[4].value = molar_mass / ((kelvin(slot_value(2))) * gas_constant_litre_torr_f) * slot_value(1);
    convert_data_slot(1, random_int(3, 4));
    convert_data_slot(2, 3);
    convert_data_slot(4, random_int(3, 4));
    problem_texts.problem_text = "Calcolare la massa molare di una sostanza gassosa la cui densità a " + slot_text(2) +
                                 "@uo@C e " + slot_text(1) + " torr è pari a " + slot_text(4) + " g/L";
    const float answer = (kelvin(slot_value(2))) / slot_value(1) * slot_value(4) * gas_constant_litre_torr_f;
    set_slot_uncertainty(6, answer,
                         answer * (kelvin_relative_uncertainty(2) + relative_uncertainty(4) + relative_uncertainty(1)));
    problem_texts.answer_text = slot_text(6) + " g/mol";
    draw_problem_text(240, 520, 50);
    show_chemistry_fact(260, 160, 300);
}

namespace {

std::string count_text(std::int32_t n)
{
    return format_i(n, n < 10 ? 1 : 2);
}

}  // namespace

void generate_problem_14()
{
    skip_random_draws(3);
    std::int32_t c = 0;
    std::int32_t h = 0;
    std::int32_t o = 0;
    std::int32_t n = 1;
    draw_until_accepted([&] {
        c = random_int(3, 5);
        o = random_int(0, 1);
        h = random_int(c + n, 2 * c + n);
        return o + n <= c / 2 && !(no_version_in_use() && c == state.last_draw[14]);
    });
    state.last_draw[14] = c;
    // A molecule stated as a gas at the drawn pressure and temperature: at
    // most at the saturation pressure of the n-alkane of its molar mass, the
    // most volatile molecules of that mass. Elsewhere the multiplier, the
    // temperature and the pressure are drawn again.
    const OrganicNitrogenFormula base{c, h, n, o};
    OrganicNitrogenFormula f;
    float m = 0.0f;
    draw_until_accepted([&] {
        const std::int32_t k = random_int(1, 3);
        f = base;
        // A closed-shell molecule has an even number of hydrogen and nitrogen
        // atoms together.
        if (k % 2 == 1 && (f.h + f.n) % 2 == 1) ++f.h;
        f.c *= k;
        f.h *= k;
        f.n *= k;
        f.o *= k;
        m = chno_molar_mass(f.c, f.h, f.n, f.o);
        set_slot_digits(4, random_real(50.0f, 200.0f), 3);
        set_slot_digits(5, random_real(20.0f, 99.0f), 3);
        return slot_value_as_shown(5) < alkane_saturation_torr(m, slot_value_as_shown(4));
    });
    set_slot_digits(1, static_cast<float>(f.c) / m * 100.0f * chno_molar_mass(1, 0, 0, 0), 3);
    set_slot_digits(2, static_cast<float>(f.h) / m * 100.0f * chno_molar_mass(0, 1, 0, 0), 3);
    set_slot_digits(3, static_cast<float>(f.n) / m * 100.0f * chno_molar_mass(0, 0, 1, 0), 3);

    std::string& text = problem_texts.problem_text;
    text = "Un composto molecolare costituito da carbonio, idrogeno";
    append_piece(text, f.o == 0 ? " e azoto" : ", ossigeno e azoto");
    append_piece(text, " contiene " + slot_text(1) + "% di C");
    if (f.o == 0)
        append_piece(text, " e " + slot_text(2) + "% di H.");
    else
        append_piece(text, ", " + slot_text(2) + "% di H e " + slot_text(3) + "% di N.");
    const float density = slot_value(5) * atm_per_torr_f / ((kelvin(slot_value(4))) * gas_constant_litre_atm_f) * m;
    set_slot_uncertainty(6, density, density * (relative_uncertainty(5) + kelvin_relative_uncertainty(4)));
    append_piece(text, " Calcolare la formula molecolare del composto sapendo che la sua densità allo "
                       "stato di gas è pari a " +
                           slot_text(6) + " g/L a " + slot_text(4) + "@uo@C e " + slot_text(5) + " torr");

    std::string& formula = problem_texts.answer_text;
    formula = "C@d" + count_text(f.c) + "@H@d" + count_text(f.h) + "@N";
    if (f.n >= 2) formula += "@d" + format_i(f.n, 1) + "@";
    if (f.o >= 1) formula += "O";
    if (f.o >= 2) formula += "@d" + format_i(f.o, 1) + "@";
    draw_problem_text(160, 580, 50);
    show_chemistry_fact(180, 180, 380);
}

}  // namespace states_of_matter
