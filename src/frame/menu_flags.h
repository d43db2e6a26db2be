// The look of the menu bar: which entries are greyed and which items ticked.
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

// The "&Versione" item that ticks for a version.
std::int32_t version_menu_item(std::int32_t version);

// Items 1 to items of a menu unticked, then item chosen ticked.
void tick_only(std::int32_t menu, std::int32_t items, std::int32_t chosen);

// Enables or greys items 2 to 8 of "&Versione".
void set_version_menu_enabled(bool enabled);

// Enables or greys the nine top-level entries.
void set_top_menus_enabled(bool enabled);
