// The menu items that hand the screen or a dialog to a tool, a simulation
// or a game (indices in menu order, from 0).
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>

void launch_tool(std::size_t index);

// The menus are greyed and the page mouse detached before these return, so
// that a second simulation or game cannot start while one runs.
void launch_simulation(std::size_t index);
void launch_game(std::size_t index);

// The end of a simulation or game, called on its own thread as it finishes:
// one task on the user-interface thread clears the owner's running flag (if
// any), binds the page mouse, redraws the page as it was and enables the
// menus last, so no click or menu choice runs page code beside the worker.
void hand_back_page(std::atomic<bool>* running_flag = nullptr);
