// The Celsius offset, 25 °C in kelvin, the calorie and the gas constant,
// once for the whole program, and the conversion from degrees Celsius to
// kelvin. Each comes in the precision its users compute in (a page's
// digits depend on it, so a float sum stays a float sum), and the gas
// constant also in every form that pages print and compute with: cut and
// rounded to four digits, in other units, and in products.
#pragma once

#include <string_view>

#include "numbers/pressure_units.h"

// Whether `value` is `exact` written to the digit of `unit`: within half a
// unit of it.
constexpr bool within_half_unit(double value, double exact, double unit)
{
    return value - exact <= 0.5 * unit && exact - value <= 0.5 * unit;
}

// 0 °C in kelvin.
inline constexpr double celsius_zero = 273.15;
inline constexpr float celsius_zero_f = 273.15f;

// 25 °C in kelvin, where the thermodynamic tables stand.
inline constexpr double standard_kelvin = 298.15;
inline constexpr float standard_kelvin_f = 298.15f;
static_assert(standard_kelvin == celsius_zero + 25.0);

// 1 / 298.15 K, and 1 / (1/298.15 K - 1/373.15 K): the slope B of
// ln S = ln A - B/T through values at 25 and 100 °C is ln(S100/S25) times
// the latter.
inline constexpr float reciprocal_standard_kelvin_f = 0.0033540164f;
static_assert(reciprocal_standard_kelvin_f == static_cast<float>(1.0 / standard_kelvin));
inline constexpr float van_t_hoff_span_25_100_f = 1483.3956f;
static_assert(within_half_unit(van_t_hoff_span_25_100_f, 1.0 / (1.0 / standard_kelvin - 1.0 / (celsius_zero + 100.0)),
                               1e-4));

// The thermochemical calorie in joules, exact by definition, and its
// reciprocals: calories per joule, and per kilojoule.
inline constexpr double calorie_joules = 4.184;
inline constexpr float calorie_joules_f = 4.184f;
inline constexpr float kilocalorie_joules_f = 1000.0f * calorie_joules_f;
inline constexpr float calories_per_joule_f = 0.23900573f;
inline constexpr float calories_per_kilojoule_f = 239.00574f;
static_assert(static_cast<float>(calorie_joules) == calorie_joules_f);
static_assert(kilocalorie_joules_f == 4184.0f);
static_assert(calories_per_joule_f == static_cast<float>(1.0 / calorie_joules));
static_assert(calories_per_kilojoule_f == static_cast<float>(1000.0 / calorie_joules));

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

// The gas constant in the other units and products that pages compute
// with, each as written where it was first used (so that no page moves),
// and each tied to R above within half a unit of its last digit unless said
// otherwise.

// R in kJ/(mol K).
inline constexpr double gas_constant_kilojoule = 0.008314;
inline constexpr float gas_constant_kilojoule_f = 0.008314f;
static_assert(gas_constant_kilojoule == gas_constant_joule / 1000.0);
static_assert(gas_constant_kilojoule_f == gas_constant_joule_f / 1000.0f);

// 1000 / R, in K mol/kJ: kJ/mol over it gives kelvin. Cut, not rounded, to
// five decimals (120.2790474...).
inline constexpr double per_gas_constant_kilojoule = 120.27904;
inline constexpr float per_gas_constant_kilojoule_f = 120.27904f;
static_assert(1000.0 / gas_constant_joule - per_gas_constant_kilojoule >= 0.0 &&
              1000.0 / gas_constant_joule - per_gas_constant_kilojoule < 1e-5);
static_assert(static_cast<float>(per_gas_constant_kilojoule) == per_gas_constant_kilojoule_f);

// RT at 25 °C in kJ/mol.
inline constexpr float rt_at_25_kilojoule_f = 2.4788191f;
static_assert(rt_at_25_kilojoule_f == static_cast<float>(gas_constant_joule * standard_kelvin / 1000.0));

// R in L torr/(mol K), 760 torr to the atm: from R above, and from its four
// digits rounded (0.08206).
inline constexpr float gas_constant_litre_torr_f = 62.36332f;
static_assert(gas_constant_litre_torr_f == gas_constant_litre_atm_f * torr_per_atmosphere_f);
inline constexpr double gas_constant_litre_torr_rounded = 62.3656;
static_assert(within_half_unit(gas_constant_litre_torr_rounded, gas_constant_litre_atm_rounded_f* torr_per_atmosphere,
                               1e-4));
static_assert(within_half_unit(gas_constant_litre_atm_rounded_f, gas_constant_litre_atm, 1e-5));

// The molar volume of a gas at 1 atm in L/mol, at 0 °C and at 25 °C: the
// float products of R and the temperature.
inline constexpr float molar_volume_at_0_celsius_f = 22.413868f;
static_assert(molar_volume_at_0_celsius_f == gas_constant_litre_atm_f * celsius_zero_f);
inline constexpr float molar_volume_at_25_celsius_f = 24.465294f;
static_assert(molar_volume_at_25_celsius_f == gas_constant_litre_atm_f * standard_kelvin_f);
// The first to three digits, and the moles in a litre at 0 °C and 1 atm.
inline constexpr float molar_volume_short_f = 22.4f;
static_assert(within_half_unit(molar_volume_short_f, molar_volume_at_0_celsius_f, 0.1));
inline constexpr float per_molar_volume_short_f = 0.0446428582f;
static_assert(per_molar_volume_short_f == 1.0f / molar_volume_short_f);

// 2RT in L atm/mol with R cut to four digits and T = 298 K, not 298.15 K:
// the pressure of each of two gases whose concentrations a page draws at
// 25 °C. Its pages were drawn with this product, so it stays as it is.
inline constexpr float twice_rt_at_298_kelvin_cut_f = 48.9018f;
static_assert(within_half_unit(twice_rt_at_298_kelvin_cut_f, 2.0 * gas_constant_litre_atm_cut * 298.0, 1e-4));

// R to two digits, 0.082 L atm/(mol K), and that times 760 torr/atm, as the
// gas-law exercises compute.
inline constexpr float gas_constant_litre_atm_short_f = 0.082f;
static_assert(within_half_unit(gas_constant_litre_atm_short_f, gas_constant_litre_atm, 1e-3));
inline constexpr float gas_constant_litre_torr_short_f = 62.32f;
static_assert(within_half_unit(gas_constant_litre_torr_short_f, gas_constant_litre_atm_short_f* torr_per_atmosphere,
                               1e-2));

// The gas constant with all its digits, as the calculator's named
// constants offer it: the SI's exact R, Avogadro's times Boltzmann's
// constant, and that over 101.325 J/(L atm).
inline constexpr std::string_view gas_constant_joule_text = "8.31446261815324";
inline constexpr std::string_view gas_constant_litre_atm_text = "0.0820573660809596";

// Single precision, as the pages that take a temperature in °C compute.
constexpr float kelvin(float celsius)
{
    return celsius + celsius_zero_f;
}
