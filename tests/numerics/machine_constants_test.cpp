#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "library_capture.h"
#include "numerics/machine_constants.h"

namespace {

using MachineConstantsTest = LibraryTest;

TEST_F(MachineConstantsTest, RealConstantsHaveTheirBitPatterns)
{
    const std::uint32_t bits[8] = {0x00800000u, 0x7F7FFFFFu, 0x33800000u, 0x34000000u,
                                   0x3E9A209Bu, 0x7FC00000u, 0x7F800000u, 0xFF800000u};
    for (std::int32_t n = 1; n <= 8; ++n) EXPECT_EQ(std::bit_cast<std::uint32_t>(AMACH(n)), bits[n - 1]) << n;
    EXPECT_EQ(AMACH(1), std::ldexp(1.0f, -126));
    EXPECT_EQ(AMACH(2), 3.4028235e38f);
    EXPECT_EQ(AMACH(3), std::ldexp(1.0f, -24));
    EXPECT_EQ(AMACH(4), std::ldexp(1.0f, -23));
    EXPECT_NEAR(AMACH(5), std::log10(2.0), 2e-8);
    EXPECT_TRUE(std::isnan(AMACH(6)));
    EXPECT_EQ(AMACH(7), INFINITY);
    EXPECT_EQ(AMACH(8), -INFINITY);
    EXPECT_TRUE(lines.empty());
}

TEST_F(MachineConstantsTest, AnUnknownRealConstantIsAnErrorAndNotANumber)
{
    for (const std::int32_t n : {0, 9, -3}) {
        stops.clear();
        EXPECT_TRUE(std::isnan(AMACH(n)));
        EXPECT_EQ(N1RTY(1), 5);
        EXPECT_EQ(N1RCD(1), 5);
        EXPECT_EQ(printed_text(),
                  " 5 from AMACH. The argument must be between 1 and 8 inclusive. N = " + std::to_string(n));
        EXPECT_EQ(stops.size(), 1u);
        take_output();
    }
}

TEST_F(MachineConstantsTest, IntegerConstants)
{
    const std::int32_t expected[12] = {32, 4, 2, 31, 2147483647, 2, 24, -125, 128, 53, -1021, 1024};
    for (std::int32_t n = 1; n <= 12; ++n) EXPECT_EQ(IMACH(n), expected[n - 1]) << n;
    EXPECT_EQ(IMACH(13), 0);
    const std::vector<std::string> message = {
        "",
        " *** TERMINAL ERROR 5 from IMACH.  The argument",
        " ***          must be between 1 and 12 inclusive.",
        " ***          N =     13.",
    };
    EXPECT_EQ(lines, message);
    EXPECT_EQ(units, std::vector<std::int32_t>(4, 6));
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].routine, "IMACH");
}

TEST_F(MachineConstantsTest, UnitsCanBeReadAndChanged)
{
    std::int32_t unit = 0;
    for (const std::int32_t n : {1, 2, 3}) {
        UMACH(n, unit);
        EXPECT_EQ(unit, n == 1 ? 5 : 6);
    }
    unit = 9;
    UMACH(-3, unit);
    AMACH(0);  // its message goes to the error unit
    EXPECT_EQ(units, std::vector<std::int32_t>(lines.size(), 9));
    take_output();
    unit = 6;
    UMACH(-3, unit);
    UMACH(3, unit);
    EXPECT_EQ(unit, 6);

    stops.clear();
    unit = 42;
    UMACH(-4, unit);
    const std::vector<std::string> message = {
        "",
        " *** TERMINAL ERROR 5 from UMACH.  The absolute",
        " ***          value of the index variable must be",
        " ***          1, 2, or 3.  IABS(N) =      4.",
    };
    EXPECT_EQ(lines, message);
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(stops[0].routine, "UMACH");
    UMACH(2, unit);
    EXPECT_EQ(unit, 6);
}

}  // namespace
