#include "text/graph_plotter.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "platform/graphics.h"
#include "text/markup_text.h"
#include "text/page_regions.h"
#include "text/pixel_math.h"

namespace {

// Ticks beyond this many on an axis would only blacken it.
inline constexpr std::int32_t max_ticks = 1000;
// Up to this many points are marked with dots, beyond with single pixels.
inline constexpr std::int32_t max_dotted_points = 150;

// Area and scales of the last set_up_graph, used by the series that follow.
struct PlotArea {
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
    float x_min = 0.0f, x_max = 0.0f, y_min = 0.0f, y_max = 0.0f;
    float sx = 0.0f, sy = 0.0f;
    bool drawable = false;  // false for an empty or unreadable range

    std::int32_t column(float v) const { return truncate_to_pixel(static_cast<float>(left) + (v - x_min) * sx); }
    std::int32_t row(float v) const { return truncate_to_pixel(static_cast<float>(bottom) - (v - y_min) * sy); }
};
PlotArea plot_area;

struct Point {
    float x;
    float y;
};

std::vector<Point> plotted_points(std::span<const float> x, std::span<const float> y, std::int32_t n)
{
    const std::size_t count = std::min({static_cast<std::size_t>(std::max(n, 0)), x.size(), y.size()});
    std::vector<Point> points;
    points.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (std::isnan(x[i]) || std::isnan(y[i])) continue;
        points.push_back({x[i], y[i]});
    }
    return points;
}

std::int32_t read_column_number(std::string_view text, int first)
{
    return read_i(record_columns(text, first, first + 2)).value_or(0);
}

// A tick label written with an edit descriptor such as "(f8.1)"; nullopt for
// a format this plotter does not write.
std::optional<std::string> write_label(float value, std::string_view format)
{
    std::string f;
    for (char c : strip_blanks(format)) f.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    if (f.size() < 4 || f.front() != '(' || f.back() != ')') return std::nullopt;
    f = f.substr(1, f.size() - 2);
    std::string kind;
    while (!f.empty() && std::isalpha(static_cast<unsigned char>(f.front()))) {
        kind.push_back(f.front());
        f.erase(0, 1);
    }
    int width = 0;
    int decimals = 0;
    const std::size_t point = f.find('.');
    try {
        width = std::stoi(f.substr(0, point));
        if (point != std::string::npos) decimals = std::stoi(f.substr(point + 1));
    } catch (...) {
        return std::nullopt;
    }
    if (width <= 0 || width > 40 || decimals < 0 || decimals >= width) return std::nullopt;
    const double v = value;
    if (kind == "f") return format_f(v, width, decimals);
    if (kind == "e") return format_e(v, width, decimals);
    if (kind == "es") return format_es(v, width, decimals);
    if (kind == "g") return format_g(v, width, decimals);
    if (kind == "i" && std::abs(v) < 2.0e9) return format_i(static_cast<std::int32_t>(v), width);
    return std::nullopt;
}

// Left-justified, with the zero before a leading point put back.
std::optional<std::string> tick_label(float value, std::string_view format)
{
    auto text = write_label(value, format);
    if (!text) return std::nullopt;
    std::string label(strip_blanks(*text));
    if (label.starts_with("."))
        label.insert(0, "0");
    else if (label.starts_with("-."))
        label.insert(1, "0");
    return label;
}

bool labels_wanted(std::string_view format, const GraphOptions& options)
{
    return !strip_blanks(format).empty() && !options.no_labels;
}

std::int32_t tick_count(float low, float high, float step)
{
    const float count = (high - low - step / 2.0f) / step;
    if (!(count >= 1.0f)) return 0;
    return static_cast<std::int32_t>(std::min(count, static_cast<float>(max_ticks)));
}

enum class Axis { x, y };

// Ticks at every step strictly inside the range: below the area for x, left
// of it for y, each with its label unless labels are off.
void draw_ticks(Axis axis, float step, std::string_view format, const GraphOptions& options)
{
    if (!(step > 0.0f)) return;
    const PlotArea& a = plot_area;
    const bool along_x = axis == Axis::x;
    float value = along_x ? a.x_min : a.y_min;
    const std::int32_t count = along_x ? tick_count(a.x_min, a.x_max, step) : tick_count(a.y_min, a.y_max, step);
    for (std::int32_t k = 0; k < count; ++k) {
        value += step;
        const std::int32_t at = along_x ? a.column(value) : a.row(value);
        if (along_x) {
            qw_move_to(at, a.bottom);
            qw_line_to(at, a.bottom + 5);
        } else {
            qw_move_to(a.left, at);
            qw_line_to(a.left - 5, at);
        }
        if (!labels_wanted(format, options)) continue;
        const auto label = tick_label(value, format);
        if (!label) continue;
        const auto length = static_cast<std::int32_t>(label->size());
        if (along_x)
            draw_markup_text(at - 4 * length + 6, a.bottom + 5, "@T2@@C1@" + *label);
        else
            draw_markup_text(a.left - 10 - 5 * length, at - 7, "@T2@@C1@" + *label);
    }
}

