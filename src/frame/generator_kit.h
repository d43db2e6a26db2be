// The frame's kit for chapter generators: the variant draw that follows the
// version in use, and the statement and answer frames of the current problem.
// The numbers-only helpers come with it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

#include "numbers/value_kit.h"
#include "platform/graphics.h"

// Draws a variant 1..nmax. Under "Nessuna Versione" it redraws while the
// draw repeats last_variant; under "Versione Testo" a nonzero
// textbook_variant replaces the draw (which still advances the stream).
// Stores the result in last_variant and returns it.
std::int32_t pick_problem_variant(std::int32_t nmax, std::int32_t& last_variant, std::int32_t textbook_variant);
// The same over a list from which the members left_out (ascending, never the
// textbook's) were taken since: a draw that lands on one is drawn again, so
// that every other page keeps its member. Returns the member's place among
// those kept, 1 to nmax - left_out.size().
std::int32_t pick_kept_variant(std::int32_t nmax, std::int32_t& last_variant, std::int32_t textbook_variant,
                               std::span<const std::int32_t> left_out);

// --- Redraws ---------------------------------------------------------------

// Every "draw until accepted" loop stops after this many draws even when
// none was accepted: then the last draw is kept and the page shows it, so a
// stream that the data keep from ever accepting cannot hang the page; the
// record counts it, and the page sweeps fail on it. Most loops accept
// within a hundred draws; the few whose chance of accepting shrinks with a
// drawn limit have needed tens of thousands, never this many.
inline constexpr std::int32_t redraw_cap = 1000000;

// The most draws any loop has needed since it was last cleared, which the
// tests watch stay far below redraw_cap, and the loops that ended at the cap
// on a draw they rejected.
struct RedrawRecord {
    std::int32_t most_draws = 0;
    std::int32_t rejected_kept = 0;
};
extern RedrawRecord redraw_record;

// Runs draw (true when it accepts what it drew) until it accepts, at most
// redraw_cap times; returns the number of draws.
template <typename Draw>
std::int32_t draw_until_accepted(Draw draw)
{
    std::int32_t draws = 1;
    bool accepted = draw();
    for (; !accepted && draws < redraw_cap; ++draws) accepted = draw();
    redraw_record.most_draws = std::max(redraw_record.most_draws, draws);
    if (!accepted) ++redraw_record.rejected_kept;
    return draws;
}

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
