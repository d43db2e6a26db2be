// Every reaction the program holds balances in atoms and in charge: the
// reaction table and the gas reactions read directly, and the chapters' own
// tables of equations read from the pages that show them.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "chemistry/data_tables.h"
#include "chemistry/gas_reactions.h"
#include "frame/app_state.h"
#include "frame/page_choice.h"
#include "numbers/fixed_width.h"
#include "support/formula_reading.h"
#include "support/platform_fixtures.h"
#include "support/program_start.h"
#include "support/text_patterns.h"

namespace {

using testing_support::Found;
using testing_support::read_formula;
using testing_support::ReadFormula;
using testing_support::replace_all;

// Failure naming the equation unless its atoms and charge balance; "e" is
// an electron, "(1/2)" a coefficient; states ("@d(aq)@", "@d2(s)@") are
// dropped. The equation is written as pages show it: " + " and " = ".
::testing::AssertionResult balances(const std::string& equation)
{
    const std::string text = replace_all(replace_all(equation, R"(\([a-z]+\))", ""), "@d@", "");
    std::map<std::string, std::int64_t> balance;  // in sixths of a unit, for the fractions
    std::size_t at = 0;
    for (std::int32_t sign = -1; sign <= 1; sign += 2) {
        const std::size_t equals = text.find(" = ", at);
        const std::size_t end = sign < 0 ? equals : text.size();
        if (end == std::string::npos) return ::testing::AssertionFailure() << "no sides: " << equation;
        const std::string side = text.substr(at, end - at) + " + ";
        for (std::size_t from = 0, plus; (plus = side.find(" + ", from)) != std::string::npos; from = plus + 3) {
            const std::string piece = side.substr(from, plus - from);
            const std::optional<Found> term =
                testing_support::match_whole(piece, R"(^\s*(?:\((\d+)/(\d+)\)|(\d+))?(\S+)\s*$)");
            if (!term) return ::testing::AssertionFailure() << "term " << piece;
            const Found& m = *term;
            std::int64_t sixths = 6;
            if (m.matched(1)) sixths = 6 * std::stoll(m[1]) / std::stoll(m[2]);
            if (m.matched(3)) sixths = 6 * std::stoll(m[3]);
            sixths *= sign;
            if (m[4] == "e") {
                balance["charge"] -= sixths;
                continue;
            }
            const ReadFormula f = read_formula(m[4]);
            if (!f.readable) return ::testing::AssertionFailure() << "formula " << m[4] << " in " << equation;
            for (const auto& [symbol, n] : f.atoms) balance[symbol] += sixths * n;
            balance["charge"] += sixths * f.charge;
        }
        at = end + 3;
    }
    for (const auto& [what, n] : balance)
        if (n != 0) return ::testing::AssertionFailure() << what << " off by " << n / 6.0 << ": " << equation;
    return ::testing::AssertionSuccess();
}

// An EquationText body ("$ 2H@d2@ & O@d2@ = $ 2H@d2@O") as a page writes it.
std::string shown(std::string_view body)
{
    return replace_all(replace_all(std::string(body), R"(\$ ?(\d+))", "$1"), " & ", " + ");
}

TEST(ReactionBalance, TheTableCheckItselfTellsWhatIsWrong)
{
    EXPECT_TRUE(balances("2H@d2@ + O@d2@ = 2H@d2@O"));
    EXPECT_TRUE(balances("N@d2@O@d5(g)@ = 2NO@d2@@d(g)@ + (1/2)O@d2@@d(g)@"));
    EXPECT_TRUE(balances("Cr@d2@O@d7@@u2-@ + 14H@u+@ + 6e = 2Cr@u3+@ + 7H@d2@O"));
    EXPECT_TRUE(balances("Fe@d2@(SO@d4@)@d3@ + 6KCl = 2FeCl@d3@ + 3K@d2@SO@d4@"));
    EXPECT_TRUE(balances("CuSO@d4@.5H@d2@O = CuSO@d4@ + 5H@d2@O"));
    EXPECT_FALSE(balances("2N@d2@O + O@d2@ = 2NO@d2@"));
    EXPECT_FALSE(balances("Fe@u3+@ + 2e = Fe@u2+@"));
    EXPECT_FALSE(balances("Zn + H@u+@ = Zn@u2+@ + H@d2@"));
}

TEST(ReactionBalance, TheReactionTableAndTheGasReactions)
{
    for (std::int32_t k = 1; k <= 200; ++k) {
        const std::string_view record = strip_trailing_blanks(reaction_record(k));
        EXPECT_TRUE(balances(shown(record.substr(10)))) << "reazione " << k;
    }
    std::string gas;
    load_gas_reactions(gas);
    for (std::int32_t n = 1; n <= gas_reaction_count; ++n)
        EXPECT_TRUE(balances(shown(strip_trailing_blanks(record_at(gas, gas_reaction_field, n))))) << n;
}

class ChapterReactions : public testing_support::RecordingTest {
protected:
    void SetUp() override { testing_support::start_program_with_its_parts(); }
};

// An equation as pages write one: formulas (with charges, states, hydrates,
// electrons, fractions) joined by " + " and one " = ".
const std::string formula_term = R"((?:\(\d/\d\))?\d*(?:[A-Z(][A-Za-z0-9().]*|e)(?:@[du][^@]*@[A-Za-z0-9().]*)*)";
const std::string equation_side = formula_term + R"((?:\s+\+\s+)" + formula_term + ")*";
const std::string shown_equation = equation_side + R"(\s+=\s+)" + equation_side;

TEST_F(ChapterReactions, EveryEquationOfTheChapterTablesBalances)
{
    // The problems that show the rows of a chapter's table of equations,
    // and how many different equations they show at least.
    const struct {
        std::int32_t chapter, problem, rows;
    } tables[] = {
        {6, 30, 4}, {6, 38, 7}, {7, 4, 8},  {7, 15, 5}, {8, 5, 7},  {8, 6, 7},
        {8, 7, 8},  {8, 8, 8},  {8, 9, 18}, {8, 12, 3}, {9, 37, 9}, {9, 48, 6},
    };
    for (const auto& t : tables) {
        std::set<std::string> seen;
        ASSERT_EQ(show_chosen_page({.chapter = t.chapter, .problem = t.problem, .version = 1, .answer = true}), "");
        for (std::int32_t version = 1; version <= 80; ++version) {
            ASSERT_EQ(show_chosen_version(version, true), "");
            for (const std::string* text : {&problem_texts.problem_text, &problem_texts.answer_text})
                for (const Found& found : testing_support::find_all(*text, shown_equation)) {
                    const std::string equation = replace_all(found[0], R"(\s+)", " ");
                    if (seen.insert(equation).second) {
                        EXPECT_TRUE(balances(equation)) << t.chapter << "." << t.problem << " versione " << version;
                    }
                }
        }
        EXPECT_GE(seen.size(), static_cast<std::size_t>(t.rows)) << t.chapter << "." << t.problem;
    }
}

}  // namespace
