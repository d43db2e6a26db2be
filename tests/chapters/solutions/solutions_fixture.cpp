#include "solutions_fixture.h"

#include <cctype>
#include <cmath>

#include "chapters/solutions/solutions_chapter.h"
#include "numbers/fixed_width.h"

namespace solutions_test {

std::vector<Term> read_equation(std::string_view shown_equation)
{
    std::vector<Term> terms;
    const std::string text(strip_blanks(shown_equation));
    const std::size_t equals = text.find(" = ");
    if (equals == std::string::npos) {
        ADD_FAILURE() << "no sides in " << text;
        return terms;
    }
    const auto read_side = [&](std::string side, int sign) {
        side += " + ";
        for (std::size_t at = 0, next; (next = side.find(" + ", at)) != std::string::npos; at = next + 3) {
            std::string piece(strip_blanks(side.substr(at, next - at)));
            int coefficient = 1;
            std::size_t digits = 0;
            while (digits < piece.size() && std::isdigit(static_cast<unsigned char>(piece[digits]))) ++digits;
            if (digits > 0) coefficient = std::stoi(piece.substr(0, digits));
            terms.push_back({sign * coefficient, piece.substr(digits)});
        }
    };
    read_side(text.substr(0, equals), -1);
    read_side(text.substr(equals + 3), 1);
    return terms;
}

bool balanced(const std::vector<Term>& terms)
{
    std::map<std::string, int> atoms;
    int charge = 0;
    for (const Term& term : terms) {
        if (term.species == "e@u-@") {
            charge -= term.coefficient;
            continue;
        }
        const ReadFormula formula = read_formula(term.species);
        for (const auto& [symbol, n] : formula.atoms) atoms[symbol] += term.coefficient * n;
        charge += term.coefficient * formula.charge;
    }
    for (const auto& [symbol, n] : atoms)
        if (n != 0) return false;
    return charge == 0;
}

int ions_in(const std::string& ion, const std::string& f)
{
    const ReadFormula read = read_formula(f);
    const std::string element =
        ion.substr(0, ion.size() > 1 && std::islower(static_cast<unsigned char>(ion[1])) ? 2 : 1);
    return read.atoms.count(element) ? read.atoms.at(element) : 0;
}

void expect_shown_near(const std::string& answer, double expected, double relative_slack)
{
    EXPECT_TRUE(testing_support::within_last_digit(shown(answer), expected, 0.5 * (1 + 1e-6), relative_slack))
        << answer;
}

void expect_shown_within(const std::string& answer, double low, double high)
{
    const Shown a = shown(answer);
    EXPECT_GE(a.value, low - a.half_unit() * (1 + 1e-6) - 1e-6 * std::abs(low)) << answer << " below " << low;
    EXPECT_LE(a.value, high + a.half_unit() * (1 + 1e-6) + 1e-6 * std::abs(high)) << answer << " above " << high;
}

ChapterFive::ChapterFive()
    : ChapterTest({.chapter = 5,
                   .run_chapter = run_solutions_chapter,
                   .fresh_log = testing_support::FreshLog::for_answer,
                   .seed_for_no_version = 4242})
{}

}  // namespace solutions_test
