#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "chemistry/equilibrium_extent.h"

namespace {

double log_quotient(const SpeciesValues& nu, const SpeciesValues& c0, double x)
{
    double q = 0.0;
    for (int j = 0; j < 6; ++j) {
        if (nu[j] <= 0.0f) continue;
        const double c = j < 3 ? c0[j] - nu[j] * x : c0[j] + nu[j] * x;
        q += (j < 3 ? -1.0 : 1.0) * nu[j] * std::log(c);
    }
    return q;
}

// ln Q grows with the extent, so bisection between the extents at which a
// reactant or a product runs out finds the one equilibrium.
double bisect_extent(const SpeciesValues& nu, const SpeciesValues& c0, double K)
{
    double low = -1e300, high = 1e300;
    for (int j = 0; j < 6; ++j) {
        if (nu[j] <= 0.0f) continue;
        if (j < 3)
            high = std::min(high, c0[j] / double(nu[j]));
        else
            low = std::max(low, -c0[j] / double(nu[j]));
    }
    for (int i = 0; i < 400; ++i) {
        const double mid = 0.5 * (low + high);
        if (mid == low || mid == high) break;
        (log_quotient(nu, c0, mid) < std::log(K) ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

// A small deterministic generator for the test systems.
struct Lcg {
    std::uint64_t s;
    double next()
    {
        s = s * 6364136223846793005ULL + 1442695040888963407ULL;
        return double(s >> 11) / double(1ULL << 53);
    }
};

void expect_equilibrium(const SpeciesValues& nu, const SpeciesValues& c0, float K)
{
    SpeciesValues c{};
    ASSERT_EQ(solve_equilibrium_extent(nu, c0, c, K), ExtentOutcome::accepted);
    const double x = bisect_extent(nu, c0, K);
    for (int j = 0; j < 6; ++j) {
        if (nu[j] <= 0.0f) continue;
        const double want = j < 3 ? c0[j] - nu[j] * x : c0[j] + nu[j] * x;
        EXPECT_NEAR(c[j], want, 1e-4 * want + 1e-6 * std::abs(c0[j])) << "species " << j << " K " << K;
        EXPECT_GT(c[j], 0.0f);
    }
}

TEST(EquilibriumExtent, SymmetricReactionMeetsHalfway)
{
    SpeciesValues c{};
    ASSERT_EQ(solve_equilibrium_extent({1, 0, 0, 1, 0, 0}, {1, 0, 0, 0, 0, 0}, c, 1.0f), ExtentOutcome::accepted);
    EXPECT_NEAR(c[0], 0.5f, 1e-5f);
    EXPECT_NEAR(c[3], 0.5f, 1e-5f);
}

TEST(EquilibriumExtent, RunsBackwardsWhenProductsAreInExcess)
{
    const SpeciesValues nu{1, 1, 0, 2, 0, 0};
    const SpeciesValues c0{0.1f, 0.1f, 0, 2.0f, 0, 0};
    SpeciesValues c{};
    ASSERT_EQ(solve_equilibrium_extent(nu, c0, c, 10.0f), ExtentOutcome::accepted);
    EXPECT_GT(c[0], c0[0]);
    EXPECT_LT(c[3], c0[3]);
    expect_equilibrium(nu, c0, 10.0f);
}

TEST(EquilibriumExtent, AbsentSpeciesKeepTheCallersValuesAndInputsStay)
{
    const SpeciesValues nu{2, 0, 0, 1, 0, 3};
    const SpeciesValues c0{1.0f, 0.7f, 0.8f, 0.0f, 0.9f, 0.0f};
    const SpeciesValues nu_before = nu, c0_before = c0;
    SpeciesValues c{-7, -8, -9, -10, -11, -12};
    ASSERT_EQ(solve_equilibrium_extent(nu, c0, c, 0.5f), ExtentOutcome::accepted);
    EXPECT_EQ(c[1], -8.0f);
    EXPECT_EQ(c[2], -9.0f);
    EXPECT_EQ(c[4], -11.0f);
    EXPECT_EQ(nu, nu_before);
    EXPECT_EQ(c0, c0_before);
    expect_equilibrium(nu, c0, 0.5f);
}

TEST(EquilibriumExtent, AgreesWithBisectionOnRandomSystems)
{
    Lcg rng{20240611};
    for (int system = 0; system < 40; ++system) {
        SpeciesValues nu{}, c0{};
        const int reactants = 1 + int(rng.next() * 3);
        const int products = 1 + int(rng.next() * 3);
        for (int j = 0; j < reactants; ++j) {
            nu[j] = float(1 + int(rng.next() * 3));
            c0[j] = float(0.01 + rng.next() * 2.0);
        }
        for (int j = 3; j < 3 + products; ++j) {
            nu[j] = float(1 + int(rng.next() * 3));
            c0[j] = rng.next() < 0.5 ? 0.0f : float(rng.next() * 1.5);
        }
        const float K = float(std::pow(10.0, -4.0 + 8.0 * rng.next()));
        SCOPED_TRACE(system);
        expect_equilibrium(nu, c0, K);
    }
}

TEST(EquilibriumExtent, ExtremeConstantsStillConverge)
{
    const SpeciesValues nu{1, 1, 0, 1, 0, 0};
    const SpeciesValues c0{0.5f, 1.0f, 0, 0.2f, 0, 0};
    for (const float K : {1e-12f, 1e-8f, 1e8f, 1e12f}) expect_equilibrium(nu, c0, K);
    expect_equilibrium({1, 0, 0, 2, 0, 0}, {1e-3f, 0, 0, 0, 0, 0}, 1e-10f);
}

TEST(EquilibriumExtent, NoPositiveSolutionIsAnExplicitFailure)
{
    // Neither direction can start: a reactant and a product are both absent.
    const SpeciesValues nu{1, 1, 0, 1, 0, 0};
    SpeciesValues c{3, 3, 3, 3, 3, 3};
    EXPECT_EQ(solve_equilibrium_extent(nu, {1.0f, 0.0f, 0, 0.0f, 0, 0}, c, 2.0f), ExtentOutcome::no_valid_extent);
    EXPECT_EQ(c, (SpeciesValues{3, 3, 3, 3, 3, 3}));

    // A success before does not leak into a later failure.
    ASSERT_EQ(solve_equilibrium_extent(nu, {1, 1, 0, 0, 0, 0}, c, 2.0f), ExtentOutcome::accepted);
    const SpeciesValues kept = c;
    EXPECT_EQ(solve_equilibrium_extent(nu, {1.0f, 0.0f, 0, 0.0f, 0, 0}, c, 2.0f), ExtentOutcome::no_valid_extent);
    EXPECT_EQ(c, kept);

    EXPECT_EQ(solve_equilibrium_extent(nu, {1, 1, 0, 0, 0, 0}, c, 0.0f), ExtentOutcome::no_valid_extent);
}

}  // namespace
