// The Celsius offset and the gas constant, once for the whole program, and
// the conversion from degrees Celsius to kelvin. Each comes in the precision
// its users compute in (a page's digits depend on it, so a float sum stays a
// float sum), and the gas constant also in the two four-digit forms that
// pages print and compute with.
#pragma once

#include <string_view>

// 0 °C in kelvin.
inline constexpr double celsius_zero = 273.15;
inline constexpr float celsius_zero_f = 273.15f;

// 25 °C in kelvin, where the thermodynamic tables stand.
inline constexpr double standard_kelvin = 298.15;
inline constexpr float standard_kelvin_f = 298.15f;
static_assert(standard_kelvin == celsius_zero + 25.0);

// The gas constant in J/(mol K).
inline constexpr double gas_constant_joule = 8.314;
inline constexpr float gas_constant_joule_f = 8.314f;

// The gas constant in L atm/(mol K), and its four digits cut (0.08205) and
// rounded (0.08206).
inline constexpr double gas_constant_litre_atm = 0.082057;
inline constexpr float gas_constant_litre_atm_f = 0.082057f;
inline constexpr double gas_constant_litre_atm_cut = 0.08205;
inline constexpr float gas_constant_litre_atm_cut_f = 0.08205f;
inline constexpr float gas_constant_litre_atm_rounded_f = 0.08206f;

// Each float is the double of its name rounded once.
static_assert(static_cast<float>(celsius_zero) == celsius_zero_f);
static_assert(static_cast<float>(standard_kelvin) == standard_kelvin_f);
static_assert(static_cast<float>(gas_constant_joule) == gas_constant_joule_f);
static_assert(static_cast<float>(gas_constant_litre_atm) == gas_constant_litre_atm_f);
static_assert(static_cast<float>(gas_constant_litre_atm_cut) == gas_constant_litre_atm_cut_f);

// The gas constant with more digits, as the calculator's named constants
// offer it.
inline constexpr std::string_view gas_constant_joule_text = "8.31448";
inline constexpr std::string_view gas_constant_litre_atm_text = "0.082058";

// Single precision, as the pages that take a temperature in °C compute.
constexpr float kelvin(float celsius)
{
    return celsius + celsius_zero_f;
}
