#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/reaction_thermo.h"
#include "numbers/fixed_width.h"

namespace {

const std::string water_synthesis_record = "s         $ 2H@d2@ & O@d2@ = $ 2H@d2@O";

struct Expected {
    double dH, dS, dG, lnK;
};

double number_at(const CompoundRecord& r, int first, int last)
{
    const std::string_view field = strip_blanks(record_columns(r, first, last));
    return field.empty() ? 0.0 : std::stod(std::string(field));
}

// Hess's law with Kirchhoff's correction for a constant heat capacity, in
// double precision from the table's texts.
Expected hess(const std::string& equation, bool vapour, double t)
{
    EquationTerms terms;
    EXPECT_TRUE(parse_equation_terms(equation, terms));
    double dH = 0, dS = 0, dCp = 0;
    for (std::int32_t j = 1; j <= terms.species_count(); ++j) {
        const std::int32_t k = find_compound_by_formula(terms.species_text(equation, j)).value();
        const CompoundRecord& r = compound_record(vapour && k == 11 ? 236 : k);
        const double w = (j <= terms.reactant_count ? -1.0 : 1.0) * terms.coefficient[j];
        dH += w * number_at(r, 131, 138);
        dS += w * number_at(r, 147, 152);
        dCp += w * number_at(r, 153, 158);
    }
    const double T = t + 273.15;
    dH += dCp * (T - 298.15) / 1000.0;
    dS += dCp * std::log(T / 298.15);
    const double dG = dH - T * dS / 1000.0;
    return {dH, dS, dG, -1000.0 * dG / (8.314 * T)};
}

TEST(ReactionThermo, WaterSynthesisAtRoomTemperature)
{
    const auto liquid = compute_reaction_thermo(water_synthesis_record, 1, 25.0f);
    ASSERT_TRUE(liquid);
    EXPECT_NEAR(liquid->dH, -571.6f, 1e-3f);
    EXPECT_NEAR(liquid->dS, -326.6f, 1e-3f);
    EXPECT_NEAR(liquid->dG, -571.6f + 298.15f * 0.3266f, 1e-3f);
    EXPECT_EQ(liquid->equilibrium_constant, constant_overflow);  // -dG/RT is about 191

    const auto vapour = compute_reaction_thermo(water_synthesis_record, water_as_vapour, 25.0f);
    ASSERT_TRUE(vapour);
    EXPECT_NEAR(vapour->dH, -483.6f, 1e-3f);
    EXPECT_NEAR(vapour->dS, 2 * 188.8f - 2 * 130.7f - 205.2f, 1e-3f);
}

TEST(ReactionThermo, AgreesWithHessAndKirchhoffAtSeveralTemperatures)
{
    const std::string reactions[] = {
        reaction_record(3),
        reaction_record(6),
        reaction_record(9),
        reaction_record(15),
        reaction_record(16),
        reaction_record(22),
        reaction_record(46),
        reaction_record(75),
        "s         CO & H@d2@O = CO@d2@ & H@d2@",
        "s         H@d2@ & I@d2@ = $ 2HI",
        "s         CO & Cl@d2@ = COCl@d2@",
        "s         $ 2NO & Br@d2@ = $ 2NOBr",
    };
    for (const std::string& eq : reactions) {
        for (const float t : {25.0f, -20.0f, 100.0f, 400.0f, 1000.0f}) {
            for (const std::int32_t water : {1, 2}) {
                const auto got = compute_reaction_thermo(eq, water, t);
                ASSERT_TRUE(got) << eq;
                const Expected want = hess(eq, water == 2, t);
                EXPECT_NEAR(got->dH, want.dH, 1e-4 * std::abs(want.dH) + 2e-3) << eq << " " << t;
                EXPECT_NEAR(got->dS, want.dS, 1e-4 * std::abs(want.dS) + 2e-3) << eq << " " << t;
                EXPECT_NEAR(got->dG, want.dG, 1e-4 * std::abs(want.dG) + 2e-3) << eq << " " << t;
                if (want.lnK < 69.9 && want.lnK > -80.0) {  // float exp underflows below
                    EXPECT_NEAR(std::log(got->equilibrium_constant), want.lnK, 1e-3 * std::abs(want.lnK) + 1e-3)
                        << eq << " " << t;
                } else if (want.lnK > 70.1) {
                    EXPECT_EQ(got->equilibrium_constant, constant_overflow);
                }
            }
        }
    }
}

TEST(ReactionThermo, NoCorrectionAtTwentyFiveDegrees)
{
    // dH at 25 C is the plain sum even where heat capacities are large.
    const auto r = compute_reaction_thermo(reaction_record(9), 1, 25.0f);
    ASSERT_TRUE(r);
    EXPECT_FLOAT_EQ(r->dH, 2 * -350.5f + 2 * -296.8f - (2 * -205.6f));
}

TEST(ReactionThermo, EveryHeatCapacityCounts)
{
    // P4O10's heat capacity, 211.7 J/(K mol), once read blank as 0.
    const auto r = compute_reaction_thermo(reaction_record(6), 1, 125.0f);
    ASSERT_TRUE(r);
    const float dCp = 4 * 106.1f - 211.7f - 6 * 75.3f;
    const float dH25 = 4 * -1281.f - (-2984.f + 6 * -285.8f);
    EXPECT_NEAR(r->dH, dH25 + dCp * 0.1f, 1e-2f);
}

TEST(ReactionThermo, CoefficientOneCountsOnce)
{
    const auto once = compute_reaction_thermo("s         CO & H@d2@O = CO@d2@ & H@d2@", 1, 25.0f);
    ASSERT_TRUE(once);
    EXPECT_NEAR(once->dH, -393.5f - (-110.5f - 285.8f), 1e-3f);
}

TEST(ReactionThermo, RefusesSpeciesWithoutData)
{
    EXPECT_EQ(compute_reaction_thermo(reaction_record(81), 1, 25.0f), std::nullopt);   // HNO3 has no data
    EXPECT_EQ(compute_reaction_thermo(reaction_record(101), 1, 25.0f), std::nullopt);  // ions
    EXPECT_EQ(compute_reaction_thermo("s         Xx = H@d2@", 1, 25.0f), std::nullopt);
    EXPECT_EQ(compute_reaction_thermo("s         H@d2@ & O@d2@", 1, 25.0f), std::nullopt);
}

}  // namespace
