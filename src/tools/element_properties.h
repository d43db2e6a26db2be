// "Proprietà degli Elementi": dialog 135, in which an element is named by
// atomic number, symbol or the start of its name, or stepped to with "<"
// and ">", and the card of its properties drawn beside it on the page.
#pragma once

#include <cstdint>

// The element on the card, kept for the run; every opening starts at 1.
struct ElementViewerState {
    std::int32_t current_element = 1;
};
extern ElementViewerState element_viewer_state;

// The "&Dati" item: opens the dialog on hydrogen and returns when it closes.
void show_element_properties();

// The card of element k (1 to 103) at (320, 240)-(580, 290).
void draw_element_properties(std::int32_t k);
