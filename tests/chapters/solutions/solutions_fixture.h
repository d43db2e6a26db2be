// Chapter 5 on the recording backend, and what its tests need to read a
// statement as a student reads it: the numbers it shows, the formulas and
// equations it writes.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/formula_reading.h"
#include "support/shown_numbers.h"

namespace solutions_test {

using testing_support::formula_mass;
using testing_support::match;
using testing_support::number_group;
using testing_support::read_formula;
using testing_support::ReadFormula;
using testing_support::Shown;
using testing_support::shown;
using testing_support::shown_value;

// A formula as one pattern group.
inline const std::string formula = R"((\S+))";

// An equation as shown with its coefficients ("  2H@u+@ + Zn = ..."):
// species with their coefficients, reactants negative. "e" is an electron.
struct Term {
    int coefficient;
    std::string species;
};
std::vector<Term> read_equation(std::string_view shown_equation);
// Whether every element and the charge balance over the terms.
bool balanced(const std::vector<Term>& terms);

// Ions per formula unit of f: the ion's element (for an oxoanion or a
// hydroxide its first, central element) counted in the formula.
int ions_in(const std::string& ion, const std::string& f);

// |answer - expected| within half a unit of the answer's last digit and a
// relative slack for the single-precision arithmetic (and any more that a
// problem's data leave open).
void expect_shown_near(const std::string& answer, double expected, double relative_slack = 2e-5);
// The answer lies within [low, high], widened by half a unit of its last digit.
void expect_shown_within(const std::string& answer, double low, double high);

using testing_support::second_reading;

// Sweeps visit spread versions; the log is fresh for each answer and holds
// the problem's page before it.
class ChapterFive : public testing_support::ChapterTest {
protected:
    ChapterFive();
};

}  // namespace solutions_test
