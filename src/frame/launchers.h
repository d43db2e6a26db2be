// The menu items that hand the screen or a dialog to a tool, a simulation
// or a game (indices in menu order, from 0).
#pragma once

#include <cstddef>

void launch_tool(std::size_t index);

// The page is leased before these return, so that a second simulation or
// game cannot start while one runs; the lease ends with the routine's thread.
void launch_simulation(std::size_t index);
void launch_game(std::size_t index);
