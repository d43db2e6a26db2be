// Problem 4's isotope pairs: each isotope's abundance, atom per cent, and
// mass, u, keyed "Re 185".
#pragma once

#include "judged_rows.h"

namespace table_checks {

Column isotope_abundance_column();
WrittenRows isotope_abundance_rows();

Column isotope_mass_column();
WrittenRows isotope_mass_rows();

}  // namespace table_checks
