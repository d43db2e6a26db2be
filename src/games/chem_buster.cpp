#include "games/chem_buster.h"

#include "frame/app_state.h"
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
    page_mouse_modes.buster_paddle_x = 310;
    enable_page_mouse();
    play_chem_buster(buster_state, BusterNext::new_screen);
}

}  // namespace

void run_chem_buster()
{
    // Set before the game mode begins, so the first drag knows the paddle.
    page_mouse_modes.buster_paddle_width = 35;
    run_game_thread(page_mouse_modes.buster_game_active, play_whole_game);
}
