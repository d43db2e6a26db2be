// Salts whose solubility in water the problems take, one row of data a salt,
// looked up by the salt's formula.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "chemistry/solubility_products.h"

// Grams per 100 mL at 25 and 100 °C as written (their digits are the digits
// shown): what a saturated solution holds, and what the salt would give
// dissolving wholly into ions, which the problems on the dissolution into
// ions take. For a sparingly soluble salt the second pair follows from its
// solubility product at 25 °C and its standard enthalpy of dissolution,
// carried to 100 °C by van 't Hoff; the two pairs differ where the saturated
// solution holds more than free ions (PbCl+ and PbI+ pairs, HgBr2
// molecules). Then the ions per formula unit and, for the sparingly soluble
// salts, the dissolution into ions.
struct SaltSolubility {
    std::string_view formula;
    std::string_view at_25, at_100;
    std::string_view as_ions_25, as_ions_100;
    std::string_view dissolution;
    std::string_view dissolution_enthalpy;  // kJ/mol, where the ions' figures come from it
    std::int32_t cations, anions;
};

// At 100 °C the handbook gives K2Cr2O7 102 g and KIO3 32.3 g per 100 g of
// water; in a litre of the hot solution (water 0.958 g/mL, the salts'
// apparent molar volumes about 105 and 37 mL/mol) that is about 725 and
// 294 g. PbCl2's 3.34 g per 100 g of water at 100 °C is 3.19 g in 100 mL
// of the solution (about 104.7 mL).
// SnI2 has no tabulated solubility product: its ions' figures are those of
// its saturated solution. NaCl's: the CRC Handbook's 26.45 % and 28.05 % by
// mass in the saturated solution at 25 and 100 °C, with its density, 1.197
// and about 1.172 g/mL (5.42 and 5.63 mol per litre of solution).
inline constexpr std::array<SaltSolubility, 11> salt_solubilities{{
    {"NaCl", "31.7", "32.9", "31.7", "32.9", "", "", 1, 1},
    {"PbCl@d2@", "1.09", "3.19", "0.450", "0.848", "PbCl@d2(s)@ = Pb@u2+@@d(aq)@ + 2Cl@u-@@d(aq)@", "23.4", 1, 2},
    {"PbI@d2@", ".088", "0.41", "0.0621", "0.345", "PbI@d2(s)@ = Pb@u2+@@d(aq)@ + 2I@u-@@d(aq)@", "63.4", 1, 2},
    {"HgBr@d2@", "0.61", "4.00", "8.99e-6", "1.29e-4", "HgBr@d2(s)@ = Hg@u2+@@d(aq)@ + 2Br@u-@@d(aq)@", "98.7", 1, 2},
    {"HgCl@d2@", "8.00", "48.0", "8.00", "48.0", "", "", 1, 2},
    {"K@d2@Cr@d2@O@d7@", "12.7", "72.", "12.7", "72.", "", "", 2, 1},
    {"KIO@d3@", "8.60", "29.4", "8.60", "29.4", "", "", 1, 1},
    {"Ag@d2@SO@d4@", "0.76", "1.41", "0.450", "0.728", "Ag@d2@SO@d4(s)@ = 2Ag@u+@@d(aq)@ + SO@d4@@u2-@@d(aq)@", "17.8",
     2, 1},
    {"Na@d2@C@d2@O@d4@", "3.86", "6.33", "3.86", "6.33", "", "", 2, 1},
    {"SnI@d2@", "1.09", "4.03", "1.09", "4.03", "SnI@d2(s)@ = Sn@u2+@@d(aq)@ + 2I@u-@@d(aq)@", "", 1, 2},
    {"AgCl", "1.91e-4", "2.71e-3", "1.91e-4", "2.71e-3", "AgCl@d(s)@ = Ag@u+@@d(aq)@ + Cl@u-@@d(aq)@", "65.5", 1, 1},
}};

// A salt whose ions' figures come from an enthalpy has its solubility product.
static_assert(std::ranges::all_of(salt_solubilities, [](const SaltSolubility& s) {
    return s.dissolution_enthalpy.empty() || has_solubility_product(s.formula);
}));

// The salt with that formula, found as the program is compiled: a formula
// that the table lacks does not compile.
consteval const SaltSolubility& salt_solubility(std::string_view formula)
{
    const auto found = std::ranges::find(salt_solubilities, formula, &SaltSolubility::formula);
    if (found == salt_solubilities.end()) throw "sale senza dati di solubilità";
    return *found;
}

// The compound record of the salt (its molar mass and composition).
std::int32_t salt_compound(const SaltSolubility& salt);
