// A click rectangle of a simulation screen. The simulations draw their
// buttons without registering them and test fixed rectangles of their own,
// with strict bounds, so a click on a button's rounded ends does nothing.
#pragma once

#include <cstdint>

#include "platform/mouse.h"

struct ClickZone {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool holds(const MouseEvent& click) const { return x1 < click.x && click.x < x2 && y1 < click.y && click.y < y2; }
};
