#include "layout_check/layout_check.h"

namespace layout_check {

namespace {

bool on_disc(const LayoutRect& disc, std::int32_t x, std::int32_t y)
{
    const double a = (disc.x2 - disc.x1 + 1) / 2.0;
    const double b = (disc.y2 - disc.y1 + 1) / 2.0;
    const double dx = (x + 0.5 - disc.x1) / a - 1.0;
    const double dy = (y + 0.5 - disc.y1) / b - 1.0;
    return dx * dx + dy * dy <= 1.0;
}

}  // namespace

std::vector<Fault> LayoutRecorder::texts_off_discs() const
{
    std::vector<Fault> found;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const LayoutItem& text = items_[i];
        if (text.kind != LayoutItem::Kind::text) continue;
        const LayoutRect& r = text.rect;
        // The last fill under the text's start: a disc that holds the
        // text in its square (a button's round end is not its box).
        for (std::size_t k = i; k-- > 0;) {
            const LayoutItem& disc = items_[k];
            if (disc.kind != LayoutItem::Kind::fill || r.x1 < disc.rect.x1 || r.x1 > disc.rect.x2 ||
                r.y1 < disc.rect.y1 || r.y1 > disc.rect.y2)
                continue;
            // A disc cut by its clip (a reel's window) is no longer round.
            const bool cut = disc.rect.x1 == disc.clip.x1 || disc.rect.y1 == disc.clip.y1 ||
                             disc.rect.x2 == disc.clip.x2 || disc.rect.y2 == disc.clip.y2;
            if (!disc.round || cut || r.x2 > disc.rect.x2 || r.y2 > disc.rect.y2) break;
            if (!on_disc(disc.rect, r.x1, r.y1) || !on_disc(disc.rect, r.x2, r.y1) || !on_disc(disc.rect, r.x1, r.y2) ||
                !on_disc(disc.rect, r.x2, r.y2))
                found.push_back({FaultKind::text_off_disc, r, disc.rect, {text.text}});
            break;
        }
    }
    return found;
}

}  // namespace layout_check
