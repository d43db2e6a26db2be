// The one mouse callback of the main screen: navigation, page commands and
// hover highlights on the problem page, or the button recorder of a viewer
// or game that owns the screen.
#pragma once

#include <cstdint>

void handle_mouse_event(std::int32_t unit, std::int32_t event, std::int32_t keystate, std::int32_t x,
                        std::int32_t y);

// Bind / unbind handle_mouse_event for the left button and pointer moves.
void enable_page_mouse();
void disable_page_mouse();
