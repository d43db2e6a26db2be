// The text layer: markup text and its renderer, justified text, fonts and
// colours, the drawing kit, the graph plotter, buttons and message dialogs.
//
// The program's in-band text markup: "@<letter><argument>@" codes inside
// plain UTF-8 text, as in "H@d2@SO@d4@" or "@T4@@C6@Problema".
//
//   T n  font n of the FontTable        t opt  platform font option "t"+opt
//   C n  colour n of the ColourTable    c hex  direct colour 0xBBGGRR
//   s n  fixed pitch of n pixels (0 = proportional)
//   X n, Y n  pen to n;  x n, y n  pen moved by n
//   r    filled rectangle: 6 hex colour, 3-digit width, 3-digit height
//   L    red strokes: 1-digit count, 2-digit length, 3-character angle
//   d, u, i, b  subscript, superscript ("@u-@" a raised minus), italic,
//               Greek; each ends back in font 1
//
// Unknown letters and "@@" vanish; an at sign with no closing one is text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/graphics.h"

// Longest text the renderer draws; anything beyond, also after a d, u, i or
// b code has been expanded, is not drawn.
inline constexpr std::size_t markup_text_limit = 1000;

// The pen of a markup text: where its next piece goes, and the fixed pitch
// (0: proportional) that an s code set.
struct MarkupPen {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t fixed_pitch = 0;
};

// Draws text with its first piece's top-left corner at (x, y) and returns
// the final pen y. Afterwards the platform's current position stands at the
// end of the last piece drawn, so drawing off-page measures a text.
float draw_markup_text(std::int32_t x, std::int32_t y, std::string_view text);

// Draws text at (x, y), normally off the page, and returns where the
// platform's current position ends up: its x less x is the text's width.
// A text that draws no character measures 0 wide.
QwPoint measure_markup_text(std::int32_t x, std::int32_t y, std::string_view text);

// The width of text drawn on one line, measured off the page.
std::int32_t markup_line_width(std::string_view text);

// The columns from the left of a text's leftmost piece to the right of its
// rightmost, drawn from x = 0; last < first when it draws no character.
struct MarkupColumns {
    std::int32_t first = 0, last = -1;
};
MarkupColumns markup_columns(std::string_view text);

// The first `count` UTF-8 characters of text (all of it when shorter).
std::string_view first_characters(std::string_view text, std::size_t count);
