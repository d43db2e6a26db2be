// The one mouse callback of the main screen: navigation, page commands and
// hover highlights on the problem page, or, while a screen holds the page,
// that screen's own mouse.
#pragma once

#include <cstdint>

#include "platform/mouse.h"

void handle_mouse_event(std::int32_t unit, std::int32_t event, std::int32_t keystate, std::int32_t x, std::int32_t y);

// Bind / unbind handle_mouse_event for the left button and pointer moves.
void enable_page_mouse();
void disable_page_mouse();

// The events go to owner instead of the page while it is set; nullptr gives
// them back to the page. The screen lease sets it.
using PageMouseOwner = void (*)(const MouseEvent& event);
void set_page_mouse_owner(PageMouseOwner owner);
