// The problem blocks of chapter 3, what they keep between calls and the
// helpers its sections share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/generator_kit.h"
#include "frame/statement_equation.h"

// What the chapter keeps from one call to the next. last_draw holds, per
// problem, the element, compound, set, reaction or variant of its previous
// visit, which "Nessuna Versione" never repeats; problems 17 and 18 share
// entry 17, 19 and 20 entry 19, 32 and 33 entry 32.
struct StoichiometryState {
    std::array<std::int32_t, 34> last_draw{};  // indexed by problem, [0] unused
    std::int32_t last_halogen = 0;             // problem 14 keeps its salt class in last_draw
};
extern StoichiometryState stoichiometry_state;

namespace stoichiometry {

// --- Draws --------------------------------------------------------------

// Under "Nessuna Versione" a visit never poses what the previous visit that
// kept this memory posed.
inline bool repeats_last_draw(std::int32_t memory, std::int32_t draw)
{
    return repeats_last_pick(draw, stoichiometry_state.last_draw[memory]);
}

// Reaction 75 of the table, 2N2 + O2 = 2N2O, never takes place
// (nitrous oxide lies far above its elements in free energy): the problems
// that pose a reaction as taking place never draw it.
inline bool occurs_as_written(std::int32_t reaction)
{
    return reaction != 75;
}

// --- Compounds ----------------------------------------------------------

// A filled compound record (its composition column is not blank), and one
// that is not an element.
bool is_filled_compound(std::int32_t k);
bool is_drawable_compound(std::int32_t k);
// The number of groups of compound k's composition, group g itself
// ("Ca01"), its count and the element of its symbol (0 when none has it).
std::int32_t composition_groups(std::int32_t k);
std::string composition_group(std::int32_t k, std::int32_t g);
std::int32_t group_count(std::int32_t k, std::int32_t g);
std::int32_t group_element(std::int32_t k, std::int32_t g);

// --- Texts --------------------------------------------------------------

// text without trailing blanks, one blank, then piece without the blanks
// around it: an equation that begins with blanks follows a text ending in
// one with a single blank between them.
void append_after_one_blank(std::string& text, std::string_view piece);

// --- Data ---------------------------------------------------------------

// Grams from 0.01 to 999 into the slot, with 3 or 4 digits drawn after them.
void draw_grams(std::int32_t slot);

// --- Each block's statement (generate) ----------------------------------

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

// An equation as it fits a statement box room pixels wide: one line, or two
// split at the blank before the "+" or "=" that leaves the longer line
// shortest (one line still when no split fits).
std::vector<std::string> equation_lines(std::string_view equation, std::int32_t room);
// Draws the lines from row y, 16 pixels apart, each centred in the statement
// column but kept between its left edge and x_right.
void draw_equation_lines(const std::vector<std::string>& lines, std::int32_t x_right, std::int32_t y);

}  // namespace stoichiometry
