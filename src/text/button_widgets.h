// Buttons drawn from text descriptors, the registry of the clickable ones,
// and digit counters drawn from the same descriptor layout.
#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

// Descriptor columns (1-based): 1 kind ("d" draw, "C" clear the registry,
// "?" hit test), 2 "a" to register the drawn button, 3-7 unused, 8 digit
// cells of a counter, 9-11 x, 12-14 y, 15-17 w, 18-20 h, 21-26 fill and
// 27-32 border colour (hex 0xBBGGRR), 33 on the markup label. (x, y) is the
// centre of the first end circle of the rounded bar.
struct ButtonDescriptor {
    char kind = ' ';
    bool active = false;
    std::int32_t cells = 0;
    std::int32_t x = 0, y = 0, w = 0, h = 0;
    std::int32_t fill = 0, border = 0;
    std::string label;

    static ButtonDescriptor parse(std::string_view text);
};

inline constexpr std::int32_t button_registry_size = 20;

// Clickable bodies of the active buttons on screen, corners included, in the
// order of registration. Screens draw from their own threads while the page
// mouse handler hit-tests on the user-interface thread, hence the lock.
struct ButtonRegistry {
    struct Entry {
        std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    };
    std::mutex lock;
    std::int32_t count = 0;
    std::array<Entry, button_registry_size + 1> entry{};  // [0] unused
};
extern ButtonRegistry button_registry;

// "?" returns the number of the first registered button holding (x, y), or
// 0; "C" empties the registry; "d" draws the button and, when active,
// registers it (a registration beyond 20 is ignored). A label that would
// come within two pixels of the outline is drawn in a smaller size of its
// font. Other kinds do nothing.
// Every kind but "?" returns 0.
std::int32_t handle_button_descriptor(std::string_view descriptor, std::int32_t x = 0, std::int32_t y = 0);

// Draws value in the descriptor's panel, one digit per cell, zero-padded on
// the left and cut to the cell count. Only kind "d" draws.
void draw_counter_panel(std::string_view descriptor, std::int32_t value);
