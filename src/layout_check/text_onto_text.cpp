// Texts written onto each other, as a student sees them: the ink of one
// meets or all but touches the ink of another, however little their boxes share (a
// statement's last line whose digits reach down into a table's header). A
// line's index or Greek letter that reaches the next line of its paragraph
// is that paragraph's line spacing, until its ink meets the other's: a
// subscript sitting on the capital of the line below.
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>

#include "layout_check/layout_check.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

// The pixels of a set, looked up by place.
class InkGrid {
public:
    explicit InkGrid(const std::vector<QwPoint>& ink)
    {
        if (ink.empty()) return;
        x0_ = x1_ = ink.front().x;
        y0_ = y1_ = ink.front().y;
        for (const QwPoint& p : ink) {
            x0_ = std::min(x0_, p.x);
            x1_ = std::max(x1_, p.x);
            y0_ = std::min(y0_, p.y);
            y1_ = std::max(y1_, p.y);
        }
        set_.assign(static_cast<std::size_t>((x1_ - x0_ + 1) * (y1_ - y0_ + 1)), false);
        for (const QwPoint& p : ink) set_[index(p.x, p.y)] = true;
    }
    // A pixel of the set within reach of p, diagonals included: at reach 1
    // the two touch, at reach 2 a one-pixel gap is left, which reads as
    // touching.
    bool near(const QwPoint& p, std::int32_t reach) const
    {
        for (std::int32_t y = p.y - reach; y <= p.y + reach; ++y)
            for (std::int32_t x = p.x - reach; x <= p.x + reach; ++x)
                if (x >= x0_ && x <= x1_ && y >= y0_ && y <= y1_ && set_[index(x, y)]) return true;
        return false;
    }

private:
    std::size_t index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>((y - y0_) * (x1_ - x0_ + 1) + (x - x0_));
    }
    std::int32_t x0_ = 0, x1_ = -1, y0_ = 0, y1_ = -1;
    std::vector<bool> set_;
};

}  // namespace

std::vector<Fault> LayoutRecorder::text_onto_text_faults(const std::vector<LayoutItem>& items) const
{
    std::vector<Fault> found;
    // What of a text its clip and the fills drawn after it leave showing.
    std::map<std::size_t, std::vector<QwPoint>> inks;
    const auto ink = [&](std::size_t k) -> const std::vector<QwPoint>& {
        auto at = inks.find(k);
        if (at == inks.end()) {
            std::vector<QwPoint> shown = ink_of(items[k]);
            std::erase_if(shown, [&](const QwPoint& p) {
                if (!holds(items[k].clip, p)) return true;
                for (std::size_t later = k + 1; later < items.size(); ++later)
                    if (items[later].kind == Kind::fill && holds(items[later].rect, p)) return true;
                return false;
            });
            at = inks.emplace(k, std::move(shown)).first;
        }
        return at->second;
    };
    std::vector<LayoutRect> cells(items.size());
    for (std::size_t k = 0; k < items.size(); ++k)
        if (items[k].kind == Kind::text) cells[k] = cell_of(items[k]);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != Kind::text) continue;
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            const LayoutItem& a = items[i];
            const LayoutItem& b = items[j];
            if (b.kind != Kind::text) continue;
            const LayoutRect& ca = cells[i];
            const LayoutRect& cb = cells[j];
            // The pieces of one line stand side by side; a text drawn again a
            // pixel or two off is a shadow or a bold stroke.
            if (std::min(ca.x2, cb.x2) < std::max(ca.x1, cb.x1)) continue;
            // Letters of one font set a column nearer than their cells (a
            // title condensed to fit its band) stand side by side too, as
            // the face's own letters a pixel apart do, unless their ink meets.
            const bool kerned = a.font == b.font && ca.y1 == cb.y1 && (ca.x2 == cb.x1 || cb.x2 == ca.x1);
            if (a.text == b.text && std::abs(ca.x1 - cb.x1) <= 2 && std::abs(ca.y1 - cb.y1) <= 2) continue;
            if (std::min(ca.y2, cb.y2) + 1 < std::max(ca.y1, cb.y1)) continue;
            // A piece in a face other than its line's (an index, a Greek
            // letter) that reaches the next or last line of its own paragraph,
            // drawn in one run of texts, is the paragraph's line spacing.
            bool one_run = true;
            std::int32_t line_cell = 0;
            for (std::size_t k = i; k <= j && one_run; ++k) {
                one_run = items[k].kind == Kind::text;
                line_cell = std::max(line_cell, cells[k].y2 - cells[k].y1);
            }
            const bool spacing = one_run && std::min(ca.y2 - ca.y1, cb.y2 - cb.y1) < line_cell;
            const InkGrid grid(ink(i));
            const std::vector<QwPoint>& over = ink(j);
            std::vector<QwPoint> contact;
            std::copy_if(over.begin(), over.end(), std::back_inserter(contact),
                         [&grid, kerned](const QwPoint& p) { return grid.near(p, kerned ? 1 : 2); });
            if (contact.empty()) continue;
            // So is the accent of a capital ("È") meeting a descender of the
            // line above, in one paragraph.
            const bool accent_only =
                one_run && cb.y1 > ca.y1 &&
                std::all_of(contact.begin(), contact.end(), [&cb](const QwPoint& p) { return p.y <= cb.y1 + 1; });
            if (!spacing && !accent_only)
                found.push_back({FaultKind::text_against_text, cb, ca, {b.text, a.text}});
            else if (std::ranges::any_of(contact, [&grid](const QwPoint& p) { return grid.near(p, 1); }))
                found.push_back({FaultKind::text_touches_text, cb, ca, {b.text, a.text}});
        }
    }
    return found;
}

}  // namespace layout_check
