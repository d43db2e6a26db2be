// Texts cut by the edge of what they stand on, as a student sees them: ink
// that its clip leaves out, or that reaches the border of its panel or runs
// past it (a plot's label whose last letter hangs off the plot's panel).
#include <algorithm>
#include <sstream>

#include "support/layout_check.h"

namespace testing_support {

namespace {

using Kind = LayoutItem::Kind;

std::string cut_text(const LayoutItem& text, const LayoutRect& cell)
{
    std::ostringstream out;
    out << "testo \"" << text.text << "\" (" << cell.x1 << "," << cell.y1 << ")";
    return out.str();
}

bool within(const QwPoint& p, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    return p.x >= x1 && p.x <= x2 && p.y >= y1 && p.y <= y2;
}

}  // namespace

std::vector<std::string> LayoutRecorder::cut_text_faults(const std::vector<LayoutItem>& items) const
{
    std::vector<std::string> found;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const LayoutItem& text = items[i];
        if (text.kind != Kind::text) continue;
        const LayoutRect cell = cell_of(text);
        const LayoutRect& clip = text.clip;
        const std::vector<QwPoint> ink = ink_of(text);
        // Its panel: the last fill, large enough to hold a text, under the
        // corner where its reading starts; or, for a text that starts off
        // any, under some of its ink (a piece hanging off a panel's edge).
        const auto panel_under = [&](const auto& holds) -> const LayoutItem* {
            for (std::size_t k = i; k-- > 0;) {
                const LayoutRect& box = items[k].rect;
                if (items[k].kind == Kind::fill && box.x2 - box.x1 >= 20 && box.y2 - box.y1 >= cell.y2 - cell.y1 &&
                    holds(box))
                    return &items[k];
            }
            return nullptr;
        };
        const LayoutItem* panel = panel_under([&text](const LayoutRect& box) {
            return within({text.rect.x1 + 1, text.rect.y1}, box.x1, box.y1, box.x2, box.y2);
        });
        if (panel == nullptr) {
            panel = panel_under([&ink](const LayoutRect& box) {
                return std::any_of(ink.begin(), ink.end(),
                                   [&box](const QwPoint& q) { return within(q, box.x1, box.y1, box.x2, box.y2); });
            });
        }
        if (std::any_of(ink.begin(), ink.end(), [&clip](const QwPoint& p) {
                return !within(p, clip.x1, clip.y1, clip.x2, clip.y2);
            })) {
            found.push_back(cut_text(text, cell) + " tagliato dal suo ritaglio");
            continue;
        }
        if (panel == nullptr) continue;
        // The panel's outermost pixels are its edge: ink on them reads as cut.
        const LayoutRect& p = panel->rect;
        if (std::any_of(ink.begin(), ink.end(),
                        [&p](const QwPoint& q) { return !within(q, p.x1 + 1, p.y1 + 1, p.x2 - 1, p.y2 - 1); }))
            found.push_back(cut_text(text, cell) + " tagliato dal bordo del suo riquadro (" + std::to_string(p.x1) +
                            "," + std::to_string(p.y1) + ")-(" + std::to_string(p.x2) + "," + std::to_string(p.y2) +
                            ")");
    }
    return found;
}

}  // namespace testing_support
