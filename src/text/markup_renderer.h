// The renderer behind draw_markup_text, for the text engine's own layout
// routines: it can lay a text out without drawing it.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/graphics.h"
#include "text/justified_text.h"
#include "text/line_ink.h"

enum class MarkupPass {
    draw,     // draw the text
    measure,  // only move the current position to where drawing would leave it
};

// Renders text from the pen and gives the pen afterwards.
MarkupPen render_markup(MarkupPen pen, std::string_view text, MarkupPass pass);

// The ink of the letters that text rendered from the pen would set, found
// without drawing them; fonts, colours and position are left as a measure
// pass leaves them.
LineInk markup_ink(MarkupPen pen, std::string_view text);

// A pass that also widens rows (page rows) to those of its letters' ink:
// whether a line can meet another, for the cost of measuring or drawing it.
MarkupPen render_markup_rows(MarkupPen pen, std::string_view text, MarkupPass pass, QwInkColumn& rows);

// Draws or measures a justified paragraph (see draw_justified_text) and
// returns the platform's current position afterwards. Passes over the same
// text can share one memo.
QwPoint lay_out_paragraph(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                          MarkupPass pass, LineMemo& memo);

// The width of the widest piece of a paragraph that no line break parts
// (equations taken as breakable): a narrower box makes a piece overflow.
std::int32_t widest_unbreakable_piece(std::string_view text, LineMemo& memo);
