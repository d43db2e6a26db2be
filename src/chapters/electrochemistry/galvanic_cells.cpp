// Section "Celle galvaniche": problems 5 and 6, on one table of cell
// reactions with their standard free energies.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/electrochemistry/electrochemistry_problems.h"
#include "chemistry/galvanic_cells.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace electrochemistry {
namespace {

// Rows 4 to 7 have no second ion: there hydrogen is at 1 atm and the
// second datum is the pH. The first ion's concentration is slot 2, the
// second's slot 3.
bool at_given_ph(std::int32_t v)
{
    return v >= 4;
}

// The natural logarithm of the quotient of row v's reaction from its two
// data (the second a pH on the hydrogen rows, [H+] = 10^-pH), reversed on
// direction 2; in double, as the digits the data leave are summed.
double log_quotient(std::int32_t v, std::int32_t direction, double c2, double c3)
{
    double quotient = 0.0;
    if (v <= 2)
        quotient = c3 / c2;
    else if (v == 3)
        quotient = c3 / (c2 * c2);
    else if (v == 5)
        quotient = c2 * c2 * std::pow(10.0, 2.0 * c3);
    else
        quotient = c2 * std::pow(10.0, 2.0 * c3);
    const double log_q = std::log(quotient);
    return direction == 2 ? -log_q : log_q;
}

// The Nernst term of a two-electron reaction, E = E° - nernst_term, from
// the quotient's natural logarithm.
double nernst_term(double log_q)
{
    return nernst_slope / (2.0 * natural_log_of_ten()) * log_q;
}

// What problems 5 and 6 share: the reaction (reversed on direction 2) in
// problem_text, the signed standard free energy in slot 1, the two data in
// slots 2 and 3; returns the direction. Every reaction is worked with two
// electrons.
std::int32_t pose_cell(std::int32_t v)
{
    const GalvanicCell& cell = galvanic_cells[v - 1];
    std::int32_t direction = random_int(1, 2);
    if (app_state.version_number == text_version) direction = 2;
    problem_texts.problem_text = std::string(cell.reaction);
    set_slot_text(1, cell.free_energy);
    if (direction == 2) {
        problem_texts.problem_text = reverse_reaction_text(problem_texts.problem_text);
        value_slots[1].value = -value_slots[1].value;
        convert_data_slot(1, slot_digits_from_uncertainty);
    }
    std::int32_t e = random_int(-4, -2);
    value_slots[2].value = random_real(1.0f, 9.9f) * power_of_ten(e);
    e = random_int(-4, -2);
    value_slots[3].value = random_real(1.0f, 9.9f) * power_of_ten(e);
    if (at_given_ph(v)) value_slots[3].value = random_real(3.0f, 6.0f);
    convert_data_slot(2, 3);
    convert_data_slot(3, 3);
    return direction;
}

// The cell potential from the standard free energy (kJ/mol) and the two data.
double cell_potential(std::int32_t v, std::int32_t direction, double free_energy, double c2, double c3)
{
    return -volts_per_kilojoule * free_energy - nernst_term(log_quotient(v, direction, c2, c3));
}

// " se [ion] = c M e [ion] = c M", or the pH, the first ion and the
// hydrogen pressure, each problem with its own words around the pH.
std::string concentrations_clause(std::int32_t v, std::string_view ph_lead, std::string_view ion_lead,
                                  std::string_view end)
{
    const GalvanicCell& cell = galvanic_cells[v - 1];
    if (!at_given_ph(v))
        return " se [" + std::string(cell.ion) + "] = " + slot_text(2) + " M e [" + std::string(cell.other_ion) +
               "] = " + slot_text(3) + " M" + std::string(end);
    return std::string(ph_lead) + slot_text(3) + std::string(ion_lead) + std::string(cell.ion) + "] = " + slot_text(2) +
           " M e @iP@(H@d2@) = 1 atm" + std::string(end);
}

}  // namespace

void generate_problem_5()
{
    skip_random_draws(8);
    const std::int32_t v = pick_problem_variant(7, electrochemistry_state.last_variant[5], 3);
    // Three digits, fewer where the data leave fewer (a potential near
    // zero); a potential they leave unknown is drawn again.
    draw_until_accepted([v] {
        const std::int32_t direction = pose_cell(v);
        set_slot_from_data(
            4, {1, 2, 3},
            [v, direction](const std::vector<double>& d) {
                return std::abs(cell_potential(v, direction, d[0], d[1], d[2]));
            },
            3);
        return !uncertainty_exceeds_value(4);
    });
    problem_texts.problem_text =
        "@T1@@C1@Calcolare la differenza di potenziale a 25@uo@C di una pila basata sulla reazione " +
        problem_texts.problem_text + " (@bD@@iG@@u0@ = " + slot_text(1) + " kJ/mol)" +
        concentrations_clause(v, " a pH ", " se [", "");
    problem_texts.answer_text = slot_text(4) + " V";
    draw_problem_text(220, 570, 50);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_6()
{
    skip_random_draws(3);
    const std::int32_t v = pick_problem_variant(7, electrochemistry_state.last_variant[6], 7);
    const std::int32_t direction = pose_cell(v);
    set_slot_digits(4, cell_potential(v, direction, slot_value(1), slot_value(2), slot_value(3)), 3);
    set_slot_uncertainty(11, std::abs(slot_value(4)), slot_uncertainty(4));
    // The standard potential and free energy from the potential and the data
    // shown, three digits or fewer where they leave fewer; the free energy
    // from the potential as shown.
    const float sign = slot_value(4) < 0.0f ? -1.0f : 1.0f;
    const auto standard_of = [v, direction, sign](const std::vector<double>& d) {
        return sign * d[0] + nernst_term(log_quotient(v, direction, d[1], d[2]));
    };
    set_slot_from_data(6, {11, 2, 3}, {11}, standard_of, 3);
    // ΔG° = -2F·ΔE°, three digits at most as the potential.
    set_slot_from_data(
        1, {11, 2, 3}, {11},
        [&standard_of](const std::vector<double>& d) {
            return -static_cast<double>(two_faraday_kilojoules_f) * standard_of(d);
        },
        3);
    // From the potential as rounded, with the three digits the book gives
    // the free energy.
    set_slot_digits(7, -two_faraday_kilojoules_f * slot_value(4), 3);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@A 25@uo@C la differenza di potenziale di una pila basata sulla reazione " + text + " è pari a " +
           slot_text(11) + " V" + concentrations_clause(v, " se il pH è ", ", [", ".") +
           " Determinare i corrispondenti valori di @bD@@iE@@u0@, @bD@@iG@@u0@ e @bD@@iG@";
    if (slot_value(7) > 0.0f) text += " sapendo che la reazione procede in senso inverso a quello scritto";
    problem_texts.answer_text = slot_text(6) + " V; " + slot_text(1) + " kJ/mol; " + slot_text(7) + " kJ/mol";
    draw_problem_text(170, 540, 50);
    show_chemistry_fact(280, 160, 300);
}

}  // namespace electrochemistry
