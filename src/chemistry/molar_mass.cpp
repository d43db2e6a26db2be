#include "chemistry/molar_mass.h"

#include <string>

#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/value_slots.h"

float compute_molar_mass(std::string_view composition, float& mass_uncertainty)
{
    const std::string_view text = strip_trailing_blanks(composition);
    float mass = 0.0f;
    mass_uncertainty = 0.0f;
    for (std::size_t at = 0; at + 4 <= text.size(); at += 4) {
        const std::optional<std::int32_t> z = find_element_by_symbol(text.substr(at, 2));
        const std::optional<std::int32_t> count = read_i(text.substr(at + 2, 2));
        if (!z || !count) {
            mass_uncertainty = unknown_element_uncertainty;
            return 0.0f;
        }
        // Through the slot, so that the mass carries the uncertainty of the
        // digits written in the table.
        ValueSlot& scratch = value_slots[20];
        scratch.input_text = std::string(record_columns(element_record(*z), 21, 30));
        convert_data_slot(20, slot_digits_from_text);
        mass += static_cast<float>(*count) * scratch.value;
        mass_uncertainty += static_cast<float>(*count) * scratch.uncertainty;
    }
    return mass;
}
