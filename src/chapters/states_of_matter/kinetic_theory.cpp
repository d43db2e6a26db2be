// Section "Teoria cinetica", problems 22 to 25: mean kinetic energy and the
// speeds of gas molecules.
#include <cmath>
#include <string>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace states_of_matter {
namespace {

// A gas of list 3 picked as a variant, with its molar mass.
struct KineticGas {
    std::int32_t compound;
    float molar_mass;
    float uncertainty;
};
KineticGas pick_kinetic_gas(std::int32_t problem)
{
    KineticGas gas{list_gas(gas_list_3, pick_problem_variant(19, state.last_draw[problem], 0)), 0.0f, 0.0f};
    gas.molar_mass = compound_molar_mass(gas.compound, gas.uncertainty);
    return gas;
}

// Slot 1: R T / M times `factor` in m²/s², T from slot 7.
void set_speed_square(const KineticGas& gas, float factor)
{
    const PhysicalConstants& constants = physical_constants();
    const float v =
        (kelvin(slot_value(7))) / gas.molar_mass * constants.boltzmann_constant * constants.avogadro_number * factor;
    value_slots[1].value = v;
    value_slots[1].uncertainty = (gas.uncertainty / gas.molar_mass + kelvin_relative_uncertainty(7)) * v;
}

}  // namespace

void generate_problem_22()
{
    skip_random_draws(3);
    set_slot_digits(7, random_real(25.0f, 99.0f), 3);
    set_slot_digits(8, random_real(1.2f * slot_value(7), 2.0f * slot_value(7)), 3);
    problem_texts.problem_text = "Calcolare l'energia cinetica media delle molecole di gas ideale a " + slot_text(7) +
                                 "@uo@C e a " + slot_text(8) + "@uo@C";
    const float k = physical_constants().boltzmann_constant;
    const float e1 = (kelvin(slot_value(7))) * k * 1.5f;
    const float e2 = (kelvin(slot_value(8))) * k * 1.5f;
    set_slot_uncertainty(1, e1, kelvin_relative_uncertainty(7) * e1);
    set_slot_uncertainty(2, e2, kelvin_relative_uncertainty(8) * e2);
    problem_texts.answer_text = slot_text(1) + " J; " + slot_text(2) + " J";
    draw_problem_text(240, 520, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_23()
{
    skip_random_draws(11);
    const KineticGas gas = pick_kinetic_gas(23);
    set_slot_digits(7, random_real(25.0f, 99.0f), 3);
    problem_texts.problem_text = "Calcolare la media dei quadrati delle velocità <@iv@@u2@> e il valore di "
                                 "<@iv@@u2@>@u1/2@ per le molecole di " +
                                 gas_name(gas.compound, 40) + " a " + slot_text(7) + "@uo@C";
    set_speed_square(gas, 3000.0f);
    const float root = std::sqrt(slot_value(1));
    value_slots[2].value = root;
    value_slots[2].uncertainty = root / (slot_value(1) * 2.0f) * slot_uncertainty(1);
    convert_data_slot(1, slot_digits_from_uncertainty);
    convert_data_slot(2, slot_digits_from_uncertainty);
    problem_texts.answer_text = slot_text(1) + " m@u2@/s@u2@; " + slot_text(2) + " m/s";
    draw_problem_text(180, 390, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_24()
{
    skip_random_draws(14);
    const KineticGas gas = pick_kinetic_gas(24);
    set_slot_digits(7, random_real(25.0f, 99.0f), 3);
    problem_texts.problem_text =
        "Calcolare la velocità più probabile, la velocità media e la velocità quadratica media delle molecole di " +
        gas_name(gas.compound, 40) + " a " + slot_text(7) + "@uo@C";
    set_speed_square(gas, 1000.0f);
    // 2.546481 stands for 8/pi as the program has always stored it.
    constexpr float factors[] = {2.0f, 2.546481f, 3.0f};
    for (std::int32_t s = 2; s <= 4; ++s) {
        const float f = factors[s - 2];
        const float speed = std::sqrt(slot_value(1) * f);
        value_slots[s].value = speed;
        value_slots[s].uncertainty = slot_uncertainty(1) * f / (2.0f * speed);
        convert_data_slot(s, slot_digits_from_uncertainty);
    }
    problem_texts.answer_text = slot_text(2) + " m/s; " + slot_text(3) + " m/s; " + slot_text(4) + " m/s";
    draw_problem_text(240, 570, 45);
    show_chemistry_fact(170, 160, 300);
}

void generate_problem_25()
{
    skip_random_draws(1);
    const auto [i, j] = draw_two_positions(25, 19);
    std::int32_t a = list_gas(gas_list_3, i);
    std::int32_t b = list_gas(gas_list_3, j);
    float ua = 0.0f;
    float ub = 0.0f;
    float ma = compound_molar_mass(a, ua);
    float mb = compound_molar_mass(b, ub);
    if (mb > ma) {
        std::swap(a, b);
        ma = compound_molar_mass(a, ua);
        mb = compound_molar_mass(b, ub);
    }
    set_slot_digits(7, random_real(20.0f, 99.0f), 3);
    problem_texts.problem_text = "Calcolare a quale temperatura la velocità quadratica media delle molecole di " +
                                 gas_name(a, 40) + " è uguale a quella delle molecole di " + gas_name(b, 40) + " a " +
                                 slot_text(7) + "@uo@C";
    const float kelvin = ma / mb * (slot_value(7) + celsius_zero_f);
    set_celsius_from_kelvin(1, kelvin, (ua / ma + kelvin_relative_uncertainty(7) + ub / mb) * kelvin);
    problem_texts.answer_text = celsius_text(1);
    draw_problem_text(200, 520, 50);
    show_chemistry_fact(280, 160, 300);
}

}  // namespace states_of_matter
