// What the problem page holds, element by element. Statements, figures and
// answers register the rectangles they draw, so that what comes later keeps
// clear of them: an answer box moves to the nearest free place, and the fact
// box, a decoration, is left out where it would cover anything and gives way
// (is erased) when something is drawn over it afterwards.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

enum class PageElement { statement, figure, answer, fact };

struct PageRect {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // corners inclusive
    bool overlaps(const PageRect& other) const
    {
        return x1 <= other.x2 && other.x1 <= x2 && y1 <= other.y2 && other.y1 <= y2;
    }
};

struct PageRegion {
    PageElement element = PageElement::statement;
    PageRect rect;
};

// The problem area: what the page draws stays inside it.
inline constexpr PageRect problem_area{149, 8, 594, 295};

struct PageRegions {
    std::vector<PageRegion> regions;
    // Repaints the page's ground over a rectangle; set by the frame.
    void (*repaint_ground)(const PageRect& rect) = nullptr;
};
extern PageRegions page_regions;

// A new page: nothing on it.
void clear_page_regions();

// Registers what an element drew; a fact box under it is erased first.
void occupy_page_region(PageElement element, const PageRect& rect);

// True when rect overlaps no element but the fact box.
bool page_place_free(const PageRect& rect);

// How far a statement's shadow reaches past its right and lower edges.
inline constexpr std::int32_t statement_shadow = 4;

// What a box with no border of its own keeps clear of: the element, and a
// statement's shadow with a pixel of page past it, lest the shadow read as
// the box's edge.
PageRect unbordered_clearance(const PageRegion& region);

// page_place_free for a box with no border of its own.
bool unbordered_place_free(const PageRect& rect);

// The place for rect nearest to its own, inside the problem area and
// overlapping no element but the fact box (its own place when that is
// free); none when there is no such place.
std::optional<PageRect> nearest_free_place(const PageRect& rect);
