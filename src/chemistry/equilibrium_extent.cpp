#include "chemistry/equilibrium_extent.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using Concentrations = std::array<double, 6>;

constexpr int max_runs = 5;
constexpr int max_passes = 100;
constexpr int grid_points = 21;

struct Reaction {
    Concentrations nu;
    double K;

    bool present(int j) const { return nu[j] > 0.0; }

    // Concentrations at extent x; false when a present species would not be
    // positive.
    bool at_extent(const Concentrations& start, double x, Concentrations& c) const
    {
        c = start;
        for (int j = 0; j < 6; ++j) {
            if (!present(j)) continue;
            c[j] = j < 3 ? start[j] - nu[j] * x : start[j] + nu[j] * x;
            if (!(c[j] > 0.0)) return false;
        }
        return true;
    }

    double quotient(const Concentrations& c) const
    {
        double products = 1.0;
        double reactants = 1.0;
        for (int j = 0; j < 6; ++j) {
            if (!present(j)) continue;
            // pow(c, 1) is c to the bit, at a sixth of the cost: most species
            // enter once, and the search weighs thousands of points a page.
            (j < 3 ? reactants : products) *= nu[j] == 1.0 ? c[j] : std::pow(c[j], nu[j]);
        }
        return products / reactants;
    }

    double deviation(const Concentrations& c) const
    {
        const double q = quotient(c);
        return std::max(std::abs(q / K - 1.0), std::abs(K / q - 1.0));
    }
};

// The last few points whose deviation a search worked out. Once the step
// falls below the spacing of doubles near the best extent, the grid lands
// again and again on the same few doubles: their deviation is looked up, the
// same bits as working it out again.
class WeighedPoints {
public:
    // The deviation at extent x, infinite where a present species would not
    // be positive (no point of either kind improves on the best).
    double deviation_at(const Reaction& reaction, const Concentrations& start, double x)
    {
        const auto bits = std::bit_cast<std::uint64_t>(x);
        for (const Point& p : points_)
            if (p.bits == bits && p.weighed) return p.deviation;
        Concentrations c;
        const double d =
            reaction.at_extent(start, x, c) ? reaction.deviation(c) : std::numeric_limits<double>::infinity();
        points_[next_] = {bits, d, true};
        next_ = (next_ + 1) % points_.size();
        return d;
    }

private:
    struct Point {
        std::uint64_t bits = 0;
        double deviation = 0.0;
        bool weighed = false;
    };
    std::array<Point, 4> points_{};
    std::size_t next_ = 0;
};

// One run of the narrowing grid search; false when no grid point of any
// window was valid.
bool search_extent(const Reaction& reaction, const Concentrations& start, double& xbest)
{
    double low = -1e6;
    double high = 1e6;
    double step = 1e5;
    bool found = false;
    WeighedPoints weighed;
    for (int pass = 0; pass < max_passes; ++pass) {
        double best = 1e50;
        for (int i = 0; i < grid_points; ++i) {
            const double x = low + i * step;
            const double d = weighed.deviation_at(reaction, start, x);
            if (d < best) {
                best = d;
                xbest = x;
                found = true;
            }
        }
        if (best > 1e49) {
            low *= 0.1;
            high *= 0.1;
        } else {
            low = xbest - step;
            high = xbest + step;
        }
        step = (high - low) * 0.05;
        if (step < 1e-50 || std::abs(high + low) * 5e-29 > step) break;
    }
    return found;
}

}  // namespace

ExtentOutcome solve_equilibrium_extent(const SpeciesValues& nu, const SpeciesValues& c0, SpeciesValues& c, float K)
{
    if (!(K > 0.0f)) return ExtentOutcome::no_valid_extent;
    Reaction reaction{{}, K};
    Concentrations start;
    for (int j = 0; j < 6; ++j) {
        reaction.nu[j] = nu[j];
        start[j] = c0[j];
    }

    Concentrations result = start;
    ExtentOutcome outcome = ExtentOutcome::not_converged;
    for (int run = 0; run < max_runs; ++run) {
        double xbest = 0.0;
        if (!search_extent(reaction, start, xbest)) return ExtentOutcome::no_valid_extent;
        reaction.at_extent(start, xbest, result);
        const double r = reaction.quotient(result) / reaction.K;
        if (r >= 0.99999 && r <= 1.0001) {
            outcome = ExtentOutcome::accepted;
            break;
        }
        start = result;
    }
    for (int j = 0; j < 6; ++j) {
        if (reaction.present(j)) c[j] = static_cast<float>(result[j]);
    }
    return outcome;
}
