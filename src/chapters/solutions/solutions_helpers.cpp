#include <cmath>

#include "chapters/solutions/solutions_problems.h"
#include "chemistry/saturated_solutions.h"
#include "chemistry/table_fields.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace solutions {

SolutionsState solutions_state;

std::int32_t& last_pick(std::int32_t k)
{
    switch (k) {
    case 8: return solutions_state.last_pick[3];
    case 21: return solutions_state.last_pick[9];
    case 14: return solutions_state.last_pick[12];
    default: return solutions_state.last_pick.at(k);
    }
}

std::string first_symbol(std::int32_t k)
{
    return std::string(strip_trailing_blanks(record_columns(compound_composition(k), 1, 2)));
}

std::int32_t first_count(std::int32_t k)
{
    return read_i(record_columns(compound_composition(k), 3, 4)).value_or(0);
}

std::string second_symbol(std::int32_t k)
{
    return std::string(strip_trailing_blanks(record_columns(compound_composition(k), 5, 6)));
}

std::string short_compound_name(std::int32_t k)
{
    const std::string name = compound_name(k);
    return std::string(strip_trailing_blanks(record_columns(name, 1, 30)));
}

float draw_stock_concentration(float saturated)
{
    float c = random_real(0.01f, 0.2f);
    if (random_int(1, 2) == 1) c = random_real(0.2f, 1.5f);
    return kept_under(c, saturated, 1.5f);
}

void set_two_or_three_digits(std::int32_t slot)
{
    if (slot_value(slot) < 100.0f) convert_data_slot(slot, 2);
    if (slot_value(slot) >= 100.0f) convert_data_slot(slot, 3);
}

}  // namespace solutions
