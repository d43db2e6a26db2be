// Quitting the program while a game runs ends the game's thread at once,
// wherever it stands: in a wait, a sleep, a beep or between them.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "frame/app_state.h"
#include "frame/launchers.h"
#include "games/game_harness.h"
#include "platform/events.h"

namespace games_test {
namespace {

using StartQuitTest = GameTest;

TEST_F(StartQuitTest, AThousandStartsAndQuitsOfEachGameEndCleanly)
{
    app_state.current_chapter = 9;  // no chapter notice
    struct Game {
        std::size_t menu_item;
        std::atomic<bool>* running;
    };
    for (const Game game :
         {Game{0, &game_mouse_modes.poker_game_active}, Game{1, &game_mouse_modes.slot_game_active}}) {
        for (int cycle = 0; cycle < 1000; ++cycle) {
            launch_game(game.menu_item);
            // One cycle in eight quits in the first wait, the others at
            // different moments of drawing, sleeping and beeping.
            if (cycle % 8 == 0) {
                ASSERT_TRUE(game_waits()) << cycle;
            } else {
                std::this_thread::sleep_for(std::chrono::microseconds(40 * (cycle % 8)));
            }
            platform::stop_and_join_threads();
            ASSERT_FALSE(*game.running) << cycle;
            platform::install_backend(&backend);  // the next run of the program
            backend.clear_log();
        }
    }
}

}  // namespace
}  // namespace games_test
