// Heats of combustion of real compounds of carbon, hydrogen and oxygen.
#pragma once

#include <string>

#include "table_judge.h"

namespace conditions {

// A heat of combustion (kJ/mol, positive) of a CcHhOo formula per mole of
// the c + h/4 - o/2 of O2 it consumes, carried to liquid water where the
// page forms it as a gas, and whether that lies within the handbook's
// compounds' span widened by 1 %, the spread of a handbook's heats.
double heat_per_oxygen(const std::string& formula_markup, double heat, bool water_as_gas);
bool within_real_heats(double per_oxygen);

// Standard enthalpies of combustion at 25 °C to CO2 and liquid water
// (kJ/mol, negative), keyed by the formula as the program writes it.
table_checks::Column combustion_enthalpies();

}  // namespace conditions
