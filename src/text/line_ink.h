// The ink of a line of text on the page, column by column, and the room
// that two lines of a paragraph need so that their letters stay apart: a
// state's "(g)" written over an exponent, a descender over an accent.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/graphics.h"

// Whether two lines whose ink lies within those rows may need room between
// them, whatever their columns: the rows alone show most lines apart, and
// only the others need their ink column by column. Blank rows meet nothing.
bool rows_may_meet(const QwInkColumn& high, const QwInkColumn& low);

class LineInk {
public:
    // Adds the ink of a text whose cell's top-left corner is at (x, y).
    void add(std::int32_t x, std::int32_t y, std::span<const QwInkColumn> text);

    // How many pixels below must lie under this one so that a blank pixel,
    // diagonals included, parts every pixel of the two: 0 when they are
    // already apart.
    std::int32_t room_above(const LineInk& below) const;

    void move_down(std::int32_t pixels);

private:
    std::int32_t x0_ = 0;
    std::vector<QwInkColumn> columns_;  // page rows, from column x0_
};
