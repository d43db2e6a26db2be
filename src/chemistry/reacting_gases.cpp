#include "chemistry/reacting_gases.h"

#include <algorithm>
#include <array>

namespace {

struct GasPair {
    std::int32_t a, b;
};
// Compound records: 2 O2, 12 NH3, 24 CO2, 25 NO, 27 SO2.
constexpr std::array<GasPair, 3> reacting_pairs{{{25, 2}, {12, 24}, {12, 27}}};

}  // namespace

bool gases_react(std::int32_t a, std::int32_t b)
{
    return std::ranges::any_of(reacting_pairs,
                               [&](const GasPair& p) { return (a == p.a && b == p.b) || (a == p.b && b == p.a); });
}
