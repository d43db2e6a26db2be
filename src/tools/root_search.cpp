#include "tools/root_search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "tools/certified_sign.h"
#include "tools/expression_engine.h"

namespace {

// The doubles in their order as whole numbers: halving the distance between
// two keys halves the doubles between the points, so that a narrowing ends
// within 64 halvings whether its ends are 1e300 or 1e-300 apart.
constexpr std::int64_t order_key(double x)
{
    const auto bits = std::bit_cast<std::int64_t>(x);
    return bits < 0 ? -(bits & std::numeric_limits<std::int64_t>::max()) : bits;
}

double from_order_key(std::int64_t key)
{
    return key < 0 ? -std::bit_cast<double>(-key) : std::bit_cast<double>(key);
}

std::uint64_t key_distance(double a, double b)
{
    const auto ka = static_cast<std::uint64_t>(order_key(a));
    const auto kb = static_cast<std::uint64_t>(order_key(b));
    return order_key(a) < order_key(b) ? kb - ka : ka - kb;
}

bool neighbours(double a, double b)
{
    return key_distance(a, b) <= 1;
}

// The double the given tenths of the way from a to b, counted in doubles.
double tenths_between(double a, double b, int tenths)
{
    const std::uint64_t span = key_distance(a, b);
    const auto part =
        span / 10 * static_cast<std::uint64_t>(tenths) + span % 10 * static_cast<std::uint64_t>(tenths) / 10;
    const auto ka = static_cast<std::uint64_t>(order_key(a));
    return from_order_key(static_cast<std::int64_t>(order_key(a) < order_key(b) ? ka + part : ka - part));
}

// Where the middle of a bracket is not defined, the points tried instead,
// outwards from it.
constexpr int split_tenths[] = {5, 4, 6, 3, 7, 2, 8, 1, 9};

struct Point {
    double x;
    CertifiedSign sign;
};

bool opposite_signs(const Point& a, const Point& b)
{
    return (a.sign == CertifiedSign::negative && b.sign == CertifiedSign::positive) ||
           (a.sign == CertifiedSign::positive && b.sign == CertifiedSign::negative);
}

bool has_sign(const Point& p)
{
    return p.sign == CertifiedSign::negative || p.sign == CertifiedSign::zero || p.sign == CertifiedSign::positive;
}

// Of the last bracket, the end shown: the lower, or 0 (a root between 0 and
// the smallest double).
double shown_end(double a, double b)
{
    return a == 0.0 || b == 0.0 ? 0.0 : std::min(a, b);
}

// A grid point, its sign as far as its precision has told it.
struct GridPoint {
    double x;
    CertifiedSign sign = CertifiedSign::spent;
    BallPrecision precision;
};

// What a bracket gave, kept: each scan meets the brackets of the last.
struct Settled {
    RootSearch outcome;
    double root;
};

class RootScan {
public:
    RootScan(double lower, double upper, OperationSequence sequence)
        : lower_(lower), upper_(upper), certified_(std::move(sequence))
    {}
    RootSearch search(double& root);

private:
    RootSearch scan(const std::vector<GridPoint>& grid, bool last_scan, double& root);
    RootSearch verdict(const std::vector<GridPoint>& grid) const;
    template <typename Settle>
    RootSearch once(double a, double b, double& root, Settle settle);
    std::optional<Point> point_at(double x);
    std::optional<RootSearch> narrow_by_engine(const Point& l, const Point& r, double& root);
    RootSearch narrow(Point l, Point r, double& root);
    RootSearch across(double l, double r, double& root);
    RootSearch towards_gap(Point p, double q, double& root);
    RootSearch within_uncertain(double l, double r, double& root);

