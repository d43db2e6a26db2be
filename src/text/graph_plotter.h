// x-y graphs in a framed plot area: set_up_graph draws the area, the axes
// through zero, the ticks with their labels and a first series, and fixes
// the scales that later plot_graph_series calls draw into.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "text/plot_geometry.h"

// The 15-column layout text, as "200400120270l  ": plot area left, right,
// top and bottom as three digits each, then "l" for lines, "p" for point
// markers and "a" for no tick labels. Built implicitly from the text.
struct GraphOptions {
    // Implicit: callers pass the text itself.
    GraphOptions(std::string_view text);
    GraphOptions(const char* text) : GraphOptions(std::string_view(text)) {}
    GraphOptions(const std::string& text) : GraphOptions(std::string_view(text)) {}
    // The frame's area with lines, point markers or both, and tick labels.
    constexpr GraphOptions(const PlotFrame& frame, bool with_lines, bool with_points)
        : left(frame.left), right(frame.right), top(frame.top), bottom(frame.bottom), lines(with_lines),
          points(with_points)
    {}
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
    bool lines = false;
    bool points = false;
    bool no_labels = false;
};

// x, y: the first n values are plotted (n is cut to the arrays' sizes).
// Tick label formats are edit descriptors such as "(f8.0)", "(f8.1)" or
// "(i3)"; a blank or empty format draws no labels on that axis.
// Colours are 0x00BBGGRR.
void set_up_graph(std::span<const float> x, std::span<const float> y, std::int32_t n, float x_min, float x_max,
                  float x_step, std::string_view x_format, float y_min, float y_max, float y_step,
                  std::string_view y_format, const GraphOptions& options, std::int32_t line_colour,
                  std::int32_t point_colour);

// One more series with the area and scales of the last set_up_graph; only
// the options' lines and points flags are used.
void plot_graph_series(std::span<const float> x, std::span<const float> y, std::int32_t n, const GraphOptions& options,
                       std::int32_t line_colour, std::int32_t point_colour);
