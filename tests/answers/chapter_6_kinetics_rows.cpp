// Chapter 6, equilibrium constants and kinetics: problems 28 to 38: each numeric answer from its page.
#include <vector>

#include "answer_table.h"

namespace answer_table::chapter_6 {

std::vector<Row> kinetics_rows()
{
    return {};
}

std::vector<std::pair<std::int32_t, const char*>> kinetics_without_numbers()
{
    return {};
}

}  // namespace answer_table::chapter_6
