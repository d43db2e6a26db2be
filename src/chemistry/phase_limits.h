// The shared guard of the generators: whether a gas drawn at a temperature
// and partial pressure can exist, and the state of a substance there, from
// the one table of vapour fits and the melting and boiling points below.
#pragma once

#include <array>
#include <cstdint>
#include <limits>

#include "chemistry/vapour_pressure_fits.h"

struct PhasePoints {
    std::int32_t compound;
    double melting_kelvin;  // at 1 atm
    double boiling_kelvin;  // normal; where it sublimes, that point; NaN where it decomposes first
};

inline constexpr double decomposes = std::numeric_limits<double>::quiet_NaN();

// Handbook melting and normal boiling points. Nitrogen dioxide's are those
// of the dinitrogen tetroxide it condenses as. Aluminium chloride's melting
// point is under its own vapour (it sublimes first at 1 atm), as is
// tetraphosphorus decaoxide's.
inline constexpr std::array<PhasePoints, 70> phase_points{{
    {1, 63.15, 77.35},         {2, 54.36, 90.19},        {3, 53.48, 85.03},
    {4, 171.6, 239.11},        {5, 265.9, 332.0},        {6, 386.85, 457.55},
    {7, 317.3, 553.7},         {8, 13.99, 20.27},        {11, 273.15, 373.15},
    {12, 195.42, 239.82},      {15, 121.8, 171.4},       {23, 68.13, 81.63},
    {24, 216.58, 194.65},      {25, 109.5, 121.4},       {26, 261.9, 294.3},
    {27, 197.7, 263.13},       {28, 289.9, 317.9},       {48, 182.33, 184.67},
    {75, 283.46, decomposes},  {88, 315.5, decomposes},  {91, 189.6, 292.67},
    {92, 158.97, 188.1},       {94, 222.38, 237.6},      {95, 187.68, 213.6},
    {234, 275.15, 386.65},     {301, 278.68, 353.25},    {302, 178.18, 383.75},
    {303, 90.69, 111.65},      {304, 90.35, 184.55},     {305, 85.5, 231.05},
    {312, 159.0, 351.44},      {332, 289.8, 391.1},      {361, 178.5, 329.2},
    {373, 209.6, 334.3},       {374, 250.2, 349.85},     {401, 156.85, 307.75},
    {421, 104.0, 169.4},       {457, 0.95, 4.22},        {458, 24.56, 27.07},
    {459, 83.8, 87.3},         {462, 161.4, 165.05},     {466, 115.78, 119.8},
    {467, 692.68, 1180.0},     {471, 145.4, 281.0},      {472, 217.0, 287.6},
    {236, 273.15, 373.15},     {311, 175.6, 337.8},      {309, 279.62, 353.87},
    {382, 267.0, 457.25},      {455, 234.32, 629.88},    {carbon_disulfide, 161.58, 319.37},
    {pentane, 143.45, 309.21}, {306, 134.9, 272.65},     {13, 272.72, 423.35},
    {33, 835.0, 633.0},        {36, 2247.0, decomposes}, {38, 2246.0, 2273.0},
    {39, 2345.0, 3250.0},      {40, 1812.0, decomposes}, {43, 1161.0, 1743.0},
    {53, 596.0, 1661.0},       {102, 1044.0, 1693.0},    {104, 1235.0, 1833.0},
    {113, 465.7, 453.0},       {135, 1391.0, 1554.0},    {140, 1973.0, 1458.0},
    {260, 629.0, decomposes},  {452, 370.94, 1156.09},   {461, 1811.0, 3134.0},
    {423, 87.9, 225.45},
}};

// Whether the table above holds the compound: a table of gases the pages
// draw asserts it of each (static_assert), so none passes unchecked.
constexpr bool has_phase_points(std::int32_t compound)
{
    for (const PhasePoints& p : phase_points)
        if (p.compound == compound) return true;
    return false;
}

// The compound's saturation pressure in atm at `kelvin`: +infinity at or
// above its critical temperature, NaN where the vapour table has no fit.
double saturation_pressure_atm(std::int32_t compound, double kelvin);

// Whether a gas at this partial pressure condenses: above its saturation
// pressure, never above its critical temperature. A compound without a
// vapour fit (white phosphorus, zinc, nitrosyl bromide) condenses below its
// normal boiling point, which holds near 1 atm only, and always where it
// decomposes before boiling; one in neither table always condenses.
bool gas_condenses(std::int32_t compound, double kelvin, double partial_atm);

// NaN where the table has no row.
double melting_point_kelvin(std::int32_t compound);
double boiling_point_kelvin(std::int32_t compound);

// 's', 'l' or 'g' at this temperature and pressure: a gas where it does not
// condense, else solid below its melting point and liquid above it.
char state_at(std::int32_t compound, double kelvin, double atm);
