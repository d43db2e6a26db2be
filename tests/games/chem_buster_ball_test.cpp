// The ball's collisions, found from the colours read back under it.
#include <gtest/gtest.h>

#include <string>

#include "games/chem_buster_drawing.h"
#include "games/chem_buster_fixture.h"
#include "games/chem_buster_play.h"
#include "platform/runtime.h"
#include "text/paint.h"

namespace games_test {
namespace {

using ChemBusterBallTest = BusterTest;

TEST_F(ChemBusterBallTest, PegsBrickAndGreyBricksThrowTheBallBackAndPayAsTheyShould)
{
    struct Case {
        const char* what;
        float x;                         // the ball rises straight up from y 150
        std::vector<std::int32_t> gone;  // bricks taken out to clear its way
        std::int32_t credits, armed;     // after the hit, from 100 and armed 0
        std::int32_t brick_broken;       // 0: none
        std::string flash;               // log line of the flash, if any
    };
    for (const Case& c : {
             Case{"peg 1", 207.0f, {}, 101, 1, 0, "ellipse filled (203,125)-(213,135) 0x88FFFF"},
             Case{"grey brick 12", 214.0f, {22, 23}, 100, 0, 0, "ellipse filled (201,57)-(229,85) 0x88FFFF"},
             Case{"cyan brick 25", 289.0f, {}, 101, 0, 25, ""},
         }) {
        set_out_screen_one();
        for (const std::int32_t k : c.gone) buster_state.bricks[k].alive = false;
        place_ball(c.x, 150.0f, 0.0f, -2.8f, 0);
        backend.clear_log();
        EXPECT_EQ(run_ball_steps(buster_state), BusterNext::redraw) << c.what;
        EXPECT_EQ(buster_state.credits, c.credits) << c.what;
        EXPECT_EQ(buster_state.armed, c.armed) << c.what;
        EXPECT_GE(buster_state.ball.vy, 0.8f) << c.what << ": sent back down";
        if (c.brick_broken != 0) {
            EXPECT_FALSE(buster_state.bricks[c.brick_broken].alive) << c.what;
        }
        if (!c.flash.empty()) {
            EXPECT_EQ(log_count(c.flash), 1u) << c.what;
            EXPECT_EQ(log_count("sleep 50"), 1u) << c.what;
        }
    }
}

TEST_F(ChemBusterBallTest, GreyWithNoGreyBrickNearLetsTheBallGoOn)
{
    set_out_screen_one();
    place_ball(289.0f, 230.0f, 0.0f, -2.8f, 1);
    fill_box(buster_state.colours.grey, 280, 180, 300, 200);
    EXPECT_EQ(run_ball_steps(buster_state), BusterNext::redraw);
    EXPECT_FALSE(buster_state.bricks[25].alive) << "the ball went on up to the cyan row";
    EXPECT_EQ(buster_state.credits, 101);
}

TEST_F(ChemBusterBallTest, BallBouncedIntoGreyIsMovedOnAtMostFiftySteps)
{
    set_out_screen_one();
    place_ball(282.0f, 136.0f, 0.0f, -0.9f, 1);
    // Peg grey all over the field: the ball never gets out of it.
    fill_box(buster_state.colours.peg_grey, 170, 30, 470, 244);
    take_ball_cell(buster_state.ball);
    EXPECT_EQ(run_ball_steps(buster_state), BusterNext::redraw);
    // It met peg 2 at y 134.2, stepped back to 135.1 (maybe a pixel of
    // jitter) and was moved 50 steps of 0.9 down.
    EXPECT_NEAR(buster_state.ball.vy, 0.9f, 1e-5);
    EXPECT_NEAR(buster_state.ball.y, 135.1f + 50 * 0.9f, 1.001f);
}

TEST_F(ChemBusterBallTest, DisarmedBallPassesOverQuestionBricksAndIsLost)
{
    set_out_screen_one();
    for (const std::int32_t k : {23, 24}) buster_state.bricks[k].alive = false;
    place_ball(244.0f, 140.0f, 0.0f, -2.8f, 0);
    backend.clear_log();
    // Lost under no paddle: the wait for Go or Exit finds no click left.
    EXPECT_THROW(run_ball_steps(buster_state), platform::ProgramStopping);
    EXPECT_TRUE(buster_state.bricks[13].alive);
    EXPECT_EQ(buster_state.credits, 100);
    EXPECT_EQ(drawn_text().find("True or False"), std::string::npos);
    EXPECT_GT(log_count("0x00FF00"), 100u) << "drawn green all the way";
    EXPECT_EQ(log_count("beep 250 10"), 5u);
    EXPECT_EQ(log_count("beep 100 10"), 5u);
}

}  // namespace
}  // namespace games_test
