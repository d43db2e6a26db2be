#include <gtest/gtest.h>

#include <cstdint>

#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"

namespace {

class ProblemVariantTest : public ::testing::Test {
protected:
    void SetUp() override { saved_version_ = app_state.version_number; }
    void TearDown() override { app_state.version_number = saved_version_; }

private:
    std::int32_t saved_version_ = 0;
};

TEST_F(ProblemVariantTest, NoVersionNeverRepeatsTheLastVariant)
{
    app_state.version_number = no_version;
    set_random_seed(99);
    std::int32_t last = 2;
    for (int i = 0; i < 500; ++i) {
        const std::int32_t previous = last;
        const std::int32_t v = pick_problem_variant(3, last, 1);
        EXPECT_NE(v, previous);
        EXPECT_EQ(last, v);
        EXPECT_GE(v, 1);
        EXPECT_LE(v, 3);
    }
}

TEST_F(ProblemVariantTest, SingleVariantUnderNoVersionReturnsAtOnce)
{
    app_state.version_number = no_version;
    set_random_seed(99);
    std::int32_t last = 1;
    EXPECT_EQ(pick_problem_variant(1, last, 0), 1);
    std::int32_t state = 99;
    next_uniform(state);
    EXPECT_EQ(random_stream.random_state, state);
}

TEST_F(ProblemVariantTest, TextbookVersionForcesItsVariantButStillDraws)
{
    app_state.version_number = text_version;
    set_random_seed(7);
    std::int32_t last = 0;
    EXPECT_EQ(pick_problem_variant(5, last, 4), 4);
    EXPECT_EQ(last, 4);
    std::int32_t state = 7;
    next_uniform(state);
    EXPECT_EQ(random_stream.random_state, state);

    // Without a textbook variant, and under a numbered version, the draw
    // stands even when it repeats.
    for (std::int32_t version : {text_version, 123}) {
        app_state.version_number = version;
        set_random_seed(7);
        const std::int32_t expected = random_int(1, 5);
        set_random_seed(7);
        std::int32_t repeat = expected;
        EXPECT_EQ(pick_problem_variant(5, repeat, version == text_version ? 0 : 2), expected);
    }
}

TEST_F(ProblemVariantTest, KeptVariantsKeepTheirDrawAndSkipTheLeftOut)
{
    // Members 2 and 4 of 5 left out: 1, 3, 5 become places 1, 2, 3.
    constexpr std::int32_t left_out[] = {2, 4};
    constexpr std::int32_t place[] = {0, 1, 0, 2, 0, 3};
    app_state.version_number = 123;
    for (std::int32_t seed = 1; seed <= 200; ++seed) {
        set_random_seed(seed);
        std::int32_t last = 0;
        const std::int32_t first = pick_problem_variant(5, last, 0);
        set_random_seed(seed);
        const std::int32_t kept = pick_kept_variant(5, last, 0, left_out);
        if (place[first] != 0) {
            EXPECT_EQ(kept, place[first]) << seed;
        }
        EXPECT_TRUE(kept >= 1 && kept <= 3) << seed;
        EXPECT_EQ(place[last], kept) << seed;
    }
}

TEST(RedrawLoopTest, StopsAtTheFirstAcceptedDrawOrAtTheCapKeepingTheLast)
{
    redraw_record = {};
    std::int32_t drawn = 0;
    EXPECT_EQ(draw_until_accepted([&] { return ++drawn == 7; }), 7);
    EXPECT_EQ(drawn, 7);
    EXPECT_EQ(draw_until_accepted([&] { return ++drawn > 0; }), 1);
    EXPECT_EQ(drawn, 8);
    EXPECT_EQ(redraw_record.most_draws, 7);
    drawn = 0;
    EXPECT_EQ(draw_until_accepted([&] { return ++drawn == redraw_cap; }), redraw_cap);
    EXPECT_EQ(redraw_record.rejected_kept, 0);

    drawn = 0;
    EXPECT_EQ(draw_until_accepted([&] { return ++drawn < 0; }), redraw_cap);
    EXPECT_EQ(drawn, redraw_cap);
    EXPECT_EQ(redraw_record.most_draws, redraw_cap);
    EXPECT_EQ(redraw_record.rejected_kept, 1);
    redraw_record = {};
}

}  // namespace
