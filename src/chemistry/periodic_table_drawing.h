// The periodic table of the 103 elements under the title "Tavola Periodica
// degli Elementi", drawn at a fixed place of the page.
#pragma once

#include <cstdint>

// Top-left corner of element z's cell (z from 1 to 103; the lanthanides and
// actinides stand in two rows below the main table).
struct PeriodicCell {
    std::int32_t x;
    std::int32_t y;
};
PeriodicCell periodic_table_cell(std::int32_t z);

// mode 1 writes the symbols in the cells, any other mode leaves them empty;
// the cell of element `highlight` is yellow (0 or a number outside 1-103
// highlights nothing).
void draw_periodic_table(std::int32_t mode, std::int32_t highlight);
