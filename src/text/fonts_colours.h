// The numbered fonts and colours that markup selects with its T and C codes,
// and the renderer's memory of what was selected last.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr std::int32_t font_table_size = 20;
inline constexpr std::int32_t colour_table_size = 20;

// Platform font option texts ("t'Arial'h16b"); entries 13 to 20 stay empty.
struct FontTable {
    std::array<std::string, font_table_size + 1> option;  // [0] unused
};
extern FontTable font_table;

// Colours 0x00BBGGRR; entries 8 to 20 stay black.
struct ColourTable {
    std::array<std::int32_t, colour_table_size + 1> colour{};  // [0] unused
};
extern ColourTable colour_table;

// What the last drawn text left selected, for the whole run. T and C codes
// change the numbers; c and r codes change last_direct_colour, which an L
// code restores after its red strokes.
struct RendererState {
    std::int32_t current_font_number = 1;
    std::int32_t current_colour_number = 1;
    std::int32_t last_direct_colour = 0;
    bool operator==(const RendererState&) const = default;
};
extern RendererState renderer_state;

// Fills both tables, makes font 1 and colour 1 current and selects font 1.
// Returns -1.0 when the platform refuses font 1 (start-up stops then), else 0.0.
float init_fonts_and_colours();

// Selects entry n (1 to 20; other numbers are ignored). A font the platform
// refuses five times leaves the previous font in force. True when the
// platform took the font.
bool select_font(std::int32_t n);
void select_colour(std::int32_t n);
