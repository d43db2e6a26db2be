// The calculator's root search over drawn expressions whose roots and poles
// are known, on intervals 1e-12 to 1e3 wide: symmetric about a root or a
// pole, with one at an end, wholly on one side of it, or anywhere about it;
// one in four typed backwards. The law: a root shown lies in the interval,
// within 1e-9 of a true root, never at a pole; no root is shown where the
// interval holds none; one is shown wherever a grid cell holds a lone sign
// change at a root. Roots known only to the doubles' precision (not a double
// themselves) are not judged within 1e-9 of an end. Unset, 300 draws a
// family from a fixed seed; BRUNATEL_ROOT_SEEDED_INTERVALS=N draws N from
// that seed, BRUNATEL_ROOT_INTERVALS=N N afresh.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tools/expression_engine.h"
#include "tools/root_search.h"

namespace {

struct Spot {
    double x;
    bool exact = false;  // the root is this double itself
};

struct DrawnFunction {
    std::string expression;
    std::vector<Spot> roots;  // each a simple root, where f changes sign
    std::vector<double> poles = {};
    std::vector<double> near = {};  // where to draw about, where not every root
};

struct Draws {
    int count;
    std::uint64_t seed;
};

Draws draws()
{
    const auto count = [](const char* variable) {
        const char* set = std::getenv(variable);
        return set == nullptr ? 0 : std::atoi(set);
    };
    if (const int fresh = count("BRUNATEL_ROOT_INTERVALS"); fresh > 0) return {fresh, std::random_device{}()};
    const int seeded = count("BRUNATEL_ROOT_SEEDED_INTERVALS");
    return {seeded > 0 ? seeded : 300, 20261209};
}

class Drawer {
public:
    explicit Drawer(std::uint64_t seed) : bits_(seed) {}
    double unit() { return static_cast<double>(bits_() >> 11) * 0x1p-53; }
    int between(int low, int high)
    {
        return low + static_cast<int>(bits_() % static_cast<std::uint64_t>(high - low + 1));
    }
    template <typename T>
    const T& one_of(const std::vector<T>& values)
    {
        return values[bits_() % values.size()];
    }

private:
    std::mt19937_64 bits_;
};

std::string number(double v)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// A term of a sum: its sign as an operator, then its size.
std::string term(double coefficient, const std::string& power)
{
    const std::string size = number(std::abs(coefficient));
    return (coefficient < 0.0 ? "-" : "+") + (power.empty() ? size : size + "*" + power);
}

// (x-r)^n -+ 10^-k expanded, every coefficient exact: its roots are r plus
// or minus the n-th root of the double 10^-k stands for.
DrawnFunction expanded_power(Drawer& d)
{
    const double r = d.one_of(std::vector{-3.0, -2.0, -1.0, -0.5, 0.25, 1.0, 1.5, 2.0, 3.0});
    const int n = d.between(3, 6);
    const int k = d.between(6, 20);
    const bool minus = d.between(0, 1) == 0;
    std::string text = "x^" + std::to_string(n);
    double binomial = 1.0;
    for (int j = n - 1; j >= 0; --j) {
        binomial = binomial * (j + 1) / (n - j);
        const double coefficient = binomial * std::pow(-r, n - j);
        text += term(coefficient, j == 0 ? "" : j == 1 ? "x" : "x^" + std::to_string(j));
    }
    const std::string tiny = "1e-" + std::to_string(k);
    text += (minus ? "-" : "+") + tiny;
    const double offset = std::pow(std::strtod(tiny.c_str(), nullptr), 1.0 / n);
    DrawnFunction f{text, {}, {}, {r}};
    if (minus || n % 2 == 1) f.roots.push_back({minus ? r + offset : r - offset});
    if (minus && n % 2 == 0) f.roots.push_back({r - offset});
    for (const Spot& root : f.roots) f.near.push_back(root.x);
    return f;
}

// Factors that take f below the smallest double: the root is still there.
DrawnFunction underflowing_product(Drawer& d)
{
    const double r = d.between(-400, 400) / 8.0;
    switch (d.between(0, 2)) {
    case 0: return {"(x" + term(-r, "") + ")*1e-300*1e-30", {{r, true}}, {}};
    case 1: return {"(x" + term(-r, "") + ")*exp(-800)", {{r, true}}, {}};
    default: {
        const double c = std::abs(r) + 1.0;
        return {"(x^2-" + number(c) + ")*1e-300*1e-20", {{-std::sqrt(c)}, {std::sqrt(c)}}, {}};
    }
    }
}

DrawnFunction composition(Drawer& d)
{
    switch (d.between(0, 6)) {
    case 0: {
        const int k = d.between(-30, 30);
        const std::string c = "1e" + std::to_string(k);
        return {"exp(x)-" + c, {{std::log(std::strtod(c.c_str(), nullptr))}}, {}};
    }
    case 1: {
        const double c = d.between(-40, 40) / 8.0;
        return {"ln(x)-(" + number(c) + ")", {{std::exp(c), c == 0.0}}, {}};
    }
    case 2: return {"exp(x)-1", {{0.0, true}}, {}};
    // Drawn about the roots up to 10 pi, the intervals reach 2,032 out:
    // every root and pole to 700 pi is listed.
    case 3: {
        DrawnFunction f{"sin(x)", {}, {}};
        for (int k = -700; k <= 700; ++k) f.roots.push_back({k * std::numbers::pi, k == 0});
        for (int k = -10; k <= 10; ++k) f.near.push_back(k * std::numbers::pi);
        return f;
    }
    case 4: {
        DrawnFunction f{"tan(x)", {}, {}};
        for (int k = -700; k <= 700; ++k) {
            f.roots.push_back({k * std::numbers::pi, k == 0});
            f.poles.push_back((k + 0.5) * std::numbers::pi);
        }
        for (int k = -20; k <= 20; ++k) f.near.push_back(k * std::numbers::pi / 2.0);
        return f;
    }
    case 5: return {"exp(-x)-x", {{0.5671432904097838}}, {}};  // the omega constant
    default: {
        // Poles at -+sqrt(m^2+1), between doubles; roots at -+m.
        const double m = d.between(1, 20);
        return {"1/(x^2-" + number(m * m + 1.0) + ")+1",
                {{-m, true}, {m, true}},
                {-std::sqrt(m * m + 1.0), std::sqrt(m * m + 1.0)}};
    }
    }
}

// (x-r)(x-r-2^k) expanded, every coefficient exact.
DrawnFunction roots_a_power_of_two_apart(Drawer& d)
{
    const double r = d.between(-64, 64) / 16.0;
    const double gap = std::ldexp(1.0, d.between(-30, 3));
    return {"x^2" + term(-(2.0 * r + gap), "x") + term(r * (r + gap), ""), {{r, true}, {r + gap, true}}, {}};
}

// A huge term and its negative beside a tiny one: (x-r) t + H - H is
// (x-r) t, and with c > 0 added, (x-r)^2 t + c is never 0.
DrawnFunction spanning_sum(Drawer& d)
{
    const double r = d.between(-40, 40) / 8.0;
    const std::string tiny = "1e-" + std::to_string(d.between(20, 300));
    const std::string huge = "1e" + std::to_string(d.between(100, 300));
    const std::string factor = "(x" + term(-r, "") + ")";
    switch (d.between(0, 2)) {
    case 0: return {factor + "*" + tiny + "+" + huge + "-" + huge, {{r, true}}, {}};
    case 1: return {"-" + huge + "+" + factor + "*" + tiny + "+" + huge, {{r, true}}, {}};
    default:
        return {factor + "^2*" + tiny + "+1e-" + std::to_string(d.between(250, 320)) + "+" + huge + "-" + huge,
                {},
                {},
                {r}};
    }
}

// Functions cancelling against their first terms near 0, scaled by 1e300,
// less (or plus) c: their roots, where x^2/2, x^3/6 or x^2/2 is c 1e-300,
// lie below 1e-170, past what one cancellation of a double shows.
DrawnFunction cancelling_near_zero(Drawer& d)
{
    const int k = d.between(40, 250);
    const std::string c = "1e-" + std::to_string(k);
    const double cv = std::strtod(c.c_str(), nullptr);
    const double square = std::sqrt(2.0 * cv) * 1e-150;
    const double cube = std::cbrt(6.0 * cv) * 1e-100;
    const bool plus = d.between(0, 3) == 0;  // never 0
    const std::string tail = (plus ? "+" : "-") + c;
    switch (d.between(0, 2)) {
    case 0:
        if (plus) return {"(1-cos(x))*1e300" + tail, {}, {}, {square}};
        return {"(1-cos(x))*1e300" + tail, {{-square}, {square}}, {}};
    case 1:
        if (plus) return {"(x-sin(x))*1e300" + tail, {{-cube}}, {}};
        return {"(x-sin(x))*1e300" + tail, {{cube}}, {}};
    default:
        if (plus) return {"(exp(x)-1-x)*1e300" + tail, {}, {}, {square}};
        return {"(exp(x)-1-x)*1e300" + tail, {{-square}, {square}}, {}};
    }
}

// x-x in a denominator: 0 at every x, whatever the width of the bracket.
// The quotient stays within the engine's range (1e300) over the widest
// intervals drawn.
DrawnFunction vanishing_denominator(Drawer& d)
{
    const std::string denominator = "/(x-x+1e-" + std::to_string(d.between(10, 280)) + ")";
    if (d.between(0, 1) == 0) {
        const double r = d.between(-40, 40) / 8.0;
        return {"(x" + term(-r, "") + ")" + denominator, {{r, true}}, {}};
    }
    const double c = d.between(1, 40) / 4.0;
    return {"(x^2-" + number(c) + ")" + denominator, {{-std::sqrt(c)}, {std::sqrt(c)}}, {}};
}

// x^(a*n)+|r|^p: the engine reads the product a*n as the whole p, though a
// is not p/n exactly, and the root r below 0 is there.
DrawnFunction whole_power_as_product(Drawer& d)
{
    struct Product {
        const char* a;
        int n;
        int p;
    };
    static const std::vector<Product> products = {
        {"0.3", 10, 3},
        {"0.03", 100, 3},
        {"0.15", 20, 3},
        {"0.3333333333333333", 9, 3},
        {"0.05", 100, 5},
        {"0.8333333333333334", 6, 5},
        {"0.7142857142857143", 7, 5},
        {"0.7", 10, 7},
        {"0.35", 20, 7},
        {"0.5833333333333334", 12, 7},
    };
    const Product& w = d.one_of(products);
    EXPECT_EQ(std::strtod(w.a, nullptr) * w.n, w.p) << w.a;
    const double r = -d.one_of(std::vector{0.5, 1.0, 1.5, 2.0, 3.0});
    const std::string power = "x^(" + std::string(w.a) + "*" + std::to_string(w.n) + ")";
    if (d.between(0, 3) == 0) return {power + "-" + number(std::pow(-r, w.p)), {{-r, true}}, {}};
    return {power + "+" + number(std::pow(-r, w.p)), {{r, true}}, {}};
}

// x^q-c with c^(1/q) between 0 and the smallest double, which stands for
// it: the root is shown at 0, within the tolerance's floor.
DrawnFunction root_below_smallest_double(Drawer& d)
{
    const char* q = d.one_of(std::vector<const char*>{"0.5", "0.25", "0.125"});
    return {std::string("x^") + q + "-1e-" + std::to_string(d.between(165, 300)),
            {{std::numeric_limits<double>::denorm_min()}},
            {}};
}

// The largest i below the grid's last whose point lies below x (at or
// below where at_or_below), -1 where none.
int last_point_below(double lower, double upper, double x, bool at_or_below)
{
    int low = -1;
    int high = root_grid_intervals;
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        const double point = root_grid_point(lower, upper, middle);
        ((at_or_below ? point <= x : point < x) ? low : high) = middle;
    }
    return low;
}

