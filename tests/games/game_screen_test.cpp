// The chapter notice, the life of a game thread and the wait for a game
// button, as every game uses them.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>

#include "frame/app_state.h"
#include "games/chapter_notice.h"
#include "games/game_harness.h"
#include "games/game_screen.h"
#include "numbers/clock_seed.h"
#include "numbers/random_stream.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/runtime.h"
#include "text/button_widgets.h"

namespace games_test {
namespace {

using GameScreenTest = GameTest;

TEST_F(GameScreenTest, ChapterNoticeNamesTheChapterAndOnlyContinuaGoesOn)
{
    struct Case {
        std::int32_t chapter;
        const char* name;
    };
    for (const Case c : {Case{1, "1: Nozioni di base"}, Case{2, "2: Elementi e Composti"}, Case{3, "3: Stechiometria"},
                         Case{4, "4: Stati di aggregazione"}, Case{5, "5: Soluzioni"},
                         Case{6, "6: Termodinamica e Cinetica"}, Case{7, "7: Equilibri chimici"}}) {
        app_state.current_chapter = c.chapter;
        std::string shown;
        backend.push_dialog_script([&](Dialog& dialog) {
            shown = dlg_get_char(dialog, 1025);
            return dlg_press(dialog, 1) ? 0 : -1;
        });
        EXPECT_EQ(confirm_games_chapter(), 1.0f) << c.chapter;
        EXPECT_EQ(shown, c.name);
        backend.push_dialog_script([](Dialog& dialog) { return dlg_press(dialog, 2) ? 0 : -1; });
        EXPECT_EQ(confirm_games_chapter(), -1.0f) << c.chapter;
        EXPECT_EQ(confirm_games_chapter(), -1.0f) << "the close box, chapter " << c.chapter;
    }
    EXPECT_EQ(backend.log_lines("dialog 116").size(), 21u);
    // Every statement belongs to chapters 8 and 9: no notice.
    backend.clear_log();
    for (const std::int32_t chapter : {8, 9}) {
        app_state.current_chapter = chapter;
        EXPECT_EQ(confirm_games_chapter(), 1.0f);
    }
    EXPECT_TRUE(backend.log_lines("dialog").empty());
}

std::atomic<bool> test_flag = false;
std::int32_t seed_seen = 0;
bool menus_grey_while_playing = false;

// A game played on a lease taken and ended on another thread, as the
// launcher does: the page comes back through the user-interface thread.
void play_on_a_game_thread(void (*play)())
{
    static void (*to_play)() = nullptr;
    to_play = play;
    static std::atomic<bool> ended = false;
    ended = false;
    rt_start_thread([lease = std::make_shared<ScreenLease>()]() mutable {
        run_game_thread(*lease, test_flag, nullptr, to_play);
        lease.reset();
        ended = true;
    });
    ASSERT_TRUE(eventually([] { return ended.load(); }));
}

TEST_F(GameScreenTest, GameThreadSeedsFromTheClockAndHandsThePageBack)
{
    const std::string page = problem_texts.problem_text;
    const std::int32_t last_seed = screen_settings.last_seed;
    backend.set_unix_seconds(2000000000);  // 100000000 r + this wraps for r > 1
    for (const std::int32_t start : {1, 12345, -77}) {
        set_random_seed(start);
        const std::int32_t expected = draw_clock_seed();
        set_random_seed(start);
        play_on_a_game_thread([] {
            seed_seen = random_stream.random_state;
            menus_grey_while_playing = test_flag;
        });
        EXPECT_EQ(seed_seen, expected) << start;
        EXPECT_TRUE(menus_grey_while_playing);
        EXPECT_TRUE(test_flag) << "dropped by the hand-back, on the interface thread";
        EXPECT_FALSE(menus_enabled());
        backend.run_posted_tasks();
        EXPECT_FALSE(test_flag);
        EXPECT_TRUE(menus_enabled());
        EXPECT_EQ(problem_texts.problem_text, page);
        EXPECT_EQ(screen_settings.last_seed, last_seed);
    }
}

TEST_F(GameScreenTest, QuitDuringPlayDropsTheFlagWithoutHandBack)
{
    EXPECT_THROW(
        {
            ScreenLease lease;
            run_game_thread(lease, test_flag, nullptr, [] {
                rt_sleep_ms(10);
                qw_wait_mouse_event(1);
            });
        },
        platform::ProgramStopping);
    EXPECT_FALSE(test_flag);
    backend.clear_log();
    backend.run_posted_tasks();
    EXPECT_TRUE(backend.log().empty());
}

constexpr const char* spin = "da34567819022015002000009900FFFF@T4@@c00FFFF@@y-18@Spin";
constexpr const char* exit_button = "da34567848022005002000009900FFFF@T4@@c00FFFF@@y-18@Exit";
constexpr const char* grey_spin = "d2345678190220150020000099888888@T4@@c888888@@y-18@Spin";

// The mouse of a game that only has buttons.
void record_slot_hit(const MouseEvent& e)
{
    if (e.event == kMouseLeftDown) game_mouse_modes.slot_button_hit = game_button_at(e.x, e.y);
}
void record_poker_hit(const MouseEvent& e)
{
    if (e.event == kMouseLeftDown) game_mouse_modes.poker_button_hit = game_button_at(e.x, e.y);
}

TEST_F(GameScreenTest, WaitEndsOnlyOnAButtonOfItsOwnClickedDuringIt)
{
    const ScreenLease lease(record_slot_hit);
    draw_game_buttons({grey_spin, exit_button});
    // A hit left from an earlier wait and clicks beside the buttons (the
    // greyed one included) do not end it: with no click left the wait quits.
    game_mouse_modes.slot_button_hit = 1;
    script_click(250, 220);
    script_click(600, 220);
    EXPECT_THROW(wait_for_game_button(game_mouse_modes.slot_button_hit), platform::ProgramStopping);

    draw_game_buttons({spin, exit_button});
    script_click(170, 220);  // Spin's end cap is not part of it
    script_click(530, 230);
    EXPECT_EQ(wait_for_game_button(game_mouse_modes.slot_button_hit), 2);
    script_click(190, 210);
    EXPECT_EQ(wait_for_game_button(game_mouse_modes.slot_button_hit), 1);
    // The game's mouse hears the page only while the game waits.
    game_mouse_modes.slot_button_hit = 0;
    platform::deliver_mouse_event({kMouseLeftDown, kMouseStateLeftButton, 190, 210});
    EXPECT_EQ(game_mouse_modes.slot_button_hit, 0);
}

TEST_F(GameScreenTest, WaitOnAGameThreadTakesOnlyClicksThatComeDuringIt)
{
    const ScreenLease lease(record_poker_hit);
    game_mouse_modes.poker_button_hit = 2;
    static std::atomic<std::int32_t> result = -1;
    result = -1;
    rt_start_thread([] {
        draw_game_buttons({spin, exit_button});
        result = wait_for_game_button(game_mouse_modes.poker_button_hit);
    });
    ASSERT_TRUE(click_when_waiting(100, 100));
    ASSERT_TRUE(game_waits());
    EXPECT_EQ(result, -1);
    ASSERT_TRUE(click_when_waiting(200, 215));
    EXPECT_TRUE(eventually([] { return result == 1; }));
}

TEST_F(GameScreenTest, StatementsComeFromTheChapterAndAreJudgedByTheirTruth)
{
    GameStatement statement;
    app_state.current_chapter = 1;
    set_random_seed(4242);
    for (int k = 0; k < 40; ++k) {
        pick_game_statement(k % 2 + 1, statement);
        // Chapter 1 allows group 1 types 2, 4, 9 and group 2 types 15 to 17.
        if (k % 2 == 0) {
            EXPECT_TRUE(statement.type == 2 || statement.type == 4 || statement.type == 9) << statement.type;
        } else {
            EXPECT_GE(statement.type, 15);
        }
        EXPECT_TRUE(statement.truth == 0 || statement.truth == 1);
        EXPECT_LE(statement.text.size(), game_statement_length);
    }
    statement.text = "Il sodio è un metallo      ";
    EXPECT_EQ(statement_markup(statement), "@T1@@C7@Il sodio è un metallo");
    statement.truth = 1;
    EXPECT_TRUE(answered_right(true, statement));
    EXPECT_FALSE(answered_right(false, statement));
    EXPECT_EQ(wrong_answer_text(statement), "Wrong! This is TRUE");
    statement.truth = 0;
    EXPECT_TRUE(answered_right(false, statement));
    EXPECT_FALSE(answered_right(true, statement));
    EXPECT_EQ(wrong_answer_text(statement), "Wrong! This is FALSE");
}

}  // namespace
}  // namespace games_test
