#include "platform/raster_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <new>
#include <sys/mman.h>

namespace platform {
namespace {

// The nearest whole number to a + num / d (halves away from zero), in an
// integer type that holds 2 num + d.
template <class Wide>
std::int64_t offset_rounded_in(std::int64_t a, Wide num, Wide d)
{
    if (d < 0) {
        num = -num;
        d = -d;
    }
    const Wide q = num >= 0 ? (2 * num + d) / (2 * d) : -((-2 * num + d) / (2 * d));
    return static_cast<std::int64_t>(a + q);
}

// Left and right pixel of an ellipse's row, or false for a row it misses.
// A pixel belongs to the ellipse when its centre lies inside the ellipse
// that touches the outer edges of the bounding pixels.
bool ellipse_row(double cx, double cy, double rx, double ry, std::int64_t y, std::int64_t& left, std::int64_t& right)
{
    const double dy = (static_cast<double>(y) - cy) / ry;
    if (dy * dy > 1.0) return false;
    const double dx = rx * std::sqrt(1.0 - dy * dy);
    left = static_cast<std::int64_t>(std::ceil(cx - dx));
    right = static_cast<std::int64_t>(std::floor(cx + dx));
    if (left > right) {
        left = static_cast<std::int64_t>(std::floor(cx));
        right = static_cast<std::int64_t>(std::ceil(cx));
    }
    return true;
}

// Sets count pixels from row. Long runs (page grounds, boxes, ellipses) go
// to the C library's wide-character fill, which picks the widest stores the
// processor has; short ones are not worth the call.
void fill_pixels(std::uint32_t* row, std::size_t count, std::uint32_t native)
{
    if constexpr (sizeof(wchar_t) == sizeof(std::uint32_t)) {
        if (count >= 32) {
            std::wmemset(reinterpret_cast<wchar_t*>(row), static_cast<wchar_t>(native), count);
            return;
        }
    }
    std::fill_n(row, count, native);
}

// Count pixels of each of rows rows, stride apart.
template <std::size_t Count>
void fill_narrow(std::uint32_t* row, std::size_t stride, std::int32_t rows, std::uint32_t native)
{
    for (std::int32_t y = 0; y < rows; ++y, row += stride)
        for (std::size_t k = 0; k < Count; ++k) row[k] = native;
}

// Count pixels of each of rows rows, stride apart, for wider boxes.
void fill_wide(std::uint32_t* row, std::size_t stride, std::int32_t rows, std::size_t count, std::uint32_t native)
{
    for (std::int32_t y = 0; y < rows; ++y, row += stride) fill_pixels(row, count, native);
}

}  // namespace

// The nearest whole number to a + factor1 factor2 / den; the product can
// exceed 64 bits for lines between huge coordinates, and a page's lines
// take the quicker 64-bit division.
std::int64_t offset_rounded(std::int64_t a, std::int64_t factor1, std::int64_t factor2, std::int64_t den)
{
    constexpr std::int64_t small = std::int64_t{1} << 30;
    if (std::llabs(factor1) < small && std::llabs(factor2) < small && std::llabs(den) < small)
        return offset_rounded_in<std::int64_t>(a, factor1 * factor2, den);
    return offset_rounded_in<__int128>(a, static_cast<__int128>(factor1) * factor2, den);
}

RasterCanvas::RasterCanvas(std::int32_t width, std::int32_t height, std::int32_t colour)
    : width_(std::max(width, 1)), height_(std::max(height, 1)),
      pixels_(allocate(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_)))
{
    std::fill_n(pixels_.get(), static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), to_native(colour));
}

// A large canvas lies on huge pages where the system gives them: the window's
// canvas is then filled with a handful of page faults instead of thousands,
// which was a good part of the start-up.
std::unique_ptr<std::uint32_t[], RasterCanvas::Release> RasterCanvas::allocate(std::size_t count)
{
    constexpr std::size_t huge_page = std::size_t{2} << 20;
    const std::size_t bytes = count * sizeof(std::uint32_t);
    const std::size_t alignment = bytes >= huge_page ? huge_page : alignof(std::max_align_t);
    void* pixels = std::aligned_alloc(alignment, (bytes + alignment - 1) / alignment * alignment);
    if (pixels == nullptr) throw std::bad_alloc();
    if (alignment == huge_page) madvise(pixels, bytes, MADV_HUGEPAGE);
    return std::unique_ptr<std::uint32_t[], Release>(static_cast<std::uint32_t*>(pixels));
}

std::uint32_t RasterCanvas::to_native(std::int32_t colour)
{
    const auto c = static_cast<std::uint32_t>(colour);
    return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}

std::int32_t RasterCanvas::from_native(std::uint32_t native)
{
    return static_cast<std::int32_t>(((native >> 16) & 0xFFu) | (native & 0xFF00u) | ((native & 0xFFu) << 16));
}

