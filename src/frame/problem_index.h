// The index bar under the problem area: ten problem numbers, the paging
// arrows and the tab of the selected problem.
#pragma once

#include <cstdint>

// x of index cell i (1 to 10).
constexpr std::int32_t index_cell_x(std::int32_t i)
{
    return 153 + 38 * i;
}

void draw_problem_index();

// Returns the highlighted cell to normal and highlights cell j (0: none).
// The selected problem and problems above the level keep their look.
void highlight_index_entry(std::int32_t j);
