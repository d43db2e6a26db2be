// Lewis structures of the molecules and ions of chapter 2: each structure is
// drawn from one or more LewisCode texts (an atom with up to four neighbours
// on a cross) plus markup for formal charges, resonance arrows and the
// diagonal bonds that do not lie on the cross.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// A LewisCode is five groups of five characters: centre, right, up, left and
// down atom places, 22 pixels apart. In a group, character 1 is the atom's
// symbol ("Z" for no atom) and characters 2-5 say what leaves the atom to the
// right, up, left and down: "1", "2", "3" a bond of that order, "d" a lone
// pair, "a" nothing.
inline constexpr std::size_t lewis_code_length = 25;

// Draws the code with its centre atom's top-left corner at (x, y). A code
// shorter than 25 characters draws its complete groups only.
void draw_lewis_code(std::int32_t x, std::int32_t y, std::string_view code);

// One drawing step of a structure, placed at (dx, dy) from the structure's
// point: a LewisCode, or a piece of markup.
struct LewisStep {
    enum class Kind { code, markup };
    Kind kind;
    std::int32_t dx;
    std::int32_t dy;
    std::string_view text;
};

struct LewisEntry {
    std::string_view key;  // the formula in markup followed by ";"
    std::span<const LewisStep> steps;
};

// The 37 structures in the order in which keys are matched.
std::span<const LewisEntry> lewis_entries();

// The first entry whose key starts the given key ("NH@d3@;..." finds
// "NH@d3@;"), or nullptr.
const LewisEntry* find_lewis_entry(std::string_view key);

// Draws the structure whose key starts `key` at (x, y); a key that matches
// no entry draws nothing visible.
void draw_lewis_structure(std::string_view key, std::int32_t x, std::int32_t y);
