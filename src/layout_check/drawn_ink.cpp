// The ink of a text or a stroke: the pixels it sets, found by drawing it
// again, alone, in black on white on a part of the canvas that the screen
// never shows.
#include "layout_check/layout_check.h"

namespace layout_check {

namespace {

// Below and right of everything shown; the canvas is 2000 x 1000.
constexpr std::int32_t scratch_x = 1000;
constexpr std::int32_t scratch_y = 880;
// Room around the cell for italic overhangs, accents and descenders.
constexpr std::int32_t margin = 12;

}  // namespace

LayoutRect LayoutRecorder::cell_of(const LayoutItem& text) const
{
    const auto height = cell_heights_.find(text.font);
    const std::int32_t h = height == cell_heights_.end() ? 8 : height->second;
    const std::int32_t w = inner_.text_extent(text.font, text.text);
    // The rectangle kept is the cell's middle half, cut to the clip: a side
    // that the clip cut is found from the other.
    const LayoutRect& r = text.rect;
    const std::int32_t x = r.x2 - r.x1 + 1 < w && r.x1 == text.clip.x1 ? r.x2 - w + 1 : r.x1;
    const std::int32_t middle = h - 2 * (h / 4);
    const std::int32_t top = r.y2 - r.y1 + 1 < middle && r.y1 == text.clip.y1 ? r.y2 - (h - 1 - h / 4) : r.y1 - h / 4;
    return {x, top, x + w - 1, top + h - 1};
}

std::vector<QwPoint> LayoutRecorder::ink_of(const LayoutItem& text) const
{
    const LayoutRect cell = cell_of(text);
    // The cell's place moves the ink, its size (the font's height and the
    // text's extent) bounds it: a text drawn once in a font serves again.
    auto [at, fresh] = text_inks_.try_emplace({text.font, cell.y2 - cell.y1 + 1, text.text});
    if (fresh) {
        at->second = drawn_alone({0, 0, cell.x2 - cell.x1, cell.y2 - cell.y1}, [&](platform::DrawState& state) {
            state.font = text.font;
            state.position = {scratch_x + margin, scratch_y + margin};
            inner_.out_text(state, text.text);
        });
    }
    std::vector<QwPoint> ink = at->second;
    for (QwPoint& p : ink) p = {p.x + cell.x1, p.y + cell.y1};
    return ink;
}

std::vector<QwPoint> LayoutRecorder::stroke_ink(const LayoutItem& stroke, const LayoutRect& around) const
{
    std::vector<QwPoint> ink = drawn_alone(around, [&](platform::DrawState& state) {
        const QwPoint shift{scratch_x + margin - around.x1, scratch_y + margin - around.y1};
        inner_.line(state, {stroke.from.x + shift.x, stroke.from.y + shift.y},
                    {stroke.to.x + shift.x, stroke.to.y + shift.y});
    });
    std::erase_if(ink, [&](const QwPoint& p) { return !holds(stroke.clip, p) || !holds(around, p); });
    return ink;
}

std::vector<QwPoint> LayoutRecorder::drawn_alone(const LayoutRect& at,
                                                 const std::function<void(platform::DrawState&)>& draw) const
{
    const std::int32_t width = at.x2 - at.x1 + 1 + 2 * margin;
    const std::int32_t height = at.y2 - at.y1 + 1 + 2 * margin;
    platform::DrawState state;
    state.colour = 0xFFFFFF;
    state.clip = {scratch_x, scratch_y, scratch_x + width - 1, scratch_y + height - 1};
    inner_.rectangle(state, QwControl::filled, state.clip.x1, state.clip.y1, state.clip.x2, state.clip.y2);
    state.colour = 0;
    draw(state);
    std::vector<QwPoint> ink;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            if (inner_.get_pixel(scratch_x + x, scratch_y + y) == 0xFFFFFF) continue;
            ink.push_back({at.x1 + x - margin, at.y1 + y - margin});
        }
    }
    return ink;
}

}  // namespace layout_check
