#include "chemistry/lewis_structures.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/graphics.h"
#include "text/fonts_colours.h"
#include "text/markup_text.h"
#include "text/page_regions.h"

namespace {

struct Offset {
    std::int32_t x;
    std::int32_t y;
};

// Atom places of a code's five groups: centre, right, up, left, down.
constexpr std::array<Offset, 5> atom_place{{{0, 0}, {22, 0}, {0, -22}, {-22, 0}, {0, 22}}};

// Per direction (right, up, left, down), relative to the atom's top-left corner.
struct Direction {
    Offset bond_from, bond_to;
    Offset pair_from, pair_to;
    bool shift_in_y;  // parallel bond lines lie side by side across the bond
};
constexpr std::array<Direction, 4> directions{{
    {{10, 8}, {20, 8}, {11, 3}, {11, 13}, true},
    {{4, 0}, {4, -10}, {0, 0}, {9, 0}, false},
    {{-2, 8}, {-12, 8}, {-2, 3}, {-2, 13}, true},
    {{4, 14}, {4, 24}, {0, 15}, {9, 15}, false},
}};

// Bonds and lone pairs are red; the atoms stay black.
void draw_red_line(std::int32_t x, std::int32_t y, Offset from, Offset to, Offset shift)
{
    select_colour(3);
    qw_move_to(x + from.x + shift.x, y + from.y + shift.y);
    qw_line_to(x + to.x + shift.x, y + to.y + shift.y);
    select_colour(1);
}

void draw_bond(std::int32_t x, std::int32_t y, const Direction& d, std::int32_t order)
{
    static constexpr std::array<std::int32_t, 1> single{0};
    static constexpr std::array<std::int32_t, 2> twofold{-2, 2};
    static constexpr std::array<std::int32_t, 3> threefold{3, 0, -3};
    std::span<const std::int32_t> shifts = single;
    if (order == 2) shifts = twofold;
    if (order == 3) shifts = threefold;
    for (std::int32_t s : shifts) {
        const Offset shift = d.shift_in_y ? Offset{0, s} : Offset{s, 0};
        draw_red_line(x, y, d.bond_from, d.bond_to, shift);
    }
}

}  // namespace

void draw_lewis_code(std::int32_t x, std::int32_t y, std::string_view code)
{
    draw_markup_text(x, y, "@C1@@T1@");
    for (std::size_t group = 0; group < atom_place.size(); ++group) {
        const std::size_t start = group * 5;
        if (start + 5 > code.size()) break;
        const std::int32_t ax = x + atom_place[group].x;
        const std::int32_t ay = y + atom_place[group].y;
        const char symbol = code[start];
        if (symbol != 'Z') draw_markup_text(ax, ay, std::string_view(&code[start], 1));
        for (std::size_t d = 0; d < directions.size(); ++d) {
            const char c = code[start + 1 + d];
            if (c >= '1' && c <= '3') {
                draw_bond(ax, ay, directions[d], c - '0');
            } else if (c == 'd') {
                draw_red_line(ax, ay, directions[d].pair_from, directions[d].pair_to, {0, 0});
            }
        }
    }
}

const LewisEntry* find_lewis_entry(std::string_view key)
{
    for (const LewisEntry& entry : lewis_entries()) {
        if (key.starts_with(entry.key)) return &entry;
    }
    return nullptr;
}

void draw_lewis_structure(std::string_view key, std::int32_t x, std::int32_t y)
{
    draw_markup_text(x, y, "@C1@@T1@");
    const LewisEntry* entry = find_lewis_entry(key);
    if (entry == nullptr) return;
    // The figure's extent: each atom of a code with its bonds and lone
    // pairs, each text as wide as it measures.
    PageRect bounds{x, y, x, y};
    const auto include = [&bounds](const PageRect& r) {
        bounds = {std::min(bounds.x1, r.x1), std::min(bounds.y1, r.y1), std::max(bounds.x2, r.x2),
                  std::max(bounds.y2, r.y2)};
    };
    for (const LewisStep& step : entry->steps) {
        const std::int32_t sx = x + step.dx;
        const std::int32_t sy = y + step.dy;
        if (step.kind == LewisStep::Kind::code) {
            for (std::size_t group = 0; group < atom_place.size() && group * 5 + 5 <= step.text.size(); ++group) {
                // A place with no atom, bond or lone pair draws nothing.
                const std::string_view place = step.text.substr(group * 5, 5);
                if (place.find_first_not_of("Za") == std::string_view::npos) continue;
                const std::int32_t ax = sx + atom_place[group].x;
                const std::int32_t ay = sy + atom_place[group].y;
                include({ax - 3, ay - 1, ax + 14, ay + 17});
            }
        } else {
            include({sx, sy, measure_markup_text(sx, 2000, "@T1@" + std::string(step.text)).x, sy + 16});
        }
    }
    occupy_page_region(PageElement::figure, bounds);
    for (const LewisStep& step : entry->steps) {
        if (step.kind == LewisStep::Kind::code) {
            draw_lewis_code(x + step.dx, y + step.dy, step.text);
        } else {
            draw_markup_text(x + step.dx, y + step.dy, step.text);
        }
    }
}
