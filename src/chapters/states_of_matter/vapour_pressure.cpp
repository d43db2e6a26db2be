// Section "Tensione di vapore", problems 35 and 36: the vapour-pressure law
// P = P0 exp(-B/RT) of eight liquids.
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/vapour_pressure_fits.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/molar_energy_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace states_of_matter {
namespace {

const VapourPressureFit& pick_liquid(std::int32_t problem)
{
    return vapour_pressure_fits[pick_problem_variant(8, state.last_draw[problem], 0) - 1];
}

// The liquids whose measured pressures problem 36 prints, in the order of
// its pick: sulfuric acid decomposes before it boils, so benzene takes its
// place.
constexpr std::array<const VapourPressureFit*, 8> measured_liquids{&vapour_pressure_fits[0],
                                                                   &vapour_pressure_fits[1],
                                                                   &vapour_pressure_fits[2],
                                                                   &vapour_pressure_fits[3],
                                                                   &vapour_pressure_fits[4],
                                                                   &vapour_pressure_fits[5],
                                                                   &vapour_pressure_fit(compounds::benzene),
                                                                   &vapour_pressure_fits[7]};

// Multiplies a slot's value and uncertainty and converts it by its uncertainty.
void scale_slot(std::int32_t slot, float factor)
{
    value_slots[slot].value = slot_value(slot) * factor;
    value_slots[slot].uncertainty = slot_uncertainty(slot) * factor;
    convert_data_slot(slot, slot_digits_from_uncertainty);
}

constexpr std::array<std::string_view, 3> pressure_units = {" atm", " torr", " kPa"};

}  // namespace

void generate_problem_35()
{
    skip_random_draws(1);
    const VapourPressureFit& liquid = pick_liquid(35);
    const std::int32_t c = liquid.compound;
    value_slots[1].value = liquid.b * 0.001f;
    convert_data_slot(1, random_int(3, 5));
    set_slot_digits(9, slot_value(1), slot_digits(1));
    set_slot_text(2, liquid.boiling);
    const std::int32_t u = random_int(1, 3);
    const MolarEnergyUnit& unit = molar_energy_units[u - 1];
    if (u != 1) {
        // B itself in the other unit, not its rounding in kJ/mol: one
        // constant shows one value whatever its unit and digits.
        value_slots[9].value = liquid.b * 0.001f;
        scale_slot(9, unit.per_kilojoule);
    }
    set_slot_digits(3, random_real(20.0f, 0.9f * slot_value(2)), 3);
    problem_texts.problem_text =
        "La temperatura di ebollizione d" + articulated_gas_name(c) + " a pressione atmosferica è " + slot_text(2) +
        "@uo@C e il valore della sua costante @iB@ nell'equazione @iP@ = "
        "@iP@@d0@exp(-@iB/RT@) è pari a " +
        slot_text(9) + std::string(unit.text) + ". Calcolarne la tensione di vapore a " + slot_text(3) + "@uo@C";

    // At the boiling point the vapour pressure is 1 atm, so P0 is not needed;
    // the constant as the page shows it, in its unit, back in kJ/mol.
    const std::int32_t w = random_int(1, 3);
    // The constant as printed is a datum: three units of its last digit.
    convert_data_slot(9, slot_digits_from_text);
    const float energy_factor = unit.per_kilojoule;
    set_slot_from_data(8, {9, 2, 3}, {2, 3}, [energy_factor, w](const std::vector<double>& d) {
        const double b = d[0] / energy_factor;
        return std::exp(b * -per_gas_constant_kilojoule * (1.0 / (d[2] + celsius_zero) - 1.0 / (d[1] + celsius_zero))) *
               from_atmospheres(w);
    });
    problem_texts.answer_text = slot_text(8) + std::string(pressure_units[w - 1]);
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_36()
{
    skip_random_draws(3);
    const VapourPressureFit& liquid = *measured_liquids[pick_problem_variant(8, state.last_draw[36], 0) - 1];
    const std::int32_t c = liquid.compound;
    set_slot_text(2, liquid.boiling);
    const float tb = slot_value(2);
    value_slots[3].value = random_real(0.7f * tb, 0.9f * tb);
    value_slots[4].value = random_real(1.2f * tb, 1.5f * tb);
    convert_data_slot(3, 3);
    convert_data_slot(4, 3);

    // The pressures are printed as measured: the liquid's own curve at the
    // temperatures as shown, with three digits.
    const float t1 = slot_value(3);
    const float t2 = slot_value(4);
    set_slot_digits(6, vapour_pressure_torr(liquid, t1 + celsius_zero_f), 3);
    set_slot_digits(7, vapour_pressure_torr(liquid, t2 + celsius_zero_f), 3);
    set_slot_digits(8, random_real(600.0f, 950.0f), 3);
    problem_texts.problem_text = "La tensione di vapore d" + articulated_gas_name(c) + " è pari a " + slot_text(6) +
                                 " torr a " + slot_text(3) + "@uo@C e a " + slot_text(7) + " torr a " + slot_text(4) +
                                 "@uo@C. Qual è la sua temperatura di ebollizione alla pressione di " + slot_text(8) +
                                 " torr?";

    const float inverse_t2 = 1.0f / (t2 + celsius_zero_f);
    const float inverse_t1 = 1.0f / (t1 + celsius_zero_f);
    const float shown_p1 = slot_value_as_shown(6);
    const float shown_p2 = slot_value_as_shown(7);
    const float q = std::log(slot_value(8) / shown_p2) / std::log(shown_p1 / shown_p2);
    value_slots[9].value = (inverse_t1 - inverse_t2) * q + inverse_t2;
    // Two digits, or whole degrees from 100 °C up: rounded once.
    const float boiling = 1.0f / slot_value(9) - celsius_zero_f;
    if (boiling >= 99.5f)
        set_slot_digits(10, std::round(boiling), 3);
    else
        set_slot_digits(10, boiling, 2);
    problem_texts.answer_text = slot_text(10) + "@uo@C";
    draw_problem_text(190, 560, 50);
    show_chemistry_fact(180, 160, 300);
}

}  // namespace states_of_matter
