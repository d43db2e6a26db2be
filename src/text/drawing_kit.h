// The frames every problem is drawn in: the statement box with its header
// band and level dots, the yellow answer box, the grey panel of viewers and
// simulations, and the yellow hint balloon placed on figures.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/graphics.h"

// Statement box: text justified between x_left and x_right from y, in a
// shadowed box that grows with the text, with heading ("Problema 3.12") and
// level_dots green dots in its band.
void draw_statement_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                        std::string_view heading, std::int32_t level_dots);

// The same frame around a box from y to y_bottom that the caller fills; text
// (often empty) is drawn as one markup line at (x_left, y).
void draw_statement_frame_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::int32_t y_bottom,
                              std::string_view text, std::string_view heading, std::int32_t level_dots);

// The same frame around text whose last row is text_bottom, with a foot
// below it: only foot.x wide, down to row foot.y, for a table under the text
// that leaves the page beside it free.
void draw_statement_frame_with_foot(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::int32_t text_bottom,
                                    QwPoint foot, std::string_view heading, std::int32_t level_dots);

// Answer box: a red "R: " and text, justified from y, in a yellow box that
// ends just after a one-line answer. Returns how far the box moved from its
// own place to keep clear of the page.
QwPoint draw_answer_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text);

// Grey panel with a blue inner border.
void draw_panel(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// Yellow balloon at (x, y), 55 by 30 pixels, labelled with the first 8
// characters of label.
void draw_hint_balloon(std::int32_t x, std::int32_t y, std::string_view label);
