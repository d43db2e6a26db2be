// Statements that show an equation on a line of its own: the problem text
// justified in a statement box of fixed size, the equation centred under it
// in the statement column, and the answer box of such problems. Chapters 5
// and 6 and later ones share it.
#pragma once

#include <cstdint>
#include <string_view>

// The x from which a one-line markup text stands centred in the statement
// column from 160 to 580 (halving truncates toward zero).
std::int32_t centred_line_x(std::string_view text);

// The statement frame from y_top to y_bottom with no text of its own, and
// problem_text (without its trailing blanks) justified inside it from y_top.
void draw_problem_text_in_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y_top, std::int32_t y_bottom);

// Draws the equation centred at y, then appends it (trimmed) to problem_text
// after one blank, so that an export of the problem carries it.
void draw_centred_equation(std::string_view equation, std::int32_t y);

// draw_problem_text_in_box, then the equation centred on a line of its own
// under the text: at equation_y, or lower where the text reaches that far,
// the box's foot lowered as much.
void draw_problem_text_and_equation(std::int32_t x_left, std::int32_t x_right, std::int32_t y_top,
                                    std::int32_t y_bottom, std::string_view equation, std::int32_t equation_y);

// answer_text with its leading blanks dropped, in the answer box.
void draw_left_adjusted_answer(std::int32_t x_left, std::int32_t x_right, std::int32_t y);

template <std::int32_t XLeft, std::int32_t XRight, std::int32_t Y>
void left_adjusted_answer_at()
{
    draw_left_adjusted_answer(XLeft, XRight, Y);
}

// Whether a pick must be drawn again: under "Nessuna Versione" a problem
// never repeats the pick of its previous visit.
bool repeats_last_pick(std::int32_t pick, std::int32_t last_pick);
