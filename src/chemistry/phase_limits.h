// The shared guard of the generators: whether a gas drawn at a temperature
// and partial pressure can exist, and the state of a substance there, from
// the one table of vapour fits and the melting and boiling points below.
#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

#include "chemistry/compound_records.h"
#include "chemistry/vapour_pressure_fits.h"
#include "numbers/thermal_constants.h"

struct PhasePoints {
    CompoundKey compound;
    double melting_kelvin;  // at 1 atm
    double boiling_kelvin;  // normal; where it sublimes, that point; NaN where it decomposes first
};
static_assert(!std::is_convertible_v<int, decltype(PhasePoints::compound)>);

inline constexpr double decomposes = std::numeric_limits<double>::quiet_NaN();

// Handbook melting and normal boiling points. Nitrogen dioxide's are those
// of the dinitrogen tetroxide it condenses as. Aluminium chloride's melting
// point is under its own vapour (it sublimes first at 1 atm), as is
// tetraphosphorus decaoxide's.
inline constexpr std::array<PhasePoints, 70> phase_points = [] {
    using namespace compounds;
    return std::array<PhasePoints, 70>{{
        {nitrogen, 63.15, 77.35},
        {oxygen, 54.36, 90.19},
        {fluorine, 53.48, 85.03},
        {chlorine, 171.6, 239.11},
        {bromine, 265.9, 332.0},
        {iodine, 386.85, 457.55},
        {white_phosphorus, 317.3, 553.7},
        {hydrogen, 13.99, 20.27},
        {liquid_water, celsius_zero, 373.15},
        {ammonia, 195.42, 239.82},
        {phosphorus_trifluoride, 121.8, 171.4},
        {carbon_monoxide, 68.13, 81.63},
        {carbon_dioxide, 216.58, 194.65},
        {nitric_oxide, 109.5, 121.4},
        {nitrogen_dioxide, 261.9, 294.3},
        {sulfur_dioxide, 197.7, 263.13},
        {sulfur_trioxide, 289.9, 317.9},
        {nitrous_oxide, 182.33, 184.67},
        {sulfuric_acid, 283.46, decomposes},
        {phosphoric_acid, 315.5, decomposes},
        {hydrogen_fluoride, 189.6, 292.67},
        {hydrogen_chloride, 158.97, 188.1},
        {hydrogen_iodide, 222.38, 237.6},
        {hydrogen_sulfide, 187.68, 213.6},
        {hydrazine, 275.15, 386.65},
        {benzene, 278.68, 353.25},
        {toluene, 178.18, 383.75},
        {methane, 90.69, 111.65},
        {ethane, 90.35, 184.55},
        {propane, 85.5, 231.05},
        {ethanol, 159.0, 351.44},
        {acetic_acid, 289.8, 391.1},
        {acetone, 178.5, 329.2},
        {chloroform, 209.6, 334.3},
        {carbon_tetrachloride, 250.2, 349.85},
        {diethyl_ether, 156.85, 307.75},
        {ethylene, 104.0, 169.4},
        {helium, 0.95, 4.22},
        {neon, 24.56, 27.07},
        {argon, 83.8, 87.3},
        {xenon, 161.4, 165.05},
        {krypton, 115.78, 119.8},
        {zinc, 692.68, 1180.0},
        {phosgene, 145.4, 281.0},
        {nitrosyl_bromide, 217.0, 287.6},
        {water_vapour, celsius_zero, 373.15},
        {methanol, 175.6, 337.8},
        {cyclohexane, 279.62, 353.87},
        {aniline, 267.0, 457.25},
        {mercury, 234.32, 629.88},
        {carbon_disulfide, 161.58, 319.37},
        {pentane, 143.45, 309.21},
        {butane, 134.9, 272.65},
        {hydrogen_peroxide, 272.72, 423.35},
        {phosphorus_decaoxide, 835.0, 633.0},
        {zinc_oxide, 2247.0, decomposes},
        {barium_oxide, 2246.0, 2273.0},
        {aluminium_oxide, 2345.0, 3250.0},
        {iron_iii_oxide, 1812.0, decomposes},
        {lead_monoxide, 1161.0, 1743.0},
        {sodium_hydroxide, 596.0, 1661.0},
        {potassium_chloride, 1044.0, 1693.0},
        {barium_chloride, 1235.0, 1833.0},
        {aluminium_chloride, 465.7, 453.0},
        {lead_sulfide, 1391.0, 1554.0},
        {zinc_sulfide, 1973.0, 1458.0},
        {potassium_chlorate, 629.0, decomposes},
        {sodium, 370.94, 1156.09},
        {iron, 1811.0, 3134.0},
        {propene, 87.9, 225.45},
    }};
}();

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
// pressure less the share by which that may run high (past the end of its
// fit's range), never above its critical temperature. A compound without a
// vapour fit (white phosphorus, zinc, nitrosyl bromide) condenses below its
// normal boiling point, which holds near 1 atm only, and always where it
// decomposes before boiling; one in neither table always condenses, so that
// a gas without phase data is never drawn unguarded. Lists of gases fixed
// when compiled assert has_phase_points of each.
bool gas_condenses(std::int32_t compound, double kelvin, double partial_atm);

// Whether its liquid boils at this pressure: at or below its saturation
// pressure as read, without the gas's share (past a fit's range the line runs
// at most 2 % under the true curve); by the same points where it has no fit.
bool liquid_boils(std::int32_t compound, double kelvin, double atm);

// The same for the gas of a formula as a reaction writes it, by its first
// compound record; a formula the compound table lacks always condenses.
bool gas_of_formula_condenses(std::string_view formula, double kelvin, double partial_atm);

// NaN where the table has no row.
double melting_point_kelvin(std::int32_t compound);
double boiling_point_kelvin(std::int32_t compound);

// 's', 'l' or 'g' at this temperature and pressure: a gas where its liquid
// boils, else solid below its melting point and liquid above it.
char state_at(std::int32_t compound, double kelvin, double atm);
