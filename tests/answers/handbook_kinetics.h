// The kinetics problems' measured data: half-lives of the isotopes, keyed
// "@u14@C", in the row's unit, and activation energies, kJ/mol, keyed by
// the reaction as written.
#pragma once

#include "table_registry.h"

namespace table_checks {

Column half_life_column();
Rows half_life_rows();
// The final problems' long-lived isotopes, years.
Rows long_lived_half_life_rows();

Column activation_energy_column();
Rows activation_energy_rows();

}  // namespace table_checks
