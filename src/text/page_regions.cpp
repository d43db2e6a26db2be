#include "text/page_regions.h"

#include <algorithm>
#include <cstdlib>

PageRegions page_regions;

void clear_page_regions()
{
    page_regions.regions.clear();
}

void occupy_page_region(PageElement element, const PageRect& rect)
{
    auto& regions = page_regions.regions;
    for (auto it = regions.begin(); it != regions.end();) {
        if (it->element == PageElement::fact && it->rect.overlaps(rect)) {
            if (page_regions.repaint_ground) page_regions.repaint_ground(it->rect);
            it = regions.erase(it);
        } else {
            ++it;
        }
    }
    regions.push_back({element, rect});
}

bool page_place_free(const PageRect& rect)
{
    return std::none_of(page_regions.regions.begin(), page_regions.regions.end(), [&rect](const PageRegion& r) {
        return r.element != PageElement::fact && r.rect.overlaps(rect);
    });
}

PageRect unbordered_clearance(const PageRegion& region)
{
    if (region.element != PageElement::statement) return region.rect;
    const PageRect& r = region.rect;
    return {r.x1, r.y1, r.x2 + statement_shadow + 1, r.y2 + statement_shadow + 1};
}

bool unbordered_place_free(const PageRect& rect)
{
    return std::none_of(page_regions.regions.begin(), page_regions.regions.end(), [&rect](const PageRegion& r) {
        return r.element != PageElement::fact && unbordered_clearance(r).overlaps(rect);
    });
}

std::optional<PageRect> nearest_free_place(const PageRect& rect)
{
    const PageRect& area = problem_area;
    const auto within = [&](const PageRect& r) {
        return r.x1 >= area.x1 && r.y1 >= area.y1 && r.x2 <= area.x2 && r.y2 <= area.y2;
    };
    if (within(rect) && page_place_free(rect)) return rect;
    // Offsets in steps of 5 pixels, nearest first (by the larger of the two
    // shifts, then the smaller total), up to the size of the area.
    constexpr std::int32_t step = 5;
    const std::int32_t reach = std::max(area.x2 - area.x1, area.y2 - area.y1);
    for (std::int32_t ring = step; ring <= reach; ring += step) {
        PageRect best = rect;
        std::int32_t best_cost = -1;
        const auto consider = [&](std::int32_t dx, std::int32_t dy) {
            const PageRect moved{rect.x1 + dx, rect.y1 + dy, rect.x2 + dx, rect.y2 + dy};
            if (!within(moved)) return;
            const std::int32_t cost = dx * dx + dy * dy;
            if ((best_cost < 0 || cost < best_cost) && page_place_free(moved)) {
                best = moved;
                best_cost = cost;
            }
        };
        // The ring's perimeter: its top and bottom rows, then its sides.
        for (std::int32_t d = -ring; d <= ring; d += step) {
            consider(d, -ring);
            consider(d, ring);
        }
        for (std::int32_t d = -ring + step; d <= ring - step; d += step) {
            consider(-ring, d);
            consider(ring, d);
        }
        if (best_cost >= 0) return best;
    }
    return std::nullopt;
}
