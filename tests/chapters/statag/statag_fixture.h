// Chapter 4 on the recording backend: a problem generated as the page does,
// the numbers of its texts read back as a student reads them, and the
// molar masses a student would look up.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"

namespace statag_test {

// A number as shown, with the place (power of ten) of its last digit.
struct Shown {
    double value = 0.0;
    std::int32_t last_place = 0;
};

// The numbers of a markup text in order: markup codes (subscripts,
// fonts, degree signs) are not numbers, "1.2•10@u-3@" is one.
std::vector<Shown> shown_numbers(std::string_view markup);

// |shown - exact| within 0.51 of the shown number's last digit plus
// `relative` of the exact value.
::testing::AssertionResult close_to(const Shown& shown, double exact, double relative = 1e-3);

// Molar mass (g/mol) of a gas or compound named in the chapter's texts,
// from standard atomic weights; 0 for a name the table lacks.
double molar_mass_named(std::string_view name);

// The name that follows "d" plus an article tail ("ell'acqua", "el neo").
std::string without_article(std::string_view tail);

// The groups of the first match of pattern in text; a failed match is a
// test failure and gives empty groups.
std::vector<std::string> match(const std::string& text, const std::string& pattern);

inline constexpr double gas_constant = 0.0820574;  // L atm/(mol K)
inline constexpr double avogadro = 6.02214e23;

class ChapterFour : public testing_support::ChapterTest {
protected:
    ChapterFour();

    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version = 12345);
    void answer();

    // Runs check for `count` spread versions, stopping at the first failure.
    template <typename Check>
    void for_versions(std::int32_t k, std::int32_t count, Check check)
    {
        for (std::int32_t n = 1; n <= count; ++n) {
            const std::int32_t version = spread_version(n);
            generate(k, version);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version) + ": " +
                         statement() + " => " + answer_text());
            check();
            if (HasFailure()) return;
        }
    }
};

}  // namespace statag_test
