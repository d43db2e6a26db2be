// The program's vapour pressures past the end of each fit's range, on its
// line to the critical point, judged against the handbook's wide-range fits.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chemistry/compound_records.h"
#include "chemistry/vapour_pressure_fits.h"
#include "handbook.h"

namespace conditions {

namespace {

// Where a reading past the end of the row's range and below its critical
// point leaves the wide-range fit's curve, "" where it never does: the gas
// guard's ceiling (the reading less the share by which it may run high)
// stays under the curve within the curve's own 1 % (against the measured
// tables), so that no gas is drawn where it condenses; and the reading itself
// keeps within 2 % under the curve, where a liquid is read as boiling.
std::string where_the_line_leaves_the_curve(const VapourPressureFit& row, auto reading)
{
    const std::string formula(row.compound.formula());
    for (double kelvin = row.antoine.high + 273.65; kelvin < row.critical_kelvin; kelvin += 0.5) {
        const double curve = wide_range_atm(formula, kelvin) * 760.0;
        if (std::isnan(curve)) break;
        const SaturationTorr read = reading(kelvin);
        if ((1.0 - read.may_run_high) * read.torr > 1.01 * curve || read.torr < 0.98 * curve)
            return formula + " at " + std::to_string(kelvin) + " K: " + std::to_string(read.torr) + " torr, less " +
                   std::to_string(read.may_run_high) + ", against " + std::to_string(curve);
    }
    return "";
}

TEST(VapourLine, StaysWithTheWideRangeCurvesToTheCriticalPoint)
{
    // From the end of each row of the eleven liquids the handbook has
    // curves for: on a later row's fit, then on the line.
    int judged = 0;
    for (const VapourPressureFit& fit : vapour_pressure_fits) {
        if (std::isnan(wide_range_atm(std::string(fit.compound.formula()), fit.antoine.high + 273.65))) continue;
        ++judged;
        EXPECT_EQ(
            where_the_line_leaves_the_curve(fit, [&](double kelvin) { return saturation_torr(fit.compound, kelvin); }),
            "");
    }
    EXPECT_EQ(judged, 15);

    // Chlorine's critical point mistyped: its temperature's digits swapped,
    // its pressure's.
    VapourPressureFit hot = vapour_pressure_fit(compounds::chlorine), dense = hot;
    hot.critical_kelvin = 461.9;
    dense.critical_bar = 97.9;
    for (const VapourPressureFit& wrong : {hot, dense})
        EXPECT_NE(
            where_the_line_leaves_the_curve(wrong, [&](double kelvin) { return critical_line_torr(wrong, kelvin); }),
            "")
            << wrong.critical_kelvin << " K, " << wrong.critical_bar << " bar";
}

}  // namespace

}  // namespace conditions
