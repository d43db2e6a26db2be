// How a handbook column judges a program table's rows: a row passes within
// the range its sources give, widened by the column's spread and half a unit
// of the row's last written digit.
#pragma once

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace table_checks {

inline constexpr double none = std::numeric_limits<double>::quiet_NaN();

// A handbook row: its value and, where another source differs, that
// source's value; the row's range runs between them.
struct Source {
    std::string key;
    double value, other = none;
};

enum class Spread { absolute, relative, decades };

// A handbook column and how far a row may stand past its sources' range.
struct Column {
    const char* table;
    const char* name;
    double spread;
    Spread kind;
    std::vector<Source> rows;
};

std::string text_of(double value);

// The one reader: "" where the row holds, else the fault; "no handbook
// row" where the column holds none for the key.
std::string fault_of(const Column& column, const std::string& key, std::string_view text);

}  // namespace table_checks
