// The frame layer: start-up, menus, the problem page and its navigation, the
// dispatcher and the protocol through which the layers above plug in.
//
// Start-up of the program, run on the user-interface thread once the frame
// and its top menus exist and before any input is dispatched. The chapters
// and the services of the upper layers must be plugged in before it runs.
#pragma once

// Window set-up, menus, start values, data tables, chapter 1, fonts, the
// main screen and the first problem page; then everything happens in
// callbacks. Stops the program when the window or the fonts cannot be set up.
void main_program();

void configure_main_window();
