#include "games/chem_buster_fixture.h"

#include <mutex>

#include "frame/app_state.h"
#include "frame/page_mouse.h"
#include "games/chem_buster.h"
#include "games/chem_buster_drawing.h"
#include "games/chem_buster_play.h"
#include "platform/events.h"
#include "platform/mouse.h"
#include "platform/window.h"
#include "text/button_widgets.h"

namespace games_test {

void BusterTest::TearDown()
{
    // A game left on its own thread by a failed test must not outlive the backend.
    platform::stop_and_join_threads();
    game_mouse_modes.buster_game_active = false;
    GameTest::TearDown();
}

void set_out_screen_one()
{
    buster_state = BusterState{};
    game_mouse_modes.buster_game_active = true;
    game_mouse_modes.buster_paddle_width = 35;
    game_mouse_modes.buster_paddle_x = 310;
    set_page_mouse_owner(on_buster_mouse);
    calibrate_buster_colours(buster_state.colours);
    draw_buster_frame(buster_state.colours);
    start_new_screen(buster_state);
}

void place_ball(float x, float y, float vx, float vy, std::int32_t armed)
{
    buster_state.ball.x = x;
    buster_state.ball.y = y;
    buster_state.ball.vx = vx;
    buster_state.ball.vy = vy;
    buster_state.armed = armed;
    redraw_buster_field(buster_state);
}

// A right click is no game event: it only lets the player look at the
// screen and script the left click that answers the wait.
void BusterTest::play_with(std::function<BusterButton(const Wait&)> choose)
{
    choose_ = std::move(choose);
    qw_register_mouse_event(kQwGraphicsUnit, kMouseRightDown, [this](auto...) {
        turn_scripted_ = false;
        Wait wait;
        {
            std::lock_guard lock(button_registry.lock);
            wait.buttons = button_registry.count;
        }
        wait.credits = buster_state.credits;
        wait.statement = buster_state.statement;
        waits.push_back(wait);
        const BusterButton button = choose_(wait);
        script_click(button.x, button.y);
        script_turn();
    });
    script_turn();
}

// One look a wait: the one a game left unused waits for the next game.
void BusterTest::script_turn()
{
    if (turn_scripted_) return;
    turn_scripted_ = true;
    backend.push_mouse_event({kMouseRightDown, kMouseStateRightButton, 0, 0});
}

}  // namespace games_test
