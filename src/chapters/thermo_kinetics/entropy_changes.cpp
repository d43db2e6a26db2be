// Section "Probabilità ed Entropia", problems 20 to 25: the entropy
// changes of heating and cooling, of thermal contact and of ideal gases,
// and entropies of reaction.
#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/gas_virial.h"
#include "chemistry/molar_mass.h"
#include "chemistry/phase_limits.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace thermo_kinetics {
namespace {

constexpr std::array<CompoundKey, 11> gases{
    compounds::helium,          compounds::neon,         compounds::argon,         compounds::xenon,
    compounds::krypton,         compounds::nitrogen,     compounds::oxygen,        compounds::hydrogen,
    compounds::carbon_monoxide, compounds::nitric_oxide, compounds::sulfur_dioxide};
// The noble gases, the first five of the gases.
constexpr std::span<const CompoundKey> noble_gases{gases.data(), 5};

// The list's ith entry, from 1.
std::int32_t candidate(std::span<const CompoundKey> list, std::int32_t i)
{
    return list[static_cast<std::size_t>(i - 1)];
}

constexpr std::string_view entropy_reactions = "  1  2  3  4  6  9 15 16 18 21 22 23 46 47 57 73 74 75 76";

// Reaction, water state and species of problems 24 and 25; the caller
// draws the water state next.
struct EntropyReaction {
    std::int32_t number = 0;
    std::int32_t w = 1;
    std::vector<ReactionSpecies> species;
};
EntropyReaction pick_entropy_reaction(std::int32_t problem, std::int32_t textbook_entry)
{
    EntropyReaction r;
    r.number = pick_reaction(problem, entropy_reactions, textbook_entry);
    r.species = reaction_species(r.number);
    return r;
}

bool water_as_gas(const ReactionSpecies& s, std::int32_t w)
{
    return s.compound == compounds::liquid_water && w == water_as_vapour;
}

// Standard entropy (slot 19) and heat capacity (slot 20) as the table writes
// them; water as vapour w takes the vapour's.
void convert_entropy_and_heat_capacity(const ReactionSpecies& s, std::int32_t w)
{
    const std::int32_t k = water_as_gas(s, w) ? compounds::water_vapour : s.compound;
    convert_compound_field(19, k, 147, 152);
    convert_compound_field(20, k, heat_capacity_first, heat_capacity_last);
}

// Slot 1 := slot 1 -/+ coefficient · entropy, slot 19's uncertainty added
// as many times.
void add_to_reaction_entropy(const ReactionSpecies& s, float entropy)
{
    const auto coefficient = static_cast<float>(s.coefficient);
    value_slots[1].value += s.reactant ? -coefficient * entropy : coefficient * entropy;
    value_slots[1].uncertainty += coefficient * slot_uncertainty(19);
}

// The reaction drawn under the statement of problems 24 and 25, at the foot
// of its box, forwards or backwards; the answer is slot 1, negated for the
// backward reaction.
void draw_reaction_and_answer(const EntropyReaction& r, std::int32_t x_right, std::int32_t top, std::int32_t bottom)
{
    const std::int32_t direction = draw_statement_and_reaction(r.number, r.w, x_right, top, bottom, bottom);
    if (direction == right_to_left) value_slots[1].value = -slot_value(1);
    convert_data_slot(1, slot_digits_from_uncertainty);
    problem_texts.answer_text = slot_text(1) + " J/K";
}

}  // namespace

