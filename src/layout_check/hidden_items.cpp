#include <algorithm>
#include <map>
#include <utility>

#include "layout_check/item_checks.h"
#include "layout_check/layout_check.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;
using Span = std::pair<std::int32_t, std::int32_t>;

// What is left of [from, to] once the spans are taken out.
std::vector<Span> left_of(std::int32_t from, std::int32_t to, std::vector<Span> taken)
{
    std::ranges::sort(taken);
    std::vector<Span> left;
    for (const auto& [a, b] : taken) {
        if (b < from || a > to) continue;
        if (a > from) left.push_back({from, a - 1});
        from = std::max(from, b + 1);
    }
    if (from <= to) left.push_back({from, to});
    return left;
}

// A level or upright stroke, less what the fills cover of it.
std::vector<LayoutItem> shown_pieces(const LayoutItem& stroke, const std::vector<LayoutRect>& fills)
{
    const LayoutRect& r = stroke.rect;
    const bool level = r.y1 == r.y2;
    std::vector<Span> taken;
    for (const LayoutRect& f : fills) {
        if (level && f.y1 <= r.y1 && r.y1 <= f.y2) taken.push_back({f.x1, f.x2});
        if (!level && f.x1 <= r.x1 && r.x1 <= f.x2) taken.push_back({f.y1, f.y2});
    }
    std::vector<LayoutItem> pieces;
    for (const auto& [a, b] : left_of(level ? r.x1 : r.y1, level ? r.x2 : r.y2, taken)) {
        LayoutItem piece = stroke;
        piece.kind = Kind::stroke;
        piece.rect = level ? LayoutRect{a, r.y1, b, r.y1} : LayoutRect{r.x1, a, r.x1, b};
        piece.from = {piece.rect.x1, piece.rect.y1};
        piece.to = {piece.rect.x2, piece.rect.y2};
        pieces.push_back(piece);
    }
    return pieces;
}

// An outline's four sides as strokes, within what its clip lets show.
std::vector<LayoutItem> sides(const LayoutItem& outline)
{
    const LayoutRect& d = outline.drawn;
    std::vector<LayoutItem> found;
    for (const LayoutRect& side : {LayoutRect{d.x1, d.y1, d.x2, d.y1}, LayoutRect{d.x1, d.y2, d.x2, d.y2},
                                   LayoutRect{d.x1, d.y1, d.x1, d.y2}, LayoutRect{d.x2, d.y1, d.x2, d.y2}}) {
        const LayoutRect& c = outline.rect;
        const LayoutRect shown{std::max(side.x1, c.x1), std::max(side.y1, c.y1), std::min(side.x2, c.x2),
                               std::min(side.y2, c.y2)};
        if (shown.x1 > shown.x2 || shown.y1 > shown.y2) continue;
        LayoutItem stroke = outline;
        stroke.kind = Kind::stroke;
        stroke.rect = shown;
        found.push_back(stroke);
    }
    return found;
}

bool overlaps(const LayoutRect& a, const LayoutRect& b)
{
    return std::max(a.x1, b.x1) <= std::min(a.x2, b.x2) && std::max(a.y1, b.y1) <= std::min(a.y2, b.y2);
}

}  // namespace

void LayoutRecorder::forget_hidden()
{
    // From the last item back, what was drawn after the item: the
    // rectangular fills, and the level strokes by their row (a scale's bar
    // is repainted a line a row). A straight stroke or an outline that a
    // fill hides in part is kept as the pieces that show.
    std::vector<LayoutRect> later_fills;
    std::map<std::int32_t, std::vector<Span>> later_rows;
    const auto row_hidden = [&](std::int32_t y, std::int32_t x1, std::int32_t x2) {
        const LayoutRect row{x1, y, x2, y};
        if (std::ranges::any_of(later_fills, [&](const LayoutRect& fill) { return inside(row, fill); })) return true;
        const auto strokes = later_rows.find(y);
        return strokes != later_rows.end() && std::ranges::any_of(strokes->second, [&](const Span& span) {
                   return span.first <= x1 && x2 <= span.second;
               });
    };
    std::vector<LayoutItem> shown;
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
        const LayoutRect& r = item->rect;
        bool hidden = true;
        for (std::int32_t y = r.y1; y <= r.y2 && hidden; ++y) hidden = row_hidden(y, r.x1, r.x2);
        if (hidden) continue;
        const bool straight = item->kind == Kind::stroke && (r.y1 == r.y2 || r.x1 == r.x2);
        const bool cut = std::ranges::any_of(later_fills, [&](const LayoutRect& f) { return overlaps(r, f); });
        if ((straight || item->kind == Kind::outline) && cut) {
            const std::vector<LayoutItem> whole = straight ? std::vector<LayoutItem>{*item} : sides(*item);
            std::vector<LayoutItem> pieces;
            for (const LayoutItem& side : whole)
                for (LayoutItem& piece : shown_pieces(side, later_fills)) pieces.push_back(std::move(piece));
            shown.insert(shown.end(), pieces.rbegin(), pieces.rend());
            continue;
        }
        if (item->kind == Kind::fill && !item->round) later_fills.push_back(r);
        if (item->kind == Kind::stroke && r.y1 == r.y2) later_rows[r.y1].push_back({r.x1, r.x2});
        shown.push_back(*item);
    }
    items_.assign(shown.rbegin(), shown.rend());
}

}  // namespace layout_check
