// Boxes drawn onto the edge of another. A box is a fill, with the shadow
// drawn just before it (a fill of its size a few pixels off) and the border
// drawn just after it (an outline of its rectangle); fills inside a box are
// its parts. A box's shadow on another box, or a box without a border of its
// own against another's border or shadow, leaves no edge between them: one
// reads as covering the other. A bordered box laid over another's shadow
// keeps its edge.
#include <algorithm>
#include <optional>
#include <string>

#include "layout_check/item_checks.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

struct Box {
    LayoutRect body;
    std::optional<LayoutRect> shadow;
    bool border = false;

    LayoutRect extent() const
    {
        if (!shadow) return body;
        return {std::min(body.x1, shadow->x1), std::min(body.y1, shadow->y1), std::max(body.x2, shadow->x2),
                std::max(body.y2, shadow->y2)};
    }
};

// Overlapping, or side by side with no pixel between.
bool touching(const LayoutRect& a, const LayoutRect& b)
{
    const std::int32_t across = std::min(a.x2, b.x2) - std::max(a.x1, b.x1) + 1;
    const std::int32_t down = std::min(a.y2, b.y2) - std::max(a.y1, b.y1) + 1;
    return across >= 0 && down >= 0 && across + down > 0;
}

bool same_size(const LayoutRect& a, const LayoutRect& b)
{
    return a.x2 - a.x1 == b.x2 - b.x1 && a.y2 - a.y1 == b.y2 - b.y1;
}

std::vector<Box> boxes_of(const std::vector<LayoutItem>& items)
{
    constexpr std::int32_t shadow_offset = 6;
    std::vector<Box> boxes;
    for (const LayoutItem& item : items) {
        if (item.kind == Kind::outline) {
            for (Box& box : boxes)
                if (box.body == item.rect) box.border = true;
            continue;
        }
        const LayoutRect& r = item.rect;
        if (item.kind != Kind::fill || item.round || r.x2 - r.x1 < 20 || r.y2 - r.y1 < 10) continue;
        if (!boxes.empty()) {
            Box& last = boxes.back();
            const std::int32_t dx = last.body.x1 - r.x1;
            const std::int32_t dy = last.body.y1 - r.y1;
            if (!last.shadow && !last.border && same_size(last.body, r) && dx > 0 && dx <= shadow_offset && dy > 0 &&
                dy <= shadow_offset) {
                last.shadow = last.body;
                last.body = r;
                continue;
            }
        }
        if (std::none_of(boxes.begin(), boxes.end(), [&r](const Box& box) { return inside(r, box.extent()); }))
            boxes.push_back({r, std::nullopt, false});
    }
    return boxes;
}

}  // namespace

std::vector<Fault> box_faults(const std::vector<LayoutItem>& items)
{
    const std::vector<Box> boxes = boxes_of(items);
    std::vector<Fault> found;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const Box& a = boxes[i];
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& b = boxes[j];
            if (inside(b.extent(), a.extent()) || inside(a.extent(), b.extent())) continue;
            if (b.shadow && touching(*b.shadow, a.body))
                found.push_back({FaultKind::shadow_on_box, b.body, a.body, {}});
            else if (!b.border && a.shadow && touching(b.body, *a.shadow))
                found.push_back({FaultKind::box_on_shadow, b.body, a.body, {}});
            else if (!b.border && a.border && touching(b.body, a.body))
                found.push_back({FaultKind::box_on_border, b.body, a.body, {}});
        }
    }
    return found;
}

}  // namespace layout_check
