// Buttons whose label crowds their outline: a rounded bar (two discs and
// the body between them, in one colour) and the texts drawn straight after
// its body, its label. Every pixel of the label's ink must leave two pixels
// of the bar's fill between it and the outline, at the round ends as along
// the body.
#include <algorithm>
#include <cmath>
#include <optional>

#include "layout_check/item_checks.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

// The outline of a bar of radius r lies r pixels from the segment between
// its end circles' centres.
struct Bar {
    QwPoint first, second;
    std::int32_t r = 0;
    LayoutRect box;
};

// The body at items[i], with the two discs of its colour and size drawn
// just before it whose centres it joins.
std::optional<Bar> bar_of(const std::vector<LayoutItem>& items, std::size_t i)
{
    const LayoutItem& body = items[i];
    if (body.kind != Kind::fill || body.round) return std::nullopt;
    std::vector<const LayoutItem*> discs;
    for (std::size_t k = i; k-- > 0 && i - k <= 4;) {
        const LayoutItem& d = items[k];
        const bool square = d.drawn.x2 - d.drawn.x1 == d.drawn.y2 - d.drawn.y1;
        if (d.kind == Kind::fill && d.round && square && d.colour == body.colour) discs.insert(discs.begin(), &d);
    }
    if (discs.size() < 2) return std::nullopt;
    const LayoutRect& a = discs[discs.size() - 2]->drawn;
    const LayoutRect& b = discs.back()->drawn;
    if (a.x2 - a.x1 != b.x2 - b.x1) return std::nullopt;
    const std::int32_t r = (a.x2 - a.x1) / 2;
    const QwPoint first{a.x1 + r, a.y1 + r};
    const QwPoint second{b.x1 + r, b.y1 + r};
    const LayoutRect& f = body.drawn;
    const bool across = first.y == second.y && f.x1 == first.x && f.x2 == second.x && f.y1 > a.y1 && f.y2 < a.y2;
    const bool down = first.x == second.x && f.y1 == first.y && f.y2 == second.y && f.x1 > a.x1 && f.x2 < a.x2;
    if (!across && !down) return std::nullopt;
    return Bar{first, second, r, {a.x1, a.y1, b.x2, b.y2}};
}

// How far inside the bar's outline a pixel lies: 0 on the outline.
double depth(const Bar& bar, const QwPoint& p)
{
    return bar.r - distance_to_segment({static_cast<double>(p.x), static_cast<double>(p.y)}, bar.first, bar.second);
}

}  // namespace

std::vector<Fault> LayoutRecorder::labels_off_buttons() const
{
    // Two pixels of fill between the ink and the outline.
    constexpr double least_depth = 3.0;
    std::vector<Fault> found;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const std::optional<Bar> bar = bar_of(items_, i);
        if (!bar) continue;
        // The label: the texts drawn next that start on the bar.
        for (std::size_t k = i + 1; k < items_.size() && items_[k].kind == Kind::text; ++k) {
            const LayoutItem& text = items_[k];
            if (!holds(bar->box, {text.rect.x1, text.rect.y1})) break;
            double least = bar->r;
            for (const QwPoint& q : ink_of(text))
                if (holds(text.clip, q)) least = std::min(least, depth(*bar, q));
            if (least >= least_depth) continue;
            const auto clear = static_cast<std::int32_t>(std::max(0.0, std::floor(least) - 1.0));
            found.push_back({FaultKind::label_off_button, cell_of(text), bar->box, {text.text}, clear});
        }
    }
    return found;
}

}  // namespace layout_check
