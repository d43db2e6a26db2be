#include <gtest/gtest.h>

#include <cmath>

#include "chemistry/phase_limits.h"
#include "chemistry/vapour_pressure_fits.h"

namespace {

// Handbook vapour pressures, none of them a point a fit was drawn through
// but the boiling points: water from IAPWS-IF97, the rest from the
// handbook's tables.
TEST(PhaseLimits, SaturationPressuresAtHandbookPoints)
{
    struct Case {
        std::int32_t compound;
        double kelvin;
        double atm;
        double relative;  // tolerance
    };
    constexpr Case cases[] = {
        {11, 298.15, 23.76 / 760, 0.003}, {11, 362.15, 506.7 / 760, 0.003}, {11, 333.15, 149.6 / 760, 0.003},
        {11, 423.15, 4.70, 0.02},         {301, 293.15, 75.2 / 760, 0.01},  {301, 353.25, 1.0, 0.003},
        {302, 293.15, 21.9 / 760, 0.01},  {302, 383.75, 1.0, 0.003},        {373, 298.15, 196.5 / 760, 0.01},
        {373, 334.3, 1.0, 0.005},         {374, 293.15, 91.0 / 760, 0.01},  {374, 349.85, 1.0, 0.003},
        {27, 273.15, 1.53, 0.03},         {12, 298.15, 9.90, 0.03},         {12, 273.15, 4.24, 0.03},
        {4, 298.15, 7.67, 0.03},          {5, 298.15, 0.283, 0.03},         {234, 298.15, 14.4 / 760, 0.03},
        {234, 349.0, 0.25, 0.05},         {24, 273.15, 34.4, 0.03},         {24, 293.15, 56.5, 0.03},
        {92, 298.15, 45.8, 0.04},         {48, 293.15, 49.8, 0.03},         {91, 298.15, 917.0 / 760, 0.03},
        {26, 294.3, 1.0, 0.03},           {304, 293.15, 37.1, 0.03},        {236, 298.15, 23.76 / 760, 0.003},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(saturation_pressure_atm(c.compound, c.kelvin) / c.atm, 1.0, c.relative)
            << c.compound << " at " << c.kelvin << " K";
}

// Every fit boils at about 1 atm at the table's boiling point, and no gas
// stays liquid at or above its critical temperature.
TEST(PhaseLimits, FitsAgreeWithBoilingAndCriticalPoints)
{
    for (const VapourPressureFit& fit : vapour_pressure_fits) {
        EXPECT_TRUE(has_phase_points(fit.compound)) << fit.compound;
        EXPECT_TRUE(std::isinf(saturation_pressure_atm(fit.compound, fit.critical_kelvin))) << fit.compound;
        const double boiling = boiling_point_kelvin(fit.compound);
        if (fit.antoine.low > fit.antoine.high || boiling >= fit.critical_kelvin || fit.compound == 24) continue;
        EXPECT_NEAR(saturation_pressure_atm(fit.compound, boiling), 1.0, 0.03) << fit.compound;
    }
    EXPECT_TRUE(std::isnan(saturation_pressure_atm(75, 300.0)));
    EXPECT_TRUE(std::isnan(saturation_pressure_atm(9999, 300.0)));
}

// The guard on the pages' own examples, and the states it reads.
TEST(PhaseLimits, CondensingGasesAndStates)
{
    struct Condensing {
        std::int32_t compound;
        double kelvin;
        double atm;
        bool condenses;
    };
    constexpr Condensing gases[] = {
        {27, 273.0, 5.9e3 / 760, true}, {27, 273.0, 1.0, false},  {234, 349.0, 0.959, true}, {234, 349.0, 0.2, false},
        {4, 349.0, 0.959, false},       {1, 300.0, 500.0, false}, {11, 373.15, 1.1, true},   {11, 373.15, 0.9, false},
        {26, 298.15, 30.0, true},       {88, 330.0, 1e-6, true},  {9999, 300.0, 1e-6, true}, {472, 300.0, 1.0, false},
    };
    for (const Condensing& g : gases)
        EXPECT_EQ(gas_condenses(g.compound, g.kelvin, g.atm), g.condenses) << g.compound << " at " << g.kelvin;

    struct State {
        std::int32_t compound;
        double kelvin;
        double atm;
        char state;
    };
    constexpr State states[] = {
        {467, 700.0, 1.0, 'l'}, {467, 600.0, 1.0, 's'}, {7, 320.0, 1.0, 'l'},   {7, 310.0, 1.0, 's'},
        {88, 316.0, 1.0, 'l'},  {88, 310.0, 1.0, 's'},  {11, 298.15, 1.0, 'l'}, {11, 298.15, 0.02, 'g'},
        {11, 263.0, 1.0, 's'},  {28, 300.0, 1.0, 'l'},  {24, 298.15, 1.0, 'g'}, {236, 298.15, 1.0, 'l'},
    };
    for (const State& s : states)
        EXPECT_EQ(state_at(s.compound, s.kelvin, s.atm), s.state) << s.compound << " at " << s.kelvin;
    EXPECT_DOUBLE_EQ(melting_point_kelvin(467), 692.68);
    EXPECT_TRUE(std::isnan(boiling_point_kelvin(9999)));
}

}  // namespace
