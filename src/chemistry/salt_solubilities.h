// Salts whose solubility in water the problems take, one row of data a salt,
// looked up by the salt's formula.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "chemistry/solubility_products.h"

// Grams per 100 mL at 25 and 100 °C as written (their digits are the digits
// shown): what a saturated solution holds (the saturated solutions that
// chapter 5 states come from the measured table below where it holds the
// salt), and what the salt would give
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

// K2Cr2O7's saturated solution holds 13.1 % by mass at 25 °C (1.10 g/mL),
// 144 g in a litre. At 100 °C the handbook gives K2Cr2O7 102 g and KIO3
// 32.3 g per 100 g of water; in a litre of the hot solution (water 0.958 g/mL, the salts'
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
    {"K@d2@Cr@d2@O@d7@", "14.4", "72.", "14.4", "72.", "", "", 2, 1},
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

// The saturated solutions as measured, grams per 100 mL of solution at 25,
// 40, 60, 80 and 100 °C: the grams per 100 g of water of the CRC Handbook's
// "Aqueous solubility of inorganic compounds at various temperatures" (and
// of the older tables it follows, where it has no row), in a volume of the
// water's at that temperature plus the salt's apparent molar volume (NaCl
// 21.5, HgCl2 46, K2Cr2O7 96, KIO3 36 mL/mol; about 40 for the sparingly
// soluble salts, whose few grams move it by 0.5 % at most). In g per 100 g
// of water: NaCl 36.0, 36.37, 37.04, 37.93, 38.99; PbCl2 1.10, 1.42, 1.94,
// 2.54, 3.20; PbI2 0.076, 0.124, 0.193, 0.294, 0.42; HgBr2 0.62, 0.91, 1.68,
// 2.77, 4.9; HgCl2 7.4, 10.2, 16.3, 30.0, 61.3; K2Cr2O7 15.1, 26.3, 45.6,
// 73.0, 102; KIO3 9.2, 12.6, 18.3, 24.8, 32.3; Ag2SO4 0.83, 0.96, 1.08,
// 1.19, 1.30; Na2C2O4 3.7, 4.18, 4.93, 5.71, 6.50. SnI2 has no such table.
struct MeasuredSolubility {
    std::string_view formula;
    std::array<float, 5> grams;
};
inline constexpr std::array<float, 5> measured_celsius{25.0f, 40.0f, 60.0f, 80.0f, 100.0f};
inline constexpr std::array<MeasuredSolubility, 9> measured_solubilities{{
    {"NaCl", {31.7f, 31.9f, 32.1f, 32.5f, 32.9f}},
    {"PbCl@d2@", {1.10f, 1.41f, 1.90f, 2.46f, 3.05f}},
    {"PbI@d2@", {0.0758f, 0.123f, 0.190f, 0.286f, 0.402f}},
    {"HgBr@d2@", {0.618f, 0.902f, 1.65f, 2.68f, 4.66f}},
    {"HgCl@d2@", {7.29f, 9.95f, 15.6f, 27.8f, 53.4f}},
    {"K@d2@Cr@d2@O@d7@", {14.4f, 24.0f, 39.1f, 57.6f, 74.1f}},
    {"KIO@d3@", {9.03f, 12.2f, 17.5f, 23.2f, 29.4f}},
    {"Ag@d2@SO@d4@", {0.827f, 0.952f, 1.06f, 1.16f, 1.24f}},
    {"Na@d2@C@d2@O@d4@", {3.66f, 4.11f, 4.80f, 5.48f, 6.14f}},
}};
static_assert(std::ranges::all_of(measured_solubilities, [](const MeasuredSolubility& m) {
    return std::ranges::find(salt_solubilities, m.formula, &SaltSolubility::formula) != salt_solubilities.end();
}));

// The salt's measured saturated solution at `celsius` (25 to 100 °C), g per
// 100 mL, its logarithm read linearly between the rows; nothing where the
// salt has no measured row.
std::optional<float> measured_solubility(std::string_view formula, float celsius);

// The curve b exp(-a / T) through s25 at 25 and s100 at 100 degrees Celsius.
struct SolubilityCurve {
    float a;
    float b;
    float at(float celsius) const;
};
SolubilityCurve solubility_curve(float s25, float s100);

// Grams per 100 mL of the salt's saturated solution at `celsius`, the one
// figure every page states: as measured, or where the salt has no measured
// table, on `curve`, through its two figures.
float saturated_grams(std::string_view formula, const SolubilityCurve& curve, float celsius);

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
