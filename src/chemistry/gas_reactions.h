// The eight gas-phase equilibria that the equilibrium problems of several
// chapters pick from.
#pragma once

#include <cstdint>
#include <string>

inline constexpr std::int32_t gas_reaction_count = 8;
// Each equation stands at the start of a field of this many characters.
inline constexpr std::int32_t gas_reaction_field = 50;

// Writes the eight EquationText bodies (without the 10-character prefix)
// into text at characters 1, 51, ..., 351, each followed by blanks up to
// the next one, and blanks from the end of the eighth to the end of text.
// text keeps its length, but is first widened with blanks to hold all
// eight fields when it is shorter than that.
void load_gas_reactions(std::string& text);
