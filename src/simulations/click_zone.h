// Click rectangles of the simulation screens. The simulations draw their
// buttons without registering them and test fixed rectangles of their own,
// open on all sides, so a click on a button's rounded ends does nothing.
#pragma once

#include <cstdint>

#include "platform/mouse.h"

inline bool inside_zone(std::int32_t x, std::int32_t y, std::int32_t x1, std::int32_t x2, std::int32_t y1,
                        std::int32_t y2)
{
    return x1 < x && x < x2 && y1 < y && y < y2;
}

struct ClickZone {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool holds(const MouseEvent& click) const { return inside_zone(click.x, click.y, x1, x2, y1, y2); }
};
