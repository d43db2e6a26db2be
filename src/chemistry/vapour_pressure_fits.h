// The one table of vapour pressures: per liquid a three-constant (Antoine)
// fit with its range and critical point, and for the liquids the book fits
// as P = P0 exp(-B/RT) that model's B, kept for the pages that name it.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "chemistry/compound_records.h"
#include "chemistry/water_saturation.h"

// log10(P/torr) = a - b / (c + t/°C), from `low` to `high` °C.
struct AntoineFit {
    double a;
    double b;
    double c;
    double low;
    double high;
};

// The fit's log10(P/torr) at `celsius`.
double antoine_log10_torr(const AntoineFit& fit, double celsius);

struct VapourPressureFit {
    CompoundKey compound;
    float b;                   // J/mol of P = P0 exp(-B/RT); 0 where the book gives no one-constant fit
    std::string_view boiling;  // normal boiling point, °C as written; blank where none is given
    AntoineFit antoine;
    double critical_kelvin;
    double critical_bar;
};
static_assert(!std::is_convertible_v<int, decltype(VapourPressureFit::compound)>);

// First the eight liquids that the vapour-pressure problems draw, in their
// order, then two more solvents; then the gases and liquids the pages put
// at a temperature and pressure. A compound has one row per range; its
// first row holds its one-constant fit and its normal boiling point, the
// one every page states (CRC Handbook, "Physical constants of organic
// compounds" and "of inorganic compounds"). Sulfuric acid decomposes as it
// boils: it has the one-constant fit only, and the CRC's 337 °C, the boiling
// point of its 98 % azeotrope.
//
// Sources: "Antoine" rows are the handbook's constants (torr, °C, over the
// range given); water's pressure is the IAPWS-IF97 saturation equation
// itself, so its row holds no Antoine constants; "LK"
// is fitted to the Lee-Kesler curve through the handbook critical point and
// normal boiling point (within 2 %); "points" passes through the three
// handbook points named. A liquid's fit is carried past the handbook's range
// to the temperatures the pages draw where it stays close to the DIPPR
// equation of Perry's Chemical Engineers' Handbook, or to the
// corresponding-states curve (Ambrose-Walton) through its critical point
// and normal boiling point: the line below reads a few degrees past a range
// up to 2 % lower. Critical points: CRC Handbook of Chemistry and
// Physics and Poling, Prausnitz and O'Connell, "The Properties of Gases and
// Liquids" (appendix A); water's, IAPWS.
inline constexpr double no_critical_point = std::numeric_limits<double>::infinity();
inline constexpr AntoineFit no_antoine{0.0, 0.0, 0.0, 0.0, -1.0};
inline constexpr std::array<VapourPressureFit, 54> vapour_pressure_fits = [] {
    using namespace compounds;
    return std::array<VapourPressureFit, 54>{{
        // Antoine, -20 to 101 °C, carried to 115 °C (DIPPR within 0.3 %); Tc 556.4 K.
        {carbon_tetrachloride, 32820.15f, " 76.7", {6.87926, 1212.021, 226.41, -20.0, 115.0}, 556.4, 45.6},
        // Antoine, -10 to 90 °C, carried to 112 °C (DIPPR within 0.2 %); Tc 536.4 K.
        {chloroform, 31416.14f, " 61.2", {6.95465, 1170.966, 226.232, -10.0, 112.0}, 536.4, 54.7},
        // Antoine, -13 to 55 °C, carried to 85 °C (DIPPR within 0.8 %); Tc 508.1 K.
        {acetone, 31990.23f, " 56.1", {7.02447, 1161.0, 224.0, -13.0, 85.0}, 508.1, 47.0},
        // Antoine, -61 to 20 °C, carried to 55 °C (DIPPR within 0.9 %, the
        // corresponding-states curve within 0.2 %); Tc 466.7 K.
        {diethyl_ether, 28621.70f, " 34.5", {6.92032, 1064.07, 228.8, -61.0, 55.0}, 466.7, 36.4},
        // Antoine, -57 to 80 °C; Tc 513.9 K.
        {ethanol, 42327.16f, " 78.3", {8.20417, 1642.89, 230.3, -57.0, 80.0}, 513.9, 61.5},
        {liquid_water, 43086.10f, "100.0", no_antoine, water_critical_kelvin, water_critical_mpa * 10.0},
        {sulfuric_acid, 75655.20f, "  337", no_antoine, no_critical_point, no_critical_point},
        // Antoine, 29.8 to 126.5 °C; Tc 591.9 K.
        {acetic_acid, 40700.35f, "117.9", {7.38782, 1533.313, 222.309, 29.8, 126.5}, 591.9, 57.9},
        // Antoine, 8 to 103 °C, carried to 120 °C (DIPPR within 0.2 %); Tc 562.0 K.
        {benzene, 34076.8f, " 80.1", {6.90565, 1211.033, 220.790, 8.0, 120.0}, 562.0, 48.9},
        // Antoine, 6 to 137 °C; Tc 591.8 K.
        {toluene, 35892.2f, "110.6", {6.95464, 1344.8, 219.482, 6.0, 137.0}, 591.8, 41.1},
        // Antoine, -7 to 59 °C, carried to 70 °C (corresponding states within
        // 0.4 %); Tc 588 K.
        {bromine, 0.0f, " 58.8", {6.87780, 1119.68, 221.38, -7.0, 70.0}, 588.0, 103.4},
        // Antoine, 2 to 114 °C, carried to 125 °C (corresponding states within
        // 0.3 %); Tc 653 K.
        {hydrazine, 0.0f, "113.6", {7.80687, 1680.745, 227.74, 2.0, 125.0}, 653.0, 147.0},
        // Antoine, -101 to -9 °C; Tc 416.9 K.
        {chlorine, 0.0f, "", {6.93790, 861.34, 246.33, -101.0, -9.0}, 416.9, 79.9},
        // Points: -10.0 °C 760 torr, 20 °C 3.30 bar, 30 °C 4.62 bar; Tc 430.8 K.
        {sulfur_dioxide, 0.0f, "", {7.42161, 1070.032, 245.649, -10.0, 142.0}, 430.8, 78.8},
        // Antoine (from bar and K), -34 to 98 °C; Tc 405.4 K.
        {ammonia, 0.0f, "", {7.74396, 1113.928, 262.741, -34.0, 98.0}, 405.4, 113.6},
        // Antoine for N2O4, -8 to 21 °C, NO2 condensing as it; Tc 431.4 K.
        {nitrogen_dioxide, 0.0f, "", {8.91018, 1798.54, 276.8, -8.0, 21.0}, 431.4, 101.0},
        // Antoine, 17 to 45 °C; above, to 100 °C and on to 150 °C, fitted to the
        // DIPPR equation of Perry's Chemical Engineers' Handbook (within 0.2 %,
        // the last row through its neighbour's end), so that the line on to the
        // critical point keeps within 1.6 % of it (from 100 °C, 3.7 % under);
        // Tc 490.9 K.
        {sulfur_trioxide, 0.0f, "", {9.05085, 1735.31, 236.5, 17.0, 45.0}, 490.9, 82.1},
        {sulfur_trioxide, 0.0f, "", {6.71232, 684.424, 134.05, 45.0, 100.0}, 490.9, 82.1},
        {sulfur_trioxide, 0.0f, "", {6.62611, 653.858, 130.390, 100.0, 150.0}, 490.9, 82.1},
        // Points: 0 °C 364 torr, 19.5 °C 760 torr, Tc 461 K 64.8 bar.
        {hydrogen_fluoride, 0.0f, "", {8.69853, 2177.783, 354.836, 0.0, 188.0}, 461.0, 64.8},
        // Points: triple point 113.6 °C 90.5 torr, 184.4 °C 760 torr, Tc 819 K 116.5 bar.
        {iodine, 0.0f, "", {7.25583, 1776.121, 221.569, 113.6, 546.0}, 819.0, 116.5},
        // LK from the triple point (5.18 atm at -56.6 °C); Tc 304.13 K 73.8 bar.
        {carbon_dioxide, 0.0f, "", {7.5908, 870.50, 274.26, -56.6, 31.0}, 304.13, 73.8},
        // Hydrogen chloride: the DIPPR equation of Perry's Chemical Engineers'
        // Handbook (table 2-8) in two ranges, within 0.6 % and 0.3 % of it
        // (46.6 atm at 25 °C); Tc 324.7 K.
        {hydrogen_chloride, 0.0f, "", {7.1935, 763.59, 262.20, -88.0, 0.0}, 324.7, 83.1},
        {hydrogen_chloride, 0.0f, "", {8.2781, 1397.77, 349.90, 0.0, 51.5}, 324.7, 83.1},
        // LK for the rest.
        {xenon, 0.0f, "", {7.0174, 702.33, 278.09, -108.1, 16.6}, 289.73, 58.4},
        {krypton, 0.0f, "", {6.9925, 509.44, 277.40, -153.3, -63.8}, 209.4, 55.0},
        {ethane, 0.0f, "", {7.0555, 753.36, 269.21, -88.5, 32.2}, 305.3, 48.7},
        {methane, 0.0f, "", {6.9421, 469.04, 277.08, -161.4, -82.6}, 190.6, 46.0},
        {phosphorus_trifluoride, 0.0f, "", {7.1286, 685.98, 263.41, -101.7, -2.0}, 271.2, 43.3},
        {nitrous_oxide, 0.0f, "", {7.2679, 755.21, 260.78, -88.4, 36.5}, 309.6, 72.4},
        {ethylene, 0.0f, "", {7.0551, 694.16, 270.23, -103.7, 9.2}, 282.3, 50.4},
        {phosgene, 0.0f, "", {7.2256, 1132.84, 253.16, 7.9, 181.9}, 455.0, 56.7},
        {hydrogen_iodide, 0.0f, "", {7.1839, 1010.57, 270.68, -35.5, 150.9}, 424.0, 83.1},
        {nitrogen, 0.0f, "", {6.8707, 317.85, 275.55, -195.8, -147.0}, 126.2, 33.9},
        {oxygen, 0.0f, "", {6.9845, 378.25, 275.23, -182.9, -118.6}, 154.6, 50.4},
        {argon, 0.0f, "", {6.9488, 369.52, 276.80, -185.8, -122.5}, 150.7, 48.6},
        {fluorine, 0.0f, "", {7.0258, 353.01, 273.41, -188.1, -128.8}, 144.4, 52.2},
        {carbon_monoxide, 0.0f, "", {6.8946, 334.11, 274.88, -191.5, -140.3}, 132.9, 35.0},
        {nitric_oxide, 0.0f, "", {7.8049, 502.32, 253.86, -151.7, -93.2}, 180.0, 64.8},
        {hydrogen_sulfide, 0.0f, "", {7.2812, 892.73, 262.65, -59.5, 99.9}, 373.1, 89.6},
        {propane, 0.0f, "", {7.0738, 928.93, 263.83, -42.0, 96.6}, 369.8, 42.5},
        // NIST Chemistry WebBook (from bar and K): carbon disulfide 4 to 80 °C,
        // Tc 552 K; cyclohexane 20 to 82 °C, Tc 553.6 K; pentane -4 to 68 °C,
        // Tc 469.7 K; mercury, within 0.2 % of the CRC table from 300 to
        // 356.7 °C, Tc 1750 K. Antoine for aniline, 102 to 185 °C; Tc 699 K.
        // Cyclohexane carried to 95 °C, aniline to 200 °C (corresponding states
        // within 0.3 %).
        {carbon_disulfide, 0.0f, " 46.2", {6.94193, 1168.623, 241.534, 4.0, 80.0}, 552.0, 79.0},
        {cyclohexane, 0.0f, " 80.7", {6.84498, 1203.526, 222.863, 20.0, 95.0}, 553.6, 40.7},
        {pentane, 0.0f, " 36.0", {6.86430, 1070.617, 232.696, -4.0, 68.0}, 469.7, 33.7},
        {mercury, 0.0f, "356.7", {7.73277, 3007.129, 263.149, 250.0, 400.0}, 1750.0, 1720.0},
        {aniline, 0.0f, "184.2", {7.32010, 1731.515, 206.049, 102.0, 200.0}, 699.0, 53.1},
        // Antoine (Lange's Handbook): methanol 15 to 84 °C, Tc 512.6 K; butane
        // -77 to 19 °C, Tc 425.1 K.
        {methanol, 0.0f, "", {8.08097, 1582.271, 239.726, 15.0, 84.0}, 512.6, 80.9},
        {butane, 0.0f, "", {6.80896, 935.86, 238.73, -77.0, 19.0}, 425.1, 38.0},
        // Above their handbook ranges, to the temperatures the pages draw, within
        // 0.02 % of: ethanol 80 to 120 °C, the Wagner equation of Poling,
        // Prausnitz and O'Connell, "The Properties of Gases and Liquids", through
        // Ambrose and Sprake's measurements (1693 torr at 100 °C; the DIPPR
        // equation's 1684 is 0.6 % low); acetic acid 126.5 to 180 °C, the DIPPR
        // equation of Perry's Chemical Engineers' Handbook, and on to 260 °C
        // within 0.2 % of it (through the first row's end), so that the line on
        // to the critical point keeps within 1.6 % of it (from 180 °C, 3.9 %
        // over).
        {ethanol, 0.0f, "", {7.83429, 1427.729, 210.0, 80.0, 120.0}, 513.9, 61.5},
        {acetic_acid, 0.0f, "", {7.59614, 1669.880, 236.139, 126.5, 180.0}, 591.9, 57.9},
        {acetic_acid, 0.0f, "", {8.14311, 2164.368, 294.667, 180.0, 260.0}, 591.9, 57.9},
        // He, Ne and H2 are gases at every temperature a page draws.
        {helium, 0.0f, "", no_antoine, 5.2, 2.27},
        {neon, 0.0f, "", no_antoine, 44.4, 27.6},
        {hydrogen, 0.0f, "", no_antoine, 33.2, 13.0},
    }};
}();

