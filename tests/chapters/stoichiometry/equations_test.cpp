// Problems 25 to 33 on their equations: the answers balance, the statements
// show the same reaction with the coefficients asked about hidden or
// changed, centred in the statement box.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "frame/app_state.h"
#include "numbers/fixed_width.h"
#include "stoichiometry_fixture.h"
#include "text/markup_text.h"

namespace stoichiometry_test {
namespace {

constexpr std::string_view marker = "@T4@@C4@?@C1@@T1@";

// Atoms per element on one side, from the compounds' compositions.
std::map<std::string, std::int32_t> atoms_on(const std::vector<Term>& side)
{
    std::map<std::string, std::int32_t> atoms;
    for (const Term& t : side) {
        const std::int32_t k = compound_with_formula(t.formula);
        EXPECT_NE(k, 0) << t.formula;
        for (const auto& [symbol, count] : atoms_of(composition_of(k))) atoms[symbol] += t.coefficient * count;
    }
    return atoms;
}

::testing::AssertionResult balanced(const std::string& text)
{
    const Equation e = read_equation(text);
    if (e.reactants.empty() || e.products.empty()) return ::testing::AssertionFailure() << "no equation: " << text;
    if (text.find("@u") != std::string::npos) return ::testing::AssertionFailure() << "charged: " << text;
    if (atoms_on(e.reactants) != atoms_on(e.products)) return ::testing::AssertionFailure() << "unbalanced: " << text;
    return ::testing::AssertionSuccess();
}

// The equation line of a statement and the x it is drawn from.
struct EquationLine {
    std::int32_t x = 0;
    std::string equation;
};

EquationLine equation_line(const std::string& statement)
{
    const auto q = match(statement, "@y20@@X([ 0-9]{3})@(.*)$");
    return {std::stoi(q[0]), q[1]};
}

std::string balanced_part(const std::string& answer)
{
    std::string text = answer.starts_with("No: ") ? answer.substr(4) : answer;
    return text.substr(0, text.find(';'));
}

std::int32_t count_of(const std::string& text, std::string_view piece)
{
    std::int32_t n = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST_F(ChapterThree, EveryAnswerEquationBalances)
{
    for (std::int32_t k = 25; k <= 33; ++k)
        for_versions(k, 150, [&] {
            if (answer_text() != "Bilanciata") {
                EXPECT_TRUE(balanced(balanced_part(answer_text())));
            }
        });
}

// Rows of the reaction table that did not happen as written, each replaced in
// its place by one that does: versions of 26 that draw them, before -> after.
TEST_F(ChapterThree, ReplacedReactionsHappenAsWritten)
{
    const std::pair<std::int32_t, std::string> cases[] = {
        // was 2FeCl3 + 3K2SO4 = Fe2(SO4)3 + 6KCl: every salt soluble
        {37, "2FeCl@d3@ + 3Ba(OH)@d2@ = 2Fe(OH)@d3@ + 3BaCl@d2@"},
        // was 3ZnCl2 + Fe2(SO4)3 = 3ZnSO4 + 2FeCl3: every salt soluble
        {45, "3BaCl@d2@ + Fe@d2@(SO@d4@)@d3@ = 3BaSO@d4@ + 2FeCl@d3@"},
        // was Ca3(AsO4)2 + 3Na2SO4 = 2Na3AsO4 + 3CaSO4: Ksp 7e-19 against 4.9e-5
        {42, "2Na@d3@AsO@d4@ + 3CaCl@d2@ = Ca@d3@(AsO@d4@)@d2@ + 6NaCl"},
        // was HgCl2 + 2FeCl2 = Hg + 2FeCl3: 0.45 V against 0.771 V
        {3, "2HgCl@d2@ + SnCl@d2@ = Hg@d2@Cl@d2@ + SnCl@d4@"},
        // was Hg2Cl2 + Cu = CuCl2 + 2Hg: 0.268 V against 0.342 V
        {11, "Hg@d2@Cl@d2@ + Zn = ZnCl@d2@ + 2Hg"},
        // was 2CaCl2 + K2Cr2O7 + H2O = 2CaCrO4 + 2KCl + 2HCl: CaCrO4 dissolves
        {47, "2AlCl@d3@ + 3Na@d2@CO@d3@ + 3H@d2@O = 2Al(OH)@d3@ + 6NaCl + 3CO@d2@"},
        // was 6NaClO + 4PH3 = 6NaCl + P4 + 6H2O: hypochlorite takes phosphine to phosphate
        {103, "4NaClO + PH@d3@ = 4NaCl + H@d3@PO@d4@"},
        // was CuCl2 + H2SO3 + H2O = Cu + H2SO4 + 2HCl: sulfite stops at CuCl
        {76, "2FeCl@d3@ + H@d2@SO@d3@ + H@d2@O = 2FeCl@d2@ + H@d2@SO@d4@ + 2HCl"},
    };
    for (const auto& [version, equation] : cases) {
        generate(26, version);
        EXPECT_EQ(answer_text(), equation) << version;
    }
}

TEST_F(ChapterThree, EquationsAreCentredInTheStatementBox)
{
    for (std::int32_t k = 25; k <= 29; ++k) {
        const std::int32_t band_left = k == 29 ? 160 : 154;
        for_versions(k, 60, [&] {
            const EquationLine line = equation_line(statement());
            const std::int32_t width = measure_markup_text(0, 2000, line.equation).x;
            EXPECT_NEAR(line.x + width / 2.0, band_left + 210, 1.0);
        });
    }
}

TEST_F(ChapterThree, ProblemTwentyFiveIsBalancedExactlyWhenItsCoefficientsAre)
{
    std::int32_t spoiled = 0;
    for_versions(25, 400, [&] {
        const std::string shown = equation_line(statement()).equation;
        EXPECT_EQ(shown.find('*'), std::string::npos);
        if (answer_text() == "Bilanciata") {
            EXPECT_TRUE(balanced(shown));
            return;
        }
        ++spoiled;
        const Equation s = read_equation(shown);
        const Equation b = read_equation(balanced_part(answer_text()));
        ASSERT_EQ(s.reactants.size(), b.reactants.size());
        bool differs = false;
        for (std::size_t i = 0; i < s.reactants.size(); ++i) {
            EXPECT_EQ(s.reactants[i].formula, b.reactants[i].formula);
            differs = differs || s.reactants[i].coefficient != b.reactants[i].coefficient;
        }
        for (std::size_t i = 0; i < s.products.size(); ++i)
            differs = differs || s.products[i].coefficient != b.products[i].coefficient;
        EXPECT_TRUE(differs);
    });
    EXPECT_GT(spoiled, 100);
}

TEST_F(ChapterThree, MissingCoefficientsAreMarkedOncePerSpecies)
{
    for (std::int32_t k : {26, 27}) {
        for_versions(k, 300, [&] {
            std::string shown = equation_line(statement()).equation;
            EXPECT_EQ(count_of(shown, marker), k - 25);
            // With the marks taken out, every species but the marked ones
            // keeps its coefficient; the equation ends as the answer's does.
            std::string unmarked = shown;
            for (auto at = unmarked.find(marker); at != std::string::npos; at = unmarked.find(marker))
                unmarked.replace(at, marker.size(), "?");
            const Equation s = read_equation(unmarked);
            const Equation b = read_equation(answer_text());
            ASSERT_EQ(s.reactants.size() + s.products.size(), b.reactants.size() + b.products.size());
            std::int32_t marked = 0;
            const auto compare = [&](const std::vector<Term>& a, const std::vector<Term>& c) {
                for (std::size_t i = 0; i < a.size(); ++i) {
                    if (a[i].formula.starts_with("?")) {
                        ++marked;
                        EXPECT_EQ(a[i].formula.substr(1), c[i].formula);
                    } else {
                        EXPECT_EQ(a[i].formula, c[i].formula);
                        EXPECT_EQ(a[i].coefficient, c[i].coefficient);
                    }
                }
            };
            compare(s.reactants, b.reactants);
            compare(s.products, b.products);
            EXPECT_EQ(marked, k - 25);
        });
    }
}

TEST_F(ChapterThree, EquationsToBalanceShowNoCoefficient)
{
    for (std::int32_t k : {28, 29})
        for_versions(k, 200, [&] {
            const Equation s = read_equation(equation_line(statement()).equation);
            const Equation b = read_equation(answer_text());
            ASSERT_EQ(s.reactants.size(), b.reactants.size());
            for (std::size_t i = 0; i < s.reactants.size(); ++i) {
                EXPECT_EQ(s.reactants[i].coefficient, 1);
                EXPECT_EQ(s.reactants[i].formula, b.reactants[i].formula);
            }
        });
}

TEST_F(ChapterThree, TheTextbookVersionFixesFourProblems)
{
    generate(11, text_version);
    EXPECT_EQ(answer_text(), "CaO@d2@H@d2@");
    const auto q = match(statement(), "contenente NUM% di (\\S+), NUM% di (\\S+) e costituito per la parte rimanente "
                                      "da (\\S+)\\.$");
    std::set<std::string> named = {q[1], q[3], q[4]};
    EXPECT_EQ(named, (std::set<std::string>{"calcio", "ossigeno", "idrogeno"}));

    const std::pair<std::int32_t, std::string> reactions[] = {
        {30, "Pb@d3@O@d4@ + 8HCl = 3PbCl@d2@ + Cl@d2@ + 4H@d2@O;"},
        {31, "3CuCl@d2@ + 2Al = 2AlCl@d3@ + 3Cu;"},
        {33, "3ZnS + 2HNO@d3@ + 6HCl = 3ZnCl@d2@ + 3S + 2NO + 4H@d2@O;"}};
    for (const auto& [k, equation] : reactions) {
        generate(k, text_version);
        EXPECT_TRUE(answer_text().starts_with(equation)) << answer_text();
    }
    generate(33, text_version);
    EXPECT_TRUE(statement().starts_with("@T1@@C1@Calcolare la quantità di ciascun prodotto ottenibile da"));
}

}  // namespace
}  // namespace stoichiometry_test
