// Second virial coefficients of sources the program does not read: each of
// its measured rows judged against another compilation's points, each
// side's source named row by row.
#pragma once

#include "table_registry.h"

namespace table_checks {

// The rows of the named table of chemistry/gas_virial.cpp against the
// other sources' points, read through the gas's formula as reactions write
// it, within 3 % or 3 cm3/mol (where a row states a wider spread, why).
Judgement virial_judgement(const char* table);

}  // namespace table_checks
