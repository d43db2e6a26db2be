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
    std::string significand;       // the significant digits, without point or sign
    std::int32_t first_place = 0;  // power of ten of the first significant digit

    // The place value of the last digit (1e-4 for "0.0315"), and its half.
    double unit() const;
    double half_unit() const { return 0.5 * unit(); }
};

// A shown number as one regex group: "-1.23•10@u-3@", "0.0120", ".5",
// "5.•10@u2@" or "120".
inline const std::string number_group = R"((-?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:•10@u-?[0-9]+@)?))";

// Reads such a number; anything else is a test failure and reads as NaN.
Shown shown(std::string_view markup);
double shown_value(std::string_view markup);

// The numbers of a markup text in order: markup codes (subscripts, fonts,
// degree signs) are not numbers, "1.2•10@u-3@" is one.
std::vector<Shown> shown_numbers(std::string_view markup);

// The groups of the first match of pattern (with NUM, see text_patterns.h)
// in text; a failed match is a test failure and gives empty groups.
std::vector<std::string> match(const std::string& text, const std::string& pattern);

// |shown - exact| within `units` of the shown number's last digit, plus
// `relative` of exact (1e-5 for single precision) and `absolute`; an exact
// value that is not finite never agrees.
::testing::AssertionResult within_last_digit(const Shown& answer, double exact, double units = 0.51,
                                             double relative = 1e-5, double absolute = 0.0);

// The same, where the result was computed from data more precise than
// their display: each datum adds half a unit of its last digit, relative.
::testing::AssertionResult within_rounding(const Shown& answer, double exact, std::initializer_list<Shown> data);

// The same, where exact_of computes the answer from the data's values: each
// datum moved by half a unit of its last digit adds what it moves the result.
::testing::AssertionResult within_data_rounding(const Shown& answer,
                                                const std::function<double(const std::vector<double>&)>& exact_of,
                                                const std::vector<Shown>& data);

// The answer carries the digits its data carry, by the program's rule:
// each datum moved by three units of its last digit adds what it moves
// the result, and the answer's last digit stands where that sum's first
// does (one place coarser where rounding carries into a new digit, as
// 9.96 to two digits shows 10); an answer uncertain by more than itself
// shows one digit.
::testing::AssertionResult digits_of_data(const Shown& answer,
                                          const std::function<double(const std::vector<double>&)>& exact_of,
                                          const std::vector<Shown>& data);

// The book's digit rule, worked independently of the program: a result of
// uncertainty u keeps the digits from its leading one down to u's leading
// one, one at least; computed from data shown, u sums what each datum,
// moved by three units of its last digit towards zero and never past it,
// moves the result (a datum moved where the result has no value leaves it
// one digit).
std::int32_t digits_for_uncertainty(double value, double u);
std::int32_t digits_data_leave(const std::function<double(const std::vector<double>&)>& result_of,
                               const std::vector<Shown>& data);

}  // namespace testing_support
