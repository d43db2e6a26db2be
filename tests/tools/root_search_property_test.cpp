// The calculator's root search over random intervals, 1e-3 to 1e300 wide,
// typed both ways, far out on either side of 0: a root shown is a true root
// inside the interval, and where a sign change between two grid points
// holds a root, one is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <random>
#include <vector>

#include "tools/expression_engine.h"
#include "tools/root_search.h"

namespace {

struct KnownRoots {
    const char* expression;
    std::vector<double> roots;
};

const KnownRoots functions_with_roots[] = {
    {"x^2-2", {-std::sqrt(2.0), std::sqrt(2.0)}},
    {"(x+5)*(x-0.5)*(x-3)", {-5.0, 0.5, 3.0}},
    {"x^2-1e200", {-1e100, 1e100}},
    {"exp(-x)-x", {0.5671432904097838}},
    {"log(x)+3", {1e-3}},
    {"1/x-1", {1.0}},              // and a pole at 0, where 1/x is refused
    {"1/(x^2-2)+1", {-1.0, 1.0}},  // and poles at +-1.414..., between doubles
    {"1/x+1e-250", {-1e250}},
};

void PrintTo(const KnownRoots& known, std::ostream* out)
{
    *out << known.expression;
}

constexpr int intervals_per_function = 2000;

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

// A grid point at a root, or two neighbouring grid points where the
// function is defined, of opposite signs, with a root between them: the
// cells about each root are looked at.
bool grid_sees_a_root(double lower, double upper, const std::vector<double>& roots)
{
    for (const double r : roots) {
        if (r < lower || r > upper) continue;
        const int near = static_cast<int>((r - lower) / (upper - lower) * root_grid_intervals);
        for (int i = std::max(near - 1, 0); i <= std::min(near + 1, root_grid_intervals - 1); ++i) {
            const double x = root_grid_point(lower, upper, i);
            const double next_x = root_grid_point(lower, upper, i + 1);
            const std::optional<double> f = engine_value(x);
            const std::optional<double> next_f = engine_value(next_x);
            if (x <= r && r <= next_x && f && next_f && (*f == 0.0 || *next_f == 0.0 || (*f < 0.0) != (*next_f < 0.0)))
                return true;
        }
    }
    return false;
}

// One function a test, so that they run side by side.
class RootSearchProperties : public testing::TestWithParam<KnownRoots> {};

TEST_P(RootSearchProperties, RootsShownAreTrueRootsInsideAndSeenRootsAreShown)
{
    const KnownRoots& known = GetParam();
    std::mt19937_64 bits(20260514);
    ASSERT_TRUE(prepare_expression(known.expression));
    int found = 0;
    for (int k = 0; k < intervals_per_function; ++k) {
        const double width = std::pow(10.0, -3.0 + 303.0 * unit_draw(bits));
        // A third hold a root anywhere, a third start or end within the
        // root's size of it, a third start anywhere out to 1e300.
        const double root = known.roots[bits() % known.roots.size()];
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
        double forwards = 0.0;
        double backwards = 0.0;
        const RootSearch outcome = search_expression_root(lower, upper, forwards);
        ASSERT_EQ(search_expression_root(upper, lower, backwards), outcome)
            << known.expression << " on " << upper << "><" << lower;
        if (outcome != RootSearch::found) {
            EXPECT_FALSE(grid_sees_a_root(lower, upper, known.roots))
                << known.expression << " on " << lower << "><" << upper;
            continue;
        }
        ++found;
        EXPECT_EQ(forwards, backwards) << known.expression << " on " << lower << "><" << upper;
        EXPECT_TRUE(lower <= forwards && forwards <= upper)
            << known.expression << ": " << forwards << " outside " << lower << "><" << upper;
        bool true_root = false;
        for (const double r : known.roots) true_root = true_root || std::abs(forwards - r) <= 1e-12 * std::abs(r);
        EXPECT_TRUE(true_root) << known.expression << ": " << forwards << " on " << lower << "><" << upper;
    }
    // The draws reach the roots often enough to test what is shown (near
    // a pole, a root and the pole mostly share a grid cell).
    EXPECT_GT(found, intervals_per_function / 100) << known.expression;
}

INSTANTIATE_TEST_SUITE_P(KnownRoots, RootSearchProperties, testing::ValuesIn(functions_with_roots));

}  // namespace
