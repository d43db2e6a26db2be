// The ball's steps: walls, paddle and ceiling from its position, pegs and
// bricks from the colour of the screen pixel under it.
#include <cstdint>

#include "frame/app_state.h"
#include "frame/page_mouse.h"
#include "games/chem_buster_drawing.h"
#include "games/chem_buster_play.h"
#include "games/game_screen.h"
#include "platform/graphics.h"
#include "platform/runtime.h"

namespace {

// A ball that bounced deep into a peg or brick is moved on until it is out;
// at most this many steps, so that one that cannot get out still plays on.
constexpr std::int32_t max_steps_out = 50;

constexpr std::int32_t question_red = 0x0000FF;
constexpr std::int32_t question_yellow = 0x00FFFF;

void beep_bounce()
{
    rt_beep(350, 10);
}

bool within(float dx, float dy, float reach)
{
    return dx * dx + dy * dy <= reach * reach;
}

void step_out_of(BusterBall& ball, std::int32_t colour)
{
    for (std::int32_t n = 0; n < max_steps_out; ++n) {
        const auto ahead_x = static_cast<std::int32_t>(ball.x + ball.vx) + 1;
        const auto ahead_y = static_cast<std::int32_t>(ball.y + ball.vy) + 1;
        if (qw_get_pixel_rgb(ahead_x, ahead_y) != colour) return;
        ball.x += ball.vx;
        ball.y += ball.vy;
    }
}

BusterNext lose_ball(BusterState& state)
{
    put_back_ball_block(state.ball);
    for (std::int32_t n = 0; n < 5; ++n) {
        rt_beep(250, 10);
        rt_beep(100, 10);
    }
    draw_game_buttons({"da34567850027505002000FFEE999999@T4@@C1@@y-18@Exit",
                       "da34567840027505002000009900FFFF@T4@@c00FFFF@@y-18@Go"});
    const std::int32_t hit = wait_for_game_button(game_mouse_modes.buster_button_hit);
    draw_greyed_exit();
    draw_greyed_go();
    if (hit == 1) return BusterNext::exit;
    state.credits -= 3 * state.screen;
    return BusterNext::new_ball;
}

// A peg flashes, throws the ball back, pays one credit and re-arms the ball.
bool hit_peg(BusterState& state)
{
    BusterBall& ball = state.ball;
    for (std::int32_t i = 1; i <= peg_count(state.screen); ++i) {
        const float dx = static_cast<float>(peg_centre_x(state.screen, i)) - ball.x - 1.0f;
        const float dy = 129.0f - ball.y;
        if (!within(dx, dy, 6.0f)) continue;
        disable_page_mouse();
        draw_peg(state.screen, i, buster_flash_colour);
        bounce_ball(state, dx, dy, true);
        beep_bounce();
        rt_sleep_ms(50);
        draw_peg(state.screen, i, state.colours.peg_grey);
        apply_speed_floor(state);
        step_out_of(ball, state.colours.peg_grey);
        state.armed = 1;
        state.credits += 1;
        return true;
    }
    return false;
}

float brick_dx(const BusterBrick& brick, const BusterBall& ball)
{
    return brick.x - ball.x - 1.0f;
}
float brick_dy(const BusterBrick& brick, const BusterBall& ball)
{
    return brick.y - ball.y - 1.0f;
}

// A grey brick flashes and throws the ball back; it pays nothing.
bool hit_grey_brick(BusterState& state)
{
    BusterBall& ball = state.ball;
    for (const std::int32_t k : buster_grey_bricks) {
        const BusterBrick& brick = state.bricks[k];
        const float dx = brick_dx(brick, ball);
        const float dy = brick_dy(brick, ball);
        if (!within(dx, dy, brick.r + 1.0f)) continue;
        disable_page_mouse();
        draw_brick(brick, buster_flash_colour);
        bounce_ball(state, dx, dy, true);
        beep_bounce();
        rt_sleep_ms(50);
        draw_brick(brick, state.colours.grey);
        apply_speed_floor(state);
        step_out_of(ball, state.colours.grey);
        return true;
    }
    return false;
}

// A cyan brick breaks for the screen's number in credits. Only live ones:
// a gone neighbour within reach of the probe must not be paid again.
bool hit_cyan_brick(BusterState& state)
{
    BusterBall& ball = state.ball;
    for (std::int32_t k = 21; k <= buster_brick_count; ++k) {
        BusterBrick& brick = state.bricks[k];
        if (!brick.alive || !within(brick_dx(brick, ball), brick_dy(brick, ball), brick.r + 1.0f)) continue;
        // Measured from where the bounce steps the ball back to.
        const float dx = brick.x - (ball.x - ball.vx) - 1.0f;
        const float dy = brick.y - (ball.y - ball.vy) - 1.0f;
        bounce_ball(state, dx, dy, false);
        rt_beep(250, 10);
        apply_speed_floor(state);
        brick.alive = false;
        state.credits += state.screen;
        return true;
    }
    return false;
}

// The red or yellow brick that stops an armed ball, or 0.
std::int32_t question_brick_under(const BusterState& state, std::int32_t probe)
{
    if (state.armed != 1 || (probe != question_red && probe != question_yellow)) return 0;
    const BusterBall& ball = state.ball;
    for (std::int32_t k = 1; k <= 20; ++k) {
        const BusterBrick& brick = state.bricks[k];
        if (!brick.alive) continue;
        const std::int32_t dx = static_cast<std::int32_t>(brick.x) - ball.bx - 1;
        const std::int32_t dy = static_cast<std::int32_t>(brick.y) - ball.by - 1;
        const float reach = brick.r + 1.0f;
        if (static_cast<float>(dx * dx + dy * dy) < reach * reach) return k;
    }
    return 0;
}

}  // namespace

