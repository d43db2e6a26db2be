// Section "Costanti di equilibrio": problems 1 to 5, K of gas reactions from
// pressures and thermodynamic data, and of generic reactions A + B = C + D.
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/equation_text.h"
#include "chemistry/reaction_thermo.h"
#include "frame/fact_box.h"
#include "numbers/fixed_width.h"
#include "numbers/pressure_units.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

namespace equilibria {

// Zinc melts at 419.53 °C taking 7.07 kJ/mol (CRC Handbook).
constexpr Fusion zinc_fusion{692.68f, 7070.0f};

namespace {

// Problem 2's states of A, B, C and D: solid, gas, dissolved (aqueous) or
// blank where B or D takes no part.
constexpr std::string_view problem_2_state_groups = "s sgs gssgsggssgggggaaaaaagaaga saagasgaagas";

// Problem 4's reactions, each with its change in moles of gas and the
// temperature factor, range and digits of its display.
struct ThermoReaction {
    std::string_view equation;
    std::int32_t delta_n;
    std::int32_t factor, lo, hi;
    std::int32_t digits;
};
constexpr ThermoReaction problem_4_reactions[] = {
    {"N@d2@ & $ 3H@d2@ = $ 2NH@d3@", -2, 5, 20, 160, 3},
    {"CO & H@d2@O = CO@d2@ & H@d2@", 0, 5, 80, 160, 3},
    // Chlorine and steam at red heat, the reverse of the Deacon equilibrium
    // (N2O and H2O, which stood here, never reach 2NO + H2).
    {"$ 2Cl@d2@ & $ 2H@d2@O = $ 4HCl & O@d2@", 1, 10, 60, 98, 3},
    {"Zn & H@d2@O = ZnO & H@d2@", 0, 5, 80, 160, 3},
    // Ethylene and hydrogen at red heat (N2O and O2, which stood here, never
    // give NO2): the same change in moles, at 500-900 °C where K is near 1.
    {"C@d2@H@d4@ & H@d2@ = C@d2@H@d6@", -1, 10, 50, 90, 3},
    {"CO@d2@ & $ 2HCl = COCl@d2@ & H@d2@O", -1, 10, 50, 98, 3},
    {"CH@d4@ & $ 3CO@d2@ = $ 4CO & $ 2H@d2@O", 2, 5, 80, 180, 3},
};

// Above zinc's melting point its row's zinc is liquid, and the constant is
// the solid's times exp (dH_fus (1/T - 1/T_fus) / R) for the zinc on the
// left.
constexpr std::int32_t zinc_row = 3;

bool zinc_molten(std::int32_t row, float t)
{
    return row == zinc_row && kelvin(t) > zinc_fusion.melting_kelvin;
}

float molten_zinc_factor(float t)
{
    return std::exp(zinc_fusion.heat_joules / gas_constant_joule_f *
                    (1.0f / kelvin(t) - 1.0f / zinc_fusion.melting_kelvin));
}

constexpr std::string_view letters = "ABCD";

// coefficient + letter, the way problems 2 and 3 write a species.
std::string species(std::int32_t row, std::int32_t column, std::int32_t s)
{
    return std::string(coefficient_cell(row, column)) + letters[s];
}

// Problem 3's equation of the column: B and D only when their row is not 0.
std::string letters_equation(const std::array<std::int32_t, 4>& rows, std::int32_t column, bool reversed)
{
    auto side = [&](std::int32_t first) {
        std::string text = species(rows[first], column, first);
        if (rows[first + 1] != 0) text += " + " + species(rows[first + 1], column, first + 1);
        return text;
    };
    return reversed ? side(2) + " = " + side(0) : side(0) + " = " + side(2);
}

bool normal_float(float x)
{
    return std::isnormal(x);
}

}  // namespace

void generate_problem_1()
{
    skip_random_draws(8);
    load_gas_reaction_list();
    GasReaction r;
    // Pressures are drawn until the second reactant's, which puts the three
    // at equilibrium, lies between 0.01 and 100 atm, none condenses and the
    // three keep within the ideal gas's 5 %.
    draw_until_accepted([&] {
        std::int32_t n = draw_new_record(1, 1, 8);
        if (app_state.version_number == text_version) n = 8;
        r = set_up_gas_reaction(n);
        set_slot_digits(1, draw_scaled_exponent_first(-2, 0, 9.9f), 3);
        set_slot_digits(3, draw_scaled_exponent_first(-2, 0, 9.9f), 3);
        const float p2 = std::pow(std::pow(slot_value(3), r.coefficient[3]) /
                                      (slot_value(5) * std::pow(slot_value(1), r.coefficient[1])),
                                  1.0f / r.coefficient[2]);
        set_slot_digits(2, p2, 3);
        return slot_value(2) >= 0.01f && slot_value(2) <= 100.0f &&
               !reaction_gases_unfit(r, {slot_value(1), slot_value(2), slot_value(3)});
    });
    equilibria_state.last_draw[1] = r.number;
    const std::int32_t direction = random_int(1, 2);
    const std::string equation = shown_gas_equation(direction);
    problem_texts.problem_text =
        "@T1@@C1@Calcolare la costante di equilibrio per la reazione " + equation + " a " + slot_text(7) +
        "@uo@C sapendo che in un dato sistema all'equilibrio a questa temperatura le "
        "pressioni parziali di" +
        " " + r.formula[1] + ", " + r.formula[2] + " e" + " " + r.formula[3] + " sono risultate pari a " +
        slot_text(1) + ", " + slot_text(2) + " e " + slot_text(3) + " atm";
    float k = std::pow(slot_value(3), r.coefficient[3]) /
              (std::pow(slot_value(1), r.coefficient[1]) * std::pow(slot_value(2), r.coefficient[2]));
    float u = k * (r.coefficient[1] * slot_uncertainty(1) / slot_value(1) +
                   r.coefficient[2] * slot_uncertainty(2) / slot_value(2) +
                   r.coefficient[3] * slot_uncertainty(3) / slot_value(3));
    if (direction == 2) {
        u = u / (k * k);
        k = 1.0f / k;
    }
    set_slot_uncertainty(6, k, u);
    problem_texts.answer_text = slot_text(6);
    draw_problem_text(170, 550, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_2()
{
    skip_random_draws(3);
    std::int32_t column = 0;
    std::int32_t other = 0;
    do {
        column = random_int(1, 5);
        other = random_int(1, 5);
    } while (other == column || repeats_last_draw(2, column));
    equilibria_state.last_draw[2] = column;
    std::array<std::int32_t, 4> rows{};
    for (std::int32_t& row : rows) row = random_int(18, 20) - 17;
    std::int32_t group = random_int(1, 11);
    if (app_state.version_number == text_version) group = 11;
    const std::string_view states = record_at(problem_2_state_groups, 4, group);

    std::string equation;
    for (std::int32_t s = 0; s < 4; ++s) {
        if (states[s] == ' ') continue;
        if (s == 1 || s == 3) equation += " + ";
        if (s == 2) equation += " = ";
        equation += species(rows[s], column, s);
        if (states[s] != 'a') equation += "@d(" + std::string(1, states[s]) + ")@";
    }

    std::string& text = problem_texts.problem_text;
    text = "In un sistema in equilibrio a una data temperatura,";
    std::int32_t listed_total = 0;
    for (char state : states) listed_total += state == 'g' || state == 'a';
    std::int32_t listed = 0;
    for (std::int32_t s = 0; s < 4; ++s) {
        value_slots[s + 1].value = 1.0f;
        const std::string letter(1, letters[s]);
        if (states[s] == 'g') {
            set_slot_digits(s + 1, draw_scaled_exponent_first(-2, 0, 9.9f), 3);
            text += " @iP@(" + letter + ") = " + slot_text(s + 1) + " atm";
        } else if (states[s] == 'a') {
            set_slot_digits(s + 1, draw_scaled_exponent_first(-3, -1, 9.9f), 3);
            text += " [" + letter + "] = " + slot_text(s + 1) + " mol/L";
        } else {
            continue;
        }
        ++listed;
        if (listed < listed_total - 1) text += ",";
        if (listed_total - listed == 1) text += " e";
    }
    text += ". Calcolare la costante di equilibrio per la reazione " + equation;

    const float scale = column_scale(column);
    auto term = [&](std::int32_t s) { return std::pow(slot_value(s + 1), static_cast<float>(rows[s]) * scale); };
    // Each listed datum's relative uncertainty times its power, summed to
    // first order.
    const float k = term(2) * term(3) / (term(0) * term(1));
    float relative = 0.0f;
    for (std::int32_t s = 0; s < 4; ++s)
        if (states[s] == 'g' || states[s] == 'a')
            relative += static_cast<float>(rows[s]) * scale * relative_uncertainty(s + 1);
    set_slot_uncertainty(5, k, relative * k);
    problem_texts.answer_text = slot_text(5);
    draw_problem_text(220, 560, 50);
    show_chemistry_fact(170, 150, 300);
}

void generate_problem_3()
{
    skip_random_draws(8);
    std::int32_t column = 0;
    std::int32_t other = 0;
    do {
        column = random_int(1, 5);
        other = random_int(1, 5);
        if (app_state.version_number == text_version) column = 1;
    } while (repeats_last_draw(3, column) || other == column);
    equilibria_state.last_draw[3] = column;
    // Row 0 leaves B or D out.
    const std::array<std::int32_t, 4> rows = {random_int(18, 20) - 17, random_int(17, 20) - 17, random_int(18, 20) - 17,
                                              random_int(17, 20) - 17};
    std::int32_t form = random_int(1, 2);
    if (app_state.version_number == text_version) form = 2;

    const float base = draw_scaled_exponent_first(-4, 4, 9.9f);
    value_slots[1].value = base;
    set_slot_digits(2, std::pow(base, column_scale(column)), 4);
    problem_texts.problem_text = "A una data temperatura, la costante di equilibrio per la reazione " +
                                 letters_equation(rows, column, false) + " è uguale a " + slot_text(2) + "." +
                                 " Calcolare il suo valore per la reazione " + letters_equation(rows, other, form == 2);
    // From the constant as shown; its relative uncertainty grows with the power.
    const float power = column_scale(other) / column_scale(column);
    float asked = std::pow(slot_value(2), power);
    if (form == 2) asked = 1.0f / asked;
    set_slot_uncertainty(3, asked, power * slot_uncertainty(2) / slot_value(2) * asked);
    // Three digits at most, as the problem always gave.
    if (slot_digits(3) > 3) convert_data_slot(3, 3);
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(200, 145, 300);
}

void generate_problem_4()
{
    skip_random_draws(8);
    // The fourth of eight rows was solid KClO3, which melts and decomposes
    // well below these temperatures: its draw is drawn again.
    constexpr std::int32_t left_out = 4;
    std::int32_t n = 0;
    do n = pick_problem_variant(8, equilibria_state.last_draw[4], 2);
    while (n == left_out);
    const std::int32_t row = n < left_out ? n - 1 : n - 2;
    const ThermoReaction& reaction = problem_4_reactions[row];
    std::string& buffer = problem_texts.table_buffer;
    buffer = "s         " + std::string(reaction.equation);
    const float t = static_cast<float>(reaction.factor * random_int(reaction.lo, reaction.hi));
    set_slot_digits(7, t, reaction.digits);
    const std::optional<ReactionThermo> thermo = compute_reaction_thermo(buffer, water_as_vapour, t);
    const bool molten = zinc_molten(row, t);
    const float solid_k = thermo ? thermo->equilibrium_constant : 0.0f;
    set_slot_digits(5, molten ? solid_k * molten_zinc_factor(t) : solid_k, 3);
    const std::int32_t direction = random_int(1, 2);
    std::string equation = shown_equation(buffer, direction);
    if (molten) equation.replace(equation.find("Zn@d(s)@"), 8, "Zn@d(l)@");
    if (direction == 2) set_slot_digits(5, 1.0f / slot_value(5), 3);
    problem_texts.problem_text = "@T1@@C1@La costante di equilibrio per la reazione " + equation + " a " +
                                 slot_text(7) + "@uo@C è pari a " + slot_text(5) +
                                 ". Calcolare il valore di @iK@@dc@ a questa temperatura";
    const std::int32_t delta_n = direction == 2 ? -reaction.delta_n : reaction.delta_n;
    const float rt = gas_constant_litre_atm_cut_f * kelvin(t);
    set_slot_digits(6, slot_value(5) / std::pow(rt, static_cast<float>(delta_n)), 3);
    problem_texts.answer_text = slot_text(6) + concentration_unit(delta_n);
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(270, 160, 300);
}

void generate_problem_5()
{
    skip_random_draws(7);
    // K, Kp and Kx span up to twelve powers of RT, 760 and P: data whose
    // constants leave the REAL range are drawn again, the stream running on.
    GenericReaction reaction;
    std::int32_t unit = 0;
    draw_until_accepted([&] {
        reaction = set_up_generic_reaction(5, "sgsggssggggg", 0, 2, '\0', 'g');
        set_slot_digits(1, draw_scaled_exponent_first(-7, 7, 9.9f), 3);
        const float t = static_cast<float>(5 * random_int(20, 150));
        set_slot_digits(2, t, 3);
        unit = random_int(1, 3);
        set_slot_digits(5, draw_scaled_exponent_first(-2, 3, 9.9f), 3);
        constexpr float per_atm[] = {torr_per_atmosphere_f, kilopascals_per_atmosphere_f, megapascals_per_atmosphere_f};
        const float dn = reaction.delta_n;
        // Kp and Kx from K before its rounding, as a student takes them from Kc.
        const float k = slot_value(1) * std::pow(gas_constant_litre_atm_cut_f * kelvin(t), dn);
        set_slot_digits(3, k, 3);
        set_slot_digits(4, k * std::pow(per_atm[unit - 1], dn), 3);
        set_slot_digits(6, k * std::pow(slot_value(5), -dn), 3);
        return normal_float(slot_value(3)) && normal_float(slot_value(4)) && normal_float(slot_value(6));
    });
    constexpr std::string_view unit_names[] = {" torr", " kPa", " MPa"};
    const std::string_view unit_name = unit_names[unit - 1];
    std::string& text = problem_texts.problem_text;
    text = "Il valore di @iK@@dc@ per la reazione " + reaction.equation + " a " + slot_text(2) + "@uo@C è uguale a " +
           slot_text(1) + concentration_unit_suffix(reaction.delta_n) +
           " Calcolare il valore di @iK@, quello di @iK@@dp@ se le pressioni sono espresse in" +
           std::string(unit_name) + " e il valore di @iK@@dx@ se @iP@ = " + slot_text(5) + " atm";
    std::string unit_part;
    if (reaction.delta_n == 1.0f)
        unit_part = unit_name;
    else if (reaction.delta_n != 0.0f)
        unit_part = std::string(unit_name) + "@u" + reaction.exponent + "@";
    problem_texts.answer_text =
        "@iK@ = " + slot_text(3) + "; @iK@@dp@ = " + slot_text(4) + unit_part + "; @iK@@dx@ = " + slot_text(6);
    draw_problem_text(210, 570, 50);
    show_chemistry_fact(170, 150, 360);
}

}  // namespace equilibria
