// Writes checked against the exact decimal value of each binary number, over
// many numbers the reference table does not hold: random floats and doubles,
// exact halves, neighbours of powers of ten, and digit counts on both sides
// of what fits in 64-bit integers. Reads of texts longer than usual.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "numbers/formatted_conversions.h"

namespace {

// "(esW.D)" of a value worked out from its exact decimal digits: a double
// has at most 767 significant digits, so 800 of them are exact.
std::string exact_es(double value, int decimals, int width)
{
    char text[900];
    const auto end = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 800).ptr;
    const std::string written(text, end);
    const auto e = written.find('e');
    std::string digits = written.substr(0, 1) + written.substr(2, e - 2);
    int exponent = std::stoi(written.substr(e + 1));
    const auto count = static_cast<std::size_t>(decimals) + 1;
    const bool up = digits[count] >= '5';  // a half or more of the last place
    digits.resize(count);
    if (up) {
        std::size_t i = count;
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    const int magnitude = std::abs(exponent);
    std::string exponent_text = magnitude <= 99 ? "E" : "";
    exponent_text += exponent < 0 ? '-' : '+';
    const std::string exponent_digits = std::to_string(magnitude);
    exponent_text += std::string(exponent_digits.size() < 2 ? 1 : 0, '0') + exponent_digits;
    std::string field = (std::signbit(value) ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + exponent_text;
    return std::string(static_cast<std::size_t>(width) - field.size(), ' ') + field;
}

// "(fW.D)" the same way: 1100 decimals of a double are exact.
std::string exact_f(double value, int decimals, int width)
{
    char text[1500];
    const auto end = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::fixed, 1100).ptr;
    const std::string written(text, end);
    const auto point = written.find('.');
    const auto kept = static_cast<std::size_t>(decimals);
    std::string digits = written.substr(0, point) + written.substr(point + 1, kept);
    if (written[point + 1 + kept] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    const std::string field = (std::signbit(value) ? "-" : "") + digits.substr(0, digits.size() - kept) + "." +
                              digits.substr(digits.size() - kept);
    return std::string(static_cast<std::size_t>(width) - field.size(), ' ') + field;
}

// A fixed xorshift stream, so that a failure can be run again.
struct Bits {
    std::uint64_t state = 0x9E3779B97F4A7C15u;
    std::uint64_t next()
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    }
};

std::vector<double> awkward_values()
{
    std::vector<double> values;
    Bits bits;
    for (int i = 0; i < 2500; ++i) {
        // Floats shown by the program, from about 1e-30 to 1e30.
        const auto f = std::bit_cast<float>(static_cast<std::uint32_t>(0x0D800000u + bits.next() % 0x63800000u));
        values.push_back(f);
        // Doubles over a wider range, from about 1e-90 to 1e90.
        values.push_back(std::bit_cast<double>(0x2D40000000000000u + bits.next() % 0x2560000000000000u));
        // Exact halves at every position: small odd numbers over powers of two.
        values.push_back(
            std::ldexp(static_cast<double>(bits.next() % 100000 * 2 + 1), -static_cast<int>(bits.next() % 30)));
    }
    for (int n = -40; n <= 40; ++n) {
        const double power = std::pow(10.0, n);
        values.push_back(power);
        values.push_back(std::nextafter(power, 0.0));
        values.push_back(std::nextafter(power, 1e300));
    }
    for (const double v : {0.5, 1.5, 2.5, 9.5, 99.5, 999.5, 0.125, 0.0625, 9.999999, 99999.95, 1152921504606846976.0,
                           9007199254740993.0, 5e-324, 1.7976931348623157e308})
        values.push_back(v);
    return values;
}

TEST(FormattedRounding, SignificantDigitsMatchTheExactValue)
{
    const std::vector<double> values = awkward_values();
    int failures = 0;
    for (const double value : values) {
        for (const int decimals : {0, 1, 2, 3, 5, 8, 11, 15, 17, 18, 19, 24}) {
            for (const double signed_value : {value, -value}) {
                const std::string expected = exact_es(signed_value, decimals, 40);
                const std::string written = format_es(signed_value, 40, decimals);
                if (written != expected && ++failures <= 10)
                    ADD_FAILURE() << std::hexfloat << signed_value << " to " << decimals + 1 << " digits: " << written
                                  << " instead of " << expected;
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(FormattedRounding, DecimalsMatchTheExactValue)
{
    int failures = 0;
    for (const double value : awkward_values()) {
        if (value >= 1e12) continue;
        for (const int decimals : {0, 1, 2, 4, 7, 12}) {
            for (const double signed_value : {value, -value}) {
                const std::string expected = exact_f(signed_value, decimals, 40);
                const std::string written = format_f(signed_value, 40, decimals);
                if (written != expected && ++failures <= 10)
                    ADD_FAILURE() << std::hexfloat << signed_value << " to " << decimals << " decimals: " << written
                                  << " instead of " << expected;
            }
        }
    }
    EXPECT_EQ(failures, 0);
}

// Digits beyond any field the program writes, and leading or trailing
// zeros by the dozen, read as their short forms do.
TEST(FormattedRead, LongTextsReadLikeShortOnes)
{
    const std::string zeros(80, '0');
    EXPECT_EQ(read_list_double("1" + zeros + "e-80"), 1.0);
    EXPECT_EQ(read_list_double("0." + zeros + "15e82"), 15.0);
    EXPECT_EQ(read_list_real("-" + zeros + "2.5"), -2.5f);
    EXPECT_EQ(read_f("  1 2 3 . 5 " + std::string(70, ' ') + "E 1", 0), 1235.0f);
    EXPECT_EQ(read_f(zeros + "15", 1), 1.5f);  // implied decimal
    EXPECT_EQ(read_f_double("3." + std::string(300, '3'), 0), read_f_double("3.333333333333333333333", 0));
    EXPECT_FALSE(read_f(zeros + "1x", 0));
    EXPECT_FALSE(read_list_real("1e1" + zeros));  // beyond a float
    EXPECT_EQ(read_list_real("1e-1" + zeros), 0.0f);
}

}  // namespace
