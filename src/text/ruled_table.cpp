#include "text/ruled_table.h"

#include <algorithm>
#include <array>

#include "platform/graphics.h"
#include "text/markup_text.h"

namespace {

// Pixels between a rule and the texts beside it.
constexpr std::int32_t rule_margin = 4;

// Where the widest of column k's texts ends when the column starts shift
// pixels right of its place.
std::int32_t column_right(std::int32_t x0, std::span<const RuledTableColumn> columns,
                          std::span<const std::string> cells, std::size_t k, std::int32_t shift)
{
    const RuledTableColumn& column = columns[k];
    std::int32_t right = measure_markup_text(x0 + column.header_dx + shift, 2000, column.header).x;
    for (std::size_t i = k; i < cells.size(); i += columns.size())
        right = std::max(right, measure_markup_text(x0 + column.cell_dx + shift, 2000, cells[i]).x);
    return right;
}

}  // namespace

void draw_ruled_table(std::int32_t x0, std::int32_t y0, std::span<const RuledTableColumn> columns,
                      std::span<const std::string> cells)
{
    // A rule keeps its margin from the column at its left, moving right as
    // far as needed; the columns beyond it move with it.
    std::array<std::int32_t, 2> rules = {x0 + 60, x0 + 140};
    std::array<std::int32_t, 3> shifts = {0, 0, 0};
    for (std::size_t r = 0; r < rules.size(); ++r) {
        rules[r] += shifts[r];
        if (r < columns.size())
            rules[r] = std::max(rules[r], column_right(x0, columns, cells, r, shifts[r]) + rule_margin);
        shifts[r + 1] = rules[r] - (x0 + 60 + 80 * static_cast<std::int32_t>(r));
    }
    const auto shift_of = [&shifts](std::size_t k) { return shifts[std::min<std::size_t>(k, shifts.size() - 1)]; };
    for (std::size_t k = 0; k < columns.size(); ++k)
        draw_markup_text(x0 + columns[k].header_dx + shift_of(k), y0, columns[k].header);
    qw_move_to(x0 + 10, y0 + 15);
    qw_line_to(x0 + 200 + shifts.back(), y0 + 15);
    for (const std::int32_t x : rules) {
        qw_move_to(x, y0 + 15);
        qw_line_to(x, y0 + 100);
    }
    if (columns.empty()) return;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto row = static_cast<std::int32_t>(i / columns.size()) + 1;
        const std::size_t k = i % columns.size();
        draw_markup_text(x0 + columns[k].cell_dx + shift_of(k), y0 + 16 * row + 4, cells[i]);
    }
}
