#include "chemistry/periodic_table_drawing.h"

#include <string>
#include <string_view>

#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "platform/graphics.h"
#include "text/markup_text.h"
#include "text/page_regions.h"

namespace {

constexpr std::int32_t table_left = 200;
constexpr std::int32_t table_top = 120;
constexpr std::int32_t pitch = 20;
constexpr std::int32_t cell_size = pitch - 3;
// One size for every symbol, that of the widest (Pm, Sm, Tm, Am, Cm) too:
// each keeps a pixel or more of its cell on either side.
constexpr std::string_view symbol_font = "t'Arial'h13b";

// The main table, as runs of consecutive elements in one row.
struct Run {
    std::int32_t first, last, row, column;
};
constexpr Run runs[] = {{1, 1, 1, 1},   {2, 2, 1, 18},  {3, 4, 2, 1},   {5, 10, 2, 13}, {11, 12, 3, 1}, {13, 18, 3, 13},
                        {19, 36, 4, 1}, {37, 54, 5, 1}, {55, 57, 6, 1}, {72, 86, 6, 4}, {87, 89, 7, 1}};

}  // namespace

PeriodicCell periodic_table_cell(std::int32_t z)
{
    // The lanthanide and actinide rows begin with cerium and thorium.
    if (z >= 58 && z <= 71) return {table_left + 70 + (z - 58) * pitch, table_top + 130};
    if (z >= 90 && z <= 103) return {table_left + 70 + (z - 90) * pitch, table_top + 150};
    for (const Run& run : runs) {
        if (z >= run.first && z <= run.last) {
            return {table_left + (run.column + z - run.first - 1) * pitch, table_top + (run.row - 1) * pitch};
        }
    }
    return {table_left, table_top};
}

void draw_periodic_table(std::int32_t mode, std::int32_t highlight)
{
    const std::int32_t cell_colour = qw_rgb(99, 132, 222);
    // The cells, row by row, and the title are what nothing may cover; the
    // dark ground between them may be. Claimed before the ground is laid,
    // as a fact box they displace is wiped with the page's own ground.
    for (const Run& run : runs) {
        const PeriodicCell first = periodic_table_cell(run.first);
        const PeriodicCell last = periodic_table_cell(run.last);
        occupy_page_region(PageElement::figure, {first.x, first.y, last.x + cell_size, last.y + cell_size});
    }
    for (const std::int32_t first : {58, 90}) {
        const PeriodicCell cell = periodic_table_cell(first);
        occupy_page_region(PageElement::figure, {cell.x, cell.y, cell.x + 13 * pitch + cell_size, cell.y + cell_size});
    }
    const std::string title = "@T1@@C5@Tavola Periodica degli Elementi";
    occupy_page_region(PageElement::figure, {table_left + 60, table_top,
                                             measure_markup_text(table_left + 60, 2000, title).x, table_top + 16});
    qw_set_color_rgb(qw_rgb(64, 64, 64));
    qw_rectangle(QwControl::filled, 195, 115, 565, 292);
    qw_set_font(symbol_font);
    for (std::int32_t z = 1; z <= element_count; ++z) {
        const PeriodicCell cell = periodic_table_cell(z);
        qw_set_color_rgb(z == highlight ? qw_rgb(255, 255, 0) : cell_colour);
        qw_rectangle(QwControl::filled, cell.x, cell.y, cell.x + cell_size, cell.y + cell_size);
        const std::string_view symbol = strip_trailing_blanks(record_columns(element_record(z), 16, 17));
        // Centred on the cell, its letters' rows as many from the top as from the bottom.
        qw_move_to(cell.x + (cell_size + 1 - qw_get_text_extent(symbol)) / 2, cell.y + 3);
        qw_set_color_rgb(0);
        if (mode == 1) qw_out_text(symbol);
    }
    draw_markup_text(table_left + 60, table_top, title);
}
