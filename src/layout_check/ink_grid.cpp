#include "layout_check/ink_grid.h"

#include <algorithm>

namespace layout_check {

LayoutRect bounds_of(std::span<const QwPoint> ink)
{
    if (ink.empty()) return {0, 0, -1, -1};
    LayoutRect r{ink.front().x, ink.front().y, ink.front().x, ink.front().y};
    for (const QwPoint& p : ink)
        r = {std::min(r.x1, p.x), std::min(r.y1, p.y), std::max(r.x2, p.x), std::max(r.y2, p.y)};
    return r;
}

InkGrid::InkGrid(const std::vector<QwPoint>& ink) : bounds_(bounds_of(ink))
{
    set_.assign(static_cast<std::size_t>((bounds_.x2 - bounds_.x1 + 1) * (bounds_.y2 - bounds_.y1 + 1)), 0);
    for (const QwPoint& p : ink) set_[index(p.x, p.y)] = 1;
}

bool InkGrid::near(const QwPoint& p, std::int32_t reach) const
{
    // Only the part of the square around p that the set spans.
    const std::int32_t x1 = std::max(p.x - reach, bounds_.x1);
    const std::int32_t x2 = std::min(p.x + reach, bounds_.x2);
    for (std::int32_t y = std::max(p.y - reach, bounds_.y1); y <= std::min(p.y + reach, bounds_.y2); ++y)
        for (std::int32_t x = x1; x <= x2; ++x)
            if (set_[index(x, y)] != 0) return true;
    return false;
}

}  // namespace layout_check
