// The problem blocks of chapter 2, what they keep between calls and the
// small element helpers its sections share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "chemistry/lewis_structures.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"

// What the chapter keeps from one call to the next. last_draw holds, per
// problem, the variant, element or record of its previous visit, which
// "Nessuna Versione" never repeats; the rest is what the answer request draws again.
struct ElementsCompoundsState {
    std::array<std::int32_t, 41> last_draw{};  // indexed by problem, [0] unused
    std::int32_t located_element = 0;          // problem 10's element, highlighted by its answer
    std::int32_t odd_element = 0;              // problem 16's odd one out, likewise
    std::int32_t truth = 0;                    // verdict of the true-or-false problems
    std::string lewis_key;                     // formula + ";" of the last Lewis problem
    std::int32_t lewis_x = 0;
    std::int32_t lewis_y = 0;
};
extern ElementsCompoundsState elements_compounds_state;

namespace elements_compounds {

// --- Element helpers ----------------------------------------------------

// The first element among 1 to 100 whose symbol is the two-character text
// (a one-letter symbol with or without its blank); 0 when none is.
std::int32_t element_of_symbol(std::string_view symbol);
// A formula's count digit as a subscript; none for 1.
std::string count_subscript(char count);

// --- Draws --------------------------------------------------------------

// Under "Nessuna Versione" a visit never poses what the problem's previous
// visit posed.
inline bool repeats_last_draw(std::int32_t problem, std::int32_t draw)
{
    return app_state.version_number == no_version && draw == elements_compounds_state.last_draw[problem];
}

// Draws until the result does not repeat the previous visit, and keeps it.
template <typename Draw>
std::int32_t draw_without_repeat(std::int32_t problem, Draw draw)
{
    std::int32_t result = 0;
    do result = draw();
    while (repeats_last_draw(problem, result));
    elements_compounds_state.last_draw[problem] = result;
    return result;
}

// Draws made only to keep every version's data in place: n of random_int (1, 2).
void discard_coin_tosses(std::int32_t n);

// --- Frames -------------------------------------------------------------

// "Stabilire se l'affermazione ... è vera o falsa" around a statement of
// group 2 of that type; keeps the verdict and answers "Vera" or "Falsa".
void pose_true_false_statement(std::int32_t type);

// --- Each block's statement (generate) --------------------------------

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
void generate_problem_15();
void generate_problem_16();
void generate_problem_17();
void generate_problem_18();
void generate_problem_19();
void generate_problem_20();
void generate_problem_21();
void generate_problem_22();
void generate_problem_23();
void generate_problem_24();
void generate_problem_25();
void generate_problem_26();
void generate_problem_27();
void generate_problem_28();
void generate_problem_29();
void generate_problem_30();
void generate_problem_31();
void generate_problem_32();
void generate_problem_33();
void generate_problem_34();
void generate_problem_35();
void generate_problem_36();
void generate_problem_37();
void generate_problem_38();
void generate_problem_39();
void generate_problem_40();

// --- Answers that draw more than the answer box -------------------------

// The periodic table with symbols and the answer element highlighted.
void answer_problem_10();
void answer_problem_16();
// The answer box, each antibonding star beside its Greek letter.
void answer_problem_20();
// The answer box, then the Lewis structure that the generate request chose, moved
// with the box where the box had to move.
template <std::int32_t XLeft, std::int32_t XRight, std::int32_t Y>
void answer_with_lewis_structure()
{
    const QwPoint shift = draw_answer_text(XLeft, XRight, Y);
    const ElementsCompoundsState& state = elements_compounds_state;
    draw_lewis_structure(state.lewis_key, state.lewis_x + shift.x, state.lewis_y + shift.y);
}

}  // namespace elements_compounds
