#include "tools/root_search.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

#include "tools/expression_engine.h"

namespace {

struct Point {
    double x;
    double f;
    double error = 0.0;
    // f taken from beside a run of zeros x lies on: 0 where the run has no
    // value beside it.
    bool borrowed = false;
};

std::optional<Point> point_at(double x)
{
    double f = 0.0;
    double error = 0.0;
    if (!evaluate_coded_expression(1, x, 0.0, 0.0, 0.0, 0.0, {}, f, error)) return std::nullopt;
    return Point{x, f, error};
}

// A zero the search takes for a root: one of a run credited in sample.
bool shows_root(const Point& p)
{
    return p.f == 0.0 && !p.borrowed;
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
constexpr std::int64_t order_key(double x)
{
    const auto bits = std::bit_cast<std::int64_t>(x);
    return bits < 0 ? -(bits & std::numeric_limits<std::int64_t>::max()) : bits;
}

double from_order_key(std::int64_t key)
{
    return key < 0 ? -std::bit_cast<double>(-key) : std::bit_cast<double>(key);
}

constexpr std::int64_t largest_key = order_key(std::numeric_limits<double>::max());

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

// The double n doubles above x (direction 1) or below it (-1), or the
// largest finite one that way where the doubles end first.
double doubles_past(double x, std::uint64_t n, int direction)
{
    const auto key = static_cast<std::uint64_t>(order_key(x));
    const auto end = static_cast<std::uint64_t>(direction > 0 ? largest_key : -largest_key);
    const std::uint64_t step = std::min(n, direction > 0 ? end - key : key - end);
    return from_order_key(static_cast<std::int64_t>(direction > 0 ? key + step : key - step));
}

// Where the middle of a bracket is not defined, the points tried instead,
// outwards from it.
constexpr int split_tenths[] = {5, 4, 6, 3, 7, 2, 8, 1, 9};

// From x on, away from it (direction 1 up, -1 down), in steps doubling in
// doubles: the first point where f stands out of its error estimate, or
// where until holds; else the last where f is defined, the defined region
// or the doubles ending first. In the rounding noise about a root, or next
// to a pole between two doubles, where the estimate outgrows f, f tells
// nothing of how it goes.
template <typename Until>
std::optional<Point> out_of_noise(double x, int direction, Until until)
{
    std::optional<Point> last;
    double previous = x;
    for (int doublings = -1; doublings < 64; ++doublings) {
        const double y = doublings < 0 ? x : doubles_past(x, std::uint64_t{1} << doublings, direction);
        if (doublings >= 0 && y == previous) break;
        previous = y;
        const auto p = point_at(y);
        if (!p) break;
        last = p;
        if (std::abs(p->f) > p->error || until(*p)) break;
    }
    return last;
}

// |f| where it first stands out of its noise from x on: what a pole's |f|
// must outgrow.
double settled_size(double x, int direction)
{
    const auto p = out_of_noise(x, direction, [](const Point&) { return false; });
    return p ? std::abs(p->f) : 0.0;
}

// The doubles about a zero of f where f stays 0, and the values of f just
// past them: none where the run reaches the end of the doubles or a point
// where f is not defined.
struct ZeroRun {
    double first = 0.0;
    double last = 0.0;
    std::optional<double> before, after;
    bool holds(double x) const { return first <= x && x <= last; }
};

// From x, where f is 0, one way: the last double of its run of zeros, found
// by steps doubling in length and then halving, and the value past it.
std::pair<double, std::optional<double>> run_end(double x, int direction)
{
    double zero = x;
    double past = x;
    for (std::uint64_t n = 1;; n = n < std::uint64_t{1} << 62 ? 2 * n : std::numeric_limits<std::uint64_t>::max()) {
        past = doubles_past(x, n, direction);
        if (past == zero) return {zero, std::nullopt};
        const auto p = point_at(past);
        if (!p || p->f != 0.0) break;
        zero = past;
    }
    while (!neighbours(zero, past)) {
        const double m = tenths_between(zero, past, 5);
        const auto p = point_at(m);
        (p && p->f == 0.0 ? zero : past) = m;
    }
    const auto p = point_at(past);
    return {zero, p ? std::optional(p->f) : std::nullopt};
}

ZeroRun zero_run(double x)
{
    const auto [first, before] = run_end(x, -1);
    const auto [last, after] = run_end(x, 1);
    return {first, last, before, after};
}

// f vanishes on a run, rather than falling below the smallest double there
// (exp(x) far below 0), where it changes sign across it, where it meets
// values of normal size, and where the run lies evenly about 0 (x^2); not
// where it meets no value at all (f is 0 wherever it is defined).
bool vanishes(const ZeroRun& run)
{
    if (run.before && run.after) {
        if (opposite_signs(*run.before, *run.after)) return true;
        if (run.first <= 0.0 && run.last >= 0.0 &&
            std::max(-run.first, run.last) <= 2.0 * std::min(-run.first, run.last))
            return true;
    }
    const auto normal = [](std::optional<double> v) {
        return !v || std::abs(*v) >= std::numeric_limits<double>::min();
    };
    return (run.before || run.after) && normal(run.before) && normal(run.after);
}

// The number with the fewest significant digits from a to b (a <= b), the
// one nearest their middle: 0 where they hold it.
double fewest_digits_between(double a, double b)
{
    if (a <= 0.0 && b >= 0.0) return 0.0;
    const double middle = a + (b - a) / 2.0;
    for (int decimals = 0; decimals < 17; ++decimals) {
        char text[32];
        const char* end = std::to_chars(text, text + sizeof text, middle, std::chars_format::scientific, decimals).ptr;
        double rounded = middle;
        std::from_chars(text, end, rounded);
        if (a <= rounded && rounded <= b) return rounded;
    }
    return middle;
}

class RootScan {
public:
    RootScan(double lower, double upper) : lower_(lower), upper_(upper) {}
    RootSearch search(double& root);

private:
    std::optional<Point> sample(double x);
    RootSearch narrow(Point l, Point r, double& root);
    RootSearch towards_gap(Point p, double q, double& root, bool& blocked);

    double lower_;
    double upper_;
    std::optional<ZeroRun> run_;  // the last run of zeros met
    double zero_shown_ = 0.0;     // where f vanishes on it, the root shown
};

// f at x. A zero where f vanishes comes back as 0, with the root to show
// in zero_shown_, where its run lies in the interval: a sign change across
// the run proves a root somewhere on it, not where the interval holds it.
// A run mirrored about 0 between values (x^2) vanishes at 0 alone; a run
// the whole interval lies on shows no root. Any other zero comes back
// borrowed, with the value beside its run, of the sign f keeps about it,
// or 0 where f is 0 wherever it is defined.
std::optional<Point> RootScan::sample(double x)
{
    auto p = point_at(x);
    if (!p || p->f != 0.0) return p;
    if (!run_ || !run_->holds(x)) run_ = zero_run(x);
    const ZeroRun& run = *run_;
    const bool about_zero = run.before && run.after && run.first == -run.last;
    const double first = about_zero ? 0.0 : run.first;
    const double last = about_zero ? 0.0 : run.last;
    const bool whole_interval = run.first <= lower_ && upper_ <= run.last;
    if (vanishes(run) && !whole_interval && lower_ <= first && last <= upper_) {
        zero_shown_ = fewest_digits_between(first, last);
        return p;
    }
    const std::optional<double> beside = x > 0.0 ? run.after : run.before;
    const std::optional<double> other = x > 0.0 ? run.before : run.after;
    return Point{x, beside.value_or(other.value_or(0.0)), 0.0, true};
}

// Narrows a sign change between l and r down to two neighbouring doubles.
// A pole is where |f| grew as the bracket narrowed: above |f| at the ends
// it started from, or beyond them where f first stands out of its noise
// there. Anything else, however noisy, is a sign change of the function as
// computed, and so a root.
RootSearch RootScan::narrow(Point l, Point r, double& root)
{
    const double start_low = std::min(l.x, r.x);
    const double start_high = std::max(l.x, r.x);
    while (!neighbours(l.x, r.x)) {
        std::optional<Point> m;
        for (const int tenths : split_tenths) {
            const double x = tenths_between(l.x, r.x, tenths);
            if (x != l.x && x != r.x && (m = sample(x))) break;
        }
        if (!m) return RootSearch::not_evaluable;
        if (shows_root(*m)) {
            root = zero_shown_;
            return RootSearch::found;
        }
        (opposite_signs(l.f, m->f) ? r : l) = *m;
    }
    // At the edge of a run of zeros that reaches out of the interval.
    if (l.borrowed || r.borrowed) return RootSearch::no_root;
    const double start_size = std::max(settled_size(start_low, -1), settled_size(start_high, 1));
    if (std::min(std::abs(l.f), std::abs(r.f)) > start_size) return RootSearch::not_evaluable;
    root = (std::abs(l.f) <= std::abs(r.f) ? l : r).x;
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
        const auto m = sample(x);
        if (!m) {
            q = x;
            continue;
        }
        if (shows_root(*m)) {
            root = zero_shown_;
            return RootSearch::found;
        }
        if (opposite_signs(p.f, m->f)) {
            const RootSearch outcome = narrow(p, *m, root);
            if (outcome == RootSearch::found) return outcome;
            blocked = blocked || outcome == RootSearch::not_evaluable;
        }
        p = *m;
    }
    return RootSearch::no_root;
}

// An end of the interval where f lies within its error estimate, with a
// value of the other sign beyond it, within `reach`, before f stands out of
// that noise, and |f| not falling from it inwards as it falls from a pole:
// a root in the rounding noise, though f keeps one sign inside. A sign
// change farther out is a root the interval leaves out, however wide the
// estimate (exp(x)-1e-20 on -50><-47, whose root is -46.05).
bool noisy_root_at_end(const Point& end, int inwards, double reach)
{
    const double size = std::abs(end.f);
    if (end.borrowed || size == 0.0 || size > end.error) return false;
    const auto beyond = out_of_noise(end.x, -inwards, [&](const Point& p) { return opposite_signs(p.f, end.f); });
    return beyond && opposite_signs(beyond->f, end.f) && std::abs(beyond->x - end.x) <= reach &&
           size <= settled_size(end.x, inwards);
}

RootSearch RootScan::search(double& root)
{
    bool blocked = false;
    std::optional<Point> first;  // the lower end, where f is defined there
    std::optional<Point> last;   // the last grid point where f is defined
    bool last_is_previous = false;
    double previous = lower_;
    for (int i = 0; i <= root_grid_intervals; ++i) {
        const double x = root_grid_point(lower_, upper_, i);
        const auto p = sample(x);
        RootSearch outcome = RootSearch::no_root;
        if (!p) {
            if (last_is_previous) outcome = towards_gap(*last, x, root, blocked);
        } else if (shows_root(*p)) {
            root = zero_shown_;
            return RootSearch::found;
        } else {
            if (i == 0) first = p;
            if (i > 0 && !last_is_previous) outcome = towards_gap(*p, previous, root, blocked);
            if (outcome != RootSearch::found && last && opposite_signs(last->f, p->f)) {
                outcome = narrow(*last, *p, root);
                blocked = blocked || outcome == RootSearch::not_evaluable;
            }
            last = p;
        }
        if (outcome == RootSearch::found) return outcome;
        last_is_previous = p.has_value();
        previous = x;
    }
    // A sign change met is a surer root than an end in the noise; the end
    // stands for a root within a thousandth of the interval past it.
    const double reach = upper_ * 1e-3 - lower_ * 1e-3;
    for (const auto& [end, inwards] : {std::pair{first, 1}, std::pair{last_is_previous ? last : std::nullopt, -1}}) {
        if (end && noisy_root_at_end(*end, inwards, reach)) {
            root = end->x;
            return RootSearch::found;
        }
    }
    // Defined at no grid point (an interval inside tan's window about a
    // pole, or below 0 for ln), the search met only refused operations, as
    // across a pole between two doubles where f is defined.
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
    return RootScan(std::min(a, b), std::max(a, b)).search(root);
}
