// Problem 4.33's ionic crystals of a cubic cell: formula units per cell and
// density, g/cm³, keyed by the formula.
#pragma once

#include "table_registry.h"

namespace table_checks {

Column crystal_units_column();
Rows crystal_units_rows();

Column crystal_density_column();
Rows crystal_density_rows();

}  // namespace table_checks
