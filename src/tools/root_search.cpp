#include "tools/root_search.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "tools/expression_engine.h"

namespace {

constexpr int grid_intervals = 1000;
// The passes every search makes; more follow while the step is wider than
// the tolerance, so that a wide interval is narrowed as far as a short one.
constexpr int refinement_passes = 20;
// The tolerance: a step within this fraction of the point reached, or,
// about a root at 0, the least normal double.
constexpr double relative_tolerance = 1e-12;

// Towards a sign change, or towards the edge of the region where the
// function is defined, forward or backward.
enum class Refinement { sign_change, edge_forward, edge_backward };

bool value_at(double x, double& f)
{
    double error = 0.0;
    return evaluate_coded_expression(1, x, 0.0, 0.0, 0.0, 0.0, {}, f, error);
}

// Signs compared, not multiplied: a product of two tiny values underflows
// to 0 and would read as a sign change.
bool opposite_signs(double a, double b)
{
    return (a <= 0.0 && b >= 0.0) || (a >= 0.0 && b <= 0.0);
}

bool within_tolerance(double p, double h)
{
    return std::abs(h) <= std::max(relative_tolerance * std::abs(p), std::numeric_limits<double>::min());
}

// A sign change where the function grows as the bracket shrinks is a pole
// (1/x across 0), not a root: near a root it dwindles below where the
// refinement started (start_size, the size of f at the first point). The
// secant runs from p towards the side the refinement walked.
RootSearch secant(double p, double h, double start_size, double& root)
{
    double f1 = 0.0;
    double f2 = 0.0;
    const double x2 = p + h;
    const bool defined = value_at(p, f1) && value_at(x2, f2);
    if (defined && std::min(std::abs(f1), std::abs(f2)) > start_size) return RootSearch::not_evaluable;
    // The step times a ratio, not f1 times the step: near 1e200 that
    // product would overflow.
    root = !defined || f1 == f2 || f1 == 0.0 || f2 == 0.0 ? p : p - (x2 - p) * (f1 / (f2 - f1));
    return RootSearch::found;
}

RootSearch refine(Refinement kind, double p, double h, double& root)
{
    const bool towards_sign = kind == Refinement::sign_change;
    const double direction = kind == Refinement::edge_backward ? -1.0 : 1.0;
    bool sign_change_seen = false;
    double start_size = HUGE_VAL;
    for (int pass = 0; pass < refinement_passes || !within_tolerance(p, h); ++pass) {
        double fp = 0.0;
        if (!value_at(p, fp) && towards_sign) return RootSearch::not_evaluable;
        if (pass == 0) start_size = std::abs(fp);
        h /= 10.0;
        const double start = p;
        const int steps = towards_sign ? 10 : 9;
        for (int j = 1; j <= steps; ++j) {
            const double q = start + direction * j * h;
            double fq = 0.0;
            if (!value_at(q, fq)) {
                if (towards_sign) return RootSearch::not_evaluable;
                break;
            }
            if (fq == 0.0) {
                root = q;
                return RootSearch::found;
            }
            if (opposite_signs(fp, fq)) {
                sign_change_seen = true;
                break;
            }
            fp = fq;
            p = q;
        }
    }
    if (!towards_sign && !sign_change_seen)
        return kind == Refinement::edge_forward ? RootSearch::not_evaluable : RootSearch::no_root;
    return secant(p, direction * h, start_size, root);
}

}  // namespace

RootSearch search_expression_root(double a, double b, double& root)
{
    // An interval wider than the largest double is stepped in thousandths
    // taken of each end.
    const double h = std::isfinite(b - a) ? (b - a) * 0.001 : b * 0.001 - a * 0.001;
    const auto grid = [&](int i) { return a + i * h; };
    int first = 0;
    double fp = 0.0;
    while (first < grid_intervals && !value_at(grid(first), fp)) ++first;
    if (first == grid_intervals) {
        // Defined only beyond the last grid point but one: the region is
        // looked for back from b.
        double fb = 0.0;
        if (!value_at(b, fb)) return RootSearch::no_root;
        if (fb == 0.0) {
            root = b;
            return RootSearch::found;
        }
        return refine(Refinement::edge_backward, b, h, root);
    }
    double p = grid(first);
    if (fp == 0.0) {
        root = p;
        return RootSearch::found;
    }
    for (int i = first + 1; i <= grid_intervals; ++i) {
        double f = 0.0;
        if (!value_at(grid(i), f)) return refine(Refinement::edge_forward, p, h, root);
        if (f == 0.0) {
            root = grid(i);
            return RootSearch::found;
        }
        if (opposite_signs(fp, f)) return refine(Refinement::sign_change, p, h, root);
        p = grid(i);
        fp = f;
    }
    if (first == 0) return RootSearch::no_root;
    return refine(Refinement::edge_backward, grid(first), h, root);
}
