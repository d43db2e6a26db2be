#include "games/chem_buster.h"

#include "frame/page_mouse.h"
#include "games/chem_buster_drawing.h"
#include "games/chem_buster_play.h"
#include "games/game_screen.h"

namespace {

void play_whole_game()
{
    buster_state = BusterState{};
    calibrate_buster_colours(buster_state.colours);
    draw_buster_frame(buster_state.colours);
    game_mouse_modes.buster_paddle_x = 310;
    enable_page_mouse();
    play_chem_buster(buster_state, BusterNext::new_screen);
}

}  // namespace

void on_buster_mouse(const MouseEvent& e)
{
    if (e.event == kMouseLeftDown) {
        game_mouse_modes.buster_button_hit = game_button_at(e.x, e.y);
        start_paddle_drag(e.x);
    } else if (e.event == kMouseMove && e.key_state == kMouseStateLeftButton) {
        drag_paddle(e.x);
    }
}

void run_chem_buster(ScreenLease& lease)
{
    // Set before the game's mouse is given the page, so the first drag knows the paddle.
    game_mouse_modes.buster_paddle_width = 35;
    run_game_thread(lease, game_mouse_modes.buster_game_active, on_buster_mouse, play_whole_game);
}
