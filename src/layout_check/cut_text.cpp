// Texts cut by the edge of what they stand on, as a student sees them: ink
// that runs past the border of its panel (a plot's label whose last letter
// hangs off the plot's panel onto the page).
#include <algorithm>
#include <cstdlib>

#include "layout_check/ink_grid.h"
#include "layout_check/item_checks.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

// The next piece of a line: drawn where the one before it ends, its middle
// row within a sub- or superscript's shift of that piece's.
bool goes_on(const LayoutItem& before, const LayoutItem& piece)
{
    return before.kind == Kind::text && std::abs(piece.rect.x1 - before.rect.x2 - 1) <= 1 &&
           std::abs(piece.rect.y1 + piece.rect.y2 - before.rect.y1 - before.rect.y2) <= 8;
}

}  // namespace

std::vector<Fault> LayoutRecorder::cut_text_faults(const std::vector<LayoutItem>& items) const
{
    std::vector<Fault> found;
    std::vector<const LayoutItem*> panels(items.size(), nullptr);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const LayoutItem& text = items[i];
        if (text.kind != Kind::text) continue;
        const LayoutRect cell = cell_of(text);
        const LayoutRect& clip = text.clip;
        const std::vector<QwPoint> ink = ink_of(text);
        // Its panel: the last fill, large enough to hold a text, under the
        // corner where its reading starts; or, for a text that starts off
        // any, under some of its ink (a piece hanging off a panel's edge).
        // A piece that goes on from the one before it on its line ("P" and
        // ")" of "ln(P)") has that piece's panel.
        const auto panel_under = [&](const auto& holds) -> const LayoutItem* {
            for (std::size_t k = i; k-- > 0;) {
                const LayoutRect& box = items[k].rect;
                if (items[k].kind == Kind::fill && box.x2 - box.x1 >= 20 && box.y2 - box.y1 >= cell.y2 - cell.y1 &&
                    holds(box))
                    return &items[k];
            }
            return nullptr;
        };
        const LayoutItem* panel = i > 0 && goes_on(items[i - 1], text) ? panels[i - 1] : nullptr;
        if (panel == nullptr) {
            panel = panel_under([&text](const LayoutRect& box) {
                return holds(box, {text.rect.x1 + 1, text.rect.y1});
            });
        }
        if (panel == nullptr) {
            panel = panel_under([&ink](const LayoutRect& box) {
                return std::any_of(ink.begin(), ink.end(), [&box](const QwPoint& q) { return holds(box, q); });
            });
        }
        panels[i] = panel;
        if (panel == nullptr) continue;
        // Ink the clip lets show off every fill of the panel's colour drawn
        // before the text (a capsule is a bar and two discs): the text runs
        // past its panel's edge.
        const InkGrid inked(ink);
        const std::vector<LayoutRect> panel_fills = fills_over(items, 0, i, inked.bounds(), panel->colour);
        // Where the panel goes on under the text (a fill drawn before the
        // part of the page looked at), the page shows its colour beside the ink.
        const auto panel_beside = [&](const QwPoint& q) {
            for (const QwPoint d : {QwPoint{1, 0}, QwPoint{-1, 0}, QwPoint{0, 1}, QwPoint{0, -1}}) {
                const QwPoint n{q.x + d.x, q.y + d.y};
                if (!inked.near(n, 0) && inner_.get_pixel(n.x, n.y) == panel->colour) return true;
            }
            return false;
        };
        const LayoutRect& p = panel->rect;
        if (std::any_of(ink.begin(), ink.end(), [&](const QwPoint& q) {
                return holds(clip, q) && !any_holds(panel_fills, q) && !panel_beside(q);
            })) {
            found.push_back({FaultKind::text_cut_by_panel, cell, p, {text.text}});
            continue;
        }
        // A panel with a border of its own: ink on the border, or with one
        // pixel between, reads as touching the box.
        const bool bordered = std::any_of(items.begin(), items.end(), [&p](const LayoutItem& item) {
            return item.kind == Kind::outline && item.rect == p;
        });
        if (bordered && std::any_of(ink.begin(), ink.end(), [&](const QwPoint& q) {
                return holds(clip, q) && (q.x <= p.x1 + 2 || q.x >= p.x2 - 2 || q.y <= p.y1 + 2 || q.y >= p.y2 - 2);
            }))
            found.push_back({FaultKind::text_on_panel_edge, cell, p, {text.text}});
    }
    return found;
}

}  // namespace layout_check
