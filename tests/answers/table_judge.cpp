#include "table_judge.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "support/table_lookups.h"

namespace table_checks {

std::string text_of(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string fault_of(const Column& column, const std::string& key, std::string_view text)
{
    const auto row = std::ranges::find(column.rows, key, &Source::key);
    if (row == column.rows.end())
        return std::string(column.table) + " " + column.name + " " + key + ": no handbook row";
    const testing_support::WrittenFigure w = testing_support::written_figure(text);
    const double half_unit = 0.5 * w.unit;
    const double other = std::isnan(row->other) ? row->value : row->other;
    const double low = std::min(row->value, other), high = std::max(row->value, other);
    bool holds = false;
    if (column.kind == Spread::decades) {
        const double past = std::max(std::log10(low / w.value), std::log10(w.value / high));
        holds = past <= column.spread + std::log10(1.0 + half_unit / std::abs(w.value));
    } else {
        const double spread = column.kind == Spread::relative ? column.spread * std::abs(row->value) : column.spread;
        holds = w.value >= low - spread - half_unit && w.value <= high + spread + half_unit;
    }
    if (holds) return "";
    return std::string(column.table) + " " + column.name + " " + key + ": " + std::string(text) + ", handbook " +
           text_of(row->value) + (std::isnan(row->other) ? "" : " to " + text_of(row->other));
}

}  // namespace table_checks
