// Chem Buster's own block: credits, screen, ball, bricks and the colours
// read back from the display, with the geometry and bounce rules that do not
// draw. The paddle lives in game_mouse_modes, where the game's mouse
// moves it.
#pragma once

#include <array>
#include <cstdint>

#include "games/game_screen.h"

inline constexpr std::int32_t buster_brick_count = 30;
inline constexpr std::int32_t buster_last_screen = 4;
inline constexpr std::int32_t buster_ball_block = 5;  // the ball's 4 x 4 square and a pixel all round

struct BusterBrick {
    float x = 0.0f;  // centre
    float y = 0.0f;
    float r = 14.0f;
    bool alive = false;
    std::int32_t colour = 0;
};

struct BusterBall {
    float x = 0.0f, y = 0.0f;
    float vx = 0.0f, vy = 0.0f;   // pixels per step
    std::int32_t bx = 0, by = 0;  // top left of the square: x and y truncated
    // Screen pixels under the square and its border, saved before the ball
    // is drawn and put back when it moves on; rows from (bx - 1, by - 1).
    std::array<std::int32_t, buster_ball_block * buster_ball_block> under{};
};

// What the display holds when asked for each colour the collisions compare
// against (a display with fewer colours may store another).
struct BusterColours {
    std::int32_t grey = 0;      // grey bricks, asked 0xAAAAAA
    std::int32_t blue = 0;      // the machine's face, asked 0xA00000
    std::int32_t cyan = 0;      // bottom row, asked 0xD0DD00
    std::int32_t peg_grey = 0;  // asked 0x888888
};

struct BusterState {
    std::int32_t credits = 100;
    std::int32_t screen = 0;
    float speed_squared = 7.0f;
    float min_vertical_speed = 0.8f;
    // 1 when the ball may stop on a question brick; 0 from a right answer
    // until the ball touches the paddle or a peg or a new ball comes.
    std::int32_t armed = 1;
    BusterBall ball;
    std::array<BusterBrick, buster_brick_count + 1> bricks{};  // [0] unused
    BusterColours colours;
    GameStatement statement;
};
extern BusterState buster_state;

// Bricks 12, 14, 17 and 19 of the red row are grey and indestructible.
inline constexpr std::array<std::int32_t, 4> buster_grey_bricks = {12, 14, 17, 19};

// All 30 bricks alive in their rows' colours, but the two against the left
// wall (1 and 21), with the four grey ones greyed.
void set_out_bricks(BusterState& state);

// Pegs of a screen: 2 screen + 2 discs of diameter 10 centred on y 130.
std::int32_t peg_count(std::int32_t screen);
// Centre x of peg i (1 to peg_count).
std::int32_t peg_centre_x(std::int32_t screen, std::int32_t i);

// Bounces the ball off a peg or brick at offset (dx, dy) from it: steps it
// back, jitters it (pegs and grey bricks) and mirrors its velocity about the
// line to the centre; at no distance at all it only turns vy round.
void bounce_ball(BusterState& state, float dx, float dy, bool jitter);
// Keeps |vy| at least min_vertical_speed, so the ball never runs nearly flat.
void apply_speed_floor(BusterState& state);
// The ball met the paddle [paddle_x, paddle_x + paddle_width] falling: it
// goes back up at full speed, steered by where it struck.
void bounce_off_paddle(BusterState& state, std::int32_t paddle_x, std::int32_t paddle_width);
