// Standard reaction enthalpy, entropy, free energy and equilibrium constant
// from the formation data of the compound table.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Returned as equilibrium_constant when -dG/RT reaches 70.
inline constexpr float constant_overflow = -1.0f;

struct ReactionThermo {
    float dH = 0.0f;                    // kJ per mole of reaction as written
    float dS = 0.0f;                    // J/K
    float dG = 0.0f;                    // kJ
    float equilibrium_constant = 0.0f;  // K, or constant_overflow
};

// For the EquationText `equation` at t degrees Celsius: every species is
// looked up by exact formula (so "H@d2@O" is liquid water unless
// water_state is 2, which takes the vapour values), the formation data are
// summed with the coefficients (products minus reactants) and corrected
// from 25 C with the heat capacities. Single precision throughout. A blank
// heat capacity counts 0. Value slot 20 is overwritten. Empty when the
// equation does not parse or a species has no record with thermodynamic
// data.
std::optional<ReactionThermo> compute_reaction_thermo(std::string_view equation, std::int32_t water_state, float t);
