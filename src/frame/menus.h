// The menu bar: the tree with its callbacks.
#pragma once

#include <cstdint>

// Fills the top menus that initial_settings created and appends "&?". Items
// whose chapter, viewer, tool, simulation or game is not in the program are
// greyed.
void build_menus();

// "E&sci": ends the program at once.
void exit_program();

// Menu callbacks that change the tutor state: the page command, then the
// menu's ticks.
void on_menu_chapter(std::int32_t chapter);
void on_menu_version(std::int32_t item, std::int32_t version);
void on_menu_level(std::int32_t level);
