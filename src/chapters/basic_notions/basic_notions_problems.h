// The problem blocks of chapter 1 and what they keep between calls.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics.h"
#include "text/plot_geometry.h"

namespace basic_notions {

// What the chapter keeps from one call to the next: the previous variant of
// each problem that picks one (so that "Nessuna Versione" never repeats it),
// and what the graph problems draw again on the answer request.
struct BasicNotionsState {
    std::int32_t last_variant_5 = 0;
    std::int32_t last_variant_38 = 0;
    std::int32_t last_variant_40 = 0;
    std::int32_t last_variant_41 = 0;
    std::int32_t last_variant_42 = 0;
    std::int32_t last_variant_43 = 0;
    std::int32_t last_series_34 = 0;  // problem 34's first draw

    // Point series handed to the plotter, indexed from 1.
    std::array<float, 101> graph_x{};
    std::array<float, 101> graph_y{};
    std::int32_t graph_case = 0;
    float axis_top = 0.0f;  // problem 35's pressure axis
    float axis_step = 0.0f;
    // Slot values that the answer request plots from, indexed by slot.
    std::array<float, 13> kept_value{};
};
extern BasicNotionsState basic_notions_state;

// The chapter's files all read and write its block under this one name.
inline BasicNotionsState& state = basic_notions_state;

// The plotted graphs' colours.
constexpr std::int32_t red = 255;
constexpr std::int32_t blue = 16711680;

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
void generate_problem_41();
void generate_problem_42();
void generate_problem_43();

// The answer step of the blocks that do more than draw their answer box.
void answer_problem_28();
void answer_problem_32();
void answer_problem_33();
void answer_problem_34();
void answer_problem_35();
void answer_problem_36();
void answer_problem_37();
void answer_problem_38();
void answer_problem_39();
void answer_problem_40();
void answer_value_table_problem();  // problems 41 to 43

// --- Helpers shared by several sections -------------------------------------

// A unit as the statements show it and its factor to the problem's base unit.
struct UnitEntry {
    std::string_view code;
    float factor;
};
// Indexed from 1, as the draws pick them: pg to kg in grams, ps to ore in
// seconds.
extern const std::array<UnitEntry, 7> mass_units;
extern const std::array<UnitEntry, 8> time_units;

// Two different units among 1..count: both are drawn again while equal.
struct UnitPair {
    std::int32_t from;
    std::int32_t to;
};
UnitPair draw_unit_pair(std::int32_t count);

// trunc(1000 x) · 0.001: x cut toward zero to three decimals.
float truncate_to_thousandths(float x);
// trunc(1000 x) / 1000 in whole numbers: x cut to its whole part.
float truncate_to_whole(float x);

// Compound 1 to 4 (nitrogen to chlorine) or, half of the time, a noble
// gas (457 to 459).
std::int32_t draw_gas_compound();
// The value axis of problems 35 and 39: graph_case 1 reaches 1 in tenths,
// case 2 reaches 10 in units (axis_top, axis_step).
void draw_axis_case();
// Whether a first value lies above 0.8 of that axis: the data are drawn again.
bool beyond_axis(float value);

// Points 1..count of the series held in graph_x and graph_y from `first`.
std::span<const float> graph_x_from(std::int32_t first, std::int32_t count);
std::span<const float> graph_y_from(std::int32_t first, std::int32_t count);

// A table of five (x, y) rows under a header: x values from slots
// first_x.., y values from slots first_y.., origin (x0, y0).
struct TableHeader {
    std::int32_t x_label_x;
    std::string_view x_label;  // drawn at (x_label_x, y0)
    std::int32_t y_label_dx;
    std::string_view y_label;  // drawn at (x0 + y_label_dx, y0)
};
void draw_value_table_frame(std::int32_t x0, std::int32_t y0, const TableHeader& header);
// How far a table meant to start at table_top moves down to start below the
// last line of problem_text justified from (x_left, y) to x_right.
std::int32_t table_push_below_statement(std::int32_t x_left, std::int32_t x_right, std::int32_t y,
                                        std::int32_t table_top);
void draw_value_table_row(std::int32_t x0, std::int32_t y0, std::int32_t row, std::int32_t x_slot, std::int32_t y_slot);

// The expression (a1 op1 a2) ± (b1 op2 b2) of problems 4 and 11: draws its
// data into slots 3 to 6 (not converted) and returns the operations.
struct TwoTermExpression {
    std::int32_t op1 = 1;  // 1 ratio, 2 product
    std::int32_t op2 = 1;
};
TwoTermExpression draw_two_term_expression();
// "(" x3 "/"|"×" x4 ")" " + "|" - " " (" |x5| "/"|"×" x6 ")" appended to text,
// with |x5| in slot 7.
void append_two_term_expression(std::string& text, const TwoTermExpression& expression);
// The statement of problems 4 and 11: the opening justified in a box that
// grows to hold the expression below it, on a line of its own shift.y lower
// and shift.x from the opening's end, but never past the box's right edge.
void draw_statement_with_expression(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view opening,
                                    QwPoint shift, std::string_view expression);
// x3 / x4 or x3 · x4 (op1), and x5 / x6 or x6 · x5 (op2): a and b again.
float first_term_value(const TwoTermExpression& expression);
float second_term_value(const TwoTermExpression& expression);

}  // namespace basic_notions
