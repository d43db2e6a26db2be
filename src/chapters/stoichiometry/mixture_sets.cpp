#include "chapters/stoichiometry/mixture_sets.h"

#include <array>
#include <cmath>
#include <string_view>

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace stoichiometry {
namespace {

// MixtureSet: the group of the first salt's composition that names the
// element, a blank, and six compound numbers of three digits. Every salt is
// a solid that can be weighed: hydrogencarbonates other than the alkali
// metals' exist only in solution.
constexpr std::array<std::string_view, 13> mixture_sets = {
    "1 101102103109110111", "2 101123127135118154", "1 131132133137139140", "2 181154130125117111",
    "1 151152153174177181", "2 202171151118126121", "1 111125130142184205", "2 101103105110111104",
    "1 102117122127152180", "2 131132135139141142", "1 109140181206156036", "2 151153154161152156",
    "2 171173174177181183",
};

constexpr std::int32_t first_loader_sets = 6;
constexpr std::int32_t second_loader_sets = 7;

void load_sets(std::int32_t first_record, std::int32_t count)
{
    for (std::int32_t s = 1; s <= count; ++s) {
        std::string text(mixture_sets[static_cast<std::size_t>(first_record + s - 2)]);
        text.resize(40, ' ');
        value_slots[s].display_text = text;
    }
}

SaltMasses salt_masses(std::int32_t k, std::int32_t group)
{
    SaltMasses m;
    m.molar = compound_molar_mass(k, m.molar_uncertainty);
    m.element =
        compute_molar_mass(strip_trailing_blanks(record_columns(compound_record(k), 77 + 4 * group, 80 + 4 * group)),
                           m.element_uncertainty);
    m.percentage = 100.0f * m.element / m.molar;
    return m;
}

// The symbol slot of problems 21 to 24.
constexpr std::int32_t second_symbol_slot = 15;

}  // namespace

void load_mixture_sets_1()
{
    load_sets(1, first_loader_sets);
}

void load_mixture_sets_2()
{
    load_sets(first_loader_sets + 1, second_loader_sets);
}

Mixture pick_mixture(std::int32_t set, std::int32_t symbol_slot)
{
    Mixture m;
    m.set = set;
    const std::int32_t a = random_int(1, 5);
    const std::int32_t b = random_int(a + 1, 6);
    const std::string_view record = value_slots[set].display_text;
    m.first = read_i(record_columns(record, 3 * a, 3 * a + 2)).value_or(0);
    m.second = read_i(record_columns(record, 3 * b, 3 * b + 2)).value_or(0);
    m.group = read_i(record_columns(record, 1, 1)).value_or(0);
    std::string symbol(record_columns(compound_record(m.first), 4 * m.group + 77, 4 * m.group + 78));
    symbol.resize(40, ' ');
    value_slots[symbol_slot].display_text = symbol;
    m.element = symbol_search(std::string_view(symbol).substr(0, 2));
    m.first_masses = salt_masses(m.first, m.group);
    return m;
}

Mixture pick_mixture_of_two(std::int32_t set)
{
    Mixture m = pick_mixture(set, second_symbol_slot);
    m.second_masses = salt_masses(m.second, m.group);
    return m;
}

Mixture pick_distinct_mixture(std::int32_t memory)
{
    Mixture m;
    draw_until_accepted([&] {
        std::int32_t set = 0;
        draw_until_accepted([&] {
            set = random_int(1, second_loader_sets);
            return !repeats_last_draw(memory, set);
        });
        m = pick_mixture_of_two(set);
        return std::fabs(m.first_masses.percentage - m.second_masses.percentage) >= 3.0f;
    });
    stoichiometry_state.last_draw[memory] = m.set;
    return m;
}

std::string element_symbol_of(const Mixture& mixture)
{
    return element_symbol(mixture.element);
}

}  // namespace stoichiometry
