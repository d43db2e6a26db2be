#pragma once
// First step of start-up, on the user-interface thread once the frame exists:
// places the frame and creates the eight top menus, "E&sci" in the first.

bool initial_settings();
