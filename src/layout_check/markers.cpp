// Points marked on a graph that a student cannot place: one cut by its
// plot's frame, or within 2 pixels of the frame or of a line it does not lie
// on (a phase boundary it should stand clear of).
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "layout_check/item_checks.h"
#include "text/plot_geometry.h"

namespace layout_check {

namespace {

using Kind = LayoutItem::Kind;

Centre centre_of(const LayoutRect& r)
{
    return {(r.x1 + r.x2) / 2.0, (r.y1 + r.y2) / 2.0};
}

// From c to the nearest side of a rectangle's border, from inside or out.
double distance_to_border(const Centre& c, const LayoutRect& r)
{
    const auto side = [&c](QwPoint a, QwPoint b) { return distance_to_segment(c, a, b); };
    return std::min({side({r.x1, r.y1}, {r.x2, r.y1}), side({r.x1, r.y2}, {r.x2, r.y2}),
                     side({r.x1, r.y1}, {r.x1, r.y2}), side({r.x2, r.y1}, {r.x2, r.y2})});
}

// An axis through zero runs across the plot from one side of its frame to
// the other: points near it are values near zero, which its scale reads.
bool axis_of(const LayoutItem& stroke, const LayoutRect& plot)
{
    const QwPoint& a = stroke.from;
    const QwPoint& b = stroke.to;
    return (a.y == b.y && std::min(a.x, b.x) <= plot.x1 && std::max(a.x, b.x) >= plot.x2) ||
           (a.x == b.x && std::min(a.y, b.y) <= plot.y1 && std::max(a.y, b.y) >= plot.y2);
}

// Whether two strokes join end to end, as the pieces of one curve do.
bool joined(const LayoutItem& a, const LayoutItem& b)
{
    const auto touch = [](QwPoint p, QwPoint q) { return std::abs(p.x - q.x) <= 1 && std::abs(p.y - q.y) <= 1; };
    return touch(a.from, b.from) || touch(a.from, b.to) || touch(a.to, b.from) || touch(a.to, b.to);
}

// Marks, among strokes near a point, those of a line drawn through it: a
// stroke passing within on_line of its centre, and the strokes joined to it
// end to end. A curve is drawn in pieces a pixel long, and the pieces beside
// the one through the point are the same curve.
std::vector<bool> through_point(const std::vector<const LayoutItem*>& near, const Centre& c, double on_line)
{
    std::vector<bool> through(near.size());
    for (std::size_t i = 0; i < near.size(); ++i)
        through[i] = distance_to_segment(c, near[i]->from, near[i]->to) <= on_line;
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t i = 0; i < near.size(); ++i) {
            if (through[i]) continue;
            for (std::size_t j = 0; j < near.size() && !through[i]; ++j)
                through[i] = through[j] && joined(*near[i], *near[j]);
            grew = grew || through[i];
        }
    }
    return through;
}

}  // namespace

double distance_to_segment(const Centre& c, const QwPoint& a, const QwPoint& b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 == 0.0 ? 0.0 : std::clamp(((c.x - a.x) * dx + (c.y - a.y) * dy) / length2, 0.0, 1.0);
    return std::hypot(c.x - a.x - t * dx, c.y - a.y - t * dy);
}

bool is_marker(const LayoutItem& item)
{
    return item.kind == Kind::fill && item.round && item.drawn.x2 - item.drawn.x1 <= 8 &&
           item.drawn.y2 - item.drawn.y1 <= 8;
}

bool is_plotted_point(const LayoutItem& item)
{
    return is_marker(item) && item.drawn.x2 - item.drawn.x1 <= 2 * (plot_dot_radius + 1) &&
           item.clip.x1 >= page_shown.x1 && item.clip.y1 >= page_shown.y1 && item.clip.x2 < page_shown.x2 &&
           item.clip.y2 < page_shown.y2;
}

std::vector<Fault> marker_faults(const std::vector<LayoutItem>& items)
{
    // Near: fewer clear pixels between the point's edge and the line than a
    // plotted dot keeps.
    constexpr double clear = plot_dot_gap;
    // A line through three points or more is drawn through the data (a
    // fitted line): points beside it are the data's scatter.
    constexpr double through = 1.5;
    constexpr std::int32_t data_points = 3;
    // A point whose centre is this near a line is drawn on it.
    constexpr double on_line = 1.0;
    std::vector<Centre> centres;
    for (const LayoutItem& item : items)
        if (is_plotted_point(item)) centres.push_back(centre_of(item.drawn));
    std::vector<Fault> found;
    for (const LayoutItem& m : items) {
        if (!is_plotted_point(m)) continue;
        const Centre c = centre_of(m.drawn);
        const double r = (m.drawn.x2 - m.drawn.x1) / 2.0;
        // The clear pixels between the point's edge and a line at d from its centre.
        const auto apart = [&m, r](FaultKind kind, double d, const LayoutRect& line) {
            const auto gap = static_cast<std::int32_t>(std::max(0L, std::lround(d - r - 1.0)));
            return Fault{kind, m.drawn, line, {}, gap};
        };
        if (m.rect != m.drawn) {
            found.push_back({FaultKind::point_cut_by_frame, m.drawn, m.clip, {}});
            continue;
        }
        const double to_frame = distance_to_border(c, m.clip);
        if (to_frame <= r + clear) {
            found.push_back(apart(FaultKind::point_near_frame, to_frame, m.clip));
            continue;
        }
        // Not a tick outside the plot, nor an axis; near enough to join a
        // line through the point to those within reach.
        std::vector<const LayoutItem*> near;
        for (const LayoutItem& line : items) {
            if (line.kind == Kind::stroke && length_inside(line, m.clip) > 0.0 && !axis_of(line, m.clip) &&
                distance_to_segment(c, line.from, line.to) <= r + clear + 2.0)
                near.push_back(&line);
        }
        // A point centred on a line lies on it: a state on a phase boundary.
        const std::vector<bool> on_it = through_point(near, c, on_line);
        const LayoutItem* nearest = nullptr;
        double nearest_distance = r + clear;
        for (std::size_t k = 0; k < near.size(); ++k) {
            const LayoutItem& line = *near[k];
            // Nor a line ending at the point: the path between two points.
            if (on_it[k] || std::hypot(c.x - line.from.x, c.y - line.from.y) <= 1.0 ||
                std::hypot(c.x - line.to.x, c.y - line.to.y) <= 1.0)
                continue;
            const double d = distance_to_segment(c, line.from, line.to);
            const auto dots_on_line = std::count_if(centres.begin(), centres.end(), [&line](const Centre& o) {
                return distance_to_segment(o, line.from, line.to) <= through;
            });
            if (dots_on_line >= data_points) continue;
            if (d <= nearest_distance) {
                nearest = &line;
                nearest_distance = d;
            }
        }
        if (nearest != nullptr) found.push_back(apart(FaultKind::point_near_line, nearest_distance, nearest->rect));
    }
    return found;
}

}  // namespace layout_check
