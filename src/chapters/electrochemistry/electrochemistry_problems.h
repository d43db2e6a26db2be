// The problem blocks of chapter 8, what they keep between calls and the
// electrochemical constants and helpers its sections share.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "numbers/electrochemical_constants.h"

// The previous variant of each problem that picks one, indexed by problem,
// so that "Nessuna Versione" never repeats it.
struct ElectrochemistryState {
    std::array<std::int32_t, 15> last_variant{};  // [0] unused
};
extern ElectrochemistryState electrochemistry_state;

namespace electrochemistry {

// ln 10 as ln 2 · log2 10, in single precision.
float natural_log_of_ten();
// log10 of a REAL, worked in double and rounded once.
float decimal_log(float x);

// "left = right" as "right = left": the text after the first "=" and its
// blank, " = ", then the text before the blank ahead of it. A text without
// "=" stays as it is.
std::string reverse_reaction_text(std::string_view reaction);

// The summed magnitudes of the data slots' relative uncertainties, as each
// slot's own conversion left them.
float summed_relative_uncertainty(std::initializer_list<std::int32_t> data);
// The computed answer in slot, with an uncertainty of |value| times the
// summed relative uncertainties of the data slots, as for a product or
// quotient of them; its digits follow from it.
// Not set_slot_from_data, which computes from the data as shown: these answers come from the data as drawn.
void set_slot_from_relative_uncertainties(std::int32_t slot, float value, std::initializer_list<std::int32_t> data);

// Two concentrations m·10^-e, the first with e in 2..first_exponent, the
// second in 2..9; on a coin toss the first becomes the second and a new
// first is drawn. Slots 1 and 2, three digits each.
void draw_concentration_pair(std::int32_t first_exponent);

// Problem 9's reaction, drawn with its direction until log K lies in
// -40..30 and the potentials shown leave K less uncertain than itself: the
// row of the cell reaction table, the direction (2 reversed) and the rounds
// it took. Slots 1 and 2 hold the couples' standard potentials, 4 the
// reaction's, 6 its log K and 5 K with its digits.
struct ShowableReaction {
    std::int32_t row = 0;
    std::int32_t choice = 0;
    std::int32_t attempts = 0;
};
ShowableReaction draw_reaction_with_showable_constant();

// Each block's generate step: draws the data, composes problem_text and
// answer_text and draws the statement with what goes beside it.
void generate_problem_1();
void generate_problem_2();
void generate_problem_3();
void generate_problem_4();
void generate_problem_5();
void generate_problem_6();
void generate_problem_7();
void generate_problem_8();
void generate_problem_9();
void generate_problem_10();
void generate_problem_11();
void generate_problem_12();
void generate_problem_13();
void generate_problem_14();

// Resistivity at room temperature in 10^-8 ohm·m, as text: its digits are
// the datum's significant digits.
struct Resistivity {
    std::string_view symbol;
    std::string_view resistivity;
};

extern const std::array<Resistivity, 14> resistivity_table;

}  // namespace electrochemistry
