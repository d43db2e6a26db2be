// What Chem Buster paints: its frame, the playfield with bricks and pegs,
// the ball over a saved block of the screen, and the message box.
#pragma once

#include <cstdint>

#include "games/chem_buster_state.h"

// Sets pixel (200, 200) to each colour the collisions compare against and
// reads back what the display holds.
void calibrate_buster_colours(BusterColours& colours);

// The machine: grey rim, blue face and title.
void draw_buster_frame(const BusterColours& colours);
// "Screen n", the two greyed buttons and an empty playfield.
void draw_buster_screen_head(const BusterState& state);
// Credits, the cleared playfield, the paddle, the live bricks and the pegs.
void draw_buster_field(const BusterState& state);
void draw_buster_credits(std::int32_t credits);

void draw_brick(const BusterBrick& brick, std::int32_t fill);
void draw_peg(std::int32_t screen, std::int32_t i, std::int32_t fill);
// Filled circle without outline: a question brick being asked.
void paint_brick(const BusterBrick& brick, std::int32_t fill);

// The ball's cell from its position, and the block of screen under it.
void take_ball_cell(BusterBall& ball);
void put_back_ball_block(const BusterBall& ball);
void draw_ball(const BusterState& state);

// A drag of the paddle: it starts where the button went down, and each move
// shifts the paddle by as much, within the playfield, and draws it there.
void start_paddle_drag(std::int32_t x);
void drag_paddle(std::int32_t x);

// The message box in the middle of the playfield, emptied.
void clear_buster_message_box(const BusterColours& colours);

// Greyed "Exit" and "Go", as they stand while the ball is in play.
void draw_greyed_exit();
void draw_greyed_go();

inline constexpr std::int32_t buster_flash_colour = 0x88FFFF;
inline constexpr std::int32_t buster_black = 0x000000;
inline constexpr std::int32_t buster_white = 0xFFFFFF;
