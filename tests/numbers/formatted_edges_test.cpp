// Cases the reference table does not hold: non-finite numbers, fields out
// of range, refused text, and the column helpers the tables are read with.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/typed_number.h"

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

TEST(FormattedWrite, NonFiniteValuesAreNamedNotCrashed)
{
    EXPECT_EQ(format_f(nan, 8, 2), "     NaN");
    EXPECT_EQ(format_e(inf, 20, 8), "            Infinity");
    EXPECT_EQ(format_es(-inf, 10, 2), " -Infinity");
    EXPECT_EQ(format_g(-inf, 8, 3), "    -Inf");
    EXPECT_EQ(format_f(inf, 7, 1), "    Inf");
    EXPECT_EQ(format_f(-inf, 3, 1), "***");
    EXPECT_EQ(format_f(nan, 2, 0), "**");
}

TEST(FormattedWrite, FieldsThatCannotHoldTheNumberAreAsterisks)
{
    EXPECT_EQ(format_i(-10, 2), "**");
    EXPECT_EQ(format_i(123, 0), "");
    EXPECT_EQ(format_z(0x1000000, 6), "******");
    EXPECT_EQ(format_z(-1, 8), "FFFFFFFF");
    EXPECT_EQ(format_f(1.0e300, 24, 2), std::string(24, '*'));
    EXPECT_EQ(format_f(12.5, 4, 4), "****");  // decimals alone overflow
    EXPECT_EQ(format_f(-0.5, 2, 1), "**");
    EXPECT_EQ(format_f(0.5, 2, 1), ".5");                           // no room for the optional zero
    EXPECT_EQ(format_e(1.0e300, 24, 13, 2), std::string(24, '*'));  // exponent digits
    EXPECT_EQ(format_e(1.0e-300, 12, 3), "   0.100-299");
    EXPECT_EQ(format_e(-1.5, 9, 3), "-.150E+01");
    EXPECT_EQ(format_e(-1.5, 8, 3), "********");
}

TEST(FormattedWrite, WidthsBeyondTheLimitAreRefused)
{
    EXPECT_EQ(format_f(1.0, 256, 2), std::string(256, '*'));
    EXPECT_EQ(format_e(1.0, 300, 250), std::string(300, '*'));
    EXPECT_EQ(format_f(1.0, 255, 200).size(), 255u);
    EXPECT_EQ(format_f(1.0, 255, 200).back(), '0');
}

TEST(FormattedWrite, HalvesRoundAwayFromZero)
{
    EXPECT_EQ(format_f(0.125, 5, 2), " 0.13");
    EXPECT_EQ(format_f(-0.125, 5, 2), "-0.13");
    EXPECT_EQ(format_f(2.5, 3, 0), " 3.");
    EXPECT_EQ(format_f(99.5, 4, 0), "100.");
    EXPECT_EQ(format_f(2.675, 5, 2), " 2.67");  // below the half in binary
    EXPECT_EQ(format_e(125.0, 9, 2), " 0.13E+03");
    EXPECT_EQ(format_e(9.5, 9, 1), "  0.1E+02");
    EXPECT_EQ(format_es(0.0625, 9, 2), " 6.25E-02");
    EXPECT_EQ(format_es(0.0625, 9, 1), "  6.3E-02");
    // The form follows the rounded value: 999.5 becomes 0.100E+04, while
    // 99.95 and 0.09995 lie just above and below their halves in binary.
    EXPECT_EQ(format_g(999.5, 10, 3), " 0.100E+04");
    EXPECT_EQ(format_g(99.95, 10, 3), "  100.    ");
    EXPECT_EQ(format_g(0.09995, 10, 3), " 0.999E-01");
    EXPECT_EQ(format_g(0.099951, 10, 3), " 0.100    ");
}

TEST(FormattedWrite, ZeroDecimalsInAnEFieldShowOneDigit)
{
    EXPECT_EQ(format_e(1.082812437430e90, 24, 0, 3), "                0.1E+091");
}

