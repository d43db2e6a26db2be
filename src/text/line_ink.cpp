#include "text/line_ink.h"

#include <algorithm>

namespace {

bool blank(const QwInkColumn& c)
{
    return c.top > c.bottom;
}

// How many pixels ink within rows low, lying below ink within rows high,
// must go lower so that a blank row parts the two: 0 or less when they are
// already apart.
std::int32_t room_between(const QwInkColumn& high, const QwInkColumn& low)
{
    return high.bottom + 2 - low.top;
}

}  // namespace

bool rows_may_meet(const QwInkColumn& high, const QwInkColumn& low)
{
    return !blank(high) && !blank(low) && room_between(high, low) > 0;
}

void LineInk::add(std::int32_t x, std::int32_t y, std::span<const QwInkColumn> text)
{
    if (text.empty()) return;
    const auto width = static_cast<std::int32_t>(text.size());
    if (columns_.empty()) {
        x0_ = x;
    } else if (x < x0_) {
        columns_.insert(columns_.begin(), static_cast<std::size_t>(x0_ - x), QwInkColumn{});
        x0_ = x;
    }
    if (x + width - x0_ > static_cast<std::int32_t>(columns_.size()))
        columns_.resize(static_cast<std::size_t>(x + width - x0_));
    for (std::int32_t k = 0; k < width; ++k) {
        const QwInkColumn& c = text[static_cast<std::size_t>(k)];
        if (blank(c)) continue;
        QwInkColumn& at = columns_[static_cast<std::size_t>(x + k - x0_)];
        at = blank(at) ? QwInkColumn{y + c.top, y + c.bottom}
                       : QwInkColumn{std::min(at.top, y + c.top), std::max(at.bottom, y + c.bottom)};
    }
}

std::int32_t LineInk::room_above(const LineInk& below) const
{
    std::int32_t room = 0;
    const auto size = static_cast<std::int32_t>(columns_.size());
    for (std::size_t k = 0; k < below.columns_.size(); ++k) {
        const QwInkColumn& low = below.columns_[k];
        if (blank(low)) continue;
        const std::int32_t x = below.x0_ + static_cast<std::int32_t>(k) - x0_;
        for (std::int32_t near = std::max(x - 1, 0); near <= std::min(x + 1, size - 1); ++near) {
            const QwInkColumn& high = columns_[static_cast<std::size_t>(near)];
            if (!blank(high)) room = std::max(room, room_between(high, low));
        }
    }
    return room;
}

void LineInk::move_down(std::int32_t pixels)
{
    for (QwInkColumn& c : columns_)
        if (!blank(c)) {
            c.top += pixels;
            c.bottom += pixels;
        }
}
