// Chem Buster's turns of play: each returns what comes next, so the game is
// a loop over them from the first screen to an end.
#pragma once

#include <cstdint>
#include <string_view>

#include "games/chem_buster_state.h"

enum class BusterNext { new_screen, new_ball, redraw, play, very_good, bust, exit };

// Next screen of bricks, faster and with a narrower paddle; past the last
// one the game is won.
BusterNext start_new_screen(BusterState& state);
// A ball from the paddle's middle, upward at the screen's speed.
BusterNext launch_new_ball(BusterState& state);
// Pays a cleared screen, checks the credit limits and repaints the field.
BusterNext redraw_buster_field(BusterState& state);
// Moves the ball step by step until something leads back to the redraw or
// ends the game.
BusterNext run_ball_steps(BusterState& state);
// The statement of a red or yellow brick, asked until answered right.
BusterNext ask_brick_question(BusterState& state, std::int32_t brick);

// One flash of a message in the box over the playfield, framed by two
// beeps: "Wrong!" after a wrong answer, the endings three times each.
void flash_buster_message(const BusterColours& colours, std::int32_t x_left, std::int32_t x_right,
                          std::string_view text, std::int32_t closing_beep_hz);

// Plays from `next` until the player leaves or the game ends with its message.
void play_chem_buster(BusterState& state, BusterNext next);