RasterCanvas::Bounds RasterCanvas::visible(const ClipRect& clip) const
{
    return {std::max(clip.x1, 0), std::max(clip.y1, 0), std::min(clip.x2, width_ - 1), std::min(clip.y2, height_ - 1)};
}

void RasterCanvas::span(const Bounds& area, std::int32_t y, std::int64_t x1, std::int64_t x2, std::uint32_t native)
{
    if (y < area.y1 || y > area.y2) return;
    const std::int64_t from = std::max<std::int64_t>(x1, area.x1);
    const std::int64_t to = std::min<std::int64_t>(x2, area.x2);
    if (from > to) return;
    std::uint32_t* row = pixels_.get() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    fill_pixels(row + from, static_cast<std::size_t>(to - from + 1), native);
}

std::int32_t RasterCanvas::pixel(std::int32_t x, std::int32_t y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
    return from_native(pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x]);
}

void RasterCanvas::set_pixel(const ClipRect& clip, std::int32_t x, std::int32_t y, std::int32_t colour)
{
    const Bounds area = visible(clip);
    span(area, y, x, x, to_native(colour));
}

void RasterCanvas::rectangle(const ClipRect& clip, QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                             std::int32_t y2, std::int32_t colour)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const Bounds area = visible(clip);
    if (area.empty()) return;
    const std::uint32_t native = to_native(colour);
    if (control == QwControl::filled) {
        fill(area, x1, y1, x2, y2, native);
        return;
    }
    const std::int32_t top = std::max(y1, area.y1);
    const std::int32_t bottom = std::min(y2, area.y2);
    for (std::int32_t y = top; y <= bottom; ++y) {
        if (y == y1 || y == y2) {
            span(area, y, x1, x2, native);
        } else {
            span(area, y, x1, x1, native);
            span(area, y, x2, x2, native);
        }
    }
}

// Most of a page: its ground, boxes, the small squares of a background.
void RasterCanvas::fill(const Bounds& area, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                        std::uint32_t native)
{
    fill_within({std::max(x1, area.x1), std::max(y1, area.y1), std::min(x2, area.x2), std::min(y2, area.y2)}, native);
}

void RasterCanvas::fill_within(const Bounds& box, std::uint32_t native)
{
    if (box.empty()) return;
    // Kept in a local: a pixel stored could otherwise be the width itself.
    const auto stride = static_cast<std::size_t>(width_);
    std::uint32_t* row = pixels_.get() + static_cast<std::size_t>(box.y1) * stride + static_cast<std::size_t>(box.x1);
    const std::int32_t rows = box.y2 - box.y1 + 1;
    // A page's ground is strewn with thousands of specks a few pixels wide:
    // stores of a width the compiler knows cost less than a loop.
    switch (box.x2 - box.x1 + 1) {
    case 1: fill_narrow<1>(row, stride, rows, native); return;
    case 2: fill_narrow<2>(row, stride, rows, native); return;
    case 3: fill_narrow<3>(row, stride, rows, native); return;
    case 4: fill_narrow<4>(row, stride, rows, native); return;
    default: fill_wide(row, stride, rows, static_cast<std::size_t>(box.x2 - box.x1 + 1), native);
    }
}

void RasterCanvas::fill_rectangles(const ClipRect& clip, std::span<const QwColourBox> boxes)
{
    const Bounds area = visible(clip);
    if (area.empty()) return;
    for (const QwColourBox& b : boxes)
        fill_within({std::max(std::min(b.x1, b.x2), area.x1), std::max(std::min(b.y1, b.y2), area.y1),
                     std::min(std::max(b.x1, b.x2), area.x2), std::min(std::max(b.y1, b.y2), area.y2)},
                    to_native(b.colour));
}

void RasterCanvas::ellipse(const ClipRect& clip, QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                           std::int32_t y2, std::int32_t colour)
{
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const Bounds area = visible(clip);
    if (area.empty()) return;
    const double cx = (static_cast<double>(x1) + x2) / 2.0;
    const double cy = (static_cast<double>(y1) + y2) / 2.0;
    const double rx = (static_cast<double>(x2) - x1) / 2.0 + 0.5;
    const double ry = (static_cast<double>(y2) - y1) / 2.0 + 0.5;
    const std::uint32_t native = to_native(colour);
    const std::int32_t top = std::max(y1, area.y1);
    const std::int32_t bottom = std::min(y2, area.y2);
    for (std::int32_t y = top; y <= bottom; ++y) {
        std::int64_t left = 0;
        std::int64_t right = 0;
        if (!ellipse_row(cx, cy, rx, ry, y, left, right)) continue;
        if (control == QwControl::filled) {
            span(area, y, left, right, native);
            continue;
        }
        // Outline: the row's pixels that have a 4-neighbour outside the ellipse.
        std::int64_t inner_left = left + 1;
        std::int64_t inner_right = right - 1;
        for (const std::int64_t ny : {static_cast<std::int64_t>(y) - 1, static_cast<std::int64_t>(y) + 1}) {
            std::int64_t l = 0;
            std::int64_t r = 0;
            if (ny < y1 || ny > y2 || !ellipse_row(cx, cy, rx, ry, ny, l, r)) {
                inner_left = 1;
                inner_right = 0;
                break;
            }
            inner_left = std::max(inner_left, l);
            inner_right = std::min(inner_right, r);
        }
        if (inner_left > inner_right) {
            span(area, y, left, right, native);
        } else {
            span(area, y, left, inner_left - 1, native);
            span(area, y, inner_right + 1, right, native);
        }
    }
}

