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
#include <optional>

#include "layout_check/ink_grid.h"
#include "layout_check/item_checks.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

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
            const std::vector<LayoutRect> later = fills_over(items, k + 1, items.size(), bounds_of(shown));
            std::erase_if(shown, [&](const QwPoint& p) { return !holds(items[k].clip, p) || any_holds(later, p); });
            at = inks.emplace(k, std::move(shown)).first;
        }
        return at->second;
    };
    std::vector<LayoutRect> cells(items.size());
    for (std::size_t k = 0; k < items.size(); ++k)
        if (items[k].kind == Kind::text) cells[k] = cell_of(items[k]);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != Kind::text) continue;
        std::optional<InkGrid> grid;
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
            if (!grid) grid.emplace(ink(i));
            const std::vector<QwPoint>& over = ink(j);
            std::vector<QwPoint> contact;
            std::copy_if(over.begin(), over.end(), std::back_inserter(contact),
                         [&grid, kerned](const QwPoint& p) { return grid->near(p, kerned ? 1 : 2); });
            if (contact.empty()) continue;
            // So is the accent of a capital ("È") meeting a descender of the
            // line above, in one paragraph.
            const bool accent_only =
                one_run && cb.y1 > ca.y1 &&
                std::all_of(contact.begin(), contact.end(), [&cb](const QwPoint& p) { return p.y <= cb.y1 + 1; });
            if (!spacing && !accent_only)
                found.push_back({FaultKind::text_against_text, cb, ca, {b.text, a.text}});
            else if (std::ranges::any_of(contact, [&grid](const QwPoint& p) { return grid->near(p, 1); }))
                found.push_back({FaultKind::text_touches_text, cb, ca, {b.text, a.text}});
        }
    }
    return found;
}

}  // namespace layout_check
