// Section "Entalpia di reazione": problems 10 to 15, combustion enthalpies,
// Kirchhoff's law, Hess's law and enthalpies of formation.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/heat_lines.h"
#include "chemistry/molar_mass.h"
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
#include "text/article_name.h"

namespace thermo_kinetics {

constexpr std::string_view combustion_table =
    "301 -1.5l-3263.88   302 -2.0l-3905.34   303 -2.0g-885.842   304 -2.5g-1554.50   305 -3.0g-2211.76   "
    "306 -3.5g-2868.92   307 -3.5l-4154.52   308 -4.0l-4807.08   309 -3.0l-3912.16   311 -0.5l-724.861   "
    "312 -1.0l-1364.32   331  0.5l-255.839   332  0.0l  -874.2   333 -0.5s-3225.66   361 -1.0l-1787.42   "
    "401 -2.0l-2718.94";

namespace {

std::string_view state_word(char state)
{
    switch (state) {
    case 's': return " solido";
    case 'l': return " liquido";
    default: return " gassoso";
    }
}

// Reactions whose enthalpy problems 14 and 15 ask (problem 15 leaves out 6).
constexpr std::string_view formation_reactions = "  1  2  3  4  6  9 15 16 18 21 22 23 46 47 57 73 74 75 76";
constexpr std::string_view mass_reactions = "  1  2  3  4  9 15 16 18 21 22 23 46 47 57 73 74 75 76";

// "2C@d8@H@d14@O@d2@": the amount before the formula when it is not 1.
std::string with_amount(std::int32_t amount, std::string_view formula)
{
    return (amount == 1 ? std::string() : std::to_string(amount)) + std::string(formula);
}

}  // namespace

void generate_problem_10()
{
    skip_random_draws(12);
    const std::int32_t v = pick_problem_variant(16, thermo_kinetics_state.last_draw[10], 0);
    const std::string_view record = record_at(combustion_table, 20, v);
    const std::int32_t k = read_i(record.substr(0, 3)).value_or(0);
    const std::string named = "d" + join_article_to_name(compound_name(k));
    const float energy = read_list_real(record_columns(record, 10, 17)).value_or(0.0f);
    set_slot_digits(3, energy, std::abs(energy) <= 999.0f ? 4 : 5);
    const float gas_moles = read_list_real(record_columns(record, 4, 8)).value_or(0.0f);
    const char state = record[8];

    problem_texts.problem_text = "@T1@@C1@Per la reazione di combustione " + named + " (" + compound_formula(k) + ")" +
                                 std::string(state_word(state)) +
                                 " a 25@uo@C e pressione atmosferica, @bD@@iE@ = " + slot_text(3) +
                                 " kJ per mole di composto. Calcolare l'entalpia di combustione " + named;
    set_slot_digits(2, slot_value(3) + gas_moles * rt_at_25_kilojoule_f, slot_digits(3));
    problem_texts.answer_text = slot_text(2) + " kJ/mol";
    draw_problem_text(170, 530, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_11()
{
    skip_random_draws(2);
    const OrganicCounts n = draw_organic_counts(pick_problem_variant(2, thermo_kinetics_state.last_draw[11], 0));
    const std::string formula = organic_formula(n);
    const auto c = static_cast<float>(n.c);
    const auto h = static_cast<float>(n.h);
    const auto o = static_cast<float>(n.o);
    const float molar_mass = chno_molar_mass(n.c, n.h, 0, n.o);

    float mass = random_real(1.0f, 9.9f);
    if (random_int(1, 2) == 1) mass *= 0.1f;
    set_slot_digits(1, mass, random_int(3, 4));
    set_slot_digits(3, random_real(20.0f, 140.0f), 3);
    const bool vapour = slot_value(3) >= 100.0f;
    set_slot_digits(2, draw_combustion_heat(n, slot_value(3)), 4);

    const float oxygen = ((h * 0.5f - o) + 2.0f * c) * 0.5f;
    const float enthalpy = -(slot_value(2) / molar_mass * slot_value(1));
    value_slots[6].value = enthalpy;
    value_slots[6].uncertainty =
        (slot_uncertainty(2) / slot_value(2) + slot_uncertainty(1) / slot_value(1)) * std::abs(enthalpy);
    const float kelvin = slot_value(3) + celsius_zero_f;
    value_slots[8].value = slot_value(1) / molar_mass * kelvin * gas_constant_kilojoule_f;
    value_slots[8].uncertainty = (slot_uncertainty(1) / slot_value(1) + slot_uncertainty(3) / kelvin) * slot_value(8);
    const float gas_moles = vapour ? c + h * 0.5f - oxygen : c - oxygen;
    // Both terms count with their magnitudes: signed they would cancel.
    value_slots[7].value = slot_value(6) - slot_value(8) * gas_moles;
    value_slots[7].uncertainty = std::abs(gas_moles * slot_uncertainty(8)) + slot_uncertainty(6);
    convert_data_slot(6, slot_digits_from_uncertainty);
    convert_data_slot(7, slot_digits_from_uncertainty);

    problem_texts.problem_text = "@T1@@C1@Il calore di combustione di un solido organico di formula " + formula +
                                 " a 1 atm e " + slot_text(3) + "@uo@C è pari a " + slot_text(2) +
                                 " kJ/mol. Calcolare @bD@@iH@ e @bD@@iE@ per la combustione di " + slot_text(1) +
                                 " g di composto nelle stesse condizioni";
    problem_texts.answer_text = slot_text(6) + " kJ; " + slot_text(7) + " kJ";
    draw_problem_text(200, 580, 50);
    show_chemistry_fact(180, 150, 300);
}

void generate_problem_12()
{
    skip_random_draws(2);
    pick_problem_variant(2, thermo_kinetics_state.last_draw[12],
                         0);  // a choice the problem does not use, kept for its draws
    set_slot_digits(1, random_real(10.0f, 70.0f), 3);
    set_slot_digits(4, random_real(10.0f, 70.0f), 3);
    set_slot_digits(2, heat_lines.water_formation.at(slot_value(1)), 4);
    set_slot_digits(3, heat_lines.water_vaporisation.at(slot_value(1)), 3);
    // Mean heat capacities of H2, O2 and water vapour over the interval.
    const float t = (slot_value(4) + slot_value(1)) * 0.5f;
    set_slot_digits(11, heat_lines.hydrogen_capacity.at(t), 3);
    set_slot_digits(12, heat_lines.oxygen_capacity.at(t), 3);
    set_slot_digits(13, heat_lines.steam_capacity.at(t), 3);
    problem_texts.problem_text =
        "@T1@@C1@A " + slot_text(1) +
        "@uo@C e 1 atm, l'entalpia della reazione 2H@d2@ + O@d2@ = 2H@d2@O@d(l)@ è pari a " + slot_text(2) +
        " kJ, e l'entalpia di evaporazione dell'acqua è " + slot_text(3) +
        " kJ/mol. Calcolare @bD@@iH@ per la reazione 2H@d2@ + O@d2@ = 2H@d2@O@d(g)@ a " + slot_text(4) +
        "@uo@C, sapendo che i valori medi di @iC@@dp@ per H@d2@, O@d2@ e H@d2@O@d(g)@ in questo intervallo sono "
        "rispettivamente pari a " +
        slot_text(11) + ", " + slot_text(12) + " e " + slot_text(13) + " J/(K•mol)";
    // dH(T1) + 2 dHvap(T1) + dCp (T2 - T1), dCp = 2 Cp(H2O) - 2 Cp(H2) - Cp(O2).
    const float enthalpy =
        ((slot_value(11) - slot_value(13)) * 2.0f + slot_value(12)) * (slot_value(1) - slot_value(4)) * 0.001f +
        slot_value(3) * 2.0f + slot_value(2);
    set_slot_uncertainty(5, enthalpy, 2.0f * slot_uncertainty(3) + slot_uncertainty(2));
    problem_texts.answer_text = slot_text(5) + " kJ";
    draw_problem_text(160, 560, 40);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_13()
{
    skip_random_draws(16);
    OrganicCounts f1, f2;
    std::int32_t a1 = 1, a2 = 1;
    std::int32_t carbon = 0;
    // The enthalpy (slot 5) with `first` and `second` moles of the two
    // compounds and `co` of carbon monoxide on the left.
    const auto set_enthalpy = [](std::int32_t first, std::int32_t second, std::int32_t co) {
        const float enthalpy = static_cast<float>(second) * slot_value(4) - static_cast<float>(first) * slot_value(2) +
                               static_cast<float>(co) * slot_value(6) * 0.5f;
        set_slot_uncertainty(5, enthalpy,
                             static_cast<float>(first) * slot_uncertainty(2) +
                                 static_cast<float>(second) * slot_uncertainty(4) +
                                 0.5f * static_cast<float>(std::abs(co)) * slot_uncertainty(6));
    };
    draw_until_accepted([&] {
        const std::int32_t k1 = draw_unrepeated(13, 1, 2);
        f1 = draw_organic_counts(k1);
        f2 = draw_organic_counts(random_int(1, 2));
        set_slot_digits(3, random_real(20.0f, 140.0f), 3);
        set_slot_digits(2, draw_combustion_heat(f1, slot_value(3)), 4);
        set_slot_digits(4, draw_combustion_heat(f2, slot_value(3)), 4);
        set_slot_digits(6, heat_lines.carbon_monoxide_combustion.at(slot_value(3)), 4);
        a1 = random_int(1, 2);
        a2 = a1 == 1 && random_int(1, 2) == 1 ? 2 : 1;
        carbon = a2 * f2.c - a1 * f1.c;
        if (carbon == 0) return false;
        // One compound on both sides is no reaction between two compounds.
        if (f1.c == f2.c && f1.h == f2.h && f1.o == f2.o) return false;
        // Drawn again where the enthalpy is lost in its uncertainty (the
        // balancing below doubles every amount alike).
        set_enthalpy(a1, a2, carbon);
        if (uncertainty_exceeds_value(5)) return false;
        thermo_kinetics_state.last_draw[13] = k1;
        return true;
    });

    // Carbon monoxide (x), water (y) and oxygen (z) on the left (L) or the right (R).
    std::int32_t xl = carbon > 0 ? carbon : 0, xr = carbon < 0 ? -carbon : 0;
    const std::int32_t hydrogen = a2 * f2.h - a1 * f1.h;
    std::int32_t yl = hydrogen > 0 ? hydrogen : 0, yr = hydrogen < 0 ? -hydrogen : 0;
    if (yl % 2 != 0 || yr % 2 != 0) {
        for (std::int32_t* amount : {&a1, &a2, &yl, &yr, &xl, &xr}) *amount *= 2;
    }
    yl /= 2;
    yr /= 2;
    const std::int32_t oxygen = a2 * f2.o - a1 * f1.o - xl - yl + xr + yr;
    std::int32_t zl = oxygen > 0 ? oxygen : 0, zr = oxygen < 0 ? -oxygen : 0;
    if (zl % 2 != 0 || zr % 2 != 0) {
        for (std::int32_t* amount : {&a1, &a2, &xl, &xr, &yl, &yr, &zl, &zr}) *amount *= 2;
    }
    zl /= 2;
    zr /= 2;

    const std::string formula1 = organic_formula(f1);
    const std::string formula2 = organic_formula(f2);
    std::string& equation = problem_texts.table_buffer;
    equation = with_amount(a1, formula1);
    const auto add_side = [&](std::int32_t co, std::int32_t water, std::int32_t o2) {
        if (co > 0) equation += " + " + with_amount(co, "CO");
        if (water > 0) equation += " + " + with_amount(water, "H@d2@O");
        if (o2 > 0) equation += " + " + with_amount(o2, "O@d2@");
    };
    add_side(xl, yl, zl);
    equation += " = " + with_amount(a2, formula2);
    add_side(xr, yr, zr);

    const bool first_named_first = random_int(1, 2) == 1;
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@I calori di combustione di " + (first_named_first ? formula1 : formula2) + " e di " +
           (first_named_first ? formula2 : formula1) + " a 1 atm e " + slot_text(3) + "@uo@C sono pari a " +
           slot_text(first_named_first ? 2 : 4) + " e " + slot_text(first_named_first ? 4 : 2) + " kJ/mol";
    append_piece(text, ", mentre @bD@@iH@ per la reazione 2CO + O@d2@ = 2CO@d2@ è pari a " + slot_text(6) +
                           " kJ. Calcolare il valore di @bD@@iH@ nelle stesse condizioni per la reazione");

    set_enthalpy(a1, a2, xl - xr);
    problem_texts.answer_text = slot_text(5) + " kJ";
    draw_problem_text_and_equation(160, 582, 45, 110, equation, 110);
    show_chemistry_fact(160, 160, 280);
}

void generate_problem_14()
{
    skip_random_draws(2);
    const std::int32_t n = pick_reaction(14, formation_reactions, 2);
    const std::int32_t w = random_int(1, 2);
    problem_texts.problem_text = formation_sum_statement(
        reaction_species(n), w,
        {"@T1@@C1@L'entalpia standard di formazione di ", "@T1@@C1@Le entalpie standard di formazione di ",
         " a 298 K è pari a", " a 298 K sono pari a", 131, 138,
         " kJ/mol. Calcolare la variazione di entalpia standard a 298 K nella reazione"});
    const std::int32_t direction = draw_statement_and_reaction(n, w, 582, 50, 100, 100);
    show_chemistry_fact(200, 160, 360);
    if (direction == right_to_left) value_slots[1].value = -slot_value(1);
    convert_data_slot(1, slot_digits_from_uncertainty);
    problem_texts.answer_text = slot_text(1) + " kJ";
}

void generate_problem_15()
{
    skip_random_draws(2);
    const std::int32_t n = pick_reaction(15, mass_reactions, 18);
    const std::int32_t w = random_int(1, 2);
    const std::vector<ReactionSpecies> species = reaction_species(n);
    // A temperature drawn again where a solid would melt (white phosphorus
    // above 44.1 °C).
    draw_until_accepted([&] {
        set_slot_digits(1, random_real(10.0f, 90.0f), 3);
        return printed_states_hold(species, w, slot_value(1) + celsius_zero, std::nan(""));
    });
    set_slot_digits(2, random_real(10.0f, 90.0f), 3);

    const bool vapour = w == water_as_vapour;
    ValueSlot& sum = value_slots[18];
    sum.value = 0.0f;
    sum.uncertainty = 0.0f;
    for (const ReactionSpecies& s : species) {
        const std::int32_t k = s.compound == compounds::liquid_water && vapour ? compounds::water_vapour : s.compound;
        convert_compound_field(19, k, 131, 138);
        if (slot_value(19) == 0.0f) continue;
        const float term = static_cast<float>(s.coefficient) * slot_value(19);
        sum.value += s.reactant ? -term : term;
        sum.uncertainty += static_cast<float>(s.coefficient) * slot_uncertainty(19);
    }
    // Kirchhoff's correction from 25 °C: the heat capacities and the
    // temperature count towards the digits too.
    float capacity_change = 0.0f;
    for (const ReactionSpecies& s : species) {
        const std::int32_t k = s.compound == compounds::liquid_water && vapour ? compounds::water_vapour : s.compound;
        convert_compound_field(19, k, heat_capacity_first, heat_capacity_last);
        const float rise = s.reactant ? 25.0f - slot_value(1) : slot_value(1) - 25.0f;
        sum.value += rise * static_cast<float>(s.coefficient) * slot_value(19) * 0.001f;
        sum.uncertainty += std::abs(rise) * static_cast<float>(s.coefficient) * slot_uncertainty(19) * 0.001f;
        capacity_change += (s.reactant ? -1.0f : 1.0f) * static_cast<float>(s.coefficient) * slot_value(19) * 0.001f;
    }
    sum.uncertainty += std::abs(capacity_change) * slot_uncertainty(1);

    const ReactionSpecies& first = species.front();
    const float molar_mass = compound_molar_mass(first.compound);
    const float heat = slot_value(2) / (static_cast<float>(first.coefficient) * molar_mass) * slot_value(18);
    // Relative uncertainties add as magnitudes, whatever the sign of the enthalpy.
    set_slot_uncertainty(
        3, heat,
        (std::abs(slot_uncertainty(2) / slot_value(2)) + std::abs(slot_uncertainty(18) / slot_value(18))) *
            std::abs(heat));
    problem_texts.problem_text = "@T1@@C1@Calcolare @bD@@iH@@u0@ per la reazione a " + slot_text(1) + "@uo@C di " +
                                 slot_text(2) + " g di " + first.text + " secondo l'equazione";
    problem_texts.answer_text = slot_text(3) + " kJ";
    problem_texts.table_buffer = reaction_with_states(n, 0, w, 1);
    draw_problem_text_and_equation(160, 582, 45, 85, problem_texts.table_buffer, 85);
    show_chemistry_fact(170, 145, 280);
}

}  // namespace thermo_kinetics