// The grid cells (i: between points i and i+1) that x - reach to
// x + reach meets inside them; none for an exact root on a grid point.
std::pair<int, int> cells_near(double lower, double upper, double x, double reach)
{
    if (x + reach <= lower || x - reach >= upper) return {0, -1};
    return {std::max(last_point_below(lower, upper, x - reach, true), 0),
            last_point_below(lower, upper, x + reach, false)};
}

double tolerance(double root)
{
    return 1e-9 * std::abs(root) + 1e-300;
}

// Searches lower><upper (typed backwards where asked) and judges what is shown.
void check(const DrawnFunction& f, double lower, double upper, bool backwards, int& shown)
{
    char where[320];
    std::snprintf(where, sizeof where, "%s on %.17g><%.17g", f.expression.c_str(), backwards ? upper : lower,
                  backwards ? lower : upper);
    double root = 0.0;
    const RootSearch outcome =
        backwards ? search_expression_root(upper, lower, root) : search_expression_root(lower, upper, root);
    // Where each sign change may lie among the grid's cells: a root or a
    // pole known only to the doubles' precision may lie in either cell
    // next to a grid point.
    std::vector<std::pair<int, int>> cells;
    for (const Spot& r : f.roots) cells.push_back(cells_near(lower, upper, r.x, r.exact ? 0.0 : tolerance(r.x)));
    for (const double pole : f.poles) cells.push_back(cells_near(lower, upper, pole, tolerance(pole)));
    bool held = false;          // a root clearly inside
    bool may_hold = false;      // one inside, or within reach of an end
    bool lone_in_cell = false;  // a root alone in its grid cell, or exact on a grid point
    for (std::size_t i = 0; i < f.roots.size(); ++i) {
        const Spot& r = f.roots[i];
        const double reach = r.exact ? 0.0 : tolerance(r.x);
        if (r.x < lower - reach || r.x > upper + reach) continue;
        may_hold = true;
        if (r.x < lower + reach || r.x > upper - reach) continue;
        held = true;
        const int first = cells[i].first;
        const int last = cells[i].second;
        const bool alone = first == last && std::count_if(cells.begin(), cells.end(), [&](const auto& c) {
                                                return c.first <= first && first <= c.second;
                                            }) == 1;
        lone_in_cell = lone_in_cell || (first > last ? r.exact : alone);
    }
    if (outcome == RootSearch::found) {
        ++shown;
        EXPECT_TRUE(lower <= root && root <= upper) << root << " outside, " << where;
        EXPECT_TRUE(may_hold) << root << " shown where there is none, " << where;
        EXPECT_TRUE(std::any_of(f.roots.begin(), f.roots.end(),
                                [&](const Spot& r) { return std::abs(root - r.x) <= tolerance(r.x); }))
            << root << " is no root, " << where;
    } else {
        EXPECT_FALSE(held && lone_in_cell) << "no root shown, " << where;
    }
}

