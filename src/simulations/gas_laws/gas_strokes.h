// Lines and polylines in a given colour, as the apparatus draws its glass.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "platform/graphics.h"

inline void stroke(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    qw_set_color_rgb(colour);
    qw_move_to(x1, y1);
    qw_line_to(x2, y2);
}

inline void polyline(std::int32_t colour, std::initializer_list<QwPoint> points)
{
    qw_set_color_rgb(colour);
    qw_move_to(points.begin()->x, points.begin()->y);
    for (const QwPoint& p : points) qw_line_to(p.x, p.y);
}
