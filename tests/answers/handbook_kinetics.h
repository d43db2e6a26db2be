// The kinetics problems' measured data: half-lives of the isotopes, keyed
// "@u14@C", in the row's unit, and activation energies, kJ/mol, keyed by
// the reaction as written.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "chapters/final_problems/final_problems_problems.h"
#include "table_registry.h"

namespace table_checks {

Column half_life_column();
Rows half_life_rows();
// The final problems' long-lived isotopes, years.
Rows long_lived_half_life_rows();

Column activation_energy_column();
Rows activation_energy_rows();
// The final problems' bimolecular reactions: their energies against the
// column above where it holds the reaction, and their rate constants
// against measured ones or their reverse's by detailed balance.
Judged bimolecular_energies();
std::vector<std::string> bimolecular_faults(std::int32_t& judged);
// A row's constants at 350-900 K against its reaction's evaluation (JPL,
// Baulch, Atkins), where one is held.
std::vector<std::string> evaluation_faults(const final_problems::Bimolecular& row, std::int32_t& judged);

// Problem 36's rate law of 2HI against Bodenstein's rate constants.
std::vector<std::string> hydrogen_iodide_faults(std::int32_t& judged);

}  // namespace table_checks
