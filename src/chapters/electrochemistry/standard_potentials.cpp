// Section "Potenziali standard", problems 7 to 10: a half-reaction's
// standard potential, the direction and the equilibrium constant of a redox
// reaction, and a concentration cell.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "chapters/electrochemistry/electrochemistry_problems.h"
#include "chemistry/standard_potentials.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"
#include "text/drawing_kit.h"

namespace electrochemistry {
namespace {

// Problem 7's electrodes; on rows 7 and 8 the reduced ion is in solution too.
constexpr std::array<const StandardPotential*, 8> electrode_potential_table{
    potential_row("Cu@u2+@ + 2e = Cu"),     potential_row("Pb@u2+@ + 2e = Pb"),      potential_row("Ag@u+@ + e = Ag"),
    potential_row("Sn@u2+@ + 2e = Sn"),     potential_row("Au@u3+@ + 3e = Au"),      potential_row("Pt@u2+@ + 2e = Pt"),
    potential_row("Fe@u3+@ + e = Fe@u2+@"), potential_row("Sn@u4+@ + 2e = Sn@u2+@"),
};

// The couples of the cell reactions; row 7 is the hydrogen electrode, the
// only one at zero.
constexpr std::array<const StandardPotential*, 8> standard_half_reaction_table{
    potential_row("Cu@u2+@ + 2e = Cu"),   potential_row("Pb@u2+@ + 2e = Pb"),      potential_row("Ag@u+@ + e = Ag"),
    potential_row("Sn@u2+@ + 2e = Sn"),   potential_row("Au@u3+@ + 3e = Au"),      potential_row("Pt@u2+@ + 2e = Pt"),
    potential_row("2H@u+@ + 2e = H@d2@"), potential_row("Sn@u4+@ + 2e = Sn@u2+@"),
};

// A reaction as written with the rows of standard_half_reaction_table of
// the couple reduced and of the couple oxidised, and the electrons it
// exchanges.
struct CellReaction {
    std::string_view reaction;
    std::int32_t reduced;
    std::int32_t oxidised;
    std::int32_t electrons;
};

constexpr std::array<CellReaction, 18> cell_reaction_table{{
    {"Cu@u2+@ + Sn@u2+@ = Cu + Sn@u4+@", 1, 8, 2},
    {"Cu@u2+@ + Sn = Cu + Sn@u2+@", 1, 4, 2},
    {"Cu@u2+@ + 2Ag = Cu + 2Ag@u+@", 1, 3, 2},
    {"Cu@u2+@ + Pb = Cu + Pb@u2+@", 1, 2, 2},
    {"Cu@u2+@ + H@d2@ = Cu + 2H@u+@", 1, 7, 2},
    {"3Pt@u2+@ + 2Au = 3Pt + 2Au@u3+@", 6, 5, 6},
    {"2Ag@u+@ + H@d2@ = 2Ag + 2H@u+@", 3, 7, 2},
    {"3Ag@u+@ + Au = 3Ag + Au@u3+@", 3, 5, 3},
    {"2Ag@u+@ + Pt = 2Ag + Pt@u2+@", 3, 6, 2},
    {"2Ag@u+@ + Sn@u2+@ = 2Ag + Sn@u4+@", 3, 8, 2},
    {"2H@u+@ + Pb = H@d2@ + Pb@u2+@", 7, 2, 2},
    {"2H@u+@ + Sn = H@d2@ + Sn@u2+@", 7, 4, 2},
    {"2H@u+@ + Pt = H@d2@ + Pt@u2+@", 7, 6, 2},
    {"2H@u+@ + Sn@u2+@ = H@d2@ + Sn@u4+@", 7, 8, 2},
    {"Pb@u2+@ + Sn = Pb + Sn@u2+@", 2, 4, 2},
    {"Pb@u2+@ + Pt = Pb + Pt@u2+@", 2, 6, 2},
    {"Pb@u2+@ + Sn@u2+@ = Pb + Sn@u4+@", 2, 8, 2},
    {"Sn@u2+@ + Pt = Sn + Pt@u2+@", 4, 6, 2},
}};

// The half-reactions of a cell reaction's two couples, with their standard
// potentials in slots 1 (reduced) and 2 (oxidised).
void set_couple_potentials(const CellReaction& cell)
{
    set_slot_text(1, standard_half_reaction_table[cell.reduced - 1]->potential);
    set_slot_text(2, standard_half_reaction_table[cell.oxidised - 1]->potential);
}

// "... semireazione H = E V" for a hydrogen row, which never states the
// hydrogen electrode, or both couples in an order drawn on a coin toss.
// The leads are the problem's own words.
struct CoupleWords {
    std::string_view one;        // before the single half-reaction
    std::string_view one_value;  // between it and its potential
    std::string_view one_end;
    std::string_view two;         // before the first of two
    std::string_view two_values;  // between the second and the first potential
    std::string_view two_end;
};

std::string couples_statement(const CellReaction& cell, const CoupleWords& words)
{
    if (slot_value(1) * slot_value(2) == 0.0f) {
        const bool oxidised = slot_value(1) == 0.0f;
        const std::int32_t k = oxidised ? cell.oxidised : cell.reduced;
        return std::string(words.one) + std::string(standard_half_reaction_table[k - 1]->half_reaction) +
               std::string(words.one_value) + slot_text(oxidised ? 2 : 1) + std::string(words.one_end);
    }
    std::int32_t first = 1;
    std::int32_t second = 2;
    if (random_int(1, 2) == 1) std::swap(first, second);
    const auto couple = [&cell](std::int32_t slot) {
        return std::string(standard_half_reaction_table[(slot == 1 ? cell.reduced : cell.oxidised) - 1]->half_reaction);
    };
    return std::string(words.two) + couple(first) + " e " + couple(second) + std::string(words.two_values) +
           slot_text(first) + " V e " + slot_text(second) + std::string(words.two_end);
}

// Slot 4 the standard potential of the reaction as stated, slot 6 its log K,
// slot 5 K itself: whether K is of a size that can be shown, and known from
// the potentials shown.
bool showable_constant(const ShowableReaction& drawn)
{
    float standard = slot_value(1) - slot_value(2);
    if (drawn.choice == 2) standard = -standard;
    value_slots[4].value = standard;
    const CellReaction& cell = cell_reaction_table[drawn.row - 1];
    const auto n = static_cast<float>(cell.electrons);
    value_slots[6].value = n * slot_value(4) * inverse_nernst_slope_f;
    if (slot_value(6) < -40.0f || slot_value(6) > 30.0f) return false;
    // K = 10^(n·E°/0.0592) from the potentials shown, with the digits they
    // leave (a hundredth of a volt moves log K by 0.17 an electron); the
    // hydrogen electrode, never stated, is exactly zero.
    const double sign = drawn.choice == 2 ? -1.0 : 1.0;
    const double electrons = cell.electrons;
    set_slot_from_data(5, {1, 2}, [sign, electrons](const std::vector<double>& e) {
        return std::pow(10.0, sign * electrons * (e[0] - e[1]) / static_cast<double>(nernst_slope_f));
    });
    return !uncertainty_exceeds_value(5);
}

// The reaction as written, or reversed on choice 2.
std::string stated_reaction(const CellReaction& cell, std::int32_t choice)
{
    return choice == 2 ? reverse_reaction_text(cell.reaction) : std::string(cell.reaction);
}

}  // namespace

ShowableReaction draw_reaction_with_showable_constant()
{
    std::int32_t& last = electrochemistry_state.last_variant[9];
    ShowableReaction drawn;
    drawn.attempts = draw_until_accepted([&] {
        do drawn.row = random_int(1, 18);
        while (app_state.version_number == no_version && drawn.row == last);
        if (app_state.version_number == text_version) drawn.row = 7;
        set_couple_potentials(cell_reaction_table[drawn.row - 1]);
        drawn.choice = random_int(1, 2);
        return showable_constant(drawn);
    });
    last = drawn.row;
    return drawn;
}

void generate_problem_7()
{
    skip_random_draws(3);
    const std::int32_t v = pick_problem_variant(8, electrochemistry_state.last_variant[7], 7);
    const StandardPotential& electrode = *electrode_potential_table[v - 1];
    set_slot_text(1, electrode.potential);
    std::int32_t e = random_int(-4, -3);
    set_slot_digits(2, random_real(1.0f, 9.9f) * power_of_ten(e), 3);
    // The reduced ion of rows 7 and 8, drawn for every row.
    e = random_int(-3, -2);
    set_slot_digits(5, random_real(1.0f, 9.9f) * power_of_ten(e), 3);
    const bool two_ions = v >= 7;
    const float n = static_cast<float>(electrode.electrons);
    const auto nernst_term = [&] {
        return nernst_slope_f / n * decimal_log(two_ions ? slot_value(2) / slot_value(5) : slot_value(2));
    };
    set_slot_digits(3, slot_value(1) + nernst_term(), 3);
    set_slot_uncertainty(11, std::abs(slot_value(3)), slot_uncertainty(3));
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Calcolare il valore di @iE@@u0@ per la semireazione " + std::string(electrode.half_reaction) +
           " sapendo che a 25@uo@C il potenziale di un elettrodo basato su di essa con [" + std::string(electrode.ion) +
           "] = " + slot_text(2) + " M";
    if (v == 7) text += " e [Fe@u2+@] = " + slot_text(5) + " M";
    if (v == 8) text += " e [Sn@u2+@] = " + slot_text(5) + " M";
    text += " è di " + slot_text(11) + " V" + (slot_value(3) >= 0.0f ? " maggiore" : " minore") +
            " di quello dell'elettrodo standard ad idrogeno";
    // Back from the electrode potential as shown.
    set_slot_digits(4, slot_value(3) - nernst_term(), 3);
    problem_texts.answer_text = slot_text(4) + " V ";
    draw_problem_text(200, 570, 50);
    show_chemistry_fact(180, 160, 280);
}

void generate_problem_8()
{
    skip_random_draws(3);
    const std::int32_t v = pick_problem_variant(18, electrochemistry_state.last_variant[8], 15);
    const CellReaction& cell = cell_reaction_table[v - 1];
    set_couple_potentials(cell);
    std::int32_t e = random_int(2, 4);
    if (random_int(1, 2) == 2) e = -e;
    set_slot_digits(3, power_of_ten(e), 3);
    const std::int32_t choice = random_int(1, 2);
    if (slot_value(1) * slot_value(2) == 0.0f) {
        e = random_int(4, 12);
        if (v == 5 || v == 7) e = -e;
        if (choice == 2) e = -e;
        set_slot_digits(3, power_of_ten(e), 3);
    }
    static constexpr CoupleWords words = {"@T1@@C1@Il valore di @iE@@u0@ per la semireazione ",
                                          " è uguale a ",
                                          " V. Determinare in quale",
                                          "@T1@@C1@I valori di @iE@@u0@ per le semireazioni ",
                                          " sono rispettivamente uguali a ",
                                          " V. Determinare in quale"};
    problem_texts.problem_text = couples_statement(cell, words) + " direzione avviene la reazione " +
                                 stated_reaction(cell, choice) +
                                 " in un sistema in cui @iQ@@dr@ = 1 e in uno in cui @iQ@@dr@ = " + slot_text(3);
    float standard = slot_value(1) - slot_value(2);
    if (choice == 2) standard = -standard;
    value_slots[4].value = standard;
    value_slots[5].value = nernst_slope_f / static_cast<float>(cell.electrons) * decimal_log(slot_value(3));
    value_slots[6].value = slot_value(4) - slot_value(5);
    problem_texts.answer_text = std::string(slot_value(4) > 0.0f ? "Verso destra;" : "Verso sinistra;") +
                                (slot_value(6) > 0.0f ? " verso destra" : " verso sinistra");
    draw_problem_text(170, 560, 50);
    show_chemistry_fact(280, 160, 300);
    draw_hint_balloon(180, 140, "Dic. 05");
}

void generate_problem_9()
{
    skip_random_draws(3);
    const ShowableReaction drawn = draw_reaction_with_showable_constant();
    const CellReaction& cell = cell_reaction_table[drawn.row - 1];
    static constexpr CoupleWords words = {"@T1@@C1@Per la semireazione ",
                                          ", @iE@@u0@ = ",
                                          " V.",
                                          "@T1@@C1@Per le semireazioni ",
                                          ", i valori di @iE@@u0@ sono rispettivamente uguali a ",
                                          " V."};
    problem_texts.problem_text = couples_statement(cell, words) +
                                 " Calcolare la costante di equilibrio della reazione " +
                                 stated_reaction(cell, drawn.choice);
    problem_texts.answer_text = slot_text(5);
    draw_problem_text(200, 560, 50);
    show_chemistry_fact(170, 150, 280);
    draw_hint_balloon(520, 130, "Dic. 05");
}

void generate_problem_10()
{
    skip_random_draws(1);
    const std::int32_t v = pick_problem_variant(8, electrochemistry_state.last_variant[10], 1);
    const StandardPotential& electrode = *concentration_cell_electrodes[v - 1];
    // Three digits, fewer where the two concentrations are close; a
    // potential they leave unknown is drawn again.
    const double n = electrode.electrons;
    draw_until_accepted([n] {
        draw_concentration_pair(5);
        set_slot_from_data(
            3, {1, 2},
            [n](const std::vector<double>& c) {
                return static_cast<double>(nernst_slope_f) / n * std::abs(std::log10(c[0] / c[1]));
            },
            3);
        return !uncertainty_exceeds_value(3);
    });
    problem_texts.problem_text =
        "@T1@@C1@Calcolare la differenza di potenziale a 25@uo@C di una pila costituita da due elettrodi " +
        a_before(electrode.metal) + " " + std::string(electrode.metal) + " in cui [" + std::string(electrode.ion) +
        "] è pari a " + slot_text(1) + " M e " + slot_text(2) + " M";
    problem_texts.answer_text = slot_text(3) + " V ";
    draw_problem_text(170, 520, 50);
    show_chemistry_fact(280, 160, 300);
}

}  // namespace electrochemistry
