// Chapter 7 on the recording backend, and the independent arithmetic its
// tests check the answers with: numbers read back from the markup shown,
// pH balances and equilibria solved by bisection in double precision.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"

namespace equilibria_test {

using testing_support::match;
using testing_support::number_group;
using testing_support::shown_value;

inline constexpr double kw = 1e-14;  // water's ionic product at 25 °C

using testing_support::second_reading;

// The numbers of the groups of the first match.
std::vector<double> numbers(const std::string& text, const std::string& pattern);

// The number shown equals expected rounded to the digits shown, within a
// further relative tolerance for the rounding of the data it comes from.
::testing::AssertionResult near_shown(const std::string& markup, double expected, double tolerance);

// [H+] of a weak acid (ca, ka) and a weak base (cb, kb) in water; a strong
// one is passed with a large constant.
double hydrogen_ion(double ca, double cb, double ka, double kb);

// The extent x at which prod (c0 + nu x)^nu over products / reactants
// equals K, the reactants' c0 - nu x; species with nu 0 are left out.
// Returns the concentrations.
std::array<double, 6> equilibrium(const std::array<double, 6>& nu, const std::array<double, 6>& c0, double K);

// The real number or fraction a coefficient cell writes ("(1/3)", "2", "").
double coefficient_value(const std::string& cell);

// Sweeps visit "Versione Testo" and spread versions; the log is fresh for
// each answer and holds the problem's page before it.
class ChapterSeven : public testing_support::ChapterTest {
protected:
    ChapterSeven();
};

// One problem of a section sweep and the check that recomputes its answer
// from the statement.
struct SweepCase {
    std::int32_t problem;
    std::function<void(const std::string& statement, const std::string& answer)> check;
};

}  // namespace equilibria_test
