// A path drawn between two marked points of a graph that passes where three
// lines or more meet (a phase diagram's triple point): a student cannot
// tell which of them it crosses.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "layout_check/item_checks.h"
#include "text/plot_geometry.h"

namespace layout_check {

namespace {

bool near(QwPoint p, QwPoint q)
{
    return std::abs(p.x - q.x) <= 1 && std::abs(p.y - q.y) <= 1;
}

// The points where the ends of three lines or more meet: a line drawn in
// pieces has two of them ending at each of its points, and a line drawn
// twice is one.
std::vector<QwPoint> junctions(const std::vector<const LayoutItem*>& lines)
{
    std::set<std::tuple<std::int32_t, std::int32_t, std::int32_t, std::int32_t>> seen;
    std::map<std::pair<std::int32_t, std::int32_t>, std::int32_t> ends;
    for (const LayoutItem* line : lines) {
        QwPoint a = line->from, b = line->to;
        if (a == b) continue;
        if (std::tie(b.x, b.y) < std::tie(a.x, a.y)) std::swap(a, b);
        if (!seen.insert({a.x, a.y, b.x, b.y}).second) continue;
        ++ends[{a.x, a.y}];
        ++ends[{b.x, b.y}];
    }
    std::vector<QwPoint> found;
    for (const auto& [at, count] : ends)
        if (count >= 3) found.push_back({at.first, at.second});
    return found;
}

}  // namespace

std::vector<Fault> junction_faults(const std::vector<LayoutItem>& items)
{
    std::vector<const LayoutItem*> points;
    for (const LayoutItem& item : items)
        if (is_plotted_point(item)) points.push_back(&item);
    // A path: a stroke from the centre of one marked point to another's.
    const auto at_point = [&points](QwPoint p) {
        return std::any_of(points.begin(), points.end(), [p](const LayoutItem* m) {
            return near(p, {(m->drawn.x1 + m->drawn.x2) / 2, (m->drawn.y1 + m->drawn.y2) / 2});
        });
    };
    std::vector<Fault> found;
    for (const LayoutItem& path : items) {
        if (path.kind != LayoutItem::Kind::stroke || path.from == path.to || !at_point(path.from) || !at_point(path.to))
            continue;
        const LayoutRect& plot = path.clip;
        std::vector<const LayoutItem*> lines;
        for (const LayoutItem& line : items)
            if (line.kind == LayoutItem::Kind::stroke && !(at_point(line.from) && at_point(line.to)) &&
                length_inside(line, plot) > 0.0)
                lines.push_back(&line);
        std::optional<QwPoint> nearest;
        double least = plot_path_junction_clearance;
        for (const QwPoint j : junctions(lines)) {
            const double d =
                distance_to_segment({static_cast<double>(j.x), static_cast<double>(j.y)}, path.from, path.to);
            if (j.x >= plot.x1 && j.x <= plot.x2 && j.y >= plot.y1 && j.y <= plot.y2 && d < least) {
                least = d;
                nearest = j;
            }
        }
        if (nearest)
            found.push_back({FaultKind::path_near_junction,
                             path.rect,
                             {nearest->x, nearest->y, nearest->x, nearest->y},
                             {},
                             static_cast<std::int32_t>(std::lround(least))});
    }
    return found;
}

}  // namespace layout_check
