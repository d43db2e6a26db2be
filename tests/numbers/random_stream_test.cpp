#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "numbers/random_stream.h"

namespace {

constexpr std::uint32_t multiplier = 843314861u;
constexpr std::uint32_t increment = 453816693u;
constexpr std::uint32_t low31 = 0x7FFFFFFFu;

// The inverse of an odd number modulo 2^32 (and so modulo 2^31).
std::uint32_t inverse_of(std::uint32_t odd)
{
    std::uint32_t inverse = odd;  // Newton: each step doubles the good bits
    for (int i = 0; i < 5; ++i) inverse *= 2u - odd * inverse;
    return inverse;
}

// The seed whose next draw returns y / 2^31 (the multiplier is odd, hence
// invertible modulo 2^31), so that a test can choose the u a routine sees.
std::int32_t seed_for_next(std::uint32_t y)
{
    return static_cast<std::int32_t>(((y - increment) * inverse_of(multiplier)) & low31);
}

std::uint32_t y_for(double u)
{
    return static_cast<std::uint32_t>(std::llround(u * 2147483648.0));
}

class RandomStreamTest : public ::testing::Test {};

TEST_F(RandomStreamTest, SeedOneGivesTheDocumentedStatesAndDraws)
{
    set_random_seed(1);
    const std::array<std::int32_t, 3> states{1297131554, 17103983, 1426780792};
    const std::array<double, 3> draws{0.6040239492, 0.0079646627, 0.6643965803};
    for (std::size_t i = 0; i < states.size(); ++i) {
        const double u = next_uniform(random_stream.random_state);
        EXPECT_EQ(random_stream.random_state, states[i]);
        EXPECT_NEAR(u, draws[i], 1e-10);
        EXPECT_EQ(u, states[i] / 2147483648.0);  // exact, not rounded to float
    }
}

TEST_F(RandomStreamTest, SpecialSeedsAreValid)
{
    struct Case {
        std::int32_t seed;
        std::int32_t first_state;
    };
    for (const Case c :
         {Case{10000001, 948788386}, Case{0, 453816693}, Case{-5, 532209684}, Case{INT32_MIN, 453816693}}) {
        std::int32_t state = c.seed;
        const double u = next_uniform(state);
        EXPECT_EQ(state, c.first_state) << c.seed;
        EXPECT_GE(u, 0.0) << c.seed;
        EXPECT_LT(u, 1.0) << c.seed;
        EXPECT_EQ(static_cast<std::uint32_t>(state),
                  (static_cast<std::uint32_t>(c.seed) * multiplier + increment) & low31);
    }
    std::int32_t state = 10000001;
    EXPECT_NEAR(next_uniform(state), 0.4418140212, 1e-10);
    state = 0;
    EXPECT_NEAR(next_uniform(state), 0.2113248654, 1e-10);
}

TEST_F(RandomStreamTest, RandomIntTruncatesTowardZero)
{
    struct Case {
        double u;
        std::int32_t expected;
    };
    for (const Case c : {Case{0.01, -8}, Case{0.5, 0}, Case{0.47, 0}, Case{0.0, -9}, Case{0.999999, 9}, Case{0.52, 0},
                         Case{0.53, 1}}) {
        set_random_seed(seed_for_next(y_for(c.u)));
        EXPECT_EQ(random_int(-9, 9), c.expected) << c.u;
    }
}

TEST_F(RandomStreamTest, RandomIntOverARangeBelowZeroFavoursZero)
{
    set_random_seed(12345);
    std::array<int, 19> counts{};
    constexpr int draws = 190000;
    for (int i = 0; i < draws; ++i) ++counts[random_int(-9, 9) + 9];
    EXPECT_EQ(counts[0], 0);                      // -9 only at u = 0
    EXPECT_NEAR(counts[9], 2 * draws / 19, 800);  // 0 twice as often
    for (int v : {-8, -1, 1, 9}) EXPECT_NEAR(counts[v + 9], draws / 19, 600) << v;
}

TEST_F(RandomStreamTest, RandomIntStaysInItsRangeAndConsumesOneDraw)
{
    set_random_seed(77);
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t v = random_int(3, 7);
        EXPECT_GE(v, 3);
        EXPECT_LE(v, 7);
    }
    set_random_seed(5);
    EXPECT_EQ(random_int(4, 4), 4);
    std::int32_t state = 5;
    next_uniform(state);
    EXPECT_EQ(random_stream.random_state, state);
    // The widest range must not overflow on the way.
    set_random_seed(seed_for_next(y_for(0.999999)));
    EXPECT_GT(random_int(INT32_MIN, INT32_MAX), 2147000000);
    set_random_seed(seed_for_next(0));
    EXPECT_EQ(random_int(INT32_MIN, INT32_MAX), INT32_MIN);
}

