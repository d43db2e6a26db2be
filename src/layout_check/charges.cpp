#include <algorithm>
#include <cstdlib>
#include <string>

#include "layout_check/item_checks.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

struct Charge {
    LayoutRect rect;
    std::string text;
    std::vector<const LayoutItem*> pieces;
};

// "(+)" in one piece; a minus is "(" and ")" drawn one after the other on
// one row with its raised bar, which the recorder leaves out, between them.
std::vector<Charge> charges_of(const std::vector<LayoutItem>& items)
{
    std::vector<Charge> found;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const LayoutItem& a = items[k];
        if (a.kind != Kind::text) continue;
        if (a.text == "(+)") found.push_back({a.rect, a.text, {&a}});
        if (a.text != "(" || k + 1 == items.size()) continue;
        const LayoutItem& b = items[k + 1];
        if (b.kind == Kind::text && b.text == ")" && b.rect.y1 == a.rect.y1 && b.rect.x1 > a.rect.x2 &&
            b.rect.x1 - a.rect.x2 < 16)
            found.push_back({{a.rect.x1, a.rect.y1, b.rect.x2, b.rect.y2}, "(-)", {&a, &b}});
    }
    return found;
}

// A stroke drawn across a charge's middle, 3 pixels or more of it.
bool across(const LayoutItem& stroke, const Charge& c)
{
    return stroke.kind == Kind::stroke &&
           length_inside(stroke, {std::max(c.rect.x1, stroke.clip.x1), std::max(c.rect.y1, stroke.clip.y1),
                                  std::min(c.rect.x2, stroke.clip.x2), std::min(c.rect.y2, stroke.clip.y2)}) >= 3;
}

}  // namespace

std::vector<Fault> charge_faults(const std::vector<LayoutItem>& items)
{
    // Two charges on one row with less than a bracket's width between them
    // read as one charge of two.
    constexpr std::int32_t apart = 6;
    std::vector<Fault> found;
    const std::vector<Charge> charges = charges_of(items);
    for (std::size_t i = 0; i < charges.size(); ++i) {
        const Charge& c = charges[i];
        for (const LayoutItem& stroke : items)
            if (across(stroke, c)) found.push_back({FaultKind::charge_on_stroke, c.rect, stroke.rect, {c.text}});
        for (std::size_t j = i + 1; j < charges.size(); ++j) {
            const LayoutRect& d = charges[j].rect;
            const bool same_row = std::min(c.rect.y2, d.y2) - std::max(c.rect.y1, d.y1) >= 2;
            const std::int32_t gap = std::max(d.x1 - c.rect.x2, c.rect.x1 - d.x2) - 1;
            if (same_row && gap < apart)
                found.push_back({FaultKind::charges_joined, c.rect, d, {c.text, charges[j].text}});
        }
    }
    return found;
}

std::vector<Fault> LayoutRecorder::charge_ink_faults(const std::vector<LayoutItem>& items) const
{
    std::vector<Fault> found;
    for (const Charge& c : charges_of(items)) {
        std::vector<QwPoint> ink;
        LayoutRect around = cell_of(*c.pieces.front());
        for (const LayoutItem* piece : c.pieces) {
            for (const QwPoint& p : ink_of(*piece))
                if (holds(piece->clip, p)) ink.push_back(p);
            const LayoutRect cell = cell_of(*piece);
            around = {std::min(around.x1, cell.x1), std::min(around.y1, cell.y1), std::max(around.x2, cell.x2),
                      std::max(around.y2, cell.y2)};
        }
        around = {around.x1 - 1, around.y1 - 1, around.x2 + 1, around.y2 + 1};
        for (const LayoutItem& stroke : items) {
            // One across the charge is charge_faults' to tell.
            if (stroke.kind != Kind::stroke || across(stroke, c) ||
                std::min(stroke.rect.x2, around.x2) < std::max(stroke.rect.x1, around.x1) ||
                std::min(stroke.rect.y2, around.y2) < std::max(stroke.rect.y1, around.y1))
                continue;
            const std::vector<QwPoint> bar = stroke_ink(stroke, around);
            const bool touching = std::ranges::any_of(ink, [&bar](const QwPoint& p) {
                return std::ranges::any_of(
                    bar, [&p](const QwPoint& q) { return std::abs(p.x - q.x) <= 1 && std::abs(p.y - q.y) <= 1; });
            });
            if (touching) found.push_back({FaultKind::charge_touches_stroke, c.rect, stroke.rect, {c.text}});
        }
    }
    return found;
}

}  // namespace layout_check
