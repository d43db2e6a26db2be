// Chem Buster on the recording backend: a screen set out as the game sets
// it, a ball placed by hand, and a scripted player that answers each wait
// of the game from what the game shows (its buttons and its statement).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "games/chem_buster_state.h"
#include "games/game_harness.h"

namespace games_test {

// Game coordinates of the buttons' middles.
struct BusterButton {
    std::int32_t x, y;
};
inline constexpr BusterButton buster_exit{525, 275}, buster_go{425, 275}, buster_true{525, 200}, buster_false{525, 230};

// The frame and screen 1 as the game draws them, in the game's mouse mode.
void set_out_screen_one();
// The ball at (x, y) with velocity (vx, vy) and the field redrawn.
void place_ball(float x, float y, float vx, float vy, std::int32_t armed);

class BusterTest : public GameTest {
protected:
    void TearDown() override;

    // What the player sees at one wait of the game.
    struct Wait {
        std::int32_t buttons = 0;  // 2: lost ball (Exit, Go); 3: question (Exit, True, False)
        std::int32_t credits = 0;
        GameStatement statement;
    };
    // From now on every wait of the game on this thread is answered by
    // `choose` (the button to click); each wait seen is kept in `waits`.
    void play_with(std::function<BusterButton(const Wait&)> choose);
    std::vector<Wait> waits;

private:
    void script_turn();
    std::function<BusterButton(const Wait&)> choose_;
    bool turn_scripted_ = false;  // a look is scripted for the next wait
};

}  // namespace games_test
