// Small drawing steps the page furniture repeats: a rectangle filled or
// outlined in a given colour, and markup drawn from a string.
#pragma once

#include <cstdint>

#include "platform/graphics.h"

inline void fill_box(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    qw_set_color_rgb(colour);
    qw_rectangle(QwControl::filled, x1, y1, x2, y2);
}

inline void outline_box(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    qw_set_color_rgb(colour);
    qw_rectangle(QwControl::outline, x1, y1, x2, y2);
}

inline void fill_ellipse(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    qw_set_color_rgb(colour);
    qw_ellipse(QwControl::filled, x1, y1, x2, y2);
}

// The blue of the problem area's border, its rules and the index tab.
inline constexpr std::int32_t page_border_colour = qw_rgb(0, 74, 181);
// The light grey ground of the side panels.
inline constexpr std::int32_t panel_ground_colour = qw_rgb(239, 239, 239);
