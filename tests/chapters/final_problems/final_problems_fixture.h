// Chapter 9 on the recording backend, and what a student needs to check its
// answers: the numbers of a statement read back as shown, a tolerance from
// their last digits, and molar masses worked out from formulas.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/formula_reading.h"
#include "support/shown_numbers.h"
#include "support/table_lookups.h"

namespace final_problems_test {

using testing_support::atomic_mass;
using testing_support::atomic_mass_named;
using testing_support::digits_of_data;
using testing_support::formula_mass;
using testing_support::read_formula;
using testing_support::rounding_spread;
using testing_support::Shown;
using testing_support::shown;
using testing_support::symbol_named;

// The groups of the first match of the pattern (with NUM) in text, group 0
// the whole match; a failed match fails the test.
class Groups {
public:
    Groups(const std::string& text, const std::string& pattern);
    const std::string& operator[](std::size_t i) const { return groups_.at(i); }
    Shown number(std::size_t i) const { return shown(groups_.at(i)); }
    double value(std::size_t i) const { return number(i).value; }
    bool matched() const { return matched_; }

private:
    std::vector<std::string> groups_;
    bool matched_ = false;
};

// |shown - exact| within `units` of the shown number's last digit, plus
// `slack` of exact (single-precision arithmetic and table constants).
inline ::testing::AssertionResult agrees(const Shown& answer, double exact, double units = 0.5, double slack = 5e-4)
{
    return testing_support::within_last_digit(answer, exact, units, slack);
}

// f from the data as shown agrees with the answer, and the answer shows no
// digit that the rounding of the data leaves unsettled: their spread stays
// below two units of its last digit (a one-digit answer shows the least).
::testing::AssertionResult from_data(const Shown& answer, const testing_support::ResultOf& f,
                                     const std::vector<Shown>& data, double slack = 1e-4);

// f from the data as shown agrees with the answer within half a unit, and
// the answer keeps the digits that the data leave.
inline ::testing::AssertionResult worked_from(const Shown& answer, const testing_support::ResultOf& f,
                                              const std::vector<Shown>& data)
{
    std::vector<double> values;
    for (const Shown& datum : data) values.push_back(datum.value);
    if (::testing::AssertionResult near = agrees(answer, f(values), 0.5, 2e-3); !near) return near;
    return digits_of_data(answer, f, data);
}

// The formula (markup) of the compound of that name in the compound table.
std::string formula_of_compound(std::string_view name);

// A conjugate pair in a solution: `acid` mol/L put in as the acid form,
// `base` as the base form (with counter-ions that keep it neutral), Ka.
struct AcidPair {
    double acid, base, ka;
};
// pH of water holding the pairs (Kw = 1e-14), from the proton balance
// h - Kw/h = sum of (acid + base) Ka/(Ka + h) - base.
double ph_of(std::initializer_list<AcidPair> pairs);

// The spread of the versions the tests visit.
inline constexpr testing_support::VersionSpread final_spread = {.square = 7919, .linear = 104729};

// Sweeps visit versions of that spread; each request starts on a fresh log.
class ChapterNine : public testing_support::ChapterTest {
protected:
    ChapterNine();
};

}  // namespace final_problems_test
