// Whole Chem Buster sessions: on the test's thread with a scripted player on
// the virtual clock, and on the game's own thread started from the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "chemistry/true_false_statements.h"
#include "frame/app_state.h"
#include "frame/launchers.h"
#include "games/chem_buster.h"
#include "games/chem_buster_fixture.h"
#include "games/chem_buster_play.h"
#include "games/game_screen.h"
#include "numbers/random_stream.h"
#include "platform/core_state.h"
#include "platform/events.h"

namespace games_test {
namespace {

using ChemBusterSessionTest = BusterTest;

std::size_t occurrences(const std::string& text, const std::string& piece)
{
    std::size_t n = 0;
    for (auto at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

// A game routine on this thread, on a page leased for it and given back at its end.
void play_on_a_lease(void (*play)())
{
    ScreenLease lease;
    run_game_thread(lease, game_mouse_modes.buster_game_active, on_buster_mouse, play);
}

bool no_thread_left()
{
    auto& core = platform::detail::core();
    std::lock_guard lock(core.mutex);
    return core.threads.empty();
}

TEST_F(ChemBusterSessionTest, LostBallGoThenExitHandsThePageBackAsItWas)
{
    const std::string page = problem_texts.problem_text;
    backend.set_unix_seconds(1400000000);
    set_random_seed(11);
    std::int32_t lost = 0;
    play_with([&](const Wait& wait) {
        if (wait.buttons == 3) return wait.statement.truth == 1 ? buster_true : buster_false;
        return ++lost == 1 ? buster_go : buster_exit;
    });
    std::optional<ScreenLease> lease(std::in_place);
    run_chem_buster(*lease);
    EXPECT_EQ(lost, 2);
    const std::string shown = drawn_text();
    EXPECT_NE(shown.find("Screen 1"), std::string::npos);
    EXPECT_EQ(shown.find("Good!"), std::string::npos) << "Exit ends without a message";
    EXPECT_EQ(shown.find("bust!"), std::string::npos);
    EXPECT_EQ(log_count("rect filled (310,245)-(341,250) 0x000000"), log_count("text (497,25)"))
        << "the paddle, 31 wide on screen 1, comes back with every redraw";

    EXPECT_TRUE(game_mouse_modes.buster_game_active);
    EXPECT_FALSE(menus_enabled());
    backend.clear_log();
    lease.reset();
    EXPECT_FALSE(game_mouse_modes.buster_game_active);
    EXPECT_TRUE(menus_enabled());
    EXPECT_EQ(problem_texts.problem_text, page);
    EXPECT_FALSE(drawn_text().empty()) << "the page is drawn again";
}

// A ball set on its way with everything else as the game sets it; the game
// then runs on the thread routine of a real start.
struct Scenario {
    float x = 0.0f, y = 0.0f, vy = 0.0f;
    std::vector<std::int32_t> gone;
    std::int32_t credits = 100;
};
Scenario scenario;

void play_scenario()
{
    set_out_screen_one();
    for (const std::int32_t k : scenario.gone) buster_state.bricks[k].alive = false;
    buster_state.credits = scenario.credits;
    place_ball(scenario.x, scenario.y, 0.0f, scenario.vy, 1);
    play_chem_buster(buster_state, BusterNext::play);
}

TEST_F(ChemBusterSessionTest, GoCostsThreeCreditsAScreenAndCanBust)
{
    for (const std::int32_t credits : {3, 4}) {
        scenario = {200.0f, 230.0f, 2.8f, {}, credits};  // falling far from the paddle
        waits.clear();
        backend.clear_log();
        std::int32_t lost = 0;
        play_with([&](const Wait& wait) {
            if (wait.buttons == 3) return wait.statement.truth == 1 ? buster_true : buster_false;
            return ++lost == 1 ? buster_go : buster_exit;
        });
        play_on_a_lease(play_scenario);
        ASSERT_FALSE(waits.empty());
        EXPECT_EQ(waits[0].credits, credits);
        const std::string shown = drawn_text();
        if (credits == 3) {
            EXPECT_EQ(waits.size(), 1u);
            EXPECT_EQ(occurrences(shown, "bust!"), 3u);
        } else {
            EXPECT_EQ(lost, 2) << "one credit left: play goes on";
            EXPECT_EQ(occurrences(shown, "bust!"), 0u);
        }
        EXPECT_TRUE(menus_enabled());
    }
}

TEST_F(ChemBusterSessionTest, QuestionBrickAsksUntilAnsweredRightThenLetsTheBallThrough)
{
    struct Case {
        std::int32_t brick;
        float x;
        std::vector<std::int32_t> gone;
        std::int32_t stake;
        std::int32_t group_types;  // 14 for group 1 (red), 17 for group 2 (yellow)
    };
    for (const Case& c : {Case{13, 244.0f, {23, 24}, 2, true_false_group_1_types},
                          Case{3, 229.0f, {23, 13}, 3, true_false_group_2_types}}) {
        scenario = {c.x, 150.0f, -2.8f, c.gone, 100};
        waits.clear();
        backend.clear_log();
        // Wrong at the first statement, right at the second; Exit when lost.
        play_with([&](const Wait& wait) {
            if (wait.buttons == 2) return buster_exit;
            const bool say_true = (wait.statement.truth == 1) == (waits.size() > 1);
            return say_true ? buster_true : buster_false;
        });
        play_on_a_lease(play_scenario);
        ASSERT_EQ(waits.size(), 3u) << c.brick;
        EXPECT_EQ(waits[0].buttons, 3);
        EXPECT_EQ(waits[1].buttons, 3);
        EXPECT_EQ(waits[2].buttons, 2);
        EXPECT_EQ(waits[0].credits, 100);
        EXPECT_EQ(waits[1].credits, 100 - c.stake) << c.brick;
        EXPECT_EQ(waits[2].credits, 100) << "paid back by the right answer; the ball passed on green";
        EXPECT_EQ(waits[0].statement.type, waits[1].statement.type);
        EXPECT_GE(waits[0].statement.type, 1);
        EXPECT_LE(waits[0].statement.type, c.group_types);
        EXPECT_FALSE(buster_state.bricks[c.brick].alive);
        EXPECT_EQ(buster_state.armed, 0);
        const std::string shown = drawn_text();
        EXPECT_EQ(occurrences(shown, "Wrong!"), 3u);
        EXPECT_EQ(occurrences(shown, "True or False ?"), 2u);
        const auto squares = backend.log_lines("rect filled");
        EXPECT_TRUE(std::any_of(squares.begin(), squares.end(), [](const std::string& line) {
            return line.ends_with("0x00FF00");
        })) << "a green ball after the right answer";
        backend.run_posted_tasks();
        EXPECT_TRUE(menus_enabled());
    }
}

TEST_F(ChemBusterSessionTest, StartedFromTheMenuItRunsOnItsOwnThreadUntilExit)
{
    app_state.current_chapter = 8;  // no chapter notice
    backend.click_menu_item(7, 3);
    EXPECT_FALSE(menus_enabled());
    ASSERT_TRUE(click_when_waiting(buster_exit.x, buster_exit.y));
    ASSERT_TRUE(page_handed_back(game_mouse_modes.buster_game_active));
    EXPECT_TRUE(menus_enabled());
    platform::stop_and_join_threads();
    EXPECT_TRUE(no_thread_left());
}

TEST_F(ChemBusterSessionTest, AThousandStartsAndQuitsEndAtOnceWithNoThreadLeft)
{
    app_state.current_chapter = 8;
    for (std::int32_t cycle = 0; cycle < 1000; ++cycle) {
        launch_game(2);
        // Quit at different moments: drawing the screen, moving the ball,
        // sleeping, beeping or waiting for Go or Exit.
        std::this_thread::sleep_for(std::chrono::microseconds(40 * (cycle % 8)));
        platform::stop_and_join_threads();
        ASSERT_TRUE(no_thread_left()) << cycle;
        ASSERT_FALSE(game_mouse_modes.buster_game_active) << cycle;
        platform::install_backend(&backend);  // the next run of the program
        backend.clear_log();
    }
}

}  // namespace
}  // namespace games_test
