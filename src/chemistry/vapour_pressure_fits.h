// Liquids whose vapour pressure the book fits as P = P0 exp(-B/RT).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct VapourPressureFit {
    std::int32_t compound;
    float p0;                  // Pa
    float b;                   // J/mol
    std::string_view boiling;  // normal boiling point, °C as written; blank where none is given
};

// First the eight liquids that the vapour-pressure problems draw, in their
// order, then two more solvents.
inline constexpr std::array<VapourPressureFit, 10> vapour_pressure_fits{{
    {374, 8.06e9f, 32820.15f, " 76.7"},
    {373, 8.18e9f, 31416.14f, " 61.3"},
    {361, 1.19e10f, 31990.23f, " 56.5"},
    {401, 7.31e9f, 28621.70f, " 34.6"},
    {312, 1.97e11f, 42327.16f, " 78.4"},
    {11, 1.09e11f, 43086.10f, "100.0"},
    {75, 3.61e11f, 75655.20f, "330.0"},
    {332, 2.75e10f, 40700.35f, "118.1"},
    {301, 1.109e10f, 34076.8f, ""},
    {302, 7.788e9f, 35892.2f, ""},
}};

// The fit of a compound: one missing is an error when a table naming it
// is compiled.
consteval const VapourPressureFit& vapour_pressure_fit(std::int32_t compound)
{
    for (const VapourPressureFit& fit : vapour_pressure_fits)
        if (fit.compound == compound) return fit;
    throw "no vapour-pressure fit for this compound";
}

// The vapour pressure in torr at `kelvin`.
float vapour_pressure_torr(const VapourPressureFit& fit, float kelvin);

// Water's, 760 torr at 100 °C.
float water_vapour_pressure(float kelvin);
