// The physical constants the program shows and computes with, in SI units,
// once for the whole program (CODATA 2018): the SI's defining constants
// exact, the measured ones to the seven digits the constants panel shows,
// which a float still tells apart. Floats, as every page computes with them.
// A new constant goes in the header of its kind here (fundamental, thermal,
// pressure units, electrochemical, mathematical); the rest takes it by name.
#pragma once

#include <string_view>

#include "numbers/thermal_constants.h"

// Avogadro's and Boltzmann's constants also as texts, with all their
// digits, for the calculator's named constants.
inline constexpr std::string_view avogadro_number_text = "6.02214076e23";
inline constexpr std::string_view boltzmann_constant_text = "1.380649e-23";

inline constexpr float avogadro_number_f = 6.02214076e23f;      // 1/mol, exact
inline constexpr float boltzmann_constant_f = 1.380649e-23f;    // J/K, exact
inline constexpr float planck_constant_f = 6.62607015e-34f;     // J s, exact
inline constexpr float elementary_charge_f = 1.602176634e-19f;  // C, exact
inline constexpr float atomic_mass_unit_f = 1.660539e-27f;      // kg
inline constexpr float proton_mass_f = 1.672622e-27f;           // kg
inline constexpr float neutron_mass_f = 1.674927e-27f;          // kg
inline constexpr float electron_mass_f = 9.109384e-31f;         // kg
// 299 792 458 m/s, exact, to the seven digits shown: the float nearest the
// exact value, 299 792 448, would round to 2.997924e8.
inline constexpr float speed_of_light_f = 2.997925e8f;  // m/s

// The mass unit in grams, as pages that give masses in grams compute.
inline constexpr float atomic_mass_unit_grams_f = 1.660539e-24f;
static_assert(within_half_unit(atomic_mass_unit_grams_f, atomic_mass_unit_f * 1000.0, 1e-30));