void generate_problem_20()
{
    skip_random_draws(1);
    std::int32_t i = 0;
    float t1 = 0.0f, t2 = 0.0f;
    draw_until_accepted([&] {
        i = draw_unrepeated(20, 1, 8);
        t1 = random_real(20.0f, 90.0f);
        t2 = random_real(20.0f, 90.0f);
        return std::abs(t1 - t2) >= 10.0f;
    });
    thermo_kinetics_state.last_draw[20] = i;
    set_slot_digits(5, t1, 3);
    set_slot_digits(6, t2, 3);
    const std::int32_t c = candidate(compounds::metal_samples, i);
    convert_compound_field(1, c, heat_capacity_first, heat_capacity_last);
    float m = random_real(10.0f, 99.0f);
    if (random_int(1, 2) == 1) m *= 10.0f;
    set_slot_digits(3, m, 3);

    std::string& text = problem_texts.problem_text;
    text = "Calcolare la variazione di entropia nel";
    if (slot_value(6) < slot_value(5)) append_piece(text, " raffreddamento");
    if (slot_value(6) > slot_value(5)) append_piece(text, " riscaldamento");
    append_piece(text, " di " + slot_text(3) + " g di " + compound_name(c) + " (@iC@@dp@ = " + slot_text(1) +
                           " J/(K•mol)) da " + slot_text(5) + "@uo@C a " + slot_text(6) + "@uo@C");
    const double molar_mass = compound_molar_mass(c);
    set_slot_from_data(8, {1, 3, 5, 6}, {5, 6}, [molar_mass](const std::vector<double>& d) {
        return std::log((d[3] + celsius_zero) / (d[2] + celsius_zero)) * (d[1] / molar_mass) * d[0];
    });
    problem_texts.answer_text = slot_text(8) + " J/K";
    draw_problem_text(180, 520, 50);
    show_chemistry_fact(165, 130, 280);
}

void generate_problem_21()
{
    skip_random_draws(10);
    const ContactSamples samples = draw_contact_samples(21);
    problem_texts.problem_text = contact_statement_head(samples) +
                                 "Sapendo che i valori di @iC@@dp@ sono pari "
                                 "rispettivamente a " +
                                 slot_text(1) + " e " + slot_text(2) +
                                 " J/(K•mol), calcolare la variazione di entropia dei due campioni e quella "
                                 "complessiva";
    value_slots[7].value = contact_temperature(samples) - celsius_zero_f;
    // Each with the digits the data carry; the total's uncertainty is not
    // the sum of the parts', whose errors in a temperature offset each other.
    const auto entropy = [&samples](bool first) {
        return [&samples, first](const std::vector<double>& d) { return contact_entropy(samples, d, first); };
    };
    set_slot_from_data(8, {1, 2, 3, 4, 5, 6}, entropy(true));
    set_slot_from_data(9, {1, 2, 3, 4, 5, 6}, entropy(false));
    set_slot_from_data(10, {1, 2, 3, 4, 5, 6}, [&samples](const std::vector<double>& d) {
        return contact_entropy(samples, d, true) + contact_entropy(samples, d, false);
    });
    problem_texts.answer_text =
        slot_text(8) + " J/K; " + slot_text(9) + " J/K; @bD@@iS@@dcompl@ = " + slot_text(10) + " J/K";
    draw_problem_text(170, 520, 50);
    show_chemistry_fact(300, 160, 280);
}

