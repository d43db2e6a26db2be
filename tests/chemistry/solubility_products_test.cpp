// One solubility product a salt, for chapter 7's problems and chapter 9's,
// and the salts' solubilities whose ions' figures follow from it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <utility>

#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/hydroxide_solubilities.h"
#include "chemistry/molar_mass.h"
#include "chemistry/salt_solubilities.h"
#include "chemistry/saturated_solutions.h"
#include "chemistry/solubility_products.h"
#include "support/shown_numbers.h"
#include "support/table_lookups.h"

namespace {

// Each salt's product is held once, whichever table holds it; its value is
// judged against the handbook with the other data tables.
TEST(SolubilityProducts, OneValueASaltAt25Degrees)
{
    for (const SolubilityProduct& p : solubility_products) {
        EXPECT_EQ(std::ranges::count(solubility_products, p.formula, &SolubilityProduct::formula), 1) << p.formula;
        EXPECT_EQ(std::ranges::count(hydroxides, p.formula, &Hydroxide::formula), 0) << p.formula;
    }
    // A salt the table lacks does not compile as a lookup.
    static_assert(!has_solubility_product("NaCl"));
}

TEST(SaltSolubilities, ASaltIsFoundByItsFormulaOnly)
{
    static_assert(salt_solubility("AgCl").at_25 == "1.91e-4");
    EXPECT_EQ(salt_compound(salt_solubility("AgCl")), compounds::silver_chloride);
    for (const SaltSolubility& salt : salt_solubilities)
        EXPECT_EQ(find_compound_by_formula(salt.formula), salt_compound(salt)) << salt.formula;
}

// Grams per 100 mL of a salt dissolved wholly into free ions, from a
// solubility product: s = (K / (a^a b^b))^(1/(a+b)) mol/L.
double grams_as_ions(const SaltSolubility& salt, double product)
{
    const double a = salt.cations;
    const double b = salt.anions;
    const double moles = std::pow(product / (std::pow(a, a) * std::pow(b, b)), 1.0 / (a + b));
    return moles * compound_molar_mass(salt_compound(salt)) / 10.0;
}

// PbCl2 and Ag2SO4 once took their saturated solutions' figures (1.09 and
// 3.34, 0.76 and 1.41 g/100 mL): 6.30 v1 gave Ag2SO4 "23 kJ; -4.4 J/K".
TEST(SaltSolubilities, TheIonsFiguresFollowFromTheSolubilityProductAndTheEnthalpy)
{
    int from_products = 0;
    for (const SaltSolubility& salt : salt_solubilities) {
        if (salt.dissolution_enthalpy.empty()) continue;
        ++from_products;
        const auto product = std::ranges::find(solubility_products, salt.formula, &SolubilityProduct::formula);
        ASSERT_NE(product, solubility_products.end()) << salt.formula;
        const double k25 = std::stod(std::string(product->value));
        // van 't Hoff from 25 to 100 °C.
        const double enthalpy = std::stod(std::string(salt.dissolution_enthalpy)) * 1000.0;
        const double k100 = k25 * std::exp(enthalpy / 8.314 * (1.0 / 298.15 - 1.0 / 373.15));
        for (const auto& [text, product] : {std::pair{salt.as_ions_25, k25}, std::pair{salt.as_ions_100, k100}}) {
            const testing_support::WrittenFigure written = testing_support::written_figure(text);
            EXPECT_NEAR(written.value, grams_as_ions(salt, product), written.unit) << salt.formula << " " << text;
        }
    }
    EXPECT_EQ(from_products, 5);  // all but SnI2, whose product no table gives
}

// A saturated solution's formality and mass percent give its density, above
// water's and under 1.4 g/mL.
TEST(SaturatedSolutions, CeilingsAgreeWithTheirDensities)
{
    for (const SaturatedSolution& s : saturated_solutions) {
        const double density = s.formality * compound_molar_mass(s.compound) / (10.0 * s.mass_percent);
        EXPECT_GT(density, 1.0) << s.compound;
        EXPECT_LT(density, 1.4) << s.compound;
    }
    EXPECT_NEAR(saturated_molality(compounds::barium_hydroxide), 4.68 / 95.32 / 171.34 * 1000.0, 1e-4);
    // NaCl saturates at 5.4 F.
    EXPECT_EQ(saturated_formality(compounds::sodium_chloride), std::numeric_limits<float>::infinity());
    EXPECT_EQ(eutectic_celsius(compounds::sodium_chloride), -std::numeric_limits<float>::infinity());
}

// Every value drawn in [0, top] is kept at or below the ceiling, one past it
// under 95 % of it (so that it keeps clear once rounded), and every value at
// or below the ceiling stays as drawn; a solute with no ceiling keeps all.
TEST(SaturatedSolutions, KeptUnderHoldsEveryDrawUnderTheCeiling)
{
    std::mt19937 bits(82);
    const auto unit = [&bits] { return static_cast<float>(bits() >> 8) * 0x1p-24f; };
    for (int k = 0; k < 400; ++k) {
        const float top = 0.01f + 10.0f * unit();
        const float ceiling = 1.2f * top * unit();
        const float drawn = top * unit();
        const float kept = kept_under(drawn, ceiling, top);
        SCOPED_TRACE(std::to_string(drawn) + " under " + std::to_string(ceiling) + " of " + std::to_string(top));
        EXPECT_LE(kept, ceiling);
        if (drawn <= ceiling) {
            EXPECT_EQ(kept, drawn);
        } else {
            EXPECT_LE(kept, 0.95f * ceiling * 1.000001f);
        }
        EXPECT_EQ(kept_under(ceiling, ceiling, top), ceiling);
        EXPECT_LE(kept_under(top, ceiling, top), ceiling);
        EXPECT_EQ(kept_under(drawn, std::numeric_limits<float>::infinity(), top), drawn);
    }
}

}  // namespace
