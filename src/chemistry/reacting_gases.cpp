#include "chemistry/reacting_gases.h"

#include <algorithm>
#include <array>

#include "chemistry/compound_records.h"

namespace {

struct GasPair {
    CompoundKey a, b;
};
static_assert(!std::is_convertible_v<int, decltype(GasPair::a)>);
constexpr std::array<GasPair, 3> reacting_pairs{{
    {compounds::nitric_oxide, compounds::oxygen},
    {compounds::ammonia, compounds::carbon_dioxide},
    {compounds::ammonia, compounds::sulfur_dioxide},
}};

}  // namespace

bool gases_react(std::int32_t a, std::int32_t b)
{
    return std::ranges::any_of(reacting_pairs,
                               [&](const GasPair& p) { return (a == p.a && b == p.b) || (a == p.b && b == p.a); });
}
