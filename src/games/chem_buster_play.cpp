#include "games/chem_buster_play.h"

#include <cmath>
#include <string>

#include "frame/app_state.h"
#include "frame/page_mouse.h"
#include "games/chem_buster_drawing.h"
#include "numbers/random_stream.h"
#include "platform/runtime.h"
#include "text/justified_text.h"
#include "text/markup_text.h"

namespace {

void show_ending(const BusterState& state, std::string_view text)
{
    disable_page_mouse();
    for (std::int32_t n = 0; n < 3; ++n) flash_buster_message(state.colours, 220, 400, text, 250);
}

}  // namespace

BusterNext start_new_screen(BusterState& state)
{
    set_out_bricks(state);
    ++state.screen;
    if (state.screen > buster_last_screen) return BusterNext::very_good;
    state.speed_squared += 1.0f;
    game_mouse_modes.buster_paddle_width -= 4;
    disable_page_mouse();
    draw_buster_screen_head(state);
    enable_page_mouse();
    return BusterNext::new_ball;
}

BusterNext launch_new_ball(BusterState& state)
{
    BusterBall& ball = state.ball;
    ball.y = 242.0f;
    ball.x = static_cast<float>(game_mouse_modes.buster_paddle_x) +
             static_cast<float>(game_mouse_modes.buster_paddle_width) / 2.0f;
    ball.vx = random_real(-1.5f, -0.5f);
    if (random_int(1, 2) == 1) ball.vx = -ball.vx;
    ball.vy = -std::sqrt(state.speed_squared - ball.vx * ball.vx);
    state.armed = 1;
    rt_beep(400, 50);
    return BusterNext::redraw;
}

BusterNext redraw_buster_field(BusterState& state)
{
    std::int32_t left = 0;
    for (std::int32_t k = 1; k <= buster_brick_count; ++k)
        if (state.bricks[k].alive && state.bricks[k].colour != state.colours.grey) ++left;
    if (left == 0) {
        state.credits += 10 * state.screen;
        return state.credits < 1000 ? BusterNext::new_screen : BusterNext::very_good;
    }
    if (state.credits > 999) return BusterNext::very_good;
    if (state.credits < 1) return BusterNext::bust;
    disable_page_mouse();
    draw_buster_field(state);
    enable_page_mouse();
    take_ball_cell(state.ball);
    return BusterNext::play;
}

void flash_buster_message(const BusterColours& colours, std::int32_t x_left, std::int32_t x_right,
                          std::string_view text, std::int32_t closing_beep_hz)
{
    clear_buster_message_box(colours);
    rt_beep(100, 100);
    rt_sleep_ms(100);
    // A message wider than its room a size smaller, so that it keeps to one line.
    std::string message = "@T11@@C7@" + std::string(text);
    if (x_left + markup_line_width(message) > x_right) message = "@t'Arial'h28bei@@C7@" + std::string(text);
    draw_justified_text(x_left, x_right, 170, message);
    rt_beep(closing_beep_hz, 100);
}

void play_chem_buster(BusterState& state, BusterNext next)
{
    for (;;) {
        switch (next) {
        case BusterNext::new_screen: next = start_new_screen(state); break;
        case BusterNext::new_ball: next = launch_new_ball(state); break;
        case BusterNext::redraw: next = redraw_buster_field(state); break;
        case BusterNext::play: next = run_ball_steps(state); break;
        case BusterNext::very_good: show_ending(state, "Very Good!"); return;
        case BusterNext::bust: show_ending(state, "You are bust!"); return;
        case BusterNext::exit: return;
        }
    }
}
