// Paragraphs of markup text, wrapped between two x limits where line_breaks
// allows and fully justified, 16 pixels per line; the last line, and a line
// holding a single piece, are ragged. A first piece wider than the limits
// takes the rest of the paragraph on its line.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/graphics.h"

// Draws text with its first line at y and returns where the paragraph
// ends: y the top of its last line, x the end of that line.
QwPoint draw_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text);

// Lays the paragraph out as draw_justified_text would, without drawing it,
// and returns where the platform's current position then stands (as after
// drawing it): y the top of the last line, x the end of that line.
QwPoint measure_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text);
