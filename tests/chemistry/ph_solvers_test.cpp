#include <gtest/gtest.h>

#include <cmath>

#include "chemistry/ph_solvers.h"

namespace {

constexpr double Kw = 1e-14;

double ph(std::optional<float> h)
{
    EXPECT_TRUE(h.has_value());
    return h ? -std::log10(*h) : 0.0;
}

// Started near a root, from hundredths of a pH unit to pH units away on
// either side, a solve finds the very root (or none) the whole scan finds.
template <class Solve>
void expect_same_from_near(const Solve& solve)
{
    const std::optional<float> scanned = solve(std::nullopt);
    for (const float near : {1e-13f, 1e-7f, 1e-3f, 0.5f})
        EXPECT_EQ(solve(scanned ? *scanned * near / 1e-3f : near), scanned) << near;
}

// Closed forms that neglect only what the cases make negligible.
double weak_acid_h(double c, double ka)
{
    return (-ka + std::sqrt(ka * ka + 4 * ka * c)) / 2;
}

struct MixtureCase {
    const char* what;
    float ca, cb, ka, kb;
    double expected_ph;
};

TEST(PhMixture, MatchesClosedForms)
{
    const double oh_ammonia = weak_acid_h(0.05, 1.8e-5);  // the base quadratic has the same form
    const MixtureCase cases[] = {
        {"acetic acid", 0.1f, 0, 1.8e-5f, 0, -std::log10(weak_acid_h(0.1, 1.8e-5))},
        {"dilute weak acid", 1e-3f, 0, 1e-4f, 0, -std::log10(weak_acid_h(1e-3, 1e-4))},
        {"ammonia", 0, 0.05f, 0, 1.8e-5f, 14 + std::log10(oh_ammonia)},
        {"strong acid", 0.01f, 0, 1e4f, 0, 2.0},
        {"strong base", 0, 0.001f, 0, 1e4f, 11.0},
        {"acetate buffer", 0.1f, 0.2f, 1.8e-5f, Kw / 1.8e-5, -std::log10(1.8e-5) + std::log10(2.0)},
        {"pure water", 0, 0, 1e4f, 1e4f, 7.0},
    };
    for (const MixtureCase& c : cases) {
        EXPECT_NEAR(ph(solve_ph_mixture(c.ca, c.cb, c.ka, c.kb)), c.expected_ph, 1e-4) << c.what;
        expect_same_from_near(
            [&c](std::optional<float> near) { return solve_ph_mixture(c.ca, c.cb, c.ka, c.kb, near); });
    }
    EXPECT_NEAR(*solve_ph_mixture(0.1f, 0, 1.8e-5f, 0), 1.33e-3, 0.005e-3);
}

TEST(PhMixture, ExactBalanceWithoutNeglectOverTheWholeScale)
{
    // h such that the balance vanishes, rebuilt for a spread of strong-acid
    // concentrations: h = c + Kw/h.
    for (double c = 0.9; c > 1e-6; c /= 3.7) {
        const double h = (c + std::sqrt(c * c + 4 * Kw)) / 2;
        EXPECT_NEAR(ph(solve_ph_mixture(float(c), 0, 1e10f, 0)), -std::log10(h), 1e-4) << c;
        expect_same_from_near([c](std::optional<float> near) { return solve_ph_mixture(float(c), 0, 1e10f, 0, near); });
    }
}

TEST(PhMixture, NoRootOnTheScaleIsAnExplicitFailure)
{
    EXPECT_EQ(solve_ph_mixture(10.0f, 0, 1e4f, 0), std::nullopt);  // below pH 0.01
    EXPECT_EQ(solve_ph_mixture(0, 10.0f, 0, 1e4f), std::nullopt);  // above pH 14
    EXPECT_EQ(solve_ph_mixture(0, 10.0f, 0, 1e4f, 1e-7f), std::nullopt);
}

TEST(PhSolubility, MatchesTheBalance)
{
    // n = 1: h^2 - Kw = c.
    for (const float c : {1e-3f, 2.5e-6f, 1e-9f}) {
        EXPECT_NEAR(ph(solve_ph_solubility(1, c)), -0.5 * std::log10(c + Kw), 1e-4) << c;
        expect_same_from_near([c](std::optional<float> near) { return solve_ph_solubility(3, c, near); });
    }
    // n = 2 with Kw negligible: h^3 = 2c; n = 3: h^4 = 3c.
    EXPECT_NEAR(ph(solve_ph_solubility(2, 5.5e-6f)), -std::log10(std::cbrt(2 * 5.5e-6)), 1e-4);
    EXPECT_NEAR(ph(solve_ph_solubility(3, 1e-5f)), -0.25 * std::log10(3e-5), 1e-4);
    EXPECT_EQ(solve_ph_solubility(1, 100.0f), std::nullopt);
}

TEST(PhSolubility, QuarticMatchesItsFactoredForm)
{
    const struct {
        float ksp, kb;
    } cases[] = {{4.5e-9f, 2.1e-4f}, {8.7e-9f, 2.1e-4f}, {1e-10f, 2.1e-4f}, {1e-6f, 1e-3f}};
    for (const auto& c : cases) {
        const double kb = c.kb, ksp = c.ksp;
        auto f = [&](double log_h) {
            const double h = std::pow(10.0, log_h);
            return (h + kb) * (h * h - Kw) * (h * h - Kw) - ksp * kb * kb * h;
        };
        // Negative at h = 1e-7, positive at the top of the scale, rising in
        // between: bisection on log h.
        double lo = -7.0, hi = -0.01;
        for (int i = 0; i < 200; ++i) {
            const double mid = (lo + hi) / 2;
            (f(mid) < 0 ? lo : hi) = mid;
        }
        EXPECT_NEAR(-ph(solve_ph_solubility_quartic(c.ksp, c.kb)), lo, 1e-4) << c.ksp;
        // From a root near it, not past the second change below pH 7.
        const std::optional<float> scanned = solve_ph_solubility_quartic(c.ksp, c.kb);
        for (const float near : {0.9f, 1.1f, 10.0f})
            EXPECT_EQ(solve_ph_solubility_quartic(c.ksp, c.kb, *scanned * near), scanned) << c.ksp;
    }
}

}  // namespace
