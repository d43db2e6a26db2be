#include "text/ruled_table.h"

#include "platform/graphics.h"
#include "text/markup_text.h"

void draw_ruled_table(std::int32_t x0, std::int32_t y0, std::span<const RuledTableColumn> columns,
                      std::span<const std::string> cells)
{
    for (const RuledTableColumn& column : columns) draw_markup_text(x0 + column.header_dx, y0, column.header);
    qw_move_to(x0 + 10, y0 + 15);
    qw_line_to(x0 + 200, y0 + 15);
    for (const std::int32_t x : {x0 + 60, x0 + 140}) {
        qw_move_to(x, y0 + 15);
        qw_line_to(x, y0 + 100);
    }
    if (columns.empty()) return;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto row = static_cast<std::int32_t>(i / columns.size()) + 1;
        draw_markup_text(x0 + columns[i % columns.size()].cell_dx, y0 + 16 * row + 4, cells[i]);
    }
}
