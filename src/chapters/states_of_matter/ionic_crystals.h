// Problem 33's ionic crystals of a cubic cell.
#pragma once

#include <array>
#include <string_view>
#include <type_traits>

#include "chemistry/compound_records.h"

namespace states_of_matter {

// Compound, formula units per cell and density (g/cm³) as written.
struct IonicCrystal {
    CompoundKey compound;
    char units;
    std::string_view density;
};
static_assert(!std::is_convertible_v<int, decltype(IonicCrystal::compound)>);
extern const std::array<IonicCrystal, 14> ionic_crystals;

}  // namespace states_of_matter
