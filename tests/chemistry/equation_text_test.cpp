#include <gtest/gtest.h>

#include <string>

#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"

namespace {

const std::string water_synthesis = "s         $ 2H@d2@ & O@d2@ = $ 2H@d2@O";

std::string with_prefix(const std::string& body)
{
    return "s         " + body;
}

TEST(ParseEquationTerms, FindsSpeciesCoefficientsAndSides)
{
    const std::string eq = with_prefix("$ 3Hg & $ 2HNO@d3@ & $ 6HCl = $ 3HgCl@d2@ & $ 2NO & $ 4H@d2@O");
    EquationTerms t;
    ASSERT_TRUE(parse_equation_terms(eq, t));
    EXPECT_EQ(t.reactant_count, 3);
    EXPECT_EQ(t.product_count, 3);
    const std::int32_t coefficients[] = {3, 2, 6, 3, 2, 4};
    const char* species[] = {"Hg", "HNO@d3@", "HCl", "HgCl@d2@", "NO", "H@d2@O"};
    for (std::int32_t j = 1; j <= 6; ++j) {
        EXPECT_EQ(t.coefficient[j], coefficients[j - 1]) << j;
        EXPECT_EQ(t.species_text(eq, j), species[j - 1]) << j;
    }
    EXPECT_EQ(t.first[1], 4);
    EXPECT_EQ(t.last[1], 5);
    EXPECT_EQ(eq[t.equals_position + 9], '=');
    for (std::int32_t j = 7; j <= max_equation_species; ++j) EXPECT_EQ(t.coefficient[j], 0);
}

TEST(ParseEquationTerms, SpeciesWithoutCoefficientStartAtTheirFirstCharacter)
{
    const std::string eq = with_prefix("N@d2@ & $ 3H@d2@ = $ 2NH@d3@");
    EquationTerms t;
    ASSERT_TRUE(parse_equation_terms(eq, t));
    EXPECT_EQ(t.first[1], 1);
    EXPECT_EQ(t.coefficient[1], 1);
    EXPECT_EQ(t.species_text(eq, 1), "N@d2@");
    EXPECT_EQ(t.species_text(eq, 3), "NH@d3@");

    const std::string carbon = reaction_record(17);
    ASSERT_TRUE(parse_equation_terms(carbon, t));
    EXPECT_EQ(t.coefficient[3], 10);
    EXPECT_EQ(t.species_text(carbon, 3), "C");
    EXPECT_EQ(t.coefficient[6], 10);
    EXPECT_EQ(t.species_text(carbon, 6), "CO");
}

TEST(ParseEquationTerms, EveryTableReactionParsesAndBalancesElectronsAndSides)
{
    for (std::int32_t k = 1; k <= reaction_slots; ++k) {
        const ReactionRecord& r = reaction_record(k);
        EquationTerms t;
        ASSERT_TRUE(parse_equation_terms(r, t)) << k;
        EXPECT_GE(t.reactant_count, 1) << k;
        EXPECT_GE(t.product_count, 1) << k;
        for (std::int32_t j = 1; j <= t.species_count(); ++j) {
            const std::string_view s = t.species_text(r, j);
            EXPECT_FALSE(s.empty()) << k;
            EXPECT_EQ(s.find_first_of(" &=$#"), std::string_view::npos) << k << " " << s;
            EXPECT_GE(t.coefficient[j], 1) << k;
        }
    }
}

TEST(ParseEquationTerms, RefusesTextsWithoutSidesOrWithTooManySpecies)
{
    EquationTerms t;
    t.reactant_count = 5;
    EXPECT_FALSE(parse_equation_terms(with_prefix("$ 2H@d2@ & O@d2@"), t));
    EXPECT_EQ(t.reactant_count, 0);
    EXPECT_EQ(t.coefficient[1], 0);
    EXPECT_FALSE(parse_equation_terms("", t));
    EXPECT_FALSE(parse_equation_terms("s  =", t));  // the sign sits in the prefix
    EXPECT_FALSE(parse_equation_terms(with_prefix("A & B & C & D & E = F & G & H & I & J"), t));
    EXPECT_TRUE(parse_equation_terms(with_prefix("A & B & C & D & E = F & G & H & I"), t));
    EXPECT_EQ(t.species_count(), 9);
    EXPECT_FALSE(parse_equation_terms(with_prefix("A & B & C & D & E & F & G & H & I & J = K"), t));
    EXPECT_FALSE(parse_equation_terms(with_prefix(" = B"), t));
    EXPECT_FALSE(parse_equation_terms(with_prefix("A =   "), t));
    EXPECT_FALSE(parse_equation_terms(with_prefix("$x2A = B"), t));
}

TEST(FormatEquationText, HidesOrShowsCoefficients)
{
    EXPECT_EQ(format_equation_text(0, water_synthesis), "H@d2@ + O@d2@ = H@d2@O");
    EXPECT_EQ(format_equation_text(1, water_synthesis), "2H@d2@ + O@d2@ = 2H@d2@O");
    EXPECT_EQ(format_equation_text(0, reaction_record(17)),
              "Ca@d3@(PO@d4@)@d2@ + SiO@d2@ + C = P@d4@ + CaSiO@d3@ + CO");
    EXPECT_EQ(format_equation_text(1, reaction_record(17)),
              "2Ca@d3@(PO@d4@)@d2@ + 6SiO@d2@ + 10C = P@d4@ + 6CaSiO@d3@ + 10CO");
    EXPECT_EQ(format_equation_text(0, reaction_record(101)), "Zn + H@u+@ = Zn@u2+@ + H@d2@");
    EXPECT_EQ(format_equation_text(0, "s"), "");
}

TEST(AddStateSubscripts, MarksEachSpeciesWithItsState)
{
    EXPECT_EQ(add_state_subscripts(water_synthesis, 0, 1, 1), "H@d2@@d(g)@ + O@d2@@d(g)@ = H@d2@O@d(l)@");
    EXPECT_EQ(add_state_subscripts(water_synthesis, 0, 2, 1), "H@d2@@d(g)@ + O@d2@@d(g)@ = H@d2@O@d(g)@");
    EXPECT_EQ(add_state_subscripts(water_synthesis, 0, 2, 2), "H@d2@O@d(g)@ = H@d2@@d(g)@ + O@d2@@d(g)@");
    EXPECT_EQ(add_state_subscripts(water_synthesis, 1, 1, 2), "2H@d2@O@d(l)@ = 2H@d2@@d(g)@ + O@d2@@d(g)@");
}

TEST(AddStateSubscripts, FindsAFormulaThatEndsAnEarlierOne)
{
    const std::string decomposition = with_prefix("$ 2H@d2@O@d2@ = O@d2@ & $ 2H@d2@O");
    EXPECT_EQ(add_state_subscripts(decomposition, 1, 1, 1), "2H@d2@O@d2@@d(l)@ = O@d2@@d(g)@ + 2H@d2@O@d(l)@");
    // Only the first liquid water turns to vapour.
    const std::string both = with_prefix("H@d2@O & CO = H@d2@ & CO@d2@ & H@d2@O");
    EXPECT_EQ(add_state_subscripts(both, 0, 2, 1),
              "H@d2@O@d(g)@ + CO@d(g)@ = H@d2@@d(g)@ + CO@d2@@d(g)@ + H@d2@O@d(l)@");
}

TEST(AddStateSubscripts, RefusesSpeciesOutsideTheCompoundTable)
{
    EXPECT_EQ(add_state_subscripts(reaction_record(101), 0, 1, 1), std::nullopt);
    EXPECT_EQ(add_state_subscripts(with_prefix("$ 2H@d2@ & O@d2@"), 0, 1, 1), std::nullopt);
}

}  // namespace