    double lower_;
    double upper_;
    CertifiedEvaluator certified_;
    std::map<std::pair<double, double>, Settled> settled_;
    bool uncertain_ = false;     // a sign met that no precision within reach settles
    bool blocked_ = false;       // a pole or a gap met where the sign changes
    bool root_or_pole_ = false;  // a sign change met that the work left could not settle
};

// Defined where the engine evaluates f, with the sign of its true value;
// a point whose sign stays uncertain is noted.
std::optional<Point> RootScan::point_at(double x)
{
    const CertifiedSign sign = certified_.sign_at(x);
    if (sign == CertifiedSign::undefined) return std::nullopt;
    uncertain_ = uncertain_ || sign == CertifiedSign::uncertain;
    return Point{x, sign};
}

// The narrowing on the engine's own signs, a double evaluation each, its
// last bracket then certified: none where a sign there is not the one
// certified.
std::optional<RootSearch> RootScan::narrow_by_engine(const Point& l, const Point& r, double& root)
{
    double low = l.x;
    double high = r.x;
    while (!neighbours(low, high)) {
        const double x = tenths_between(low, high, 5);
        const auto f = certified_.engine_value(x);
        if (!f) return std::nullopt;
        if (*f == 0.0) {
            if (certified_.sign_at(x) != CertifiedSign::zero) return std::nullopt;
            root = x;
            return RootSearch::found;
        }
        ((*f < 0.0) == (l.sign == CertifiedSign::negative) ? low : high) = x;
    }
    if ((low != l.x && certified_.sign_at(low) != l.sign) || (high != r.x && certified_.sign_at(high) != r.sign))
        return std::nullopt;
    return across(low, high, root);
}

// A sign change between two neighbouring doubles: a root where f is bounded
// over them, a pole where it is not; either where the work ran out before
// the enclosure told which.
RootSearch RootScan::across(double l, double r, double& root)
{
    switch (certified_.bounded_over(std::min(l, r), std::max(l, r))) {
    case IntervalBound::unbounded: return RootSearch::not_evaluable;
    case IntervalBound::undecided: return RootSearch::root_or_pole;
    case IntervalBound::bounded: break;
    }
    root = shown_end(l, r);
    return RootSearch::found;
}

// A sign change between l and r whose inner points all stay uncertain
// (exp(-x)-exp(-40) about 40): where f is continuous over a bracket this
// narrow, the root lies within a few doubles of its middle; else the sign
// change is a root or a pole.
RootSearch RootScan::within_uncertain(double l, double r, double& root)
{
    constexpr std::uint64_t narrow_bracket = std::uint64_t{1} << 20;
    if (key_distance(l, r) > narrow_bracket ||
        certified_.bounded_over(std::min(l, r), std::max(l, r)) != IntervalBound::bounded)
        return RootSearch::root_or_pole;
    root = tenths_between(l, r, 5);
    return RootSearch::found;
}

// Narrows a sign change between l and r down to two neighbouring doubles.
// f bounded over the pair is continuous there: a root between them; f
// without bound is a pole. A bracket whose inner points all stay uncertain,
// or that the work left cannot narrow, is a root or a pole.
RootSearch RootScan::narrow(Point l, Point r, double& root)
{
    if (const auto decided = narrow_by_engine(l, r, root)) return *decided;
    while (!neighbours(l.x, r.x)) {
        std::optional<Point> m;
        bool unsure = false;
        for (const int tenths : split_tenths) {
            const double x = tenths_between(l.x, r.x, tenths);
            if (x == l.x || x == r.x || !(m = point_at(x))) continue;
            if (has_sign(*m)) break;
            unsure = true;
            m.reset();
        }
        if (certified_.spent()) return RootSearch::root_or_pole;
        if (!m && unsure) return within_uncertain(l.x, r.x, root);
        if (!m) return RootSearch::not_evaluable;
        if (m->sign == CertifiedSign::zero) {
            root = m->x;
            return RootSearch::found;
        }
        (opposite_signs(l, *m) ? r : l) = *m;
    }
    return across(l.x, r.x, root);
}

// From p, where the function is defined, towards q, where it is not: halves
// the way to the edge of the defined region until a value of the other
// sign than p's turns up, and narrows that sign change. A pole met is
// passed (not_evaluable where nothing else is found); a sign not told ends
// the way.
RootSearch RootScan::towards_gap(Point p, double q, double& root)
{
    RootSearch met = RootSearch::no_root;
    while (!neighbours(p.x, q)) {
        const double x = tenths_between(p.x, q, 5);
        const auto m = point_at(x);
        if (!m) {
            if (certified_.spent()) return met;
            q = x;
            continue;
        }
        if (!has_sign(*m)) return met;
        if (m->sign == CertifiedSign::zero) {
            root = m->x;
            return RootSearch::found;
        }
        if (opposite_signs(p, *m)) {
            const RootSearch outcome = narrow(p, *m, root);
            if (outcome == RootSearch::found || outcome == RootSearch::not_evaluable) met = outcome;
            if (outcome == RootSearch::found) return outcome;
            if (outcome == RootSearch::root_or_pole && met == RootSearch::no_root) met = outcome;
        }
        p = *m;
    }
    return met;
}

template <typename Settle>
RootSearch RootScan::once(double a, double b, double& root, Settle settle)
{
    auto [kept, first] = settled_.try_emplace({a, b}, Settled{RootSearch::no_root, 0.0});
    if (first) kept->second.outcome = settle(kept->second.root);
    const RootSearch outcome = kept->second.outcome;
    if (outcome == RootSearch::found) root = kept->second.root;
    blocked_ = blocked_ || outcome == RootSearch::not_evaluable;
    root_or_pole_ = root_or_pole_ || outcome == RootSearch::root_or_pole;
    return outcome;
}

// The grid from the lower end on the signs told so far: the first root
// where a sign change or a zero shows. A change across points a higher
// precision may still tell waits for them, except in the last scan.
RootSearch RootScan::scan(const std::vector<GridPoint>& grid, bool last_scan, double& root)
{
    std::optional<Point> last;  // the last grid point where f has a sign
    bool last_is_previous = false;
    bool undecided_since_last = false;
    bool previous_defined = true;
    double previous = lower_;
    for (const GridPoint& g : grid) {
        const Point p{g.x, g.sign};
        const bool defined = p.sign != CertifiedSign::undefined;
        RootSearch outcome = RootSearch::no_root;
        if (!defined) {
            if (last_is_previous)
                outcome = once(last->x, p.x, root, [&](double& r) { return towards_gap(*last, p.x, r); });
        } else if (p.sign == CertifiedSign::zero) {
            root = p.x;
            return RootSearch::found;
        } else if (has_sign(p)) {
            if (!previous_defined)
                outcome = once(p.x, previous, root, [&](double& r) { return towards_gap(p, previous, r); });
            if (outcome != RootSearch::found && last && opposite_signs(*last, p) &&
                (last_scan || !undecided_since_last))
                outcome = once(last->x, p.x, root, [&](double& r) { return narrow(*last, p, r); });
            last = p;
            undecided_since_last = false;
        } else {
            undecided_since_last = undecided_since_last || p.sign == CertifiedSign::undecided;
        }
        if (outcome == RootSearch::found) return outcome;
        last_is_previous = defined && has_sign(p);
        previous_defined = defined;
        previous = p.x;
    }
    return RootSearch::no_root;
}

// No root: what the search met instead, the surest first.
RootSearch RootScan::verdict(const std::vector<GridPoint>& grid) const
{
    if (blocked_) return RootSearch::not_evaluable;
    if (root_or_pole_) return RootSearch::root_or_pole;
    if (certified_.spent()) return RootSearch::stopped;
    const auto any = [&](auto holds) { return std::any_of(grid.begin(), grid.end(), holds); };
    if (uncertain_ || any([](const GridPoint& g) { return g.sign == CertifiedSign::uncertain; }))
        return RootSearch::uncertain;
    // Defined at no grid point (an interval inside tan's window about a
    // pole, or below 0 for ln), the search met only refused operations, as
    // across a pole.
    const bool signed_somewhere = any([](const GridPoint& g) { return has_sign(Point{g.x, g.sign}); });
    return signed_somewhere ? RootSearch::no_root : RootSearch::not_evaluable;
}

// Every grid point is looked at first at the start precision, and every
// sign change shown narrowed; only then is the work left spent on the
// points still undecided, in rounds of one precision more each, so that a
// sign change anywhere shows before any point's work grows. A root found
// stands once no undecided point lies before it.
RootSearch RootScan::search(double& root)
{
    if (!certified_.available()) return RootSearch::unavailable;
    std::vector<GridPoint> grid;
    grid.reserve(root_grid_intervals + 1);
    for (int i = 0; i <= root_grid_intervals; ++i) {
        GridPoint g{root_grid_point(lower_, upper_, i), CertifiedSign::spent, {}};
        if (!certified_.spent()) g.sign = certified_.raise_at(g.x, g.precision);
        grid.push_back(g);
    }
    for (;;) {
        const auto undecided_before = [&](double end) {
            return std::any_of(grid.begin(), grid.end(),
                               [&](const GridPoint& g) { return g.sign == CertifiedSign::undecided && g.x < end; });
        };
        const bool last_scan = certified_.spent() || !undecided_before(std::numeric_limits<double>::infinity());
        const RootSearch outcome = scan(grid, last_scan, root);
        const double end = outcome == RootSearch::found ? root : std::numeric_limits<double>::infinity();
        if (outcome == RootSearch::found && (certified_.spent() || !undecided_before(end))) return outcome;
        if (last_scan) return verdict(grid);
        for (GridPoint& g : grid)
            if (g.sign == CertifiedSign::undecided && g.x < end && !certified_.spent())
                g.sign = certified_.raise_at(g.x, g.precision);
    }
}

}  // namespace

double root_grid_point(double lower, double upper, int i)
{
    if (i >= root_grid_intervals) return upper;
    // Wider than the largest double: the thousandths are taken of each end,
    // and the points past the largest double counted back from the upper end.
    const double width = upper - lower;
    const double h = std::isfinite(width) ? width * 0.001 : upper * 0.001 - lower * 0.001;
    const double x = std::isfinite(i * h) ? lower + i * h : upper - (root_grid_intervals - i) * h;
    return std::min(x, upper);
}

RootSearch search_expression_root(double a, double b, double& root)
{
    auto sequence = prepared_operations();
    if (!sequence) return RootSearch::not_evaluable;
    return RootScan(std::min(a, b), std::max(a, b), std::move(*sequence)).search(root);
}
