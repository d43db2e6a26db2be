#include "chemistry/gas_reactions.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace {

// Every species is a gas of the compound table with formation data; none is
// water. Each equilibrium happens as written, in either direction.
constexpr std::array<std::string_view, gas_reaction_count> gas_reactions{{
    "N@d2@ & $ 3H@d2@ = $ 2NH@d3@",
    "$ 2NO & O@d2@ = $ 2NO@d2@",
    "$ 2SO@d2@ & O@d2@ = $ 2SO@d3@",
    "C@d3@H@d6@ & H@d2@ = C@d3@H@d8@",
    "I@d2@ & H@d2@ = $ 2HI",
    "C@d2@H@d4@ & H@d2@ = C@d2@H@d6@",
    "CO & Cl@d2@ = COCl@d2@",
    "Br@d2@ & $ 2NO = $ 2NOBr",
}};

}  // namespace

void load_gas_reactions(std::string& text)
{
    constexpr std::size_t fields = static_cast<std::size_t>(gas_reaction_count) * gas_reaction_field;
    text.assign(std::max(text.size(), fields), ' ');
    for (std::size_t n = 0; n < gas_reactions.size(); ++n)
        text.replace(n * gas_reaction_field, gas_reactions[n].size(), gas_reactions[n]);
}