BusterNext run_ball_steps(BusterState& state)
{
    BusterBall& ball = state.ball;
    for (;;) {
        // A step that took its whole time neither sleeps nor beeps: quitting
        // must still end the game here.
        if (rt_stop_requested()) throw platform::ProgramStopping();
        const double t0 = rt_timef();
        ball.x += ball.vx;
        ball.y += ball.vy;
        if (ball.x <= 170.0f || ball.x >= 467.0f) {
            ball.vx = -ball.vx;
            ball.x += 2.0f * ball.vx;
            beep_bounce();
            continue;
        }
        const std::int32_t paddle_x = game_mouse_modes.buster_paddle_x;
        const std::int32_t paddle_width = game_mouse_modes.buster_paddle_width;
        if (static_cast<float>(paddle_x) <= ball.x && ball.x <= static_cast<float>(paddle_x + paddle_width) &&
            ball.y >= 242.0f) {
            bounce_off_paddle(state, paddle_x, paddle_width);
            beep_bounce();
            continue;
        }
        if (ball.y <= 30.0f) {
            ball.vy = -ball.vy;
            ball.y += 2.0f * ball.vy;
            beep_bounce();
            continue;
        }
        if (ball.y >= 242.0f) return lose_ball(state);

        put_back_ball_block(ball);
        take_ball_cell(ball);
        const std::int32_t probe = qw_get_pixel_rgb(ball.bx + 1, ball.by + 1);
        if (probe != buster_white) {
            const BusterColours& colours = state.colours;
            if (probe == colours.peg_grey && ball.by >= 125 && ball.by <= 135 && hit_peg(state))
                return BusterNext::redraw;
            if (probe == colours.grey && hit_grey_brick(state)) return BusterNext::redraw;
            if (probe == colours.cyan && hit_cyan_brick(state)) return BusterNext::redraw;
            if (const std::int32_t k = question_brick_under(state, probe)) return ask_brick_question(state, k);
        }
        draw_ball(state);
        const auto pause = static_cast<std::int32_t>(15.0 - 1000.0 * (rt_timef() - t0));
        if (pause > 0) rt_sleep_ms(pause);
    }
}
