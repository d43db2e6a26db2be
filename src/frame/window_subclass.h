// The frame and graphics window as the program wants them, and the key
// hand-over of the graphics window.
#pragma once

#include <array>
#include <cstdint>
#include <string>

// One on-screen text field (free while its width is 0).
struct InputField {
    std::string text;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
};

struct KeyHandOver {
    std::int32_t active_field = 0;        // 0: keys go nowhere
    std::int32_t shift_down = 0;          // 1 while Shift is held
    std::array<InputField, 11> fields{};  // [0] unused
};
extern KeyHandOver key_hand_over;

// Titles the frame, fixes its size, places the graphics window at (-1, -1)
// with 2000 by 1000 pixels and installs the key handler.
void install_window_subclass();

// Frees all ten fields; no field is active afterwards.
void clear_input_fields();
