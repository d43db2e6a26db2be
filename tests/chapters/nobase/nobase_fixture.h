// Chapter 1 on the recording backend: a problem generated as the page does
// (the stream seeded with the version, then request 1), its answer drawn
// with request 2, and the numbers of its texts read back as a student
// reads them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"

namespace nobase_test {

// A number as shown: its value, its significant digits and the decimal
// place (power of ten) of its last digit.
struct Shown {
    double value = 0.0;
    std::int32_t digits = 0;
    std::int32_t last_place = 0;
    std::string significand;  // the significant digits, without point or sign
    std::int32_t first_place = 0;  // power of ten of the first significant digit
};

// Reads "-1.23•10@u-3@", "0.0120", "5.•10@u2@" or "120".
Shown shown(std::string_view markup);

// The groups of the first match of pattern in text; a failed match is a
// test failure and gives empty groups. The token NUM stands for a shown
// number.
std::vector<std::string> match(const std::string& text, const std::string& pattern);

// |shown - exact| within `units` of the shown number's last digit, plus a
// relative 1e-5 for single precision.
::testing::AssertionResult within_last_digit(const Shown& answer, double exact, double units = 0.51);

// The same, where the result was computed from data more precise than
// their display: each datum adds half a unit of its last digit, relative.
::testing::AssertionResult within_rounding(const Shown& answer, double exact, std::initializer_list<Shown> data);

class ChapterOne : public testing_support::ChapterTest {
protected:
    ChapterOne();

    // Request 1 of problem k under the version (0 is "Nessuna Versione",
    // with the stream seeded by seed_for_no_version), on a fresh log.
    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version = 12345);
    // Request 2 of the problem last generated.
    void answer();

    // Runs check for versions 1 to count, stopping at the first failure.
    template <typename Check>
    void for_versions(std::int32_t k, std::int32_t count, Check check)
    {
        for (std::int32_t v = 1; v <= count; ++v) {
            generate(k, v);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(v) + ": " + statement() +
                         " => " + answer_text());
            check(v);
            if (HasFailure()) return;
        }
    }
};

}  // namespace nobase_test