void generate_problem_22()
{
    skip_random_draws(12);
    const std::int32_t c = candidate(gases, pick_problem_variant(11, thermo_kinetics_state.last_draw[22], 0));
    const float molar_mass = compound_molar_mass(c);
    value_slots[1].value = random_real(0.1f, 0.9f) * molar_mass;
    const float v1 = random_real(5.0f, 15.0f);
    value_slots[2].value = v1;
    value_slots[3].value = random_real(1.1f * v1, 2.0f * v1);
    // Pressures in atm one time in two, a tenth of the volumes.
    const bool volumes = random_int(1, 2) == 1;
    if (!volumes) {
        value_slots[2].value *= 0.1f;
        value_slots[3].value *= 0.1f;
    }
    const bool compression = random_int(1, 2) == 1;
    if (compression) std::swap(value_slots[2].value, value_slots[3].value);
    for (std::int32_t slot = 1; slot <= 3; ++slot) convert_data_slot(slot, 3);

    std::string& text = problem_texts.problem_text;
    text = "Calcolare la variazione di entropia";
    append_piece(text, compression ? " nella compressione" : " nell'espansione");
    append_piece(text, " isoterma di " + slot_text(1) + " g di " + compound_name(c));
    if (volumes)
        append_piece(text, " da " + slot_text(2) + " L a " + slot_text(3) + " L ");
    else
        append_piece(text, " da " + slot_text(3) + " atm a " + slot_text(2) + " atm");
    // n R ln(V2/V1), which for pressures is n R ln(p1/p2).
    set_slot_from_data(5, {1, 2, 3}, [molar_mass](const std::vector<double>& d) {
        return std::log(d[2] / d[1]) * (d[0] / molar_mass) * gas_constant_joule;
    });
    problem_texts.answer_text = slot_text(5) + " J/K";
    draw_problem_text(220, 580, 60);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_23()
{
    skip_random_draws(3);
    std::int32_t i = 0;
    float t = 0.0f;
    draw_until_accepted([&] {
        i = draw_unrepeated(23, 1, 5);
        t = random_real(5.0f, 90.0f);
        return std::abs(t - 25.0f) >= 10.0f;
    });
    thermo_kinetics_state.last_draw[23] = i;
    const std::int32_t c = candidate(noble_gases, i);
    const float molar_mass = compound_molar_mass(c);
    float m = random_real(1.0f, 9.0f);
    if (random_int(1, 2) == 1) m *= 0.1f;
    // The pressure drawn again where the gas would stray past the ideal
    // gas's 5 % (xenon at 7.9 atm and 7.5 °C), read at the colder of the two
    // temperatures, as a reader pairing them unknowingly would.
    float p = 0.0f;
    draw_until_accepted([&] {
        p = random_real(2.0f, 8.0f);
        if (random_int(1, 2) == 1) p *= 0.1f;
        return near_ideal(c, kelvin(std::min(t, 25.0f)), p);
    });
    set_slot_digits(1, m, 3);
    set_slot_digits(2, t, 2);
    set_slot_digits(3, p, 3);
    problem_texts.problem_text = "Calcolare la variazione di entropia nel processo in cui " + slot_text(1) + " g di " +
                                 compound_name(c) + " sono portati da 25@uo@C e 1.00 atm a " + slot_text(2) +
                                 "@uo@C e " + slot_text(3) + " atm";
    // n R (5/2 ln(T / standard_kelvin) + ln(1 atm / p)) for a monatomic gas.
    set_slot_from_data(5, {1, 2, 3}, {2}, [molar_mass](const std::vector<double>& d) {
        return d[0] / molar_mass * gas_constant_joule *
               (2.5 * std::log((d[1] + celsius_zero) / standard_kelvin) - std::log(d[2]));
    });
    problem_texts.answer_text = slot_text(5) + " J/K";
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(290, 130, 280);
}

void generate_problem_24()
{
    skip_random_draws(4);
    EntropyReaction r = pick_entropy_reaction(24, 9);
    r.w = random_int(1, 2);
    // A temperature drawn again where a solid would melt; where a gas would
    // condense at 1 atm the entropies are those of the standard state.
    float t = 0.0f;
    draw_until_accepted([&] {
        t = random_real(30.0f, 80.0f);
        return printed_states_hold(r.species, r.w, t + celsius_zero, std::nan(""));
    });
    set_slot_digits(1, t, 3);
    const bool standard = !printed_states_hold(r.species, r.w, t + celsius_zero, 1.0);
    const auto count = static_cast<std::int32_t>(r.species.size());
    std::string& text = problem_texts.problem_text;
    text = standard ? "@T1@@C1@Nello stato standard a " + slot_text(1) + "@uo@C"
                    : "@T1@@C1@A pressione atmosferica e " + slot_text(1) + "@uo@C";
    append_piece(text, count == 1 ? " l'entropia di una mole di" : " le entropie di una mole di");
    const auto separator = [count](std::int32_t j) -> std::string_view {
        if (j == 1) return " ";
        return j == count ? " e " : ", ";
    };
    for (std::int32_t j = 1; j <= count; ++j) {
        const ReactionSpecies& s = r.species[j - 1];
        append_piece(text, std::string(separator(j)) + compound_formula(s.compound));
        append_piece(text, state_subscript(s, r.w));
    }
    append_piece(text, count == 1 ? " è pari a" : " sono pari a");

    const float kelvin = t + celsius_zero_f;
    value_slots[1].value = 0.0f;
    value_slots[1].uncertainty = 0.0f;
    for (std::int32_t j = 1; j <= count; ++j) {
        const ReactionSpecies& s = r.species[j - 1];
        convert_entropy_and_heat_capacity(s, r.w);
        set_slot_uncertainty(19, slot_value(19) + slot_value(20) * std::log(kelvin * reciprocal_standard_kelvin_f),
                             slot_uncertainty(19));
        append_piece(text, std::string(separator(j)) + slot_text(19));
        // The entropy as the statement shows it.
        add_to_reaction_entropy(s, slot_value_as_shown(19));
    }
    append_piece(text, " J/K. Calcolare la variazione di entropia nelle stesse condizioni per la reazione");
    draw_reaction_and_answer(r, 575, 45, 105);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_25()
{
    skip_random_draws(10);
    EntropyReaction r = pick_entropy_reaction(25, 13);
    // Products less reactants of the table's S° (slot 1), of Cp and of the
    // moles of gas, carried to the temperature and pressure as printed
    // (slots 19 and 20), whose digits count too, as the table's Cp do.
    const auto set_reaction_entropy = [&r](float t, float p) {
        value_slots[1].value = 0.0f;
        value_slots[1].uncertainty = 0.0f;
        double heat_capacity = 0.0, moles_of_gas = 0.0, capacity_uncertainty = 0.0;
        for (const ReactionSpecies& s : r.species) {
            convert_entropy_and_heat_capacity(s, r.w);
            const double side = s.reactant ? -s.coefficient : s.coefficient;
            heat_capacity += side * slot_value(20);
            capacity_uncertainty += s.coefficient * slot_uncertainty(20);
            if (record_columns(compound_record(s.compound), 159, 159) == "g" || water_as_gas(s, r.w))
                moles_of_gas += side;
            add_to_reaction_entropy(s, slot_value(19));
        }
        const double standard = slot_value(1);
        const float table_uncertainty = slot_uncertainty(1);
        set_slot_digits(19, t, 3);
        set_slot_digits(20, p, 2);
        set_slot_from_data(1, {19, 20}, {19}, [=](const std::vector<double>& d) {
            return standard + heat_capacity * std::log((d[0] + celsius_zero) / standard_kelvin) -
                   moles_of_gas * gas_constant_joule * std::log(d[1]);
        });
        value_slots[1].uncertainty +=
            table_uncertainty +
            static_cast<float>(capacity_uncertainty *
                               std::abs(std::log((slot_value(19) + celsius_zero) / standard_kelvin)));
    };
    // Water's state, temperature and pressure drawn again where a species
    // could not be in its printed state (a solid melted, a gas condensed:
    // phosphoric acid solid and water vapour have no temperature in common),
    // or where the entropy is lost in its uncertainty. Water drawn liquid
    // above its boiling point at the pressure printed is the vapour.
    draw_until_accepted([&] {
        r.w = random_int(1, 2);
        const float t = random_real(30.0f, 90.0f);
        const float p = 0.1f * static_cast<float>(random_int(1, 20));
        set_slot_digits(19, t, 3);
        if (state_at(compounds::water_vapour, slot_value_as_shown(19) + celsius_zero, p) == 'g') r.w = water_as_vapour;
        if (!printed_states_hold(r.species, r.w, t + celsius_zero, p)) return false;
        set_reaction_entropy(t, p);
        return !uncertainty_exceeds_value(1);
    });
    problem_texts.problem_text = "@T1@@C1@Calcolare la variazione di entropia a " + slot_text(19) + "@uo@C e " +
                                 slot_text(20) + " atm per la reazione";
    draw_reaction_and_answer(r, 582, 60, 80);
    show_chemistry_fact(170, 140, 280);
}

}  // namespace thermo_kinetics
