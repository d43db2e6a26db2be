// The pressure units pages convert between, from the atmosphere's
// definition: 101325 Pa and 760 torr. Each float is the double of its
// name rounded once.
#pragma once

// The atmosphere in pascals, kilopascals and megapascals.
inline constexpr double pascals_per_atmosphere = 101325.0;
inline constexpr float pascals_per_atmosphere_f = 101325.0f;
inline constexpr float kilopascals_per_atmosphere_f = 101.325f;
inline constexpr float megapascals_per_atmosphere_f = 0.101325f;
static_assert(kilopascals_per_atmosphere_f == static_cast<float>(pascals_per_atmosphere / 1000.0));
static_assert(megapascals_per_atmosphere_f == static_cast<float>(pascals_per_atmosphere / 1e6));

// The atmosphere in torr.
inline constexpr double torr_per_atmosphere = 760.0;
inline constexpr float torr_per_atmosphere_f = 760.0f;

// The torr in pascals.
inline constexpr double pascals_per_torr = pascals_per_atmosphere / torr_per_atmosphere;
inline constexpr float pascals_per_torr_f = 133.32237f;
static_assert(pascals_per_torr_f == static_cast<float>(pascals_per_torr));

// The bar in torr, for fits and tables given in bar.
inline constexpr double torr_per_bar = 1e5 / pascals_per_torr;

// Their reciprocals, the floats nearest: atm per torr and per kPa.
inline constexpr float atm_per_torr_f = 0.0013157895f;
static_assert(atm_per_torr_f == static_cast<float>(1.0 / torr_per_atmosphere));
inline constexpr float atm_per_kilopascal_f = 0.009869233f;
static_assert(atm_per_kilopascal_f == static_cast<float>(1000.0 / pascals_per_atmosphere));
