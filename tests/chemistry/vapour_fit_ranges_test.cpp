#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "chemistry/compound_records.h"
#include "chemistry/vapour_pressure_fits.h"

namespace {

using namespace compounds;

// The temperatures the generators ask of the fits that they read past their
// ranges' ends (the extremes over versions 1 to 3000, recorded where the fits
// are read), and of hydrogen fluoride, asked nearest its range's start. Each
// reads its fit in range, past its end a curve whose boiling temperature is
// its inverse (judged against the handbook's wide-range fits with the answer
// tables), or past the critical point a gas that never condenses. Two asks
// fall outside: 4.8 to
// 4.12 draw whole kelvins from 273, 0.15 K below the 0 °C point where
// hydrogen fluoride's curve starts; 6.27 asks hydrogen chloride at 1 atm at
// crossover temperatures down to 49 K, below its normal boiling point, where
// any curve keeps it condensed.
TEST(VapourPressureFits, GeneratorsReadThemInRangeOrOnTheLineToTheCriticalPoint)
{
    struct Asked {
        CompoundKey compound;
        double coldest;
        double hottest;
    };
    constexpr Asked asked[] = {
        {ammonia, 273.0, 2425.4},  {bromine, 317.4, 1068.2},           {butane, 320.0, 500.0},
        {chlorine, 273.0, 1073.2}, {hydrogen_chloride, 273.0, 1619.8}, {hydrogen_fluoride, 273.15, 450.0},
        {methanol, 360.0, 500.0},  {nitrogen_dioxide, 303.2, 1689.7},  {sulfur_dioxide, 273.0, 2876.2},
    };
    for (const Asked& a : asked) {
        double start = INFINITY, end = -INFINITY, critical_kelvin = 0.0;
        for (const VapourPressureFit& fit : vapour_pressure_fits) {
            if (fit.compound != a.compound) continue;
            start = std::min(start, fit.antoine.low + 273.15);
            end = std::max(end, fit.antoine.high + 273.15);
            critical_kelvin = fit.critical_kelvin;
        }
        EXPECT_GE(a.coldest, start) << a.compound.formula();
        for (double kelvin = a.coldest; kelvin <= a.hottest; kelvin += 0.5) {
            const double torr = antoine_vapour_pressure_torr(a.compound, kelvin);
            if (kelvin >= critical_kelvin) {
                EXPECT_TRUE(std::isinf(torr)) << a.compound.formula() << " at " << kelvin;
            } else if (kelvin > end) {
                EXPECT_NEAR(antoine_boiling_kelvin(a.compound, torr), kelvin, 1e-6) << a.compound.formula();
            }
        }
    }
}

}  // namespace
