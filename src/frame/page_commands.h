// What the user asks of the page, through the menus or the page mouse. Each
// command redraws the views it changes; ticking the menus and binding the
// page mouse are left to the callers.
#pragma once

#include <cstdint>

// Registers the current chapter and opens it on its first problem within the
// level: page, index, panel and header follow.
void select_chapter();

// Goes to problem q: index page, header and page follow.
void go_to_problem(std::int32_t q);

// A problem drawn at random from those within the level.
void go_to_random_problem();

// The results of the problem shown; there are none under the level notice.
void show_results();

// The problem shown again under another version.
void show_version(std::int32_t version);

// Makes level 1 to 5 current: the page is shown again with the same data.
void set_level(std::int32_t level);

// Makes scheme 1 to 5 current and redraws the whole screen in it.
void apply_background_scheme(std::int32_t scheme);

// Appends the problem shown to the export document; nothing under the level
// notice.
void export_problem();
