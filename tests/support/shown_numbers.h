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
    // What the book takes a shown datum to be uncertain by: three units of
    // its last digit.
    double uncertainty() const { return 3.0 * unit(); }
};

// A result computed from the values of data, in their order.
using ResultOf = std::function<double(const std::vector<double>&)>;

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

// What result_of moves when each datum alone moves by half a unit of its
// last digit either way, the larger side, summed over the data: how far
// the rounding of the data shown can carry a result.
double rounding_spread(const ResultOf& result_of, const std::vector<Shown>& data);

// The same as within_rounding, where result_of computes the answer from the
// data's values: each datum moved by half a unit of its last digit away from
// zero adds what it moves the result.
::testing::AssertionResult within_data_rounding(const Shown& answer, const ResultOf& result_of,
                                                const std::vector<Shown>& data);

// The book's digit rule, worked independently of the program: the answer
// shows the digits of value from its leading one down to the leading one of
// its uncertainty u, one at least and `most` at most. The program works in
// single precision: a value or an uncertainty within its reach of a power of
// ten may count on either side of it. Rounding that carries into a new digit
// keeps the place (9.96 uncertain by 0.2 shows 10.0).
::testing::AssertionResult digits_for(const Shown& answer, double value, double u, std::int32_t most = 12);
// What each datum adds to result_of's uncertainty summed to first order: its
// three units of its last digit (never past zero, where a datum at zero adds
// nothing; a signed datum's whole) times the result's slope in it, taken
// over a hundredth of that above (below where above leaves the result's
// domain; a datum where neither holds adds the whole result).
std::vector<double> first_order_parts(const ResultOf& result_of, const std::vector<Shown>& data,
                                      const std::vector<bool>& signed_data = {});
// The same as digits_for with value and u from data shown, u summed to
// first order (a hundredth either way: the program's own estimate), signed
// data counted in full.
::testing::AssertionResult digits_of_data(const Shown& answer, const ResultOf& result_of,
                                          const std::vector<Shown>& data, std::int32_t most = 12,
                                          const std::vector<bool>& signed_data = {});

}  // namespace testing_support
