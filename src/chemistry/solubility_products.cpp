#include "chemistry/solubility_products.h"

#include <algorithm>
#include <array>

namespace {

struct SolubilityProduct {
    std::string_view formula;
    std::string_view value;
};
constexpr std::array<SolubilityProduct, 15> products{{
    {"BaSO@d4@", "1.08e-10"},
    {"Pb(IO@d3@)@d2@", "3.69e-13"},
    {"PbSO@d4@", "2.53e-8"},
    {"PbI@d2@", "9.8e-9"},
    {"HgBr@d2@", "6.2e-20"},
    {"HgI@d2@", "2.9e-29"},
    {"AgBr", "5.35e-13"},
    {"AgCl", "1.77e-10"},
    {"AgI", "8.52e-17"},
    {"Cu(IO@d3@)@d2@", "6.94e-8"},
    {"MgF@d2@", "5.16e-11"},
    {"BaF@d2@", "1.84e-7"},
    {"CaSO@d4@", "4.93e-5"},
    {"CuCl", "1.72e-7"},
    {"Cr(IO@d3@)@d3@", "5.0e-6"},
}};

}  // namespace

std::string_view solubility_product(std::string_view formula)
{
    const auto p = std::find_if(products.begin(), products.end(),
                                [formula](const SolubilityProduct& s) { return s.formula == formula; });
    return p == products.end() ? std::string_view() : p->value;
}
