// The small ruled table of measured values that kinetics problems draw
// under their statement: a header per column, a rule under the headers and
// two rules between the columns, and one row per measurement.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct RuledTableColumn {
    std::int32_t header_dx;   // header at (x0 + header_dx, y0)
    std::string_view header;  // markup; the first header's colour draws the rules
    std::int32_t cell_dx;     // cells at x0 + cell_dx
};

// Headers on the line y0; the rule from (x0 + 10, y0 + 15) to (x0 + 200,
// y0 + 15) and the rules at x0 + 60 and x0 + 140 down to y0 + 100; row r
// (from 1) at y0 + 16 r + 4. cells holds the rows one after the other, one
// cell per column; a last row short of cells leaves its columns empty.
// A column's texts keep 4 pixels from the rule at their right: where they
// would not, the rule and what lies beyond it move right.
void draw_ruled_table(std::int32_t x0, std::int32_t y0, std::span<const RuledTableColumn> columns,
                      std::span<const std::string> cells);