void RasterCanvas::line(const ClipRect& clip, QwPoint from, QwPoint to, std::int32_t colour)
{
    const Bounds area = visible(clip);
    if (area.empty()) return;
    const std::uint32_t native = to_native(colour);
    line_pixels(from, to, area.x1, area.y1, area.x2, area.y2,
                [&](std::int64_t x, std::int64_t y) { span(area, static_cast<std::int32_t>(y), x, x, native); });
}

void RasterCanvas::polygon(const ClipRect& clip, QwControl control, std::span<const QwPoint> points,
                           std::int32_t colour)
{
    if (points.empty()) return;
    const Bounds area = visible(clip);
    if (area.empty()) return;
    if (control == QwControl::filled && points.size() >= 3) {
        const std::uint32_t native = to_native(colour);
        std::vector<double> crossings;
        for (std::int32_t y = area.y1; y <= area.y2; ++y) {
            crossings.clear();
            const double sy = y;
            for (std::size_t i = 0; i < points.size(); ++i) {
                const QwPoint a = points[i];
                const QwPoint b = points[(i + 1) % points.size()];
                if ((a.y <= sy) == (b.y <= sy)) continue;  // the edge does not cross this row's centre
                crossings.push_back(a.x +
                                    (sy - a.y) * (static_cast<double>(b.x) - a.x) / (static_cast<double>(b.y) - a.y));
            }
            std::sort(crossings.begin(), crossings.end());
            for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
                span(area, y, static_cast<std::int64_t>(std::ceil(crossings[i])),
                     static_cast<std::int64_t>(std::floor(crossings[i + 1])), native);
            }
        }
    }
    for (std::size_t i = 0; i < points.size(); ++i) line(clip, points[i], points[(i + 1) % points.size()], colour);
}

bool RasterCanvas::flood_fill(const ClipRect& clip, std::int32_t x, std::int32_t y, std::int32_t boundary,
                              std::int32_t colour)
{
    const Bounds area = visible(clip);
    if (area.empty() || x < area.x1 || x > area.x2 || y < area.y1 || y > area.y2) return false;
    const std::uint32_t wall = to_native(boundary);
    const std::uint32_t native = to_native(colour);
    const std::size_t w = static_cast<std::size_t>(width_);
    if (pixels_[static_cast<std::size_t>(y) * w + x] == wall) return false;
    const std::int32_t area_width = area.x2 - area.x1 + 1;
    std::vector<bool> seen(static_cast<std::size_t>(area_width) * static_cast<std::size_t>(area.y2 - area.y1 + 1));
    auto seen_at = [&](std::int32_t px, std::int32_t py) {
        return seen[static_cast<std::size_t>(py - area.y1) * area_width + (px - area.x1)];
    };
    auto open = [&](std::int32_t px, std::int32_t py) {
        return !seen_at(px, py) && pixels_[static_cast<std::size_t>(py) * w + px] != wall;
    };
    std::vector<QwPoint> stack{{x, y}};
    while (!stack.empty()) {
        const QwPoint seed = stack.back();
        stack.pop_back();
        if (!open(seed.x, seed.y)) continue;
        std::int32_t left = seed.x;
        std::int32_t right = seed.x;
        while (left > area.x1 && open(left - 1, seed.y)) --left;
        while (right < area.x2 && open(right + 1, seed.y)) ++right;
        for (std::int32_t px = left; px <= right; ++px) {
            seen[static_cast<std::size_t>(seed.y - area.y1) * area_width + (px - area.x1)] = true;
            pixels_[static_cast<std::size_t>(seed.y) * w + px] = native;
        }
        for (const std::int32_t ny : {seed.y - 1, seed.y + 1}) {
            if (ny < area.y1 || ny > area.y2) continue;
            bool in_run = false;
            for (std::int32_t px = left; px <= right; ++px) {
                const bool o = open(px, ny);
                if (o && !in_run) stack.push_back({px, ny});
                in_run = o;
            }
        }
    }
    return true;
}

}  // namespace platform
