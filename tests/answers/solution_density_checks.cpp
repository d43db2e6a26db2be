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

using table_checks::text_of;

// Water at 20 °C, 0.99821 g/mL (CRC Handbook), as (d - 1)·10^4.
constexpr double water_excess = -17.9;

// A row's fault against its own trend, "" where it holds: from water at 0 %
// through 10, 20 and 30 % the density rises, and its slope changes by a
// steady factor. Neighbouring slopes' ratios part by no more than 0.1: every
// handbook row's part by 0.05 at most (NaOH's 0.996 and 0.984, formic
// acid's 1.013 and 0.967), where a slip of 0.003 g/mL at 20 % parts them
// by 0.1 already.
std::string trend_fault(const std::string& formula, const std::array<std::int32_t, 3>& excess)
{
    const std::array<double, 3> slopes = {excess[0] - water_excess, static_cast<double>(excess[1] - excess[0]),
                                          static_cast<double>(excess[2] - excess[1])};
    const bool rises = slopes[0] > 0.0 && slopes[1] > 0.0 && slopes[2] > 0.0;
    if (rises && std::abs(slopes[2] / slopes[1] - slopes[1] / slopes[0]) <= 0.1) return "";
    return formula + ": slopes " + text_of(slopes[0]) + ", " + text_of(slopes[1]) + ", " + text_of(slopes[2]) +
           " per 10 % from water";
}

// The solutes judged by their trend alone (see the handbook column).
bool without_handbook_row(const std::string& key)
{
    return key.starts_with("K@d2@CrO@d4@ ") || key.starts_with("Cu(NO@d3@)@d2@ ");
}

TEST(SolutionDensityChecks, EveryRowHoldsTheHandbook)
{
    const table_checks::Column& column = table_checks::solution_density_column();
    int judged = 0, alone = 0;
    for (const auto& [key, text] : table_checks::solution_density_rows()) {
        if (without_handbook_row(key)) {
            ++alone;
            continue;
        }
        ++judged;
        EXPECT_EQ(table_checks::fault_of(column, key, text), "");
    }
    std::printf("%s, %s: %d rows judged, %d by their rise alone\n", column.table, column.name, judged, alone);
    EXPECT_EQ(judged + alone, 3 * static_cast<int>(solutions::density_rows.size()));
    // HCl's 20 % row as it once stood.
    EXPECT_EQ(table_checks::fault_of(column, "HCl 20 %", "920"),
              "solution densities (d - 1)·10^4 at 20 °C HCl 20 %: 920, handbook 980");
}

TEST(SolutionDensityChecks, EveryRowRisesSmoothlyWithConcentration)
{
    for (const solutions::DensityRow& row : solutions::density_rows)
        EXPECT_EQ(trend_fault(compound_formula(row.compound), row.excess), "");
    // Slips of each row's trend as they once stood.
    EXPECT_EQ(trend_fault("HCl", {494, 920, 1492}), "HCl: slopes 511.9, 426, 572 per 10 % from water");
    EXPECT_EQ(trend_fault("NaNO@d3@", {819, 1429, 2256}), "NaNO@d3@: slopes 836.9, 610, 827 per 10 % from water");
    EXPECT_EQ(trend_fault("FeCl@d3@", {853, 1816, 2416}), "FeCl@d3@: slopes 870.9, 963, 600 per 10 % from water");

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
