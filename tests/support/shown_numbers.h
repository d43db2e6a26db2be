// Numbers in the program's markup read back as a student reads them, and
// answers compared with an independent calculation within the digits shown.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

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

// The same, where exact_of computes the answer from the data's values: each
// datum moved by half a unit of its last digit adds what it moves the result.
::testing::AssertionResult within_data_rounding(const Shown& answer,
                                                const std::function<double(const std::vector<double>&)>& exact_of,
                                                const std::vector<Shown>& data);

}  // namespace testing_support
