#include "chapters/states_of_matter/phase_figure.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/graphics.h"
#include "text/markup_text.h"
#include "text/pixel_math.h"

namespace states_of_matter {

Phase phase_at(const PhaseDiagram& d, float t, float p)
{
    if (t < d.t3) return p > d.sublimation_pressure(t) ? Phase::solid : Phase::gas;
    if (p < d.vaporisation_pressure(t)) return Phase::gas;
    return p > d.melting_pressure(t) ? Phase::solid : Phase::liquid;
}

namespace {

// The plot area of the figure.
constexpr std::int32_t left = 200, right = 400, top = 120, bottom = 270;
constexpr std::int32_t columns = right - left + 1, rows = bottom - top + 1;

// Whole pixels from a mark's centre to the nearest ink, along rows,
// columns or diagonals: its disc's radius of 2 and a gap of 3 more.
constexpr std::int32_t mark_clearance = 6;
// And from a region's letter's box: a gap of 2 pixels.
constexpr std::int32_t label_clearance = 3;
// A path crosses a boundary at 20 degrees at least.
constexpr float least_crossing_slope = 0.364f;

// The view's pixels, mapped as the plotter maps them.
struct Mapping {
    DiagramView v;
    float sx = static_cast<float>(right - left) / (v.t_hi - v.t_lo);
    float sy = static_cast<float>(bottom - top) / (v.p_hi - v.p_lo);

    QwPoint at(float t, float p) const
    {
        return {truncate_to_pixel(static_cast<float>(left) + (t - v.t_lo) * sx),
                truncate_to_pixel(static_cast<float>(bottom) - (p - v.p_lo) * sy)};
    }
    // The temperature and pressure that land in the middle of a pixel.
    float t_at(std::int32_t x) const { return v.t_lo + (static_cast<float>(x - left) + 0.5f) / sx; }
    float p_at(std::int32_t y) const { return v.p_lo + (static_cast<float>(bottom - y) - 0.5f) / sy; }
};

bool inside_area(QwPoint q)
{
    return q.x >= left && q.x <= right && q.y >= top && q.y <= bottom;
}

// What is inked on the plot area, and how far each pixel lies from ink.
class InkMap {
public:
    void set(std::int32_t x, std::int32_t y)
    {
        if (inside_area({x, y})) inked_[index(x, y)] = true;
    }

    void fill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    {
        for (std::int32_t y = y1; y <= y2; ++y)
            for (std::int32_t x = x1; x <= x2; ++x) set(x, y);
    }

    // The pixels of a line as the canvas draws it: along its longer axis,
    // the nearest pixel of the other at each step (halves away from 0).
    void line(QwPoint a, QwPoint b)
    {
        const std::int64_t dx = static_cast<std::int64_t>(b.x) - a.x;
        const std::int64_t dy = static_cast<std::int64_t>(b.y) - a.y;
        const bool along_x = std::llabs(dx) >= std::llabs(dy);
        const std::int64_t major = along_x ? dx : dy;
        const std::int64_t minor = along_x ? dy : dx;
        const std::int64_t from = along_x ? a.x : a.y;
        const std::int64_t base = along_x ? a.y : a.x;
        const std::int64_t lo = std::max<std::int64_t>(std::min(from, from + major), along_x ? left : top);
        const std::int64_t hi = std::min<std::int64_t>(std::max(from, from + major), along_x ? right : bottom);
        for (std::int64_t s = lo; s <= hi; ++s) {
            std::int64_t num = (s - from) * minor;
            std::int64_t den = major;
            if (den < 0) {
                num = -num;
                den = -den;
            }
            const std::int64_t other =
                den == 0 ? base : base + (num >= 0 ? (2 * num + den) / (2 * den) : -((-2 * num + den) / (2 * den)));
            if (along_x)
                set(static_cast<std::int32_t>(s), static_cast<std::int32_t>(other));
            else
                set(static_cast<std::int32_t>(other), static_cast<std::int32_t>(s));
        }
    }

    void polyline(const Mapping& m, const BoundaryPoints& b)
    {
        for (std::size_t i = 1; i < b.t.size(); ++i) line(m.at(b.t[i - 1], b.p[i - 1]), m.at(b.t[i], b.p[i]));
    }

