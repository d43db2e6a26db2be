// The side panels with their entries, and the five small buttons of the
// bottom band (1 export, 2 results, 3 new data, 4 next, 5 previous).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The title band of one of the two side panels.
enum class SidePanel : std::int32_t { chapter = 1, navigation = 2 };
void draw_side_panel(SidePanel which);

// Returns the highlighted entry to its normal look and highlights entry n
// (0: none).
void draw_page_button(std::int32_t n);

// A side panel entry's title on its band from top, in colour ("@C2@", "@C4@");
// a title wider than the panel is drawn a size smaller, or smaller still,
// so that it never runs past the panel.
void draw_entry_title(std::int32_t top, std::string_view colour, std::string_view title);

// The font code in which text drawn from x ends by x_right: font n of the
// font table, else that font a size smaller, down to 9 pixels.
std::string font_to_fit(std::int32_t n, std::string_view text, std::int32_t x, std::int32_t x_right);

// Every entry's label in its normal look, then entry `state` highlighted
// when it is not 0.
void draw_button_bar(std::int32_t state);

// Small button k on a ground of the given colour.
void draw_nav_buttons(std::int32_t k, std::int32_t colour);
