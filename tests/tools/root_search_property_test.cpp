// The calculator's root search over random intervals: 1e-3 to 1e300 wide,
// far out on either side of 0, and 1e-16 to 1e-1 of its size wide about a
// root or a pole. A root shown is a true root inside the interval, none is
// shown where there is none (exp underflowing to 0, a run of zeros that
// reaches out of the interval), and where a sign change between grid
// points holds a root, one is shown; about a root, a sign change between
// the ends with no pole between is always shown as one, and no interval
// where f is defined throughout is refused as if it held a pole; every
// fourth interval is typed backwards too. Unset, 2,000 intervals a
// function from a fixed seed; BRUNATEL_ROOT_SEEDED_INTERVALS=N draws N
// from that seed, BRUNATEL_ROOT_INTERVALS=N N afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "tools/expression_engine.h"
#include "tools/root_search.h"

namespace {

struct KnownRoots {
    const char* expression;
    std::vector<double> roots;
    std::vector<double> poles;
    std::vector<double> edges;  // where f falls to 0 or is refused
    double tolerance = 1e-12;   // of a root shown, relative
};

const KnownRoots functions_with_roots[] = {
    {"x^2-2", {-std::sqrt(2.0), std::sqrt(2.0)}, {}, {}},
    {"x^3-10", {std::cbrt(10.0)}, {}, {}},
    {"(x+5)*(x-0.5)*(x-3)", {-5.0, 0.5, 3.0}, {}, {}},
    {"x^2-1e200", {-1e100, 1e100}, {}, {}},
    {"exp(-x)-x", {0.5671432904097838}, {}, {}},
    {"log(x)+3", {1e-3}, {}, {}},
    {"1/x-1", {1.0}, {0.0}, {}},                                          // 1/x is refused at 0
    {"1/(x^2-2)+1", {-1.0, 1.0}, {-std::sqrt(2.0), std::sqrt(2.0)}, {}},  // poles between doubles
    {"1/(x-1)+1", {0.0}, {1.0}, {}},                                      // 0 on a run of doubles about 0
    {"1/x+1e-250", {-1e250}, {0.0}, {}},
    // 0 by underflow, or refused by overflow, on part of an interval.
    {"exp(x)", {}, {}, {-745.1332191019412, 690.0}},
    {"exp(-x)", {}, {}, {-690.0, 745.1332191019412}},
    {"1/exp(x)-1", {0.0}, {}, {-690.0, 690.0}},
    // Expanded, (x-1)^3 = 1e-15, (x-1)^4 = 1e-12, (x-1)^5 = 1e-20 and
    // (x-1)^6 = 1e-14: each operation rounds by half an ulp of a value up
    // to 3 (6, 10, 20), so f is off by up to 1.7e-15 (4.3e-15, 4.3e-15,
    // 7.7e-15), below the engine's estimate of 1.9e-15 (4.7e-15, 1.15e-14,
    // 2.62e-14). A root shown is a sign change or a value within that
    // estimate: the true f is within twice it there, which holds x within
    // 2.41e-5 of 1.00001 (2.37e-6 of 1 -+ 1e-3, 1.97e-3 of 1.0001, and over
    // 1 -+ 6.3e-3, wherever the two roots 1 -+ 4.64e-3 lie in the noise,
    // 4.64e-3 of the nearer).
    {"x^3-3*x^2+3*x-1-1e-15", {1.00001}, {}, {}, 2.5e-5},
    {"x^4-4*x^3+6*x^2-4*x+1-1e-12", {0.999, 1.001}, {}, {}, 2.4e-6},
    {"x^5-5*x^4+10*x^3-10*x^2+5*x-1-1e-20", {1.0001}, {}, {}, 2e-3},
    {"x^6-6*x^5+15*x^4-20*x^3+15*x^2-6*x+1-1e-14", {1.0 - 0.004641588833612779, 1.004641588833612779}, {}, {}, 4.7e-3},
    // 0 where |x - 1e7| * 1e-330 rounds to 0, below 2^-1075 (4.94e-324 / 2):
    // a run evenly about the root, 2.4703e6 each way.
    {"(x-1e7)*1e-300*1e-30", {1e7}, {}, {7529671.770793768, 12470328.229206232}},
};

void PrintTo(const KnownRoots& known, std::ostream* out)
{
    *out << known.expression;
}

struct IntervalDraws {
    int count;
    std::uint64_t seed;
};

IntervalDraws interval_draws()
{
    const auto count = [](const char* variable) {
        const char* set = std::getenv(variable);
        return set == nullptr ? 0 : std::atoi(set);
    };
    if (const int fresh = count("BRUNATEL_ROOT_INTERVALS"); fresh > 0) return {fresh, std::random_device{}()};
    const int seeded = count("BRUNATEL_ROOT_SEEDED_INTERVALS");
    return {seeded > 0 ? seeded : 2000, 20260514};
}

double unit_draw(std::mt19937_64& bits)
{
    return static_cast<double>(bits() >> 11) * 0x1p-53;
}

std::optional<double> engine_value(double x)
{
    double value = 0.0;
    double error = 0.0;
    if (!evaluate_coded_expression(1, x, 0.0, 0.0, 0.0, 0.0, {}, value, error)) return std::nullopt;
    return value;
}

// Two grid points where the function is defined, of opposite signs, with a
// root between them and 0 at every grid point between: a sign change that
// proves a root in the interval. A zero alone does not: its run of zeros
// may reach out of the interval, and the root it stands for with it. The
// cells about each root are looked at.
bool grid_sees_a_root(double lower, double upper, const std::vector<double>& roots)
{
    const auto value_at = [&](int i) { return engine_value(root_grid_point(lower, upper, i)); };
    for (const double r : roots) {
        if (r < lower || r > upper) continue;
        // Clamped before the cast: an interval one double wide makes the
        // ratio infinite or NaN.
        const double cell = (r - lower) / (upper - lower) * root_grid_intervals;
        const int near = cell >= 0.0 ? static_cast<int>(std::min<double>(cell, root_grid_intervals)) : 0;
        for (int i = std::max(near - 1, 0); i <= std::min(near + 1, root_grid_intervals - 1); ++i) {
            int low = i;
            int high = i + 1;
            while (low > 0 && value_at(low) == 0.0) --low;
            while (high < root_grid_intervals && value_at(high) == 0.0) ++high;
            const std::optional<double> f = value_at(low);
            const std::optional<double> next_f = value_at(high);
            if (root_grid_point(lower, upper, low) <= r && r <= root_grid_point(lower, upper, high) && f && next_f &&
                ((*f < 0.0 && *next_f > 0.0) || (*f > 0.0 && *next_f < 0.0)))
                return true;
        }
    }
    return false;
}

std::string interval_text(const KnownRoots& known, double lower, double upper)
{
    char text[120];
    std::snprintf(text, sizeof text, "%s on %.17g><%.17g", known.expression, lower, upper);
    return text;
}

// Searches the interval, typed backwards too where asked, and checks what
// is shown.
RootSearch check_interval(const KnownRoots& known, double lower, double upper, bool backwards_too)
{
    const std::string where = interval_text(known, lower, upper);
    double root = 0.0;
    const RootSearch outcome = search_expression_root(lower, upper, root);
    if (backwards_too) {
        double backwards = 0.0;
        EXPECT_EQ(search_expression_root(upper, lower, backwards), outcome) << where << ", typed backwards";
        EXPECT_EQ(backwards, root) << where << ", typed backwards";
    }
    if (outcome != RootSearch::found) {
        EXPECT_FALSE(grid_sees_a_root(lower, upper, known.roots)) << where;
        return outcome;
    }
    EXPECT_TRUE(lower <= root && root <= upper) << root << " outside, " << where;
    bool true_root = false;
    for (const double r : known.roots) true_root = true_root || std::abs(root - r) <= known.tolerance * std::abs(r);
    EXPECT_TRUE(true_root) << root << " shown, " << where;
    return outcome;
}

// One function a test, so that they run side by side.
class RootSearchProperties : public testing::TestWithParam<KnownRoots> {};

TEST_P(RootSearchProperties, RootsShownAreTrueRootsInsideAndSeenRootsAreShown)
{
    const KnownRoots& known = GetParam();
    const IntervalDraws draws = interval_draws();
    SCOPED_TRACE("seed " + std::to_string(draws.seed));
    std::mt19937_64 bits(draws.seed);
    ASSERT_EQ(prepare_expression(known.expression), Preparation::ready);
    int found = 0;
    for (int k = 0; k < draws.count; ++k) {
        const double width = std::pow(10.0, -3.0 + 303.0 * unit_draw(bits));
        // A third hold a root (or 0) anywhere, a third start or end within
        // the root's size of it, a third start anywhere out to 1e300.
        const double root = known.roots.empty() ? 0.0 : known.roots[bits() % known.roots.size()];
        double lower = 0.0;
        double upper = 0.0;
        if (k % 3 == 0) {
            lower = root - width * unit_draw(bits);
            upper = lower + width;
        } else if (k % 3 == 1) {
            const double past = std::abs(root) * unit_draw(bits);
            lower = root > 0.0 ? root - past : root + past - width;
            upper = root > 0.0 ? lower + width : root + past;
        } else {
            const double magnitude = std::pow(10.0, -3.0 + 303.0 * unit_draw(bits));
            lower = bits() % 2 == 0 ? magnitude : -magnitude - width;
            upper = lower + width;
        }
        if (check_interval(known, lower, upper, k % 4 == 0) == RootSearch::found) ++found;
    }
    // The draws reach the roots often enough to test what is shown (near
    // a pole, a root and the pole mostly share a grid cell: 1/(x^2-2)+1
    // shows one on about 1.1 % of the intervals; the quartic's two roots,
    // 2e-3 apart, share one on intervals wider than 2: it shows one on
    // about 0.45 %).
    if (!known.roots.empty()) {
        EXPECT_GT(found, draws.count / 400) << known.expression;
    }
}

// Intervals about a root, a pole or an edge, 1e-16 to 1e-9 of its size
// wide (of 1 at 0), where the ends or the grid points are the doubles next
// to it, and a third of them 1e-9 to 1e-1, where the grid cells can lie in
// the rounding noise about an ill-conditioned root.
TEST_P(RootSearchProperties, IntervalsAboutRootsPolesAndEdges)
{
    const KnownRoots& known = GetParam();
    const IntervalDraws draws = interval_draws();
    SCOPED_TRACE("seed " + std::to_string(draws.seed));
    std::mt19937_64 bits(draws.seed);
    ASSERT_EQ(prepare_expression(known.expression), Preparation::ready);
    std::vector<double> spots = known.roots;
    spots.insert(spots.end(), known.poles.begin(), known.poles.end());
    spots.insert(spots.end(), known.edges.begin(), known.edges.end());
    for (int k = 0; k < draws.count; ++k) {
        const double spot = spots[bits() % spots.size()];
        const double decades = k % 3 == 2 ? -9.0 + 8.0 * unit_draw(bits) : -16.0 + 7.0 * unit_draw(bits);
        const double width = std::pow(10.0, decades) * (spot == 0.0 ? 1.0 : std::abs(spot));
        const double lower = spot - width * unit_draw(bits);
        check_interval(known, lower, lower + width, k % 4 == 0);
    }
}

// Intervals about a root, 1e-9 to 1e-1 of its size wide (of 1 at 0), as a
// student narrows one down: a sign change between ends where f is defined,
// with no pole or edge between, is a root, and one is shown, however wide
// the rounding noise about it; an interval where f is defined throughout
// is never refused as if it held a pole.
TEST_P(RootSearchProperties, SignChangesWithoutPolesShowRoots)
{
    const KnownRoots& known = GetParam();
    if (known.roots.empty()) GTEST_SKIP() << "no root to draw about";
    const IntervalDraws draws = interval_draws();
    SCOPED_TRACE("seed " + std::to_string(draws.seed));
    std::mt19937_64 bits(draws.seed);
    ASSERT_EQ(prepare_expression(known.expression), Preparation::ready);
    std::vector<double> breaks = known.poles;
    breaks.insert(breaks.end(), known.edges.begin(), known.edges.end());
    int checked = 0;
    int sign_changes = 0;
    for (int k = 0; k < draws.count; ++k) {
        const double spot = known.roots[bits() % known.roots.size()];
        const double width = std::pow(10.0, -9.0 + 8.0 * unit_draw(bits)) * (spot == 0.0 ? 1.0 : std::abs(spot));
        const double lower = spot - width * unit_draw(bits);
        const double upper = lower + width;
        if (std::any_of(breaks.begin(), breaks.end(), [&](double b) { return lower <= b && b <= upper; })) continue;
        const std::optional<double> below = engine_value(lower);
        const std::optional<double> above = engine_value(upper);
        // Inside a run of zeros (the root of (x-1e7)*1e-330 lies in one
        // 4.9e6 wide) no sign change is to be found.
        if (below == 0.0 && above == 0.0) continue;
        ++checked;
        const RootSearch outcome = check_interval(known, lower, upper, k % 4 == 0);
        EXPECT_NE(outcome, RootSearch::not_evaluable) << interval_text(known, lower, upper);
        if (below && above && ((*below < 0.0 && *above > 0.0) || (*below > 0.0 && *above < 0.0))) {
            ++sign_changes;
            EXPECT_EQ(outcome, RootSearch::found) << interval_text(known, lower, upper);
        }
    }
    EXPECT_GE(sign_changes, checked / 5) << known.expression;
}

INSTANTIATE_TEST_SUITE_P(KnownRoots, RootSearchProperties, testing::ValuesIn(functions_with_roots));

}  // namespace
