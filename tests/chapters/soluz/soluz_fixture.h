// Chapter 5 on the recording backend, and what its tests need to read a
// statement as a student reads it: the numbers it shows, the formulas and
// equations it writes.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"

namespace soluz_test {

// A number as the page shows it ("0.0250", "1.2•10@u-3@", "-1.45"): its
// value and half a unit of its last digit.
struct Shown {
    double value = 0.0;
    double half_unit = 0.0;
};
Shown shown(const std::string& text);

// The groups of the first match of pattern in text; no match is a test
// failure and gives empty groups.
std::vector<std::string> match(const std::string& text, const std::string& pattern);
// A number as the statements write it, for the patterns.
inline const std::string number = R"((-?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:•10@u-?[0-9]+@)?))";

// Atoms per element and charge of a formula written in markup
// ("Cr@d2@O@d7@@u2-@", "(NH@d4@)@d2@SO@d4@", "CuSO@d4@.5H@d2@O").
struct Formula {
    std::map<std::string, int> atoms;
    int charge = 0;
};
Formula read_formula(std::string_view markup);

// Molar mass from the element table's masses, summed in double.
double formula_mass(std::string_view markup);

// An equation as shown with its coefficients ("  2H@u+@ + Zn = ..."):
// species with their coefficients, reactants negative. "e" is an electron.
struct Term {
    int coefficient;
    std::string species;
};
std::vector<Term> read_equation(std::string_view shown_equation);
// Whether every element and the charge balance over the terms.
bool balanced(const std::vector<Term>& terms);

// |answer - expected| within half a unit of the answer's last digit and a
// relative slack for the single-precision arithmetic (and any more that a
// problem's data leave open).
void expect_shown_near(const std::string& answer, double expected, double relative_slack = 2e-5);
// The answer lies within [low, high], widened by half a unit of its last digit.
void expect_shown_within(const std::string& answer, double low, double high);

class ChapterFive : public testing_support::ChapterTest {
protected:
    ChapterFive();

    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version = 4242);
    void answer();

    // Runs check(version) for `count` spread versions of problem k, stopping
    // at the first failure.
    template <typename Check>
    void for_versions(std::int32_t k, std::int32_t count, Check check)
    {
        for (std::int32_t n = 1; n <= count; ++n) {
            const std::int32_t version = spread_version(n);
            generate(k, version);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version) + ": " +
                         statement() + " => " + answer_text());
            check(version);
            if (HasFailure()) return;
        }
    }
};

}  // namespace soluz_test
