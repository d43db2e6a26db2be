// Problem 9.4's solvents: normal boiling points, °C, keyed by the formula.
#pragma once

#include "table_registry.h"

namespace table_checks {

Column solvent_boiling_column();
Rows solvent_boiling_rows();

}  // namespace table_checks
