#pragma once
// A plain pixel canvas with exact, unantialiased primitives. Pixels are kept
// as 0xFFRRGGBB words (so a host image can wrap the buffer); the drawing
// calls take and give 0x00BBGGRR colours. Every primitive clips to the canvas
// and to the given clip rectangle, and costs no more than the pixels it can
// touch, however large its coordinates.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <span>

#include "platform/backend.h"
#include "platform/graphics.h"

namespace platform {

// The nearest whole number to a + factor1 factor2 / den (halves away from
// zero), for any 64-bit factors.
std::int64_t offset_rounded(std::int64_t a, std::int64_t factor1, std::int64_t factor2, std::int64_t den);

// The pixels of the line from `from` to `to` inside x1..x2 by y1..y2, as
// the canvas draws every line: each step along its longer axis with the
// nearest pixel across it; plot(x, y) for each, in order. Only the steps
// inside the bounds are walked.
template <class Plot>
void line_pixels(QwPoint from, QwPoint to, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                 Plot&& plot)
{
    const std::int64_t dx = static_cast<std::int64_t>(to.x) - from.x;
    const std::int64_t dy = static_cast<std::int64_t>(to.y) - from.y;
    if (std::llabs(dx) >= std::llabs(dy)) {
        const std::int64_t lo = std::max<std::int64_t>(std::min(from.x, to.x), x1);
        const std::int64_t hi = std::min<std::int64_t>(std::max(from.x, to.x), x2);
        for (std::int64_t x = lo; x <= hi; ++x) {
            const std::int64_t y = dx == 0 ? from.y : offset_rounded(from.y, x - from.x, dy, dx);
            if (y >= y1 && y <= y2) plot(x, y);
        }
    } else {
        const std::int64_t lo = std::max<std::int64_t>(std::min(from.y, to.y), y1);
        const std::int64_t hi = std::min<std::int64_t>(std::max(from.y, to.y), y2);
        for (std::int64_t y = lo; y <= hi; ++y) {
            const std::int64_t x = offset_rounded(from.x, y - from.y, dx, dy);
            if (x >= x1 && x <= x2) plot(x, y);
        }
    }
}

class RasterCanvas {
public:
    RasterCanvas(std::int32_t width, std::int32_t height, std::int32_t colour = 0);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    std::uint32_t* data() { return pixels_.get(); }
    const std::uint32_t* data() const { return pixels_.get(); }

    // -1 outside the canvas.
    std::int32_t pixel(std::int32_t x, std::int32_t y) const;
    void set_pixel(const ClipRect& clip, std::int32_t x, std::int32_t y, std::int32_t colour);
    void rectangle(const ClipRect& clip, QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                   std::int32_t y2, std::int32_t colour);
    // Filled rectangles, each in its own colour, in order.
    void fill_rectangles(const ClipRect& clip, std::span<const QwColourBox> boxes);
    void ellipse(const ClipRect& clip, QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                 std::int32_t y2, std::int32_t colour);
    // Filled: the pixels whose centres lie inside (even-odd rule) and the edges.
    void polygon(const ClipRect& clip, QwControl control, std::span<const QwPoint> points, std::int32_t colour);
    void line(const ClipRect& clip, QwPoint from, QwPoint to, std::int32_t colour);
    // Fills the 4-connected region of (x, y) bounded by the boundary colour
    // (and the clip region). False when nothing could be filled.
    bool flood_fill(const ClipRect& clip, std::int32_t x, std::int32_t y, std::int32_t boundary, std::int32_t colour);

    static std::uint32_t to_native(std::int32_t colour);
    static std::int32_t from_native(std::uint32_t native);

private:
    struct Bounds {
        std::int32_t x1, y1, x2, y2;
        bool empty() const { return x1 > x2 || y1 > y2; }
    };
    Bounds visible(const ClipRect& clip) const;
    void span(const Bounds& area, std::int32_t y, std::int64_t x1, std::int64_t x2, std::uint32_t native);
    // A filled rectangle with its corners in order.
    void fill(const Bounds& area, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              std::uint32_t native);
    // The same, the corners already clipped.
    void fill_within(const Bounds& box, std::uint32_t native);

    struct Release {
        void operator()(std::uint32_t* pixels) const { std::free(pixels); }
    };
    static std::unique_ptr<std::uint32_t[], Release> allocate(std::size_t count);

    std::int32_t width_;
    std::int32_t height_;
    std::unique_ptr<std::uint32_t[], Release> pixels_;
};

}  // namespace platform
