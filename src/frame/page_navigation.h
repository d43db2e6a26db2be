// Which problem a navigation command leads to. Every search keeps to the
// chapter's problems within the current level; 0 means "nowhere to go", and
// the command then does nothing.
#pragma once

#include <cstdint>

// Start of the group of ten index cells that holds problem q.
std::int32_t index_group_start(std::int32_t q);

// True when problem q exists in the chapter and lies within the current level.
bool problem_available(std::int32_t q);

// Nearest available problem before / after `from`.
std::int32_t previous_available_problem(std::int32_t from);
std::int32_t next_available_problem(std::int32_t from);

// Tries start + 1, start + 2, ... wrapping from the last problem to the
// first and ending with start itself.
std::int32_t available_problem_from(std::int32_t start);

// The problem a newly registered chapter opens on: the first within the
// level, or else the first of the lowest level (1 for an empty chapter).
std::int32_t opening_problem();

// The index page reached by the paging arrows: the nearest earlier page
// with an available problem (its highest one), or the nearest later page
// (its lowest one).
struct IndexPageTarget {
    std::int32_t page_first = 0;  // 0: no such page
    std::int32_t problem = 0;
};
IndexPageTarget earlier_index_page();
IndexPageTarget later_index_page();