TEST(FormattedRead, RefusesWhatIsNotANumber)
{
    for (const char* text : {"abc", "1.2.3", "1e", "--1", "+-1", "1-", ".", "-", "e5", "1.5x", "nan", "inf", "0x10"}) {
        EXPECT_FALSE(read_f(text, 0)) << text;
        EXPECT_FALSE(read_list_real(text)) << text;
        EXPECT_FALSE(read_list_double(text)) << text;
    }
    for (const char* text : {"12.5", "1e3", "--1", "+-1", "2147483648", "-2147483649", "0x10"}) {
        EXPECT_FALSE(read_i(text)) << text;
        EXPECT_FALSE(read_list_int(text)) << text;
    }
    EXPECT_FALSE(read_z("G0"));
    EXPECT_FALSE(read_z("-1"));
    EXPECT_FALSE(read_z("100000000"));
}

TEST(FormattedRead, RangesOfRealsAndIntegers)
{
    EXPECT_EQ(read_i("2147483647"), 2147483647);
    EXPECT_EQ(read_i("-2147483648"), INT32_MIN);
    EXPECT_EQ(read_z("FFFFFFFF"), -1);
    EXPECT_EQ(read_z(" 0F f"), 0xFF);
    EXPECT_FALSE(read_f("1e39", 0));  // beyond a float
    EXPECT_EQ(read_f_double("1e39", 0), 1e39);
    EXPECT_FALSE(read_list_double("1e400"));
    EXPECT_EQ(read_list_double("-1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(*read_list_double("-1e-400")));
    EXPECT_EQ(read_f("1e-99999999999", 0), 0.0f);  // exponent longer than any int
    EXPECT_EQ(read_f("15E2", 1), 150.0f);          // implied decimals before the exponent
}

TEST(FormattedRead, ListDirectedItems)
{
    EXPECT_EQ(read_list_real("  3.87e6 , 2"), 3.87e6f);
    EXPECT_EQ(read_list_int("4*12"), 12);
    EXPECT_FALSE(read_list_int("4*"));  // null value
    EXPECT_FALSE(read_list_int("x*3"));
    EXPECT_FALSE(read_list_real(",5"));
    EXPECT_FALSE(read_list_real("/"));
    EXPECT_FALSE(read_list_real("   "));
    EXPECT_EQ(read_list_real("7/"), 7.0f);
}

// A typed field is one number, with a decimal comma or point, or nothing.
TEST(FormattedRead, TypedFieldsReadAsShown)
{
    EXPECT_EQ(read_typed_double(" 1,5 "), 1.5);
    EXPECT_EQ(read_typed_double("-0,25e-3"), -0.25e-3);
    EXPECT_EQ(read_typed_real("1.5"), 1.5f);
    EXPECT_EQ(read_typed_real(",5"), 0.5f);
    for (const char* text : {"1,5 2", "1.000,5", "1,000,5", "2*3", "7/", "1,5abc", "", "  ", ","})
        EXPECT_FALSE(read_typed_double(text)) << text;
}

TEST(FixedWidth, ColumnsCountFromOneAndStopAtTheEnd)
{
    const std::string_view record = "Fe02S 03O 12";
    EXPECT_EQ(record_columns(record, 1, 2), "Fe");
    EXPECT_EQ(record_columns(record, 3, 4), "02");
    EXPECT_EQ(record_columns(record, 11, 15), "12");
    EXPECT_EQ(record_columns(record, 13, 20), "");
    EXPECT_EQ(record_columns(record, 0, 2), "Fe");
    EXPECT_EQ(record_columns(record, 5, 4), "");
    EXPECT_EQ(record_at("aaabbbccc", 3, 2), "bbb");
    EXPECT_EQ(record_at("aaabbbcc", 3, 3), "cc");
    EXPECT_EQ(record_at("aaabbbccc", 3, 4), "");
    EXPECT_EQ(strip_blanks("  12.5  "), "12.5");
    EXPECT_EQ(strip_blanks("    "), "");
    EXPECT_EQ(strip_trailing_blanks("  ab  "), "  ab");
}

}  // namespace