// With several points per pixel column on average, each column is drawn as
// one vertical stroke over the points that fell in it.
void draw_lines_by_column(const std::vector<Point>& points)
{
    const PlotArea& a = plot_area;
    std::int32_t column = a.column(points.front().x);
    float last = points.front().y;
    std::optional<float> lo, hi;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const Point& p = points[i];
        const std::int32_t c = a.column(p.x);
        if (c == column) {
            lo = std::min(lo.value_or(p.y), p.y);
            hi = std::max(hi.value_or(p.y), p.y);
            last = p.y;
            continue;
        }
        if (lo) {
            qw_line_to(column, a.row(*lo));
            qw_line_to(column, a.row(*hi));
        }
        qw_line_to(column, a.row(last));
        qw_line_to(c, a.row(p.y));
        column = c;
        lo.reset();
        hi.reset();
        last = p.y;
    }
}

void draw_series(const std::vector<Point>& points, const GraphOptions& options, std::int32_t line_colour,
                 std::int32_t point_colour)
{
    const PlotArea& a = plot_area;
    if (!a.drawable || points.empty()) return;
    qw_set_clip_region(a.left, a.top, a.right, a.bottom);
    const auto n = static_cast<std::int32_t>(points.size());
    if (options.lines) {
        qw_set_color_rgb(line_colour);
        qw_move_to(a.column(points.front().x), a.row(points.front().y));
        if (5 * (a.right - a.left) > n) {
            for (std::size_t i = 1; i < points.size(); ++i) qw_line_to(a.column(points[i].x), a.row(points[i].y));
        } else {
            draw_lines_by_column(points);
        }
    }
    if (options.points) {
        qw_set_color_rgb(point_colour);
        for (const Point& p : points) {
            const std::int32_t px = a.column(p.x);
            const std::int32_t py = a.row(p.y);
            if (n <= max_dotted_points)
                qw_ellipse(QwControl::filled, px - plot_dot_radius, py - plot_dot_radius, px + plot_dot_radius,
                           py + plot_dot_radius);
            else
                qw_set_pixel(px, py);
        }
    }
    qw_set_clip_region(0, 0, 1600, 1600);
}

}  // namespace

GraphOptions::GraphOptions(std::string_view text)
    : left(read_column_number(text, 1)), right(read_column_number(text, 4)), top(read_column_number(text, 7)),
      bottom(read_column_number(text, 10)), lines(record_columns(text, 13, 13) == "l"),
      points(record_columns(text, 14, 14) == "p"), no_labels(record_columns(text, 15, 15) == "a")
{}

void set_up_graph(std::span<const float> x, std::span<const float> y, std::int32_t n, float x_min, float x_max,
                  float x_step, std::string_view x_format, float y_min, float y_max, float y_step,
                  std::string_view y_format, const GraphOptions& options, std::int32_t line_colour,
                  std::int32_t point_colour)
{
    PlotArea& a = plot_area;
    a = PlotArea{options.left, options.right, options.top, options.bottom, x_min, x_max, y_min, y_max};
    a.sx = static_cast<float>(a.right - a.left) / (x_max - x_min);
    a.sy = static_cast<float>(a.bottom - a.top) / (y_max - y_min);
    a.drawable = std::isfinite(a.sx) && std::isfinite(a.sy) && std::isfinite(x_min) && std::isfinite(y_min);

    std::int32_t background_left = a.left - 10;
    if (labels_wanted(y_format, options)) {
        // The room is for the sample as written, before any zero is put back.
        if (const auto sample = write_label(-2.3456f, y_format)) {
            background_left -= 5 * (static_cast<std::int32_t>(strip_blanks(*sample).size()) + 2);
        }
    }
    // The panel's margin above the plot gives way to a statement (with its
    // shadow) or an answer that reaches into it; the plot itself keeps its
    // place and scale.
    std::int32_t background_top = a.top - 10;
    for (const PageRegion& region : page_regions.regions) {
        const PageRect clearance = unbordered_clearance(region);
        if ((region.element == PageElement::statement || region.element == PageElement::answer) &&
            clearance.overlaps({background_left, background_top, a.right + 10, a.top - 1}))
            background_top = std::max(background_top, std::min(clearance.y2 + 1, a.top - 2));
    }
    occupy_page_region(PageElement::figure, {background_left, background_top, a.right + 10, a.bottom + 17});
    qw_set_color_rgb(qw_rgb(239, 239, 255));
    qw_rectangle(QwControl::filled, background_left, background_top, a.right + 10, a.bottom + 17);
    qw_set_color_rgb(0x000000);
    qw_rectangle(QwControl::outline, a.left, a.top, a.right, a.bottom);
    if (!a.drawable) return;

    if (x_min < 0.0f && x_max > 0.0f) {
        qw_move_to(a.column(0.0f), a.top);
        qw_line_to(a.column(0.0f), a.bottom);
    }
    if (y_min < 0.0f && y_max > 0.0f) {
        qw_move_to(a.left, a.row(0.0f));
        qw_line_to(a.right, a.row(0.0f));
    }
    draw_ticks(Axis::x, x_step, x_format, options);
    draw_ticks(Axis::y, y_step, y_format, options);
    draw_series(plotted_points(x, y, n), options, line_colour, point_colour);
}

void plot_graph_series(std::span<const float> x, std::span<const float> y, std::int32_t n, const GraphOptions& options,
                       std::int32_t line_colour, std::int32_t point_colour)
{
    draw_series(plotted_points(x, y, n), options, line_colour, point_colour);
}
