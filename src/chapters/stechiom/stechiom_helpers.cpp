#include <string>

#include "chapters/stechiom/stechiom_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/table_fields.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/value_slots.h"

namespace stechiom {

bool is_filled_compound(std::int32_t k)
{
    const std::string_view column = record_columns(compound_record(k), 81, 81);
    return !column.empty() && column != " ";
}

bool is_drawable_compound(std::int32_t k)
{
    return is_filled_compound(k) && compound_class(k) != 'e';
}

std::int32_t composition_groups(std::int32_t k)
{
    return static_cast<std::int32_t>(compound_composition(k).size() / 4);
}

std::string composition_group(std::int32_t k, std::int32_t g)
{
    return std::string(record_columns(compound_record(k), 77 + 4 * g, 80 + 4 * g));
}

std::int32_t group_count(std::int32_t k, std::int32_t g)
{
    return read_i(record_columns(compound_record(k), 79 + 4 * g, 80 + 4 * g)).value_or(0);
}

std::int32_t group_element(std::int32_t k, std::int32_t g)
{
    return symbol_search(record_columns(compound_record(k), 77 + 4 * g, 78 + 4 * g));
}

void set_slot_atomic_mass(std::int32_t slot, std::int32_t z)
{
    value_slots[slot].input_text = std::string(record_columns(element_record(z), 21, 30));
    convert_data_slot(slot, 0);
}

void append_after_one_blank(std::string& text, std::string_view piece)
{
    append_piece(text, " ");
    text += strip_blanks(piece);
}


}  // namespace stechiom