// Small ranges of whole numbers take an integer product: the same numbers as
// min(hi, trunc(lo + u (hi - lo + 1))) computed in double, at the ends of
// the draw and between, and either side of the limit of that product.
TEST_F(RandomStreamTest, RandomIntGivesTheDoubleFormulasNumberOnEveryRange)
{
    struct Range {
        std::int32_t lo, hi;
    };
    constexpr std::int32_t limit = std::int32_t{1} << 21;
    const std::array<Range, 11> ranges{{{0, 0},
                                        {0, 1},
                                        {150, 591},
                                        {50, 250},
                                        {0, limit - 1},
                                        {limit - 2, limit - 1},
                                        {0, limit},
                                        {0, std::int32_t{1} << 30},
                                        {std::int32_t{1} << 30, std::numeric_limits<std::int32_t>::max() - 1},
                                        {-3, 500},
                                        {7, 5}}};
    std::uint32_t y = 12345;
    for (const Range r : ranges) {
        for (int k = 0; k < 3000; ++k) {
            // The draw that brings u (hi - lo + 1) nearest below a whole
            // number, where rounding in double would reach it, is among them.
            const auto span = static_cast<std::uint32_t>(r.hi - r.lo + 1);
            const std::uint32_t nearest_below = span % 2 == 1 ? (0u - inverse_of(span)) & low31 : 1u;
            y = k == 0 ? 0u : k == 1 ? low31 : k == 2 ? nearest_below : (y * 1103515245u + 12345u) & low31;
            set_random_seed(seed_for_next(y));
            const double u = y / 2147483648.0;
            const auto drawn = static_cast<std::int64_t>(r.lo + u * (static_cast<double>(r.hi) - r.lo + 1.0));
            EXPECT_EQ(random_int(r.lo, r.hi), std::min<std::int64_t>(r.hi, drawn)) << r.lo << " " << r.hi << " " << y;
        }
    }
}

TEST_F(RandomStreamTest, RandomRealIsAFloatFromADoubleComputation)
{
    set_random_seed(1);
    EXPECT_EQ(random_real(0.0f, 1.0f), static_cast<float>(1297131554 / 2147483648.0));
    set_random_seed(1);
    const float reversed = random_real(5.0f, 2.0f);  // a > b lands in (b, a]
    EXPECT_GT(reversed, 2.0f);
    EXPECT_LE(reversed, 5.0f);
    EXPECT_EQ(reversed, static_cast<float>(-3.0 * (1297131554 / 2147483648.0) + 5.0));
}

TEST_F(RandomStreamTest, SkipAdvancesByExactlyItsCount)
{
    for (std::int32_t n : {0, -3}) {
        set_random_seed(42);
        skip_random_draws(n);
        EXPECT_EQ(random_stream.random_state, 42) << n;
    }
    set_random_seed(42);
    skip_random_draws(3);
    std::int32_t state = 42;
    for (int i = 0; i < 3; ++i) next_uniform(state);
    EXPECT_EQ(random_stream.random_state, state);
}

}  // namespace
