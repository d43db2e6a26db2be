// The side panels with their entries, and the five small buttons of the
// bottom band (1 export, 2 results, 3 new data, 4 next, 5 previous).
#pragma once

#include <cstdint>

// 1: the chapter panel's title band; 2: the navigation panel's.
void draw_side_panel(std::int32_t which);

// Returns the highlighted entry to its normal look and highlights entry n
// (0: none).
void draw_page_button(std::int32_t n);

// Every entry's label in its normal look, then entry `state` highlighted
// when it is not 0.
void draw_button_bar(std::int32_t state);

// Small button k on a ground of the given colour.
void draw_nav_buttons(std::int32_t k, std::int32_t colour);
