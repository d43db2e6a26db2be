#include <algorithm>
#include <string>

#include "layout_check/layout_check.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

struct Charge {
    LayoutRect rect;
    std::string text;
};

// "(+)" in one piece; a minus is "(" and ")" drawn one after the other on
// one row with its raised bar, which the recorder leaves out, between them.
std::vector<Charge> charges_of(const std::vector<LayoutItem>& items)
{
    std::vector<Charge> found;
    for (std::size_t k = 0; k < items.size(); ++k) {
        const LayoutItem& a = items[k];
        if (a.kind != Kind::text) continue;
        if (a.text == "(+)") found.push_back({a.rect, a.text});
        if (a.text != "(" || k + 1 == items.size()) continue;
        const LayoutItem& b = items[k + 1];
        if (b.kind == Kind::text && b.text == ")" && b.rect.y1 == a.rect.y1 && b.rect.x1 > a.rect.x2 &&
            b.rect.x1 - a.rect.x2 < 16)
            found.push_back({{a.rect.x1, a.rect.y1, b.rect.x2, b.rect.y2}, "(-)"});
    }
    return found;
}

std::string where(const LayoutRect& r)
{
    return "(" + std::to_string(r.x1) + "," + std::to_string(r.y1) + ")";
}

}  // namespace

std::vector<std::string> charge_faults(const std::vector<LayoutItem>& items)
{
    // Two charges on one row with less than a bracket's width between them
    // read as one charge of two.
    constexpr std::int32_t apart = 6;
    std::vector<std::string> found;
    const std::vector<Charge> charges = charges_of(items);
    for (std::size_t i = 0; i < charges.size(); ++i) {
        const Charge& c = charges[i];
        for (const LayoutItem& stroke : items)
            if (stroke.kind == Kind::stroke &&
                length_inside(stroke, {std::max(c.rect.x1, stroke.clip.x1), std::max(c.rect.y1, stroke.clip.y1),
                                       std::min(c.rect.x2, stroke.clip.x2), std::min(c.rect.y2, stroke.clip.y2)}) >= 3)
                found.push_back("carica " + c.text + " " + where(c.rect) + " su un legame o un doppietto " +
                                where(stroke.rect));
        for (std::size_t j = i + 1; j < charges.size(); ++j) {
            const LayoutRect& d = charges[j].rect;
            const bool same_row = std::min(c.rect.y2, d.y2) - std::max(c.rect.y1, d.y1) >= 2;
            const std::int32_t gap = std::max(d.x1 - c.rect.x2, c.rect.x1 - d.x2) - 1;
            if (same_row && gap < apart)
                found.push_back("cariche " + c.text + " " + where(c.rect) + " e " + charges[j].text + " " + where(d) +
                                " attaccate");
        }
    }
    return found;
}

}  // namespace layout_check
