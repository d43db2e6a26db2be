#include "games/chem_buster_state.h"

#include <cmath>

#include "numbers/random_stream.h"

BusterState buster_state;

namespace {

constexpr std::int32_t yellow = 0x00FFFF;
constexpr std::int32_t red = 0x0000FF;

}  // namespace

void set_out_bricks(BusterState& state)
{
    for (std::int32_t k = 1; k <= buster_brick_count; ++k) {
        BusterBrick& brick = state.bricks[k];
        brick = BusterBrick{};
        brick.alive = true;
        if (k <= 10) {
            brick.x = static_cast<float>(170 + 30 * (k - 1));
            brick.y = 45.0f;
            brick.colour = yellow;
        } else if (k <= 20) {
            brick.x = static_cast<float>(185 + 30 * (k - 11));
            brick.y = 71.0f;
            brick.colour = red;
        } else {
            brick.x = static_cast<float>(170 + 30 * (k - 21));
            brick.y = 97.0f;
            brick.colour = state.colours.cyan;
        }
    }
    state.bricks[1].alive = false;
    state.bricks[21].alive = false;
    for (const std::int32_t k : buster_grey_bricks) state.bricks[k].colour = state.colours.grey;
}

std::int32_t peg_count(std::int32_t screen)
{
    return 2 * screen + 2;
}

std::int32_t peg_centre_x(std::int32_t screen, std::int32_t i)
{
    const std::int32_t d = 300 / peg_count(screen);
    return d * i - d / 2 + 170;
}

void bounce_ball(BusterState& state, float dx, float dy, bool jitter)
{
    BusterBall& ball = state.ball;
    const float distance_squared = dx * dx + dy * dy;
    const float t = distance_squared > 0.0f ? (ball.vx * dx + ball.vy * dy) / distance_squared : 0.0f;
    ball.x -= ball.vx;
    ball.y -= ball.vy;
    if (jitter && random_int(1, 3) == 1) {
        ball.x += static_cast<float>(random_int(-1, 1));
        ball.y += static_cast<float>(random_int(-1, 1));
    }
    // A ball exactly on the centre has no line to mirror about.
    if (distance_squared == 0.0f) {
        ball.vy = -ball.vy;
        return;
    }
    ball.vx -= 2.0f * t * dx;
    ball.vy -= 2.0f * t * dy;
}

void apply_speed_floor(BusterState& state)
{
    BusterBall& ball = state.ball;
    if (std::fabs(ball.vy) >= state.min_vertical_speed) return;
    ball.vy = std::copysign(0.8f, ball.vy);
    ball.vx = std::copysign(std::sqrt(state.speed_squared - 0.64f), ball.vx);
}

void bounce_off_paddle(BusterState& state, std::int32_t paddle_x, std::int32_t paddle_width)
{
    BusterBall& ball = state.ball;
    const float struck_x = ball.x;
    const float x_before = ball.x - ball.vx;
    ball.y -= ball.vy;
    ball.vx += 5.0f * ((struck_x - static_cast<float>(paddle_x)) / static_cast<float>(paddle_width) - 0.5f);
    if (std::fabs(ball.vx) > 1.7f) ball.vx = std::copysign(1.7f, ball.vx);
    ball.vy = -std::copysign(std::sqrt(state.speed_squared - ball.vx * ball.vx), ball.vy);
    state.armed = 1;
    ball.x = x_before;
}
