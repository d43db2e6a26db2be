#include "text/plot_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

bool clear_inside(float value, AxisRange range, std::int32_t pixels)
{
    const float per_unit = static_cast<float>(pixels) / (range.to - range.from);
    return (value - range.from) * per_unit >= plot_dot_clearance && (range.to - value) * per_unit >= plot_dot_clearance;
}

}  // namespace

ClearPoints points_clear_of_frame(std::span<const float> x, std::span<const float> y, AxisRange xs, AxisRange ys,
                                  std::int32_t width, std::int32_t height)
{
    ClearPoints clear;
    for (std::size_t k = 0; k < x.size() && k < y.size(); ++k) {
        if (!clear_inside(x[k], xs, width) || !clear_inside(y[k], ys, height)) continue;
        clear.x.push_back(x[k]);
        clear.y.push_back(y[k]);
    }
    return clear;
}

AxisRange clear_axis_range(AxisRange range, std::span<const float> values, std::int32_t pixels, float below,
                           float above, float step)
{
    // A few moves settle it: each widens the span by a unit or less.
    for (std::int32_t move = 0; move < 20; ++move) {
        const float per_unit = static_cast<float>(pixels) / (range.to - range.from);
        // Values farther out than the clearance are clipped whole: not shown.
        float lowest = range.to;
        float highest = range.from;
        for (const float v : values) {
            if ((range.from - v) * per_unit > plot_dot_clearance || (v - range.to) * per_unit > plot_dot_clearance)
                continue;
            lowest = std::min(lowest, v);
            highest = std::max(highest, v);
        }
        const bool low_close = (lowest - range.from) * per_unit < plot_dot_clearance;
        const bool high_close = (range.to - highest) * per_unit < plot_dot_clearance;
        const float steps = step > 0.0f ? (range.to - range.from) / step : 0.0f;
        const bool part_step = std::fabs(steps - std::round(steps)) > 1e-3f;
        if (low_close || (part_step && !high_close && lowest - range.from < range.to - highest))
            range.from -= below;
        else if (high_close || part_step)
            range.to += above;
        else
            break;
    }
    return range;
}
