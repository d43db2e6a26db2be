#include "chapters/states_of_matter/phase_ink_map.h"

#include <algorithm>
#include <cstring>

#include "platform/raster_canvas.h"

namespace states_of_matter {

using namespace figure_area;

void InkMap::fill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    for (std::int32_t y = std::max(y1, top); y <= std::min(y2, bottom); ++y)
        for (std::int32_t x = std::max(x1, left); x <= std::min(x2, right); ++x) inked_[pixel(x, y)] = 1;
    counted_ = false;
}

void InkMap::line(QwPoint a, QwPoint b)
{
    platform::line_pixels(a, b, left, top, right, bottom, [this](std::int64_t x, std::int64_t y) {
        inked_[pixel(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y))] = 1;
    });
    counted_ = false;
}

void InkMap::add_box(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    const Box b{std::max(x1, left), std::max(y1, top), std::min(x2, right), std::min(y2, bottom)};
    if (b.x1 <= b.x2 && b.y1 <= b.y2) boxes_.push_back(b);
}

void InkMap::add_line(QwPoint a, QwPoint b)
{
    if (a.x == b.x || a.y == b.y)
        add_box(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
    else
        line(a, b);
}

bool InkMap::inked(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const
{
    if (!counted_) count();
    const std::int32_t cx1 = std::max(x1, left) - left, cy1 = std::max(y1, top) - top;
    const std::int32_t cx2 = std::min(x2, right) - left + 1, cy2 = std::min(y2, bottom) - top + 1;
    if (cx1 >= cx2 || cy1 >= cy2) return false;
    if (counts_[at(cx2, cy2)] - counts_[at(cx1, cy2)] - counts_[at(cx2, cy1)] + counts_[at(cx1, cy1)] > 0) return true;
    return std::any_of(boxes_.begin(), boxes_.end(),
                       [&](const Box& b) { return b.x1 <= x2 && x1 <= b.x2 && b.y1 <= y2 && y1 <= b.y2; });
}

std::int32_t InkMap::last_inked_column(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const
{
    while (x1 < x2) {
        const std::int32_t mid = x1 + (x2 - x1 + 1) / 2;
        if (inked(mid, y1, x2, y2))
            x1 = mid;
        else
            x2 = mid - 1;
    }
    return x1;
}

bool InkMap::ink_within(std::int32_t x, std::int32_t y, std::int32_t reach) const
{
    constexpr std::int32_t looked_up = 32;
    if (counted_ || !boxes_.empty() || ++looked_up_ > looked_up)
        return inked(x - reach, y - reach, x + reach, y + reach);
    for (std::int32_t row = std::max(y - reach, top); row <= std::min(y + reach, bottom); ++row)
        for (std::int32_t column = std::max(x - reach, left); column <= std::min(x + reach, right); ++column)
            if (inked_[pixel(column, row)] != 0) return true;
    return false;
}

std::size_t InkMap::at(std::int32_t x, std::int32_t y)
{
    return static_cast<std::size_t>(y) * (columns + 1) + static_cast<std::size_t>(x);
}

std::size_t InkMap::pixel(std::int32_t x, std::int32_t y)
{
    return static_cast<std::size_t>(y - top) * columns + static_cast<std::size_t>(x - left);
}

void InkMap::count() const
{
    std::fill_n(counts_.get(), columns + 1, 0);
    const std::uint8_t* row_ink = inked_.data();
    for (std::int32_t y = 0; y < rows; ++y, row_ink += columns) {
        const std::int16_t* above = &counts_[at(1, y)];
        std::int16_t* here = &counts_[at(1, y + 1)];
        here[-1] = 0;
        // Ink is sparse: a run of blank pixels adds the same to each.
        std::int16_t row = 0;
        std::int32_t x = 0;
        for (; x + 8 <= columns; x += 8) {
            std::uint64_t eight = 0;
            std::memcpy(&eight, row_ink + x, sizeof eight);
            if (eight == 0) {
                for (std::int32_t k = 0; k < 8; ++k) here[x + k] = static_cast<std::int16_t>(above[x + k] + row);
                continue;
            }
            for (std::int32_t k = 0; k < 8; ++k) {
                row = static_cast<std::int16_t>(row + row_ink[x + k]);
                here[x + k] = static_cast<std::int16_t>(above[x + k] + row);
            }
        }
        for (; x < columns; ++x) {
            row = static_cast<std::int16_t>(row + row_ink[x]);
            here[x] = static_cast<std::int16_t>(above[x] + row);
        }
    }
    counted_ = true;
}

}  // namespace states_of_matter
