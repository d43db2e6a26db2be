// The one mouse callback of the main screen: navigation, page commands and
// hover highlights on the problem page, or the button recorder of a viewer
// or game that owns the screen.
#pragma once

#include <cstdint>

void handle_mouse_event(std::int32_t unit, std::int32_t event, std::int32_t keystate, std::int32_t x, std::int32_t y);

// Page commands shared with the tools that drive the page: go to problem q
// (index page, header and page follow), and show the results of the
// problem shown.
void go_to_problem(std::int32_t q);
void show_results();

// Bind / unbind handle_mouse_event for the left button and pointer moves.
void enable_page_mouse();
void disable_page_mouse();
