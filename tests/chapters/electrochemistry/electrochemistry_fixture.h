// Chapter 8 on the recording backend, and the numbers its pages show read
// back as a student reads them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"
#include "support/table_lookups.h"

namespace electrochemistry_test {

using testing_support::atomic_mass_named;
using testing_support::digits_for;
using testing_support::match;
using testing_support::number_group;
using testing_support::shown_value;

inline constexpr double faraday = 96485.0;  // C/mol
inline constexpr std::int32_t versions_per_problem = 300;

// One unit of the last digit shown: 1e-4 for "0.0315", 1e-5 for "1.4•10@u-4@".
inline double last_digit(std::string_view text)
{
    return testing_support::shown(text).unit();
}
// Its significant digits: 2 for "0.82" and for "1.4•10@u-4@".
inline std::int32_t shown_digits(std::string_view text)
{
    return testing_support::shown(text).digits;
}

// The relative uncertainty of a datum as shown: 3 units of its last digit.
double relative_uncertainty(std::string_view shown);
// The answer shows the digits that the data shown leave the result, as the
// book's rule gives them, `most` at most.
::testing::AssertionResult digits_from_data(std::string_view answer, const testing_support::ResultOf& result_of,
                                            const std::vector<std::string>& data, std::int32_t most = 12);

// The shown number is the computed one rounded to its last digit, within
// `slack` more for what the rounding of the data shown carries into it.
::testing::AssertionResult shows(std::string_view shown, double computed, double slack = 0.0);

// The charge of an ion in markup, from its superscript: 2 for "Cu@u2+@",
// 1 for "Ag@u+@" and "H@u+@".
std::int32_t ion_charge(std::string_view ion);

// Sweeps visit "Versione Testo" and versions spread over the whole range;
// the log is fresh for each answer and holds the problem's page before it.
class ChapterEight : public testing_support::ChapterTest {
protected:
    ChapterEight();
};

}  // namespace electrochemistry_test
