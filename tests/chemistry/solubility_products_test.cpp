// One solubility product a salt, for chapter 7's problems and chapter 9's.
#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "chemistry/solubility_products.h"

namespace {

TEST(SolubilityProducts, OneValueASaltAt25Degrees)
{
    // Chapter 9 once took older figures for the fluorides, CuCl, CaSO4 and
    // Cu(IO3)2 (6.4e-9, 1.7e-6, 1.0e-6, 2.4e-5, 1.4e-7).
    constexpr std::pair<std::string_view, std::string_view> at_25[] = {
        {"MgF@d2@", "5.16e-11"}, {"BaF@d2@", "1.84e-7"},        {"CuCl", "1.72e-7"},
        {"CaSO@d4@", "4.93e-5"}, {"Cu(IO@d3@)@d2@", "6.94e-8"}, {"PbI@d2@", "9.8e-9"},
    };
    for (const auto& [formula, value] : at_25) EXPECT_EQ(solubility_product(formula), value) << formula;
    EXPECT_TRUE(solubility_product("NaCl").empty());
}

}  // namespace
