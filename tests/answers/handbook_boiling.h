// The solvents' figures the book states: normal boiling points, °C, keyed
// by the compound's formula (one row a liquid, the vapour table's), the
// solubility pages' densities at 20 °C and freezing points.
#pragma once

#include "table_registry.h"

namespace table_checks {

Column normal_boiling_column();
Rows normal_boiling_rows();
Column solvent_density_column();
Rows solvent_density_rows();
Column freezing_point_column();
Rows freezing_point_rows();

}  // namespace table_checks
