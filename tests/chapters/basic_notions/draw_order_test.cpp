// The order of the draws decides every version's data: a few problems
// whose data come from consecutive draws, replayed from the stream.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "basic_notions_fixture.h"
#include "frame/app_state.h"
#include "numbers/random_stream.h"

namespace basic_notions_test {
namespace {

// The number shown is the draw rounded to the digits drawn after it.
::testing::AssertionResult shows_draw(const Shown& number, double drawn, std::int32_t digits)
{
    if (number.digits != digits && !(number.digits < digits && number.significand.back() != '0'))
        return ::testing::AssertionFailure() << number.digits << " digits shown, " << digits << " drawn";
    if (std::fabs(number.value - drawn) > 0.5001 * std::pow(10.0, number.last_place))
        return ::testing::AssertionFailure() << number.value << " shown, " << drawn << " drawn";
    return ::testing::AssertionSuccess();
}

TEST_F(ChapterOne, ProblemEighteenDrawsUnitExponentMantissaThenDigits)
{
    const char* units[] = {"", "pg", "ng", "µg", "mg", "g", "kg"};
    for (std::int32_t version = 1; version <= 100; ++version) {
        set_random_seed(version);
        skip_random_draws(2);
        std::int32_t unit = random_int(1, 6);
        if (random_int(1, 2) == 1) unit = random_int(4, 6);
        const std::int32_t e = random_int(-3, 3);
        const double mass = static_cast<double>(random_real(1.0f, 9.99f)) * std::pow(10.0, e);
        const std::int32_t digits = random_int(2, 4);
        generate(18, version);
        const auto q = match(statement(), "di massa NUM (\\S+)$");
        EXPECT_EQ(q[1], units[unit]) << version;
        EXPECT_TRUE(shows_draw(shown(q[0]), mass, digits)) << version;
    }
}

TEST_F(ChapterOne, ProblemTwentyTwoDrawsTheFrequencyBeforeItsDigits)
{
    const char* units[] = {"", "J", "kJ", "cal", "kcal"};
    for (std::int32_t version = 1; version <= 100; ++version) {
        set_random_seed(version);
        skip_random_draws(1);
        const std::int32_t u = random_int(1, 4);
        std::int32_t w = 0;
        do {
            w = random_int(1, 4);
        } while (w == u);
        const double mantissa = random_real(1.0f, 9.99f);
        const double frequency = mantissa * std::pow(10.0, random_int(12, 18));
        const std::int32_t digits = random_int(2, 5);
        generate(22, version);
        const auto q = match(statement(), "pari a NUM (\\S+)•s\\..* pari a NUM s@u-1@, esprimendola in (\\S+)$");
        EXPECT_EQ(q[1], units[u]) << version;
        EXPECT_EQ(q[3], units[w]) << version;
        EXPECT_TRUE(shows_draw(shown(q[2]), frequency, digits)) << version;
    }
}

TEST_F(ChapterOne, ProblemSeventeenDrawsItsDigitsAfterTheTextbookVolume)
{
    set_random_seed(text_version);
    skip_random_draws(2);
    random_int(1, 4);
    random_int(5, 6);
    const bool swapped = random_int(1, 2) == 1;
    if (swapped) {
        random_int(5, 6);
        random_int(1, 4);
    }
    random_real(1.0f, 9.99f);
    random_int(1, 6);
    random_int(-7, -1);
    const std::int32_t digits = random_int(1, 4);
    generate(17, text_version);
    EXPECT_TRUE(shows_draw(shown(match(statement(), "pari a NUM ")[0]), 5443220.0, digits));
}

}  // namespace
}  // namespace basic_notions_test
