// A program table's rows of one column as the tests judge them: the key a
// handbook column holds them by and the value as the table writes it.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "table_judge.h"

namespace table_checks {

using WrittenRows = std::vector<std::pair<std::string, std::string>>;

// The faults of the rows against the column, none where every row holds.
inline std::vector<std::string> row_faults(const Column& column, const WrittenRows& rows)
{
    std::vector<std::string> faults;
    for (const auto& [key, text] : rows)
        if (std::string fault = fault_of(column, key, text); !fault.empty()) faults.push_back(fault);
    return faults;
}

}  // namespace table_checks
