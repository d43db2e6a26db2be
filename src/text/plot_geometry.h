// The geometry the problems' plots share with what checks them: the frame
// their figures stand in, the dot the plotter marks a point with, the room a
// dot or a path keeps from the lines around it, and the axis ranges that
// give their dots that room.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A plot area's frame in page pixels, its lines included.
struct PlotFrame {
    std::int32_t left, right, top, bottom;
};
// Where the problems' figures stand, as their layout text "200400120270"
// (graph_plotter.h) gives it.
inline constexpr PlotFrame figure_frame{200, 400, 120, 270};

// The dot of a point the plotter marks: a disc of this radius about the
// point's pixel.
inline constexpr std::int32_t plot_dot_radius = 2;
// The clear pixels a dot keeps from its plot's frame and from a line it
// does not lie on.
inline constexpr std::int32_t plot_dot_gap = 3;
// The whole pixels from a dot's centre to the nearest ink that leave it
// that gap.
inline constexpr std::int32_t plot_dot_reach = plot_dot_radius + plot_dot_gap + 1;
// A value this many pixels or more inside its axis's range: its pixel, the
// place truncated, stands plot_dot_reach or more inside the frame.
inline constexpr float plot_dot_clearance = static_cast<float>(plot_dot_reach) + 0.5f;
// The pixels a path drawn between two dots keeps from a point where three
// lines or more meet, which a student must see it pass on one side of.
inline constexpr double plot_path_junction_clearance = 6.0;

// The range a plot's axis, `pixels` long, shows of its values: from and to
// moved out, by `below` at the start and `above` at the end, until every
// value shown stands plot_dot_clearance pixels or more inside the frame.
// A value more than that beyond an end is not shown: the plot clips its dot
// whole.
// With a tick step, the span is then made a whole number of steps (the end
// nearer its value moving out), so that the last tick stands a step short
// of the axis' end and its label clear of the axis name written there.
struct AxisRange {
    float from, to;
};
AxisRange clear_axis_range(AxisRange range, std::span<const float> values, std::int32_t pixels, float below,
                           float above, float step = 0.0f);

// The points of a series whose dots stand plot_dot_clearance pixels or more
// inside a window of width x height pixels: a dot the frame would cut is
// left out, as the plot leaves out those beyond it.
struct ClearPoints {
    std::vector<float> x, y;
    std::int32_t count() const { return static_cast<std::int32_t>(x.size()); }
};
ClearPoints points_clear_of_frame(std::span<const float> x, std::span<const float> y, AxisRange xs, AxisRange ys,
                                  std::int32_t width, std::int32_t height);