struct Family {
    const char* name;
    DrawnFunction (*draw)(Drawer&);
};

void PrintTo(const Family& family, std::ostream* out)
{
    *out << family.name;
}

class RootSearchLaw : public testing::TestWithParam<Family> {};

TEST_P(RootSearchLaw, RootsShownExactlyWhereTheIntervalHoldsThem)
{
    const Draws n = draws();
    SCOPED_TRACE("seed " + std::to_string(n.seed));
    Drawer d(n.seed);
    int shown = 0;
    for (int k = 0; k < n.count; ++k) {
        const DrawnFunction f = GetParam().draw(d);
        ASSERT_EQ(prepare_expression(f.expression), Preparation::ready) << f.expression;
        const bool at_pole = f.near.empty() && !f.poles.empty() && d.between(0, 4) == 0;
        std::vector<double> spots = f.near;
        if (spots.empty())
            for (const Spot& r : f.roots) spots.push_back(r.x);
        const double spot = at_pole ? d.one_of(f.poles) : d.one_of(spots);
        const double width = std::pow(10.0, -12.0 + 15.0 * d.unit());
        double lower = spot - width * d.unit();
        double upper = lower + width;
        switch (k % 4) {
        case 0:
            lower = spot - width / 2.0;
            upper = spot + width / 2.0;
            break;
        case 1:
            lower = d.between(0, 1) == 0 ? spot : spot - width;
            upper = lower == spot ? spot + width : spot;
            break;
        case 2: {
            const double apart = width * std::pow(10.0, -9.0 * d.unit());
            lower = d.between(0, 1) == 0 ? spot + apart : spot - apart - width;
            upper = lower + width;
            break;
        }
        default: break;
        }
        check(f, lower, upper, d.between(0, 3) == 0, shown);
    }
    // The draws reach the roots often enough to judge what is shown.
    EXPECT_GT(shown, n.count / 5);
}

INSTANTIATE_TEST_SUITE_P(
    Families, RootSearchLaw,
    testing::Values(Family{"ExpandedPowers", expanded_power}, Family{"UnderflowingProducts", underflowing_product},
                    Family{"Compositions", composition}, Family{"RootsAPowerOfTwoApart", roots_a_power_of_two_apart},
                    Family{"SpanningSums", spanning_sum}, Family{"CancellingNearZero", cancelling_near_zero},
                    Family{"VanishingDenominators", vanishing_denominator},
                    Family{"WholePowersAsProducts", whole_power_as_product},
                    Family{"RootsBelowTheSmallestDouble", root_below_smallest_double}),
    [](const testing::TestParamInfo<Family>& info) { return std::string(info.param.name); });

}  // namespace
