// The menu bar: the tree with its callbacks and the routines that grey or
// enable parts of it.
#pragma once

#include <cstdint>

// The top menus by their place in the menu bar.
enum TopMenu : std::int32_t {
    index_menu = 1,  // "&Indice": the chapters and "E&sci"
    version_menu = 2,
    level_menu = 3,
    data_menu = 4,
    tools_menu = 5,
    simulations_menu = 6,
    games_menu = 7,
    options_menu = 8,
    about_menu = 9,  // "&?"
};

// Items of "&Versione" with a meaning of their own; "Versione &n" is item n + 1.
enum VersionMenuItem : std::int32_t {
    text_version_item = 1,
    other_version_item = 7,
    no_version_item = 8,
};

// Fills the top menus that initial_settings created and appends "&?". Items
// whose chapter, viewer, tool, simulation or game is not in the program are
// greyed.
void build_menus();

// Enables or greys items 2 to 8 of "&Versione".
void set_version_menu_enabled(bool enabled);

// Enables or greys the nine top-level entries.
void set_top_menus_enabled(bool enabled);

// "E&sci": ends the program at once.
void exit_program();

// Menu callbacks that change the tutor state.
void on_menu_chapter(std::int32_t chapter);
void on_menu_version(std::int32_t item, std::int32_t version);
void on_menu_level(std::int32_t level);
