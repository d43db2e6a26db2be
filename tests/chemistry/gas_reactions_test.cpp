#include <gtest/gtest.h>

#include <string>

#include "chemistry/equation_text.h"
#include "chemistry/gas_reactions.h"
#include "chemistry/reaction_thermo.h"
#include "numbers/fixed_width.h"

namespace {

TEST(GasReactions, EightEquationsInFiftyCharacterFieldsOfTheWholeText)
{
    struct Entry {
        std::size_t position;
        const char* equation;
    };
    const Entry table[] = {
        {1, "N@d2@ & $ 3H@d2@ = $ 2NH@d3@"},    {51, "$ 2NO & O@d2@ = $ 2NO@d2@"},
        {101, "$ 2SO@d2@ & O@d2@ = $ 2SO@d3@"}, {151, "NO@d2@ & N@d2@O = $ 3NO"},
        {201, "I@d2@ & H@d2@ = $ 2HI"},         {251, "C@d2@H@d4@ & H@d2@ = C@d2@H@d6@"},
        {301, "CO & Cl@d2@ = COCl@d2@"},        {351, "Br@d2@ & $ 2NO = $ 2NOBr"},
    };
    std::string text(500, 'x');
    load_gas_reactions(text);
    ASSERT_EQ(text.size(), 500u);
    for (const Entry& e : table) {
        const std::string field(record_columns(text, e.position, e.position + 49));
        EXPECT_EQ(strip_trailing_blanks(field), e.equation) << e.position;
    }
    EXPECT_EQ(record_columns(text, 29, 50), std::string(22, ' '));
    EXPECT_EQ(record_columns(text, 375, 500), std::string(126, ' '));

    // A text too short for the eighth field is widened to hold it.
    std::string short_text = "abc";
    load_gas_reactions(short_text);
    EXPECT_EQ(short_text, text.substr(0, 400));
}

TEST(GasReactions, TwoGasesGiveOneWithFormationDataAndNoWater)
{
    std::string text;
    load_gas_reactions(text);
    for (std::int32_t n = 1; n <= gas_reaction_count; ++n) {
        const std::string equation = "s         " + std::string(strip_trailing_blanks(record_at(text, 50, n)));
        EquationTerms terms;
        ASSERT_TRUE(parse_equation_terms(equation, terms)) << n;
        EXPECT_EQ(terms.reactant_count, 2) << n;
        EXPECT_EQ(terms.product_count, 1) << n;
        const auto liquid = compute_reaction_thermo(equation, 1, 300.0f);
        const auto vapour = compute_reaction_thermo(equation, water_as_vapour, 300.0f);
        ASSERT_TRUE(liquid && vapour) << n;
        EXPECT_EQ(liquid->dG, vapour->dG) << n;
        EXPECT_NE(liquid->dS, 0.0f) << n;
    }
}

// Entry 6 was 2N2O + 3O2 = 4NO2, which never happens; ethylene's
// hydrogenation takes its place, its constant from the heat capacities
// 368 at 500 °C and 0.137 at 900 °C, the ends of its draws.
TEST(GasReactions, EthyleneAndHydrogenGiveEthane)
{
    std::string text;
    load_gas_reactions(text);
    const std::string equation = "s         " + std::string(strip_trailing_blanks(record_at(text, 50, 6)));
    EXPECT_NEAR(compute_reaction_thermo(equation, 1, 500.0f)->equilibrium_constant, 368.0, 4.0);
    EXPECT_NEAR(compute_reaction_thermo(equation, 1, 900.0f)->equilibrium_constant, 0.137, 0.002);
}
}  // namespace
