// Problem 4's isotope pairs: each isotope's abundance, atom per cent, and
// mass, u, keyed "Re 185".
#pragma once

#include "table_registry.h"

namespace table_checks {

Column isotope_abundance_column();
Rows isotope_abundance_rows();

Column isotope_mass_column();
Rows isotope_mass_rows();

// Each pair's abundances add up to 100 and its mean mass lies near the
// element's atomic weight.
Judgement isotope_pair_judgement();

}  // namespace table_checks
