// The menu bar: the tree with its callbacks and the routines that grey or
// enable parts of it.
#pragma once

#include <cstdint>

// Fills the top menus that initial_settings created and appends "&?". Items
// whose chapter, viewer, tool, simulation or game is not in the program are
// greyed.
void build_menus();

// 0 greys items 2 to 8 of "&Versione", 1 enables them.
void set_version_menu_enabled(std::int32_t flag);

// 0 greys the nine top-level entries, 1 enables them.
void set_top_menus_enabled(std::int32_t flag);

// "E&sci": ends the program at once.
void exit_program();

// Menu callbacks that change the tutor state.
void on_menu_chapter(std::int32_t chapter);
void on_menu_version(std::int32_t item, std::int32_t version);
void on_menu_level(std::int32_t level);
