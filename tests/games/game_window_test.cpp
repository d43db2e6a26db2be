// Quitting while a game runs in the real window: its waits and sleeps are
// real there, and the program must not wait for them.
#include <gtest/gtest.h>

#include <chrono>

#include "frame/app_state.h"
#include "games/chem_slot.h"
#include "games/game_harness.h"
#include "platform/events.h"
#include "platform/mouse.h"
#include "platform/qt/qt_application.h"

namespace games_test {
namespace {

// Starts a game from its menu item, clicks at (x, y) in its first wait,
// lets it run for a moment and quits: the game's thread ends at once.
// `before_click` runs while the game waits.
std::chrono::duration<double> quit_time(std::int32_t item, std::int32_t x, std::int32_t y, void (*before_click)())
{
    platform::qt::Session session;
    start_program_with_its_parts();
    app_state.current_chapter = 9;  // no chapter notice
    EXPECT_TRUE(session.trigger_menu(7, item));
    // The game asks the interface thread for its menus: keep it running.
    EXPECT_TRUE(eventually([&] {
        session.process_events(5);
        return game_waiting_now();
    }));
    before_click();
    session.mouse(kMouseLeftDown, x, y, kMouseStateLeftButton);
    session.process_events(400);
    const auto start = std::chrono::steady_clock::now();
    platform::stop_and_join_threads();
    return std::chrono::steady_clock::now() - start;
}

TEST(GameWindow, QuittingDuringAGameSleepEndsTheGameAtOnce)
{
    // A spin at no credits shows its message for 9 seconds.
    EXPECT_LT(quit_time(2, 265, 220, [] { slot_state.credits = 0; }).count(), 2.0);
    EXPECT_EQ(slot_state.credits, -1) << "it quit inside the message";
    EXPECT_FALSE(game_mouse_modes.slot_game_active);
    // "Draw" turns the cards over with 1.7 seconds of pauses.
    EXPECT_LT(quit_time(1, 360, 250, [] {}).count(), 1.0);
    EXPECT_FALSE(game_mouse_modes.poker_game_active);
}

}  // namespace
}  // namespace games_test
