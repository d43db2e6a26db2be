#include <gtest/gtest.h>

#include <string>

#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/gas_reactions.h"
#include "chemistry/phase_limits.h"
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
        {101, "$ 2SO@d2@ & O@d2@ = $ 2SO@d3@"}, {151, "C@d3@H@d6@ & H@d2@ = C@d3@H@d8@"},
        {201, "I@d2@ & H@d2@ = $ 2HI"},         {251, "C@d2@H@d4@ & H@d2@ = C@d2@H@d6@"},
        {301, "CO & Cl@d2@ = COCl@d2@"},        {351, "Br@d2@ & $ 2NO = $ 2NOBr"},
    };
    std::string text(500, 'x');
    load_gas_reactions(text);
    ASSERT_EQ(text.size(), 500u);
    for (const Entry& e : table) {
        const std::string field(record_columns(text, e.position, e.position + 49));
        EXPECT_EQ(strip_trailing_blanks(field), e.equation) << e.position;
        // The pages guard every gas of these equations.
        const std::string record = "s         " + std::string(e.equation);
        EquationTerms terms;
        ASSERT_TRUE(parse_equation_terms(record, terms));
        for (std::int32_t j = 1; j <= terms.species_count(); ++j)
            EXPECT_TRUE(has_phase_points(find_compound_by_formula(terms.species_text(record, j)).value_or(0)))
                << terms.species_text(record, j);
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

// Entries 6 and 4 were 2N2O + 3O2 = 4NO2 and NO2 + N2O = 3NO, which never
// happen (N2O gives N2 and O2 first); ethylene's and propene's
// hydrogenations take their places, their constants from the heat
// capacities at the ends of their draws: 368 at 500 °C and 0.137 at
// 900 °C, 25.0 at 500 °C and 0.068 at 800 °C.
TEST(GasReactions, EthyleneAndPropeneWithHydrogenGiveTheirAlkanes)
{
    std::string text;
    load_gas_reactions(text);
    const auto constant = [&](std::int32_t n, float t) {
        const std::string equation = "s         " + std::string(strip_trailing_blanks(record_at(text, 50, n)));
        return compute_reaction_thermo(equation, 1, t)->equilibrium_constant;
    };
    EXPECT_NEAR(constant(6, 500.0f), 368.0, 4.0);
    EXPECT_NEAR(constant(6, 900.0f), 0.137, 0.002);
    EXPECT_NEAR(constant(4, 500.0f), 25.0, 0.3);
    EXPECT_NEAR(constant(4, 800.0f), 0.068, 0.001);
}
}  // namespace
