// The problem blocks of chapter 5, what they keep between calls and the
// helpers and tables that its sections share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "chapters/solutions/solutions_tables.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"

namespace solutions {

// The last pick of each problem that picks a variant, an entry or a record,
// which "Nessuna Versione" never repeats. Problems 3 and 8, 9 and 21, 12 and
// 14 pick from the same list and share one memory.
struct SolutionsState {
    std::array<std::int32_t, 38> last_pick{};  // by problem, [0] unused
};
extern SolutionsState solutions_state;

// The memory of problem k (the shared one where two problems share it).
std::int32_t& last_pick(std::int32_t k);

// --- Compounds --------------------------------------------------------------

// The first element of compound k's composition: its symbol (trimmed) and
// count; the symbol of the second element.
std::string first_symbol(std::int32_t k);
std::int32_t first_count(std::int32_t k);
std::string second_symbol(std::int32_t k);
// The compound's name as the statements take it: columns 1-30, trimmed.
std::string short_compound_name(std::int32_t k);

// --- Data ------------------------------------------------------------------

// draw() until its result does not repeat last_pick under "Nessuna Versione".
template <typename Draw>
std::int32_t draw_unrepeated(std::int32_t last_pick, Draw draw)
{
    std::int32_t pick = 0;
    draw_until_accepted([&] {
        pick = draw();
        return !repeats_last_pick(pick, last_pick);
    });
    return pick;
}

// Formats slot n with 2 digits below 100 and with 3 from 100 on (a value
// that rounds up to 100 with 2 digits gets 3).
void set_two_or_three_digits(std::int32_t slot);

// A stock concentration: 0.01 to 0.2, or half of the time 0.2 to 1.5, kept
// under the solute's saturated concentration, in the same unit.
float draw_stock_concentration(float saturated);

// --- Equations --------------------------------------------------------------

// Cuts the first " + " + species out of an equation text where it stands
// whole (a blank or the end follows it, so water is never cut out of
// hydrogen peroxide). Returns whether it did.
bool cut_species(std::string& equation, std::string_view species);
// Molar mass of the first compound whose formula is the species text, 0 for
// none.
float species_molar_mass(std::string_view species);

// --- Each block's statement (generate) --------------------------------------

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

}  // namespace solutions
