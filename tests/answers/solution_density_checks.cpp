// The density rows of chapter 5's weight-percent problems: each row against
// the handbook's densities at 20 °C, and each against its own rise with
// concentration, which catches a slip where no handbook row stands.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <string>

#include "chapters/solutions/solutions_tables.h"
#include "chemistry/table_fields.h"
#include "handbook_solution_densities.h"

namespace solution_density_checks {

namespace {

TEST(SolutionDensityChecks, ARowMadeWrongFailsTheHandbook)
{
    // HCl's 20 % row as it once stood.
    EXPECT_EQ(table_checks::fault_of(table_checks::solution_density_column(), "HCl 20 %", "920"),
              "solution densities (d - 1)·10^4 at 20 °C HCl 20 %: 920, handbook 980");
}

TEST(SolutionDensityChecks, TheTrendCatchesSlipsAndThePagesFollowTheRows)
{
    // Slips of each row's trend as they once stood.
    EXPECT_EQ(table_checks::density_trend_fault("HCl", {494, 920, 1492}),
              "HCl: slopes 511.9, 426, 572 per 10 % from water");
    EXPECT_EQ(table_checks::density_trend_fault("NaNO@d3@", {819, 1429, 2256}),
              "NaNO@d3@: slopes 836.9, 610, 827 per 10 % from water");
    EXPECT_EQ(table_checks::density_trend_fault("FeCl@d3@", {853, 1816, 2416}),
              "FeCl@d3@: slopes 870.9, 963, 600 per 10 % from water");

    // The pages' density runs through the rows, unbroken at 10 and 20 %
    // where one band of percents meets the next, and rises all the way.
    for (std::int32_t v = 1; v <= static_cast<std::int32_t>(solutions::density_rows.size()); ++v) {
        const auto& excess = solutions::density_rows[static_cast<std::size_t>(v - 1)].excess;
        float previous = 1.0f;
        for (std::int32_t band = 1; band <= 3; ++band) {
            const float top = 10.0f * static_cast<float>(band);
            EXPECT_NEAR(solutions::solution_density(v, band, top), 1.0 + excess[band - 1] * 1e-4, 1e-6) << v;
            for (float x = band == 1 ? 3.0f : top - 10.0f; x <= top; x += 0.5f) {
                const float d = solutions::solution_density(v, band, x);
                EXPECT_GE(d, previous) << v << " at " << x << " %";
                previous = d;
            }
        }
    }
}

}  // namespace

}  // namespace solution_density_checks
