// A label drawn a size smaller where its own font would not fit its room.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// A font as a markup code, "@T4@" for a table font in its own size or
// "@t'Arial'h15be@" for that font smaller, its cell height in pixels and
// how many pixels lower than the font's own that is.
struct SizedFont {
    std::string code;
    std::int32_t cell = 0;
    std::int32_t shrunk = 0;
};

inline constexpr std::int32_t smallest_fitting_cell = 9;

// Font n of the font table in its own size, else the same face and style a
// size smaller, and smaller still down to smallest_fitting_cell: the first
// for which fits holds, the smallest when none does. An entry that names no
// font gives an empty code.
SizedFont fitting_font(std::int32_t n, const std::function<bool(const SizedFont&)>& fits);
