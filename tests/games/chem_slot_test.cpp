// Vada Viva: reels, credit limits, stakes and a whole game from the menu.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "frame/app_state.h"
#include "frame/page_mouse.h"
#include "games/chem_slot.h"
#include "games/game_harness.h"
#include "games/slot_payout.h"
#include "games/slot_reels.h"
#include "numbers/random_stream.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/runtime.h"

namespace games_test {
namespace {

constexpr std::int32_t true_x = 420, false_x = 500, answer_y = 220;

class SlotTest : public GameTest {
protected:
    // One spin from `credits` on a stream seeded with `seed`, its waits
    // answered by the scripted clicks; false when it waited with none left.
    bool spin(std::int32_t seed, std::int32_t credits)
    {
        slot_state = {};
        slot_state.credits = credits;
        set_page_mouse_owner(on_slot_mouse);
        set_random_seed(seed);
        try {
            play_slot_round();
            return true;
        } catch (const platform::ProgramStopping&) {
            return false;
        }
    }

    // The first seed from `from` whose spin asks a stake question with this
    // stake (or, for no_stake, whose spin is lost).
    std::int32_t seed_for(std::int32_t stake, std::int32_t from = 1)
    {
        for (std::int32_t seed = from; seed < from + 400; ++seed) {
            const bool ended = spin(seed, 50);
            if (stake == no_stake ? ended && slot_state.payout == 0 : !ended && slot_state.stake == stake) return seed;
        }
        ADD_FAILURE() << "no seed for stake " << stake;
        return 0;
    }
};

// Reel k turns 10 (4 - k) pixels a step, 80 pixels a symbol, and is drawn
// the last time after all its steps but one.
std::array<std::int32_t, 4> line_symbols_drawn_by(std::int32_t seed)
{
    set_random_seed(seed);
    std::array<std::int32_t, 4> top{};
    for (std::int32_t k = 1; k <= 3; ++k) top[k] = random_int(1, 10);
    const std::int32_t n1 = 8 * random_int(1, 3) + 33;
    const std::int32_t n2 = n1 + 8 * random_int(1, 3);
    const std::int32_t n3 = n2 + 8 * random_int(1, 3);
    const std::array<std::int32_t, 4> steps{0, n1, n2, n3};
    std::array<std::int32_t, 4> line{};
    for (std::int32_t k = 1; k <= 3; ++k) {
        const std::int32_t moved = (steps[k] - 1) * 10 * (4 - k);
        EXPECT_EQ(moved % 80, 0);
        line[k] = (top[k] + moved / 80) % 10 + 1;
    }
    return line;
}

TEST_F(SlotTest, ReelsStopAlignedOnTheirDrawsAndTheLinePaysByTheTable)
{
    app_state.current_chapter = 1;
    for (std::int32_t seed = 1; seed <= 16; ++seed) {
        backend.clear_log();
        spin(seed, 50);
        const auto line = line_symbols_drawn_by(seed);
        for (std::int32_t k = 1; k <= 3; ++k) {
            EXPECT_EQ(next_slot_symbol(slot_state.top_symbol[k]), line[k]) << seed;
            // The reel's white ground was last drawn with a row on the pay
            // line: its top at 20 or 80 pixels above (the same picture).
            const std::string x = std::to_string(120 * k + 60);
            std::string last;
            for (const std::string& l : backend.log_lines("rect filled (" + x + ","))
                if (l.find("0xFFFFFF") != std::string::npos) last = l;
            const std::string top = last.substr(last.find(',') + 1, last.find(')') - last.find(',') - 1);
            EXPECT_TRUE(top == "20" || top == "-60") << last;
        }
        EXPECT_EQ(slot_state.payout, score_slot_line(line[1], line[2], line[3]));
        if (slot_state.payout > 5) {
            EXPECT_GE(slot_state.stake, double_or_nothing) << seed;
        }
        // Chapter 1 offers group 1 types 2, 4 and 9, group 2 types 15 to 17.
        if (slot_state.payout >= 2 && slot_state.stake != no_stake) {
            EXPECT_EQ(slot_state.statement.type >= 15, slot_state.payout > 2) << seed;
        }
    }
}

TEST_F(SlotTest, BalanceOutOfBoundsRestartsAtOneHundredAfterNineSeconds)
{
    const std::int32_t lost = seed_for(no_stake);
    struct Case {
        std::int32_t credits, after;
        const char* message;
    };
    for (const Case c : {Case{0, 100, "poor"}, Case{-1, 100, "poor"}, Case{1, 0, nullptr}, Case{1001, 1000, nullptr},
                         Case{1002, 100, "good"}, Case{5000, 100, "good"}}) {
        backend.clear_log();
        ASSERT_TRUE(spin(lost, c.credits));
        EXPECT_EQ(slot_state.credits, c.after) << c.credits;
        EXPECT_EQ(backend.log_lines("sleep 9000").size(), c.message ? 1u : 0u) << c.credits;
        if (c.message) {
            EXPECT_EQ(log_count(c.message), 1u) << c.credits;
            EXPECT_EQ(log_count("Restarting"), 1u) << c.credits;
        }
    }
}

TEST_F(SlotTest, StakesPayDoubleForARightAnswerAndByTheirRuleForAWrongOne)
{
    app_state.current_chapter = 3;
    for (const std::int32_t stake : {double_your_win, double_or_nothing, double_or_lose}) {
        const std::int32_t seed = seed_for(stake);
        const std::int32_t win = slot_state.payout;
        const bool truth = slot_state.statement.truth == 1;
        SCOPED_TRACE("stake " + std::to_string(stake) + ", win " + std::to_string(win));

        script_click(truth ? true_x : false_x, answer_y);
        backend.clear_log();
        ASSERT_TRUE(spin(seed, 50));
        EXPECT_EQ(slot_state.credits, 49 + 2 * win);
        EXPECT_NE(drawn_text().find("Win"), std::string::npos);

        script_click(truth ? false_x : true_x, answer_y);
        script_click(true_x, answer_y);  // "OK"
        backend.clear_log();
        ASSERT_TRUE(spin(seed, 50));
        EXPECT_EQ(slot_state.answered_wrong, 1);
        EXPECT_EQ(log_count(truth ? "Wrong! This is TRUE" : "Wrong! This is FALSE"), 5u);
        EXPECT_EQ(backend.log_lines("beep 100 100").size(), 5u);
        const std::string shown = drawn_text();
        if (stake == double_your_win) {
            EXPECT_EQ(slot_state.credits, 49 + win);
            EXPECT_NE(shown.find("Win"), std::string::npos);
        } else if (stake == double_or_nothing) {
            EXPECT_EQ(slot_state.credits, 49);
            EXPECT_EQ(shown.find("Win"), std::string::npos);
        } else {
            EXPECT_EQ(slot_state.credits, 49 - win);
            EXPECT_NE(shown.find("Lose"), std::string::npos);
            // Never below nothing.
            script_click(truth ? false_x : true_x, answer_y);
            script_click(true_x, answer_y);
            ASSERT_TRUE(spin(seed, 2));
            EXPECT_EQ(slot_state.credits, 0);
        }
    }
}

TEST_F(SlotTest, AGameFromTheMenuSpinsUntilExitAndHandsThePageBack)
{
    const std::string page = problem_texts.problem_text;
    const std::int32_t problem = app_state.selected_problem;
    backend.push_dialog_script([](Dialog& dialog) { return dlg_press(dialog, 1) ? 0 : -1; });
    ASSERT_TRUE(backend.click_menu_item(7, 2));  // "Chem &Slot"
    EXPECT_TRUE(eventually([] { return game_mouse_modes.slot_game_active.load(); }));
    EXPECT_FALSE(menus_enabled());

    // A click beside the buttons, where the page's next-problem button is.
    ASSERT_TRUE(click_when_waiting(518, 325));
    for (int spins = 0; spins < 4; ++spins) {
        auto offered = offered_buttons();
        ASSERT_EQ(offered.size(), 2u);
        ASSERT_EQ(offered[0].x1, 190) << "Spin";
        ASSERT_TRUE(click_button(1));
        // True on any stake question, then OK after a wrong answer.
        while ((offered = offered_buttons()).size() != 2 || offered[0].x1 != 190) ASSERT_TRUE(click_button(1));
    }
    ASSERT_TRUE(click_button(2));  // Exit
    ASSERT_TRUE(page_handed_back(game_mouse_modes.slot_game_active));
    EXPECT_TRUE(menus_enabled());
    EXPECT_EQ(app_state.selected_problem, problem);
    EXPECT_EQ(problem_texts.problem_text, page);
    EXPECT_EQ(log_count("rect filled (149,8)-(594,295)"), 1u) << "the page redrawn once";
    platform::stop_and_join_threads();
}

TEST_F(SlotTest, ACancelledNoticeStartsNoGame)
{
    backend.push_dialog_script([](Dialog& dialog) { return dlg_press(dialog, 2) ? 0 : -1; });
    ASSERT_TRUE(backend.click_menu_item(7, 2));
    EXPECT_FALSE(game_mouse_modes.slot_game_active);
    EXPECT_TRUE(menus_enabled());
    EXPECT_EQ(log_count("rect filled (167,17)"), 0u);
}

}  // namespace
}  // namespace games_test
