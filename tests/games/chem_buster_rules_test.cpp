// Chem Buster's screens, bricks, pegs and the bounce rules, checked against
// the ball's motion worked out again in double precision.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "frame/app_state.h"
#include "games/chem_buster_fixture.h"
#include "games/chem_buster_play.h"
#include "games/chem_buster_state.h"
#include "numbers/random_stream.h"

namespace games_test {
namespace {

using ChemBusterRulesTest = BusterTest;

TEST_F(ChemBusterRulesTest, EachScreenIsFasterWithANarrowerPaddleAndMorePegs)
{
    struct Case {
        std::int32_t paddle_width;
        float speed_squared;
        std::vector<std::int32_t> pegs;
    };
    const std::vector<Case> screens = {
        {31, 8.0f, {208, 283, 358, 433}},
        {27, 9.0f, {195, 245, 295, 345, 395, 445}},
        {23, 10.0f, {189, 226, 263, 300, 337, 374, 411, 448}},
        {19, 11.0f, {185, 215, 245, 275, 305, 335, 365, 395, 425, 455}},
    };
    set_out_screen_one();
    for (std::size_t s = 0; s < screens.size(); ++s) {
        if (s > 0) {
            EXPECT_EQ(start_new_screen(buster_state), BusterNext::new_ball);
        }
        const std::int32_t screen = static_cast<std::int32_t>(s) + 1;
        EXPECT_EQ(buster_state.screen, screen);
        EXPECT_EQ(game_mouse_modes.buster_paddle_width, screens[s].paddle_width);
        EXPECT_EQ(buster_state.speed_squared, screens[s].speed_squared);
        ASSERT_EQ(peg_count(screen), static_cast<std::int32_t>(screens[s].pegs.size()));
        for (std::int32_t i = 1; i <= peg_count(screen); ++i)
            EXPECT_EQ(peg_centre_x(screen, i), screens[s].pegs[i - 1]) << screen << " " << i;
    }
    // The fourth screen cleared wins the game; nothing narrows further.
    EXPECT_EQ(start_new_screen(buster_state), BusterNext::very_good);
    EXPECT_EQ(game_mouse_modes.buster_paddle_width, 19);
}

TEST_F(ChemBusterRulesTest, BricksAreSetOutInThreeRowsWithFourGreyOnesNotNeeded)
{
    set_out_screen_one();
    const BusterColours& c = buster_state.colours;
    struct Case {
        std::int32_t k;
        float x, y;
        bool alive;
        std::int32_t colour;
    };
    for (const Case& e :
         {Case{1, 170, 45, false, 0x00FFFF}, Case{2, 200, 45, true, 0x00FFFF}, Case{10, 440, 45, true, 0x00FFFF},
          Case{11, 185, 71, true, 0x0000FF}, Case{12, 215, 71, true, c.grey}, Case{14, 275, 71, true, c.grey},
          Case{17, 365, 71, true, c.grey}, Case{19, 425, 71, true, c.grey}, Case{20, 455, 71, true, 0x0000FF},
          Case{21, 170, 97, false, c.cyan}, Case{30, 440, 97, true, c.cyan}}) {
        const BusterBrick& b = buster_state.bricks[e.k];
        EXPECT_EQ(b.x, e.x) << e.k;
        EXPECT_EQ(b.y, e.y) << e.k;
        EXPECT_EQ(b.r, 14.0f) << e.k;
        EXPECT_EQ(b.alive, e.alive) << e.k;
        EXPECT_EQ(b.colour, e.colour) << e.k;
    }
    // 24 bricks clear the screen: a screen with only the grey ones left pays
    // 10 credits a screen and moves on.
    for (std::int32_t k = 1; k <= buster_brick_count; ++k)
        if (buster_state.bricks[k].colour != c.grey) buster_state.bricks[k].alive = false;
    buster_state.credits = 50;
    EXPECT_EQ(redraw_buster_field(buster_state), BusterNext::new_screen);
    EXPECT_EQ(buster_state.credits, 60);
    buster_state.credits = 995;
    EXPECT_EQ(redraw_buster_field(buster_state), BusterNext::very_good);
}

TEST_F(ChemBusterRulesTest, CreditLimitsEndTheGameAtTheRedraw)
{
    set_out_screen_one();
    for (const auto& [credits, next] : {std::pair{0, BusterNext::bust}, std::pair{1, BusterNext::play},
                                        std::pair{999, BusterNext::play}, std::pair{1000, BusterNext::very_good}}) {
        buster_state.credits = credits;
        EXPECT_EQ(redraw_buster_field(buster_state), next) << credits;
    }
}

// The mirror image of v about the line through the centre, in double.
void expect_mirrored(float vx, float vy, float dx, float dy, const BusterBall& ball)
{
    const double length = std::hypot(double{dx}, double{dy});
    const double nx = dx / length, ny = dy / length;
    const double along = vx * nx + vy * ny;
    EXPECT_NEAR(ball.vx, vx - 2.0 * along * nx, 1e-5) << dx << " " << dy;
    EXPECT_NEAR(ball.vy, vy - 2.0 * along * ny, 1e-5) << dx << " " << dy;
    EXPECT_NEAR(std::hypot(double{ball.vx}, double{ball.vy}), std::hypot(double{vx}, double{vy}), 1e-5);
}

TEST_F(ChemBusterRulesTest, BounceMirrorsAboutTheCentreAndTurnsBackOnTheCentreItself)
{
    struct Case {
        float vx, vy, dx, dy;
    };
    for (const Case& e : {Case{1.0f, -2.6f, 0.0f, -5.0f}, Case{1.0f, -2.6f, 3.0f, -4.0f},
                          Case{-1.5f, 2.4f, -14.0f, 2.0f}, Case{0.5f, -2.8f, 10.0f, 10.0f}}) {
        buster_state.ball = BusterBall{};
        buster_state.ball.x = 300.0f;
        buster_state.ball.y = 150.0f;
        buster_state.ball.vx = e.vx;
        buster_state.ball.vy = e.vy;
        bounce_ball(buster_state, e.dx, e.dy, false);
        EXPECT_EQ(buster_state.ball.x, 300.0f - e.vx);
        EXPECT_EQ(buster_state.ball.y, 150.0f - e.vy);
        expect_mirrored(e.vx, e.vy, e.dx, e.dy, buster_state.ball);
    }
    // No distance, no line to mirror about: the ball turns back up or down.
    buster_state.ball.vx = 1.25f;
    buster_state.ball.vy = -2.5f;
    bounce_ball(buster_state, 0.0f, 0.0f, false);
    EXPECT_EQ(buster_state.ball.vx, 1.25f);
    EXPECT_EQ(buster_state.ball.vy, 2.5f);
}

TEST_F(ChemBusterRulesTest, JitterDrawsOnceOrThreeTimesAndShiftsTheBallByWholePixels)
{
    std::int32_t jittered = 0;
    for (std::int32_t seed = 1; seed <= 40; ++seed) {
        set_random_seed(seed);
        float x = 300.0f - 1.0f, y = 150.0f + 2.0f;
        if (random_int(1, 3) == 1) {
            ++jittered;
            x += static_cast<float>(random_int(-1, 1));
            y += static_cast<float>(random_int(-1, 1));
        }
        const std::int32_t state_after = random_stream.random_state;
        set_random_seed(seed);
        buster_state.ball.x = 300.0f;
        buster_state.ball.y = 150.0f;
        buster_state.ball.vx = 1.0f;
        buster_state.ball.vy = -2.0f;
        bounce_ball(buster_state, 0.0f, 0.0f, true);
        EXPECT_EQ(buster_state.ball.x, x) << seed;
        EXPECT_EQ(buster_state.ball.y, y) << seed;
        EXPECT_EQ(random_stream.random_state, state_after) << seed;
    }
    EXPECT_GT(jittered, 0);
    EXPECT_LT(jittered, 40);
}

TEST_F(ChemBusterRulesTest, SpeedFloorKeepsTheBallFromRunningFlat)
{
    struct Case {
        float vx, vy, want_vx, want_vy;
    };
    buster_state.speed_squared = 9.0f;
    const float flat = static_cast<float>(std::sqrt(9.0 - 0.64));
    for (const Case& e :
         {Case{2.9f, 0.5f, flat, 0.8f}, Case{-2.9f, -0.1f, -flat, -0.8f}, Case{-2.0f, 0.79f, -flat, 0.8f},
          Case{2.0f, 0.8f, 2.0f, 0.8f}, Case{1.0f, -2.8f, 1.0f, -2.8f}}) {
        buster_state.ball.vx = e.vx;
        buster_state.ball.vy = e.vy;
        apply_speed_floor(buster_state);
        EXPECT_NEAR(buster_state.ball.vx, e.want_vx, 1e-6) << e.vx << " " << e.vy;
        EXPECT_EQ(buster_state.ball.vy, e.want_vy) << e.vx << " " << e.vy;
    }
}

TEST_F(ChemBusterRulesTest, PaddleSendsTheBallUpSteeredByWhereItStruckAtMost1Point7Across)
{
    struct Case {
        float x, vx;  // where the ball struck the paddle at 300..331, and its vx then
    };
    for (const Case& e :
         {Case{300.0f, 1.0f}, Case{315.5f, -1.2f}, Case{331.0f, 0.2f}, Case{310.0f, 0.5f}, Case{325.0f, -0.3f}}) {
        buster_state.speed_squared = 8.0f;
        buster_state.armed = 0;
        buster_state.ball.x = e.x;
        buster_state.ball.y = 243.0f;
        buster_state.ball.vx = e.vx;
        buster_state.ball.vy = 2.6f;
        bounce_off_paddle(buster_state, 300, 31);
        const double steered = std::clamp(e.vx + 5.0 * ((e.x - 300.0) / 31.0 - 0.5), -1.7, 1.7);
        EXPECT_NEAR(buster_state.ball.vx, steered, 1e-5) << e.x;
        EXPECT_LT(buster_state.ball.vy, 0.0f);
        EXPECT_NEAR(std::hypot(double{buster_state.ball.vx}, double{buster_state.ball.vy}), std::sqrt(8.0), 1e-5);
        EXPECT_EQ(buster_state.ball.x, e.x - e.vx);
        EXPECT_EQ(buster_state.ball.y, 243.0f - 2.6f);
        EXPECT_EQ(buster_state.armed, 1);
    }
}

}  // namespace
}  // namespace games_test
