// The frame's kit for chapter generators: the variant draw that follows the
// version in use, and the statement and answer frames of the current problem.
// The numbers-only helpers come with it.
#pragma once

#include <cstdint>
#include <string_view>

#include "numbers/value_kit.h"
#include "platform/graphics.h"

// Draws a variant 1..nmax. Under "Nessuna Versione" it redraws while the
// draw repeats last_variant; under "Versione Testo" a nonzero
// textbook_variant replaces the draw (which still advances the stream).
// Stores the result in last_variant and returns it.
std::int32_t pick_problem_variant(std::int32_t nmax, std::int32_t& last_variant, std::int32_t textbook_variant);

// --- Frames -----------------------------------------------------------------

// The statement boxes of the drawing kit, headed "Problema <chapter>.<problem>"
// for the problem on the page.
void draw_problem_statement(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                            std::int32_t level_dots);
void draw_problem_statement_in_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::int32_t y_bottom,
                                   std::string_view text, std::int32_t level_dots);

// problem_level of the selected problem: the statement frames' level dots.
std::int32_t selected_problem_level();

// problem_text in the statement box.
void draw_problem_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y);

// An empty statement frame from y to y_bottom with problem_text justified
// inside it: the layout of problems that draw a table below their text.
// With foot_right, the frame is that narrow below the text, leaving the page
// beside the table free for a figure.
void draw_problem_text_framed(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::int32_t y_bottom,
                              std::int32_t foot_right = 0);

// answer_text in the answer box; returns how far the box moved from its place.
QwPoint draw_answer_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y);

// A request-2 handler that only draws the answer box at a fixed place.
template <std::int32_t XLeft, std::int32_t XRight, std::int32_t Y>
void answer_box_at()
{
    draw_answer_text(XLeft, XRight, Y);
}
