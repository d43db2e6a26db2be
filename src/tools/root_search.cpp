#include "tools/root_search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

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

class RootScan {
public:
    RootScan(double lower, double upper, OperationSequence sequence)
        : lower_(lower), upper_(upper), certified_(std::move(sequence))
    {}
    RootSearch search(double& root);

private:
    std::optional<Point> point_at(double x);
    RootSearch narrow(Point l, Point r, double& root);
    RootSearch towards_gap(Point p, double q, double& root, bool& blocked);

    double lower_;
    double upper_;
    CertifiedEvaluator certified_;
};

// Defined where the engine evaluates f, with the sign of its true value.
std::optional<Point> RootScan::point_at(double x)
{
    double f = 0.0;
    double error = 0.0;
    if (!evaluate_coded_expression(1, x, 0.0, 0.0, 0.0, 0.0, {}, f, error)) return std::nullopt;
    const CertifiedSign sign = certified_.sign_at(x);
    if (sign == CertifiedSign::undefined) return std::nullopt;
    return Point{x, sign};
}

// Narrows a sign change between l and r down to two neighbouring doubles.
// f bounded over the pair is continuous there: a root between them; f
// without bound is a pole.
RootSearch RootScan::narrow(Point l, Point r, double& root)
{
    while (!neighbours(l.x, r.x)) {
        std::optional<Point> m;
        for (const int tenths : split_tenths) {
            const double x = tenths_between(l.x, r.x, tenths);
            if (x != l.x && x != r.x && (m = point_at(x))) break;
        }
        if (!m) return RootSearch::not_evaluable;
        if (m->sign == CertifiedSign::zero) {
            root = m->x;
            return RootSearch::found;
        }
        (opposite_signs(l, *m) ? r : l) = *m;
    }
    if (!certified_.bounded_over(std::min(l.x, r.x), std::max(l.x, r.x))) return RootSearch::not_evaluable;
    root = l.x;
    return RootSearch::found;
}

// From p, where the function is defined, towards q, where it is not: halves
// the way to the edge of the defined region until a value of the other
// sign than p's turns up, and narrows that sign change. A pole met is noted
// in blocked and passed.
RootSearch RootScan::towards_gap(Point p, double q, double& root, bool& blocked)
{
    while (!neighbours(p.x, q)) {
        const double x = tenths_between(p.x, q, 5);
        const auto m = point_at(x);
        if (!m) {
            q = x;
            continue;
        }
        if (m->sign == CertifiedSign::zero) {
            root = m->x;
            return RootSearch::found;
        }
        if (opposite_signs(p, *m)) {
            const RootSearch outcome = narrow(p, *m, root);
            if (outcome == RootSearch::found) return outcome;
            blocked = blocked || outcome == RootSearch::not_evaluable;
        }
        p = *m;
    }
    return RootSearch::no_root;
}

RootSearch RootScan::search(double& root)
{
    bool blocked = false;
    std::optional<Point> last;  // the last grid point where f is defined
    bool last_is_previous = false;
    double previous = lower_;
    for (int i = 0; i <= root_grid_intervals; ++i) {
        const double x = root_grid_point(lower_, upper_, i);
        const auto p = point_at(x);
        RootSearch outcome = RootSearch::no_root;
        if (!p) {
            if (last_is_previous) outcome = towards_gap(*last, x, root, blocked);
        } else if (p->sign == CertifiedSign::zero) {
            root = x;
            return RootSearch::found;
        } else {
            if (i > 0 && !last_is_previous) outcome = towards_gap(*p, previous, root, blocked);
            if (outcome != RootSearch::found && last && opposite_signs(*last, *p)) {
                outcome = narrow(*last, *p, root);
                blocked = blocked || outcome == RootSearch::not_evaluable;
            }
            last = p;
        }
        if (outcome == RootSearch::found) return outcome;
        last_is_previous = p.has_value();
        previous = x;
    }
    // Defined at no grid point (an interval inside tan's window about a
    // pole, or below 0 for ln), the search met only refused operations, as
    // across a pole.
    return blocked || !last ? RootSearch::not_evaluable : RootSearch::no_root;
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