// The fit of a compound: one missing is an error when a table naming it
// is compiled.
consteval const VapourPressureFit& vapour_pressure_fit(std::int32_t compound)
{
    for (const VapourPressureFit& fit : vapour_pressure_fits)
        if (fit.compound == compound) return fit;
    throw "no vapour-pressure fit for this compound";
}

// A liquid's normal boiling point, °C as written in its first row; blank
// where the table states none.
constexpr std::string_view normal_boiling_point(std::int32_t compound)
{
    for (const VapourPressureFit& fit : vapour_pressure_fits)
        if (fit.compound == compound) return fit.boiling;
    return "";
}

// Whether the compound has a vapour-pressure curve (water's equation or an
// Antoine fit): a table of liquids whose pressures the pages print asserts
// it of each.
constexpr bool has_vapour_fit(std::int32_t compound)
{
    if (compound == compounds::liquid_water) return true;
    for (const VapourPressureFit& fit : vapour_pressure_fits)
        if (fit.compound == compound && fit.antoine.low <= fit.antoine.high) return true;
    return false;
}

// The vapour pressure in torr at `kelvin`: water's by its equation, any
// other's by its Antoine fit (of the row whose range holds it, else the
// nearest), and past the end of its last range by the straight line in
// ln P against 1/T from there to the critical point; infinite at or above
// the critical point, NaN for a compound without a fit.
double antoine_vapour_pressure_torr(std::int32_t compound, double kelvin);

// A saturation pressure in torr, and the share of it by which it may run
// above the true curve: none on a fit, more on the line past the last one.
struct SaturationTorr {
    double torr;
    double may_run_high;
};

// The same reading as the pressure above, with its share.
SaturationTorr saturation_torr(std::int32_t compound, double kelvin);

// The reading at `kelvin` on the line from the end of this row's range, the
// last of its compound's, to its critical point.
SaturationTorr critical_line_torr(const VapourPressureFit& last, double kelvin);

// The temperature in kelvin where the compound's vapour pressure is `torr`,
// by the same curve; NaN without a fit or at or above the critical pressure.
double antoine_boiling_kelvin(std::int32_t compound, double torr);

// The same, in single precision, for the liquid of a row.
float vapour_pressure_torr(const VapourPressureFit& fit, float kelvin);

// Water's.
float water_vapour_pressure(float kelvin);
