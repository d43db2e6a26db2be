// Solubility products at 25 °C of the sparingly soluble salts, one value a
// salt, looked up by the salt's formula.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

struct SolubilityProduct {
    std::string_view formula;
    std::string_view value;  // as written: its digits are the digits shown
};

inline constexpr std::array<SolubilityProduct, 17> solubility_products{{
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
    {"PbCl@d2@", "1.70e-5"},
    {"Ag@d2@SO@d4@", "1.20e-5"},
}};

// The carbonates whose solubility in water the carbonate ion's hydrolysis
// raises; apart from the table above, whose salts dissolve as their ions.
inline constexpr std::array<SolubilityProduct, 6> carbonate_products{{
    {"BaCO@d3@", "2.58e-9"},
    {"CdCO@d3@", "1.0e-12"},
    {"PbCO@d3@", "7.40e-14"},
    {"CaCO@d3@", "3.36e-9"},
    {"NiCO@d3@", "1.42e-7"},
    {"SrCO@d3@", "5.60e-10"},
}};

// Whether the table holds the salt: the salt table checks its sparingly
// soluble rows with it.
constexpr bool has_solubility_product(std::string_view formula)
{
    return std::ranges::find(solubility_products, formula, &SolubilityProduct::formula) != solubility_products.end();
}

// The row of a salt of the table, found as the program is compiled: a
// formula that the table lacks does not compile.
consteval const SolubilityProduct& solubility_product(std::string_view formula)
{
    const auto found = std::ranges::find(solubility_products, formula, &SolubilityProduct::formula);
    if (found == solubility_products.end()) throw "sale senza prodotto di solubilità";
    return *found;
}
