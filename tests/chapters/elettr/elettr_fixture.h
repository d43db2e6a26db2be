// Chapter 8 on the recording backend, and the numbers its pages show read
// back as a student reads them.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"

namespace elettr_test {

// A number as a value slot shows it: "0.0315", "-212.6", "1.4•10@u-4@",
// "6.•10@u-5@".
inline const std::string number = R"((-?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:•10@u-?[0-9]+@)?))";

double shown_value(std::string_view text);
// One unit of the last digit shown: 1e-4 for "0.0315", 1e-5 for "1.4•10@u-4@".
double last_digit(std::string_view text);
// Its significant digits: 2 for "0.82" and for "1.4•10@u-4@".
std::int32_t shown_digits(std::string_view text);

// The groups of the first match of pattern in text; a failed match is a
// test failure and gives empty groups.
std::vector<std::string> captures(const std::string& text, const std::string& pattern);

// The shown number is the computed one rounded to its last digit, within
// `slack` more for what the rounding of the data shown carries into it.
::testing::AssertionResult shows(std::string_view shown, double computed, double slack = 0.0);

// The charge of an ion in markup, from its superscript: 2 for "Cu@u2+@",
// 1 for "Ag@u+@" and "H@u+@".
std::int32_t ion_charge(std::string_view ion);

class ChapterEight : public testing_support::ChapterTest {
protected:
    ChapterEight();

    // Request 1 of problem k under the version (0 is "Nessuna Versione",
    // with the stream seeded by seed_for_no_version).
    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version = 2024);
    // Request 2 of the selected problem, after the log has been cleared.
    void answer();

    // "Versione Testo" and count - 1 versions spread over the whole range.
    static std::vector<std::int32_t> sweep_versions(std::int32_t count);

    // Runs check on problem k for each sweep version, stopping at the first failure.
    template <typename Check>
    void sweep(std::int32_t k, std::int32_t count, Check check)
    {
        for (const std::int32_t version : sweep_versions(count)) {
            generate(k, version);
            SCOPED_TRACE("problema " + std::to_string(k) + " versione " + std::to_string(version) + ": " +
                         statement() + " => " + answer_text());
            check();
            if (HasFailure()) return;
        }
    }
};

}  // namespace elettr_test
