#include "chapters/states_of_matter/phase_figure.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "chapters/states_of_matter/phase_figure_pixels.h"
#include "chapters/states_of_matter/phase_ink_map.h"
#include "chapters/states_of_matter/phase_labels.h"
#include "platform/graphics.h"
#include "text/plot_geometry.h"

namespace states_of_matter {

using namespace figure_area;

Phase phase_at(const PhaseDiagram& d, float t, float p)
{
    return PressuresAt(d, t).phase(p);
}

namespace {

// Whole pixels from a mark's centre to the nearest ink, along rows,
// columns or diagonals.
constexpr std::int32_t mark_clearance = plot_dot_reach;
// A path crosses a boundary at 20 degrees at least.
constexpr float least_crossing_slope = 0.364f;

// The range shown unless a closer look is taken.
constexpr DiagramView whole_range{};

bool inside_area(QwPoint q)
{
    return q.x >= left && q.x <= right && q.y >= top && q.y <= bottom;
}

// The frame and the boundaries of the view.
InkMap boundary_ink(const PhaseDiagram& d, const Mapping& m)
{
    InkMap ink;
    ink.fill(left, top, right, top);
    ink.fill(left, bottom, right, bottom);
    ink.fill(left, top, left, bottom);
    ink.fill(right, top, right, bottom);
    for (const BoundaryPoints& b : boundaries_in_view(d, m.v))
        for (std::size_t i = 1; i < b.t.size(); ++i) ink.line(m.at(b.t[i - 1], b.p[i - 1]), m.at(b.t[i], b.p[i]));
    return ink;
}

// Where the path's line crosses a boundary: the temperature (pressure held)
// or pressure (temperature held) there, and the boundary's dp/dT.
struct Crossing {
    float at;
    float slope;
};

std::vector<Crossing> crossings(const PhaseDiagram& d, Held held, float kept)
{
    const float fusion_slope = (1.0f - d.p3) / (d.tf - d.t3);
    const auto sublimation_slope = [&](float t) { return d.sublimation_pressure(t) * d.bs / (t * t); };
    const auto vaporisation_slope = [&](float t) { return d.vaporisation_pressure(t) * d.bv / (t * t); };
    if (held == Held::pressure) {
        const float p = kept;
        if (p < d.p3) {
            const float t = d.sublimation_temperature(p);
            return {{t, sublimation_slope(t)}};
        }
        const float t = d.boiling_temperature(p);
        return {{d.melting_temperature(p), fusion_slope}, {t, vaporisation_slope(t)}};
    }
    const float t = kept;
    if (t < d.t3) return {{d.sublimation_pressure(t), sublimation_slope(t)}};
    return {{d.vaporisation_pressure(t), vaporisation_slope(t)}, {d.melting_pressure(t), fusion_slope}};
}

struct Interval {
    float lo, hi;
};

// An interval of the length centred on c, moved up to start at 0 at least.
Interval centred(float c, float length)
{
    const float lo = std::max(0.0f, c - 0.5f * length);
    return {lo, lo + length};
}

// The candidate views of a path, the least magnified first: zoom factors
// along the path and across it, and along it the whole range (unmagnified
// only), the range centred on the path or centred on its crossings.
struct Look {
    float along, across;
    enum class Centre { whole_range, path, crossings } centre;
};

constexpr std::array<float, 13> zooms = {1.0f,  1.5f,  2.0f,  3.0f,  4.0f,  6.0f, 8.0f,
                                         12.0f, 16.0f, 24.0f, 32.0f, 48.0f, 64.0f};

const std::vector<Look>& looks()
{
    static const std::vector<Look> all = [] {
        std::vector<Look> list;
        for (const float a : zooms)
            for (const float c : zooms)
                for (const auto centre : {Look::Centre::whole_range, Look::Centre::path, Look::Centre::crossings})
                    if (centre != Look::Centre::whole_range || a == 1.0f) list.push_back({a, c, centre});
        std::stable_sort(list.begin(), list.end(), [](const Look& x, const Look& y) {
            return std::make_pair(x.along * x.across, std::max(x.along, x.across)) <
                   std::make_pair(y.along * y.across, std::max(y.along, y.across));
        });
        return list;
    }();
    return all;
}

struct Path {
    Held held;
    float kept;               // the pressure or temperature held
    std::array<float, 2> at;  // the ends' temperatures or pressures
};

// Where the list looks too little across a path that runs close to the
// triple point: the zoom across that sets them apart, worked out from their
// distance, and a few closer, each with every zoom along.
std::vector<Look> looks_beside_junction(const PhaseDiagram& d, const Path& path)
{
    const float gap = path.held == Held::pressure ? std::fabs(path.kept - d.p3) * static_cast<float>(bottom - top)
                                                  : std::fabs(path.kept - d.t3) * static_cast<float>(right - left) /
                                                        (whole_range.t_hi - whole_range.t_lo);
    // A pixel more each way for the truncation of both places.
    const float least = (static_cast<float>(plot_path_junction_clearance) + 2.0f) / gap;
    std::vector<Look> out;
    if (!(least > zooms.back()) || !std::isfinite(least)) return out;
    for (const float closer : {1.0f, 1.5f, 2.0f, 4.0f})
        for (const float a : zooms)
            for (const auto centre : {Look::Centre::path, Look::Centre::crossings})
                out.push_back({a, least * closer, centre});
    return out;
}

DiagramView view_of(const Path& path, const std::vector<Crossing>& between, const Look& look)
{
    const bool along_t = path.held == Held::pressure;
    const Interval temperatures{whole_range.t_lo, whole_range.t_hi};
    const Interval pressures{whole_range.p_lo, whole_range.p_hi};
    const Interval whole_along = along_t ? temperatures : pressures;
    const Interval whole_across = along_t ? pressures : temperatures;
    float lo = std::min(path.at[0], path.at[1]);
    float hi = std::max(path.at[0], path.at[1]);
    if (look.centre == Look::Centre::crossings) {
        lo = between.front().at;
        hi = between.back().at;
    }
    const float along_length = (whole_along.hi - whole_along.lo) / look.along;
    const Interval along =
        look.centre == Look::Centre::whole_range ? whole_along : centred(0.5f * (lo + hi), along_length);
    const Interval across =
        look.across == 1.0f ? whole_across : centred(path.kept, (whole_across.hi - whole_across.lo) / look.across);
    return along_t ? DiagramView{along.lo, along.hi, across.lo, across.hi}
                   : DiagramView{across.lo, across.hi, along.lo, along.hi};
}

// True when every crossing of the path meets it at a readable angle.
bool crossings_readable(const Mapping& m, Held held, const std::vector<Crossing>& between)
{
    return std::all_of(between.begin(), between.end(), [&](const Crossing& c) {
        const float steepness = std::fabs(c.slope) * m.sy / m.sx;
        return held == Held::pressure ? steepness >= least_crossing_slope : steepness * least_crossing_slope <= 1.0f;
    });
}

// Whether the path between its marks' places keeps its distance from the
// triple point: a path passing where the boundaries meet leaves a student
// unsure which of them it crosses.
bool clear_of_junction(const PhaseDiagram& d, const Mapping& m, const std::array<QwPoint, 2>& ends)
{
    const QwPoint j = m.at(d.t3, d.p3);
    // The path runs along a row or a column: its point nearest the junction.
    const std::int32_t x = std::clamp(j.x, std::min(ends[0].x, ends[1].x), std::max(ends[0].x, ends[1].x));
    const std::int32_t y = std::clamp(j.y, std::min(ends[0].y, ends[1].y), std::max(ends[0].y, ends[1].y));
    return std::hypot(static_cast<double>(j.x - x), static_cast<double>(j.y - y)) >= plot_path_junction_clearance;
}

// Whether each crossing of the path's line stands clear of the triple
// point: the path runs through them wherever its marks stand.
bool crossings_clear_of_junction(const PhaseDiagram& d, const Mapping& m, const Path& path,
                                 const std::vector<Crossing>& between)
{
    const QwPoint j = m.at(d.t3, d.p3);
    return std::all_of(between.begin(), between.end(), [&](const Crossing& c) {
        const QwPoint q = path.held == Held::pressure ? m.at(c.at, path.kept) : m.at(path.kept, c.at);
        return std::hypot(static_cast<double>(j.x - q.x), static_cast<double>(j.y - q.y)) >=
               plot_path_junction_clearance;
    });
}

// The place of each mark on the view, or nothing when one finds none.
std::optional<std::array<QwPoint, 2>> mark_places(const PhaseDiagram& d, const Path& path, const Mapping& m,
                                                  const InkMap& ink)
{
    const bool along_x = path.held == Held::pressure;
    std::array<QwPoint, 2> places{};
    for (std::size_t k = 0; k < 2; ++k) {
        const Phase phase = phase_at(d, d.marked_t[k], d.marked_p[k]);
        const QwPoint at = m.at(d.marked_t[k], d.marked_p[k]);
        const std::int32_t across = along_x ? at.y : at.x;
        if (!(along_x ? across > top && across < bottom : across > left && across < right)) return std::nullopt;
        const std::int32_t lo = along_x ? left : top;
        const std::int32_t hi = along_x ? right : bottom;
        const std::int32_t start = std::clamp(along_x ? at.x : at.y, lo, hi);
        const auto fits = [&](std::int32_t s) {
            const QwPoint q = along_x ? QwPoint{s, across} : QwPoint{across, s};
            return !ink.ink_within(q.x, q.y, mark_clearance - 1) && phase_at(d, m.t_at(q.x), m.p_at(q.y)) == phase;
        };
        std::optional<std::int32_t> found;
        for (std::int32_t step = 0; !found && (start - step >= lo || start + step <= hi); ++step) {
            if (start + step <= hi && fits(start + step))
                found = start + step;
            else if (start - step >= lo && fits(start - step))
                found = start - step;
        }
        if (!found) return std::nullopt;
        places[k] = along_x ? QwPoint{*found, across} : QwPoint{across, *found};
    }
    return places;
}

}  // namespace

std::vector<BoundaryPoints> boundaries_in_view(const PhaseDiagram& d, const DiagramView& v)
{
    std::vector<BoundaryPoints> out;
    // A curve sampled at every pixel column.
    const auto curve = [&](float t1, float t2, float (PhaseDiagram::*pressure)(float) const) {
        if (!(t1 < t2)) return;
        const auto n = std::max<std::int32_t>(
            1, static_cast<std::int32_t>(std::ceil((t2 - t1) * static_cast<float>(right - left) / (v.t_hi - v.t_lo))));
        BoundaryPoints b;
        for (std::int32_t i = 0; i <= n; ++i) {
            const float t = t1 + (t2 - t1) * static_cast<float>(i) / static_cast<float>(n);
            b.t.push_back(t);
            b.p.push_back((d.*pressure)(t));
        }
        out.push_back(std::move(b));
    };
    curve(v.t_lo, std::min(v.t_hi, d.t3), &PhaseDiagram::sublimation_pressure);
    curve(std::max(v.t_lo, d.t3), v.t_hi, &PhaseDiagram::vaporisation_pressure);
    // The fusion line from the triple point up, as far as the view reaches.
    const float p1 = std::max({d.p3, v.p_lo, d.melting_pressure(v.t_lo)});
    const float p2 = std::min(v.p_hi, d.melting_pressure(v.t_hi));
    if (p1 < p2) out.push_back({{d.melting_temperature(p1), d.melting_temperature(p2)}, {p1, p2}});
    return out;
}

std::vector<BoundaryPoints> boundaries_over_path(const PhaseDiagram& d, const std::vector<BoundaryPoints>& all)
{
    const Mapping m{d.view};
    const QwPoint a = m.at(d.shown_t[0], d.shown_p[0]);
    const QwPoint b = m.at(d.shown_t[1], d.shown_p[1]);
    std::vector<BoundaryPoints> over;
    for (const BoundaryPoints& boundary : all)
        for (std::size_t i = 1; i < boundary.t.size(); ++i) {
            const QwPoint p = m.at(boundary.t[i - 1], boundary.p[i - 1]);
            const QwPoint q = m.at(boundary.t[i], boundary.p[i]);
            if (std::max(p.x, q.x) >= std::min(a.x, b.x) && std::min(p.x, q.x) <= std::max(a.x, b.x) &&
                std::max(p.y, q.y) >= std::min(a.y, b.y) && std::min(p.y, q.y) <= std::max(a.y, b.y))
                over.push_back({{boundary.t[i - 1], boundary.t[i]}, {boundary.p[i - 1], boundary.p[i]}});
        }
    return over;
}

void frame_marked_point(PhaseDiagram& d)
{
    d.framed = FramedLabels{};
    d.view = DiagramView{};
    d.shown_t = d.marked_t;
    d.shown_p = d.marked_p;
}

void frame_point_in_place(PhaseDiagram& d, bool on_boundary)
{
    frame_marked_point(d);
    const Mapping m{d.view};
    InkMap ink = boundary_ink(d, m);
    const Phase phase = phase_at(d, d.marked_t[0], d.marked_p[0]);
    const auto fits = [&](std::int32_t x, std::int32_t y) {
        const bool off_frame = std::min({x - left, right - x, y - top, bottom - y}) >= mark_clearance;
        return off_frame &&
               (on_boundary ? ink.ink_within(x, y, 0)
                            : !ink.ink_within(x, y, mark_clearance - 1) && phase_at(d, m.t_at(x), m.p_at(y)) == phase);
    };
    const QwPoint at = m.at(d.marked_t[0], d.marked_p[0]);
    const std::array<QwPoint, 1> mark = {at};
    if (inside_area(at) && fits(at.x, at.y)) {
        keep_labels(d, m, mark, labels_on(d, m, mark, ink));
        return;
    }
    std::optional<QwPoint> found;
    std::int64_t nearest = std::numeric_limits<std::int64_t>::max();
    for (std::int32_t y = top; y <= bottom; ++y)
        for (std::int32_t x = left; x <= right; ++x) {
            const std::int64_t dx = x - at.x;
            const std::int64_t dy = y - at.y;
            if (dx * dx + dy * dy < nearest && fits(x, y)) {
                nearest = dx * dx + dy * dy;
                found = QwPoint{x, y};
            }
        }
    if (found) {
        d.shown_t[0] = m.t_at(found->x);
        d.shown_p[0] = m.p_at(found->y);
    }
    const std::array<QwPoint, 1> shown = {found.value_or(at)};
    keep_labels(d, m, shown, labels_on(d, m, shown, ink));
}

void frame_marked_path(PhaseDiagram& d, Held held)
{
    const bool along_t = held == Held::pressure;
    const Path path{held, along_t ? d.marked_p[0] : d.marked_t[0], along_t ? d.marked_t : d.marked_p};
    std::vector<Crossing> between;
    for (const Crossing& c : crossings(d, held, path.kept))
        if (c.at > std::min(path.at[0], path.at[1]) && c.at < std::max(path.at[0], path.at[1])) between.push_back(c);
    // Where no look serves, the whole range with the marks at their points.
    frame_marked_point(d);
    if (between.empty()) return;
    const auto serves = [&](const Look& look) {
        const Mapping m{view_of(path, between, look)};
        if (!crossings_readable(m, held, between) || !crossings_clear_of_junction(d, m, path, between)) return false;
        InkMap ink = boundary_ink(d, m);
        const auto places = mark_places(d, path, m, ink);
        if (!places || !clear_of_junction(d, m, *places)) return false;
        std::vector<std::pair<Phase, RegionLabel>> labels = labels_on(d, m, *places, ink);
        if (!marks_named(d, labels)) return false;
        d.view = m.v;
        for (std::size_t k = 0; k < 2; ++k) {
            if ((*places)[k] == m.at(d.marked_t[k], d.marked_p[k])) continue;
            d.shown_t[k] = m.t_at((*places)[k].x);
            d.shown_p[k] = m.p_at((*places)[k].y);
            (along_t ? d.shown_p : d.shown_t)[k] = path.kept;
        }
        keep_labels(d, m, *places, std::move(labels));
        return true;
    };
    for (const Look& look : looks())
        if (serves(look)) return;
    for (const Look& look : looks_beside_junction(d, path))
        if (serves(look)) return;
}

std::vector<RegionLabel> region_labels(const PhaseDiagram& d, std::int32_t marks)
{
    assert(marks >= 0 && marks <= 2);
    marks = std::clamp(marks, 0, 2);  // the marks index two-element arrays
    const FramedLabels& framed = d.framed;
    if (framed.marks == marks && framed.view == d.view && framed.shown_t == d.shown_t && framed.shown_p == d.shown_p)
        return framed.labels;
    const Mapping m{d.view};
    std::vector<QwPoint> shown;
    for (std::int32_t k = 0; k < marks; ++k) shown.push_back(m.at(d.shown_t[k], d.shown_p[k]));
    std::vector<RegionLabel> labels;
    InkMap ink = boundary_ink(d, m);
    for (const auto& [phase, label] : labels_on(d, m, shown, ink)) labels.push_back(label);
    return labels;
}

}  // namespace states_of_matter
