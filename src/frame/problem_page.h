// The problem area: decoration of the current scheme, then the selected
// problem from its generator, or the level notice when the problem lies above
// the current level.
#pragma once

#include <cstdint>

enum class PageMode : std::int32_t {
    as_version = 0,  // the data of the current version
    new_data = 1,    // fresh clock-seeded data
    repeat = 2,      // the data of the last showing
};

void show_problem_page(PageMode mode);

// The page last shown as a version, drawn again as it was: its ground and
// fact, drawn from the clock and the random stream, are those drawn then.
void redraw_problem_page();

// True while the page shows the level notice instead of a problem: the
// results and the export then have nothing of their own to act on.
bool level_notice_shown();
