#include "chemistry/molar_mass.h"

#include <string>

#include "chemistry/data_tables.h"
#include "chemistry/table_fields.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/value_kit.h"

void set_slot_atomic_mass(std::int32_t slot, std::int32_t z)
{
    set_slot_text(slot, record_columns(element_record(z), 21, 30));
}

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
        set_slot_atomic_mass(20, *z);
        mass += static_cast<float>(*count) * slot_value(20);
        mass_uncertainty += static_cast<float>(*count) * slot_uncertainty(20);
    }
    return mass;
}

float composition_molar_mass(std::string_view composition)
{
    float unused_uncertainty = 0.0f;
    return compute_molar_mass(composition, unused_uncertainty);
}

float chno_molar_mass(std::int32_t c, std::int32_t h, std::int32_t n, std::int32_t o)
{
    // One atom at a time: counts may pass the two digits of a composition.
    return static_cast<float>(c) * composition_molar_mass("C 01") +
           static_cast<float>(h) * composition_molar_mass("H 01") +
           static_cast<float>(n) * composition_molar_mass("N 01") +
           static_cast<float>(o) * composition_molar_mass("O 01");
}

float water_molar_mass()
{
    return composition_molar_mass("H 02O 01");
}

float water_moles_per_kilogram()
{
    return 1000.0f / water_molar_mass();
}

float compound_molar_mass(std::int32_t k, float& mass_uncertainty)
{
    return compute_molar_mass(compound_composition(k), mass_uncertainty);
}

float compound_molar_mass(std::int32_t k)
{
    return composition_molar_mass(compound_composition(k));
}
