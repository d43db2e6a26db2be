// The phase figure's plot area in pixels, and a view's temperatures and
// pressures placed on it as the plotter places them.
#pragma once

#include <cstdint>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "platform/graphics.h"
#include "text/pixel_math.h"
#include "text/plot_geometry.h"

namespace states_of_matter {

namespace figure_area {
inline constexpr std::int32_t left = figure_frame.left, right = figure_frame.right, top = figure_frame.top,
                              bottom = figure_frame.bottom;
inline constexpr std::int32_t columns = right - left + 1, rows = bottom - top + 1;
}  // namespace figure_area

struct Mapping {
    DiagramView v;
    float sx = static_cast<float>(figure_area::right - figure_area::left) / (v.t_hi - v.t_lo);
    float sy = static_cast<float>(figure_area::bottom - figure_area::top) / (v.p_hi - v.p_lo);

    QwPoint at(float t, float p) const
    {
        return {truncate_to_pixel(static_cast<float>(figure_area::left) + (t - v.t_lo) * sx),
                truncate_to_pixel(static_cast<float>(figure_area::bottom) - (p - v.p_lo) * sy)};
    }
    // The temperature and pressure that land in the middle of a pixel.
    float t_at(std::int32_t x) const { return v.t_lo + (static_cast<float>(x - figure_area::left) + 0.5f) / sx; }
    float p_at(std::int32_t y) const { return v.p_lo + (static_cast<float>(figure_area::bottom - y) - 0.5f) / sy; }
};

}  // namespace states_of_matter
