// The Faraday constant and the Nernst slope at 25 °C, once for the whole
// program, in every form that pages compute with: each float is the
// double of its name rounded once, or is tied to it within half a unit of
// its last written digit where it was written out first (so that no page
// moved when it came here).
#pragma once

#include <numbers>

#include "numbers/thermal_constants.h"

// The Faraday constant in C/mol.
inline constexpr double faraday = 96485.0;

// 1/F in mol/C and 3600/F in mol/(A h): the moles of electrons a coulomb
// and an ampere-hour carry.
inline constexpr float moles_per_coulomb_f = 1.0364305e-5f;
static_assert(moles_per_coulomb_f == static_cast<float>(1.0 / faraday));
inline constexpr float moles_per_ampere_hour_f = 0.03731150f;
static_assert(within_half_unit(moles_per_ampere_hour_f, 3600.0 / faraday, 1e-8));

// 2F in C/mol and in kJ/(mol V), and 1000/(2F) in V mol/kJ (cut, not
// rounded: 0.00518215266...): a reaction of two electrons turns a standard
// potential into a free energy and back.
inline constexpr float two_faraday_f = 192970.0f;
static_assert(two_faraday_f == static_cast<float>(2.0 * faraday));
inline constexpr float two_faraday_kilojoules_f = 192.97f;
static_assert(two_faraday_kilojoules_f == static_cast<float>(2.0 * faraday / 1000.0));
inline constexpr double volts_per_kilojoule = 0.0051821526;
inline constexpr float volts_per_kilojoule_f = 0.0051821526f;
static_assert(1000.0 / (2.0 * faraday) - volts_per_kilojoule >= 0.0 &&
              1000.0 / (2.0 * faraday) - volts_per_kilojoule < 1e-10);
static_assert(volts_per_kilojoule_f == static_cast<float>(volts_per_kilojoule));

// The Nernst slope RT ln 10 / F at 25 °C in volts, to the four decimals
// the book writes (25 °C taken as exact), its inverse, twice its inverse
// (cut, not rounded: 33.7837837...) and its half.
inline constexpr double nernst_slope = 0.0592;
inline constexpr float nernst_slope_f = 0.0592f;
static_assert(nernst_slope_f == static_cast<float>(nernst_slope));
static_assert(within_half_unit(nernst_slope, gas_constant_joule* standard_kelvin* std::numbers::ln10 / faraday, 1e-4));
inline constexpr float inverse_nernst_slope_f = 16.891891f;
static_assert(inverse_nernst_slope_f == static_cast<float>(1.0 / nernst_slope));
inline constexpr double twice_inverse_nernst_slope = 33.783783;
inline constexpr float twice_inverse_nernst_slope_f = 33.783783f;
static_assert(2.0 / nernst_slope - twice_inverse_nernst_slope >= 0.0 &&
              2.0 / nernst_slope - twice_inverse_nernst_slope < 1e-6);
static_assert(twice_inverse_nernst_slope_f == static_cast<float>(2.0 / nernst_slope));
inline constexpr float half_nernst_slope_f = 0.0296f;
static_assert(half_nernst_slope_f == static_cast<float>(nernst_slope / 2.0));
