#include "tools/root_search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "tools/expression_engine.h"

namespace {

struct Point {
    double x;
    double f;
};

std::optional<Point> point_at(double x)
{
    double f = 0.0;
    double error = 0.0;
    if (!evaluate_coded_expression(1, x, 0.0, 0.0, 0.0, 0.0, {}, f, error)) return std::nullopt;
    return Point{x, f};
}

// Signs compared, not multiplied: a product of two tiny values underflows
// to 0 and would read as a sign change.
bool opposite_signs(double a, double b)
{
    return (a < 0.0 && b > 0.0) || (a > 0.0 && b < 0.0);
}

// The doubles in their order as whole numbers: halving the distance between
// two keys halves the doubles between the points, so that a narrowing ends
// within 64 halvings whether its ends are 1e300 or 1e-300 apart.
std::int64_t order_key(double x)
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

// Narrows a sign change between l and r down to two neighbouring doubles.
// Near a root the values dwindle below those at the ends; across a pole
// they grow, and across a gap the function is defined nowhere to split.
RootSearch narrow(Point l, Point r, double& root)
{
    const double start = std::min(std::abs(l.f), std::abs(r.f));
    while (!neighbours(l.x, r.x)) {
        std::optional<Point> m;
        for (const int tenths : split_tenths) {
            const double x = tenths_between(l.x, r.x, tenths);
            if (x != l.x && x != r.x && (m = point_at(x))) break;
        }
        if (!m) return RootSearch::not_evaluable;
        if (m->f == 0.0) {
            root = m->x;
            return RootSearch::found;
        }
        (opposite_signs(l.f, m->f) ? r : l) = *m;
    }
    const Point& nearer = std::abs(l.f) <= std::abs(r.f) ? l : r;
    if (std::abs(nearer.f) >= start) return RootSearch::not_evaluable;
    root = nearer.x;
    return RootSearch::found;
}

// From p, where the function is defined, towards q, where it is not: halves
// the way to the edge of the defined region until a value of the other
// sign than p's turns up, and narrows that sign change. A pole met is noted
// in blocked and passed.
RootSearch towards_gap(Point p, double q, double& root, bool& blocked)
{
    while (!neighbours(p.x, q)) {
        const double x = tenths_between(p.x, q, 5);
        const auto m = point_at(x);
        if (!m) {
            q = x;
            continue;
        }
        if (m->f == 0.0) {
            root = x;
            return RootSearch::found;
        }
        if (opposite_signs(p.f, m->f)) {
            if (narrow(p, *m, root) == RootSearch::found) return RootSearch::found;
            blocked = true;
        }
        p = *m;
    }
    return RootSearch::no_root;
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
    const double lower = std::min(a, b);
    const double upper = std::max(a, b);
    bool blocked = false;
    std::optional<Point> last;  // the last grid point where f is defined
    bool last_is_previous = false;
    double previous = lower;
    for (int i = 0; i <= root_grid_intervals; ++i) {
        const double x = root_grid_point(lower, upper, i);
        const auto p = point_at(x);
        RootSearch outcome = RootSearch::no_root;
        if (!p) {
            if (last_is_previous) outcome = towards_gap(*last, x, root, blocked);
        } else if (p->f == 0.0) {
            root = x;
            return RootSearch::found;
        } else {
            if (i > 0 && !last_is_previous) outcome = towards_gap(*p, previous, root, blocked);
            if (outcome != RootSearch::found && last && opposite_signs(last->f, p->f)) {
                outcome = narrow(*last, *p, root);
                blocked = blocked || outcome != RootSearch::found;
            }
            last = p;
        }
        if (outcome == RootSearch::found) return outcome;
        last_is_previous = p.has_value();
        previous = x;
    }
    return blocked ? RootSearch::not_evaluable : RootSearch::no_root;
}
