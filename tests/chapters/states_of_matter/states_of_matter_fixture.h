// Chapter 4 on the recording backend: a problem generated as the page does,
// the numbers of its texts read back as a student reads them, and the
// molar masses a student would look up.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"

namespace states_of_matter_test {

using testing_support::match;
using testing_support::Shown;
using testing_support::shown_numbers;

// |shown - exact| within 0.51 of the shown number's last digit plus
// `relative` of the exact value.
inline ::testing::AssertionResult close_to(const Shown& shown, double exact, double relative = 1e-3)
{
    return testing_support::within_last_digit(shown, exact, 0.51, relative);
}

// Molar mass (g/mol) of a gas or compound named in the chapter's texts,
// from standard atomic weights; 0 for a name the table lacks.
double molar_mass_named(std::string_view name);

// The name that follows "d" plus an article tail ("ell'acqua", "el neo").
std::string without_article(std::string_view tail);

inline constexpr double gas_constant = 0.0820574;  // L atm/(mol K)
inline constexpr double avogadro = 6.02214e23;

// Sweeps visit spread versions; each request starts on a fresh log.
class ChapterFour : public testing_support::ChapterTest {
protected:
    ChapterFour();
};

}  // namespace states_of_matter_test
