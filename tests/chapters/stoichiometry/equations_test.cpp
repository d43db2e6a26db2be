// Problems 25 to 33 on their equations: the answers balance, the statements
// show the same reaction with the coefficients asked about hidden or
// changed, centred in the statement box.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

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