    // Each pixel's distance to the nearest ink (0 on ink), in two sweeps
    // over the area and a border that stays far from everything.
    std::vector<std::int32_t> distances() const
    {
        constexpr std::int32_t far = std::numeric_limits<std::int16_t>::max();
        std::vector<std::int32_t> d(inked_.size(), far);
        for (std::int32_t y = top; y <= bottom; ++y)
            for (std::int32_t x = left; x <= right; ++x)
                if (inked_[index(x, y)]) d[index(x, y)] = 0;
        constexpr std::size_t up = stride;
        for (std::int32_t y = top; y <= bottom; ++y)
            for (std::size_t i = index(left, y); i <= index(right, y); ++i)
                d[i] = std::min({d[i], d[i - 1] + 1, d[i - up - 1] + 1, d[i - up] + 1, d[i - up + 1] + 1});
        for (std::int32_t y = bottom; y >= top; --y)
            for (std::size_t i = index(right, y); i >= index(left, y); --i)
                d[i] = std::min({d[i], d[i + 1] + 1, d[i + up + 1] + 1, d[i + up] + 1, d[i + up - 1] + 1});
        return d;
    }

    // A pixel's place in the maps, the border around the area included.
    static std::size_t index(std::int32_t x, std::int32_t y)
    {
        return static_cast<std::size_t>(y - top + 1) * stride + static_cast<std::size_t>(x - left + 1);
    }

private:
    static constexpr std::size_t stride = columns + 2;
    std::vector<bool> inked_ = std::vector<bool>(stride * (rows + 2), false);
};

// The frame and the boundaries of the view.
InkMap boundary_ink(const PhaseDiagram& d, const Mapping& m)
{
    InkMap ink;
    ink.fill(left, top, right, top);
    ink.fill(left, bottom, right, bottom);
    ink.fill(left, top, left, bottom);
    ink.fill(right, top, right, bottom);
    for (const BoundaryPoints& b : boundaries_in_view(d, m.v)) ink.polyline(m, b);
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

std::vector<Look> looks()
{
    constexpr std::array<float, 13> zooms = {1.0f,  1.5f,  2.0f,  3.0f,  4.0f,  6.0f, 8.0f,
                                             12.0f, 16.0f, 24.0f, 32.0f, 48.0f, 64.0f};
    std::vector<Look> all;
    for (const float a : zooms)
        for (const float c : zooms)
            for (const auto centre : {Look::Centre::whole_range, Look::Centre::path, Look::Centre::crossings})
                if (centre != Look::Centre::whole_range || a == 1.0f) all.push_back({a, c, centre});
    std::stable_sort(all.begin(), all.end(), [](const Look& x, const Look& y) {
        return std::make_pair(x.along * x.across, std::max(x.along, x.across)) <
               std::make_pair(y.along * y.across, std::max(y.along, y.across));
    });
    return all;
}

struct Path {
    Held held;
    float kept;               // the pressure or temperature held
    std::array<float, 2> at;  // the ends' temperatures or pressures
};

DiagramView view_of(const Path& path, const std::vector<Crossing>& between, const Look& look)
{
    const bool along_t = path.held == Held::pressure;
    const Interval whole_along = along_t ? Interval{200.0f, 500.0f} : Interval{0.0f, 1.0f};
    const Interval whole_across = along_t ? Interval{0.0f, 1.0f} : Interval{200.0f, 500.0f};
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

// The place of each mark on the view, or nothing when one finds none.
std::optional<std::array<QwPoint, 2>> mark_places(const PhaseDiagram& d, const Path& path, const Mapping& m)
{
    const std::vector<std::int32_t> clear = boundary_ink(d, m).distances();
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
            return clear[InkMap::index(q.x, q.y)] >= mark_clearance && phase_at(d, m.t_at(q.x), m.p_at(q.y)) == phase;
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

void frame_marked_point(PhaseDiagram& d)
{
    d.view = DiagramView{};
    d.shown_t = d.marked_t;
    d.shown_p = d.marked_p;
}

void frame_point_in_place(PhaseDiagram& d, bool on_boundary)
{
    frame_marked_point(d);
    const Mapping m{d.view};
    const std::vector<std::int32_t> clear = boundary_ink(d, m).distances();
    const Phase phase = phase_at(d, d.marked_t[0], d.marked_p[0]);
    const auto fits = [&](std::int32_t x, std::int32_t y) {
        const bool off_frame = std::min({x - left, right - x, y - top, bottom - y}) >= mark_clearance;
        const std::int32_t to_ink = clear[InkMap::index(x, y)];
        return off_frame &&
               (on_boundary ? to_ink == 0 : to_ink >= mark_clearance && phase_at(d, m.t_at(x), m.p_at(y)) == phase);
    };
    const QwPoint at = m.at(d.marked_t[0], d.marked_p[0]);
    if (inside_area(at) && fits(at.x, at.y)) return;
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
    if (!found) return;
    d.shown_t[0] = m.t_at(found->x);
    d.shown_p[0] = m.p_at(found->y);
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
    for (const Look& look : looks()) {
        const Mapping m{view_of(path, between, look)};
        if (!crossings_readable(m, held, between)) continue;
        const auto places = mark_places(d, path, m);
        if (!places) continue;
        d.view = m.v;
        for (std::size_t k = 0; k < 2; ++k) {
            if ((*places)[k] == m.at(d.marked_t[k], d.marked_p[k])) continue;
            d.shown_t[k] = m.t_at((*places)[k].x);
            d.shown_p[k] = m.p_at((*places)[k].y);
            (along_t ? d.shown_p : d.shown_t)[k] = path.kept;
        }
        return;
    }
}

std::vector<RegionLabel> region_labels(const PhaseDiagram& d, std::int32_t marks)
{
    assert(marks >= 0 && marks <= 2);
    marks = std::clamp(marks, 0, 2);  // the marks index two-element arrays
    const Mapping m{d.view};
    InkMap ink = boundary_ink(d, m);
    std::array<QwPoint, 2> shown{};
    for (std::int32_t k = 0; k < marks; ++k) {
        shown[k] = m.at(d.shown_t[k], d.shown_p[k]);
        ink.fill(shown[k].x - 2, shown[k].y - 2, shown[k].x + 2, shown[k].y + 2);
    }
    if (marks == 2) ink.line(shown[0], shown[1]);
    // A letter's ink lies in the rows 3 to 12 below the point it is written
    // at; its box takes a row more each way.
    constexpr std::int32_t ink_top = 2, ink_bottom = 13;
    constexpr std::array<std::pair<Phase, std::string_view>, 3> letters = {
        {{Phase::solid, "@T1@@C1@S"}, {Phase::gas, "@T1@@C1@G"}, {Phase::liquid, "@T1@@C1@L"}}};
    std::vector<RegionLabel> labels;
    for (const auto& [phase, letter] : letters) {
        const std::string text(letter);
        const std::int32_t width = markup_line_width(text);
        const std::vector<std::int32_t> clear = ink.distances();
        // For the letter written at every second pixel, the least distance
        // to ink over its box: along the rows, then down the columns.
        std::vector<std::int32_t> row_least(clear.size(), 0);
        for (std::int32_t y = top; y <= bottom; ++y)
            for (std::int32_t x = left; x + width - 1 <= right; x += 2) {
                std::int32_t least = clear[InkMap::index(x, y)];
                for (std::int32_t i = 1; i < width; ++i) least = std::min(least, clear[InkMap::index(x + i, y)]);
                row_least[InkMap::index(x, y)] = least;
            }
        std::int32_t best = label_clearance - 1;
        std::optional<QwPoint> place;
        for (std::int32_t y = top; y + ink_bottom <= bottom; y += 2)
            for (std::int32_t x = left; x + width - 1 <= right; x += 2) {
                std::int32_t least = row_least[InkMap::index(x, y + ink_top)];
                for (std::int32_t r = ink_top + 1; r <= ink_bottom; ++r)
                    least = std::min(least, row_least[InkMap::index(x, y + r)]);
                if (least <= best) continue;
                if (phase_at(d, m.t_at(x + width / 2), m.p_at(y + (ink_top + ink_bottom) / 2)) != phase) continue;
                best = least;
                place = QwPoint{x, y};
            }
        if (!place) continue;
        ink.fill(place->x, place->y + ink_top, place->x + width - 1, place->y + ink_bottom);
        labels.push_back({text, place->x, place->y});
    }
    return labels;
}

}  // namespace states_of_matter
