#include "chemistry/alkane_vapour_pressure.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "chemistry/vapour_pressure_fits.h"

namespace {

// log10(P/torr) = a - b/(c + t/°C) of methane to octadecane (API Project
// 44, as Lange's Handbook gives them): each gives its normal boiling point
// within 0.1 °C but pentadecane's, 1.1 °C high. Each over the range where it
// gives 10 to 1500 torr, about the band the pages ask about.
constexpr std::array<AntoineFit, 18> alkanes{{
    {6.61184, 389.93, 266.0, -197.0, -153.0},
    {6.80266, 656.40, 256.0, -143.0, -75.0},
    {6.82973, 813.20, 248.0, -109.0, -25.0},
    {6.83029, 945.90, 240.0, -78.0, 19.0},
    {6.87632, 1075.78, 233.205, -50.0, 58.0},
    {6.87601, 1171.17, 224.41, -25.0, 92.0},
    {6.89677, 1264.90, 216.54, -2.0, 123.0},
    {6.91868, 1351.99, 209.15, 19.0, 152.0},
    {6.93893, 1431.82, 202.01, 39.0, 179.0},
    {6.94363, 1495.17, 193.86, 58.0, 203.0},
    {6.9722, 1569.57, 187.7, 75.0, 226.0},
    {6.98059, 1625.928, 180.311, 91.0, 247.0},
    {6.9887, 1677.43, 172.90, 107.0, 267.0},
    {7.0131, 1740.88, 167.72, 122.0, 286.0},
    {7.0137, 1789.95, 161.38, 136.0, 305.0},
    {7.0288, 1830.51, 154.45, 149.0, 321.0},
    {7.0143, 1865.1, 149.2, 161.0, 337.0},
    {7.0022, 1894.3, 143.3, 172.0, 352.0},
}};

// CxH2x+2: 14.027 g/mol a carbon and its two hydrogens, 2.016 the ends'.
constexpr double per_carbon = 14.027;
constexpr double ends = 2.016;

}  // namespace

double alkane_saturation_torr(double molar_mass, double celsius)
{
    const double carbons = (molar_mass - ends) / per_carbon;
    const std::size_t lower =
        std::clamp(static_cast<std::size_t>(std::max(carbons, 1.0)), std::size_t{1}, alkanes.size() - 1);
    const double share = carbons - static_cast<double>(lower);
    const double low = antoine_log10_torr(alkanes[lower - 1], celsius),
                 high = antoine_log10_torr(alkanes[lower], celsius);
    return std::pow(10.0, low + (high - low) * share);
}
