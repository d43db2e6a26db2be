// The pixels of a text's ink, looked up by place: a bit a pixel over the
// rectangle they span.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "layout_check/fault.h"
#include "platform/graphics.h"

namespace layout_check {

// The rectangle a set of pixels spans; none (x2 < x1) when it is empty.
LayoutRect bounds_of(std::span<const QwPoint> ink);

class InkGrid {
public:
    explicit InkGrid(const std::vector<QwPoint>& ink);
    const LayoutRect& bounds() const { return bounds_; }
    // A pixel of the set within reach of p, diagonals included: at reach 0
    // p itself, at reach 1 a pixel touching it, at reach 2 one that leaves a
    // one-pixel gap, which reads as touching.
    bool near(const QwPoint& p, std::int32_t reach) const;

private:
    std::size_t index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>((y - bounds_.y1) * (bounds_.x2 - bounds_.x1 + 1) + (x - bounds_.x1));
    }
    LayoutRect bounds_;
    std::vector<std::uint8_t> set_;
};

}  // namespace layout_check
