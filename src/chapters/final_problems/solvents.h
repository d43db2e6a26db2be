// Problem 4's solvents.
#pragma once

#include <array>
#include <string_view>
#include <type_traits>

#include "chemistry/compound_records.h"

namespace final_problems {

// Each with its row of the vapour table, which gives its normal boiling
// point and its boiling point at the pressure drawn.
struct Solvent {
    std::string_view article;
    std::string_view name;
    CompoundKey compound;
};
static_assert(!std::is_convertible_v<int, decltype(Solvent::compound)>);
extern const std::array<Solvent, 8> solvents;

}  // namespace final_problems
