// Formulas and oxidation numbers read as a student reads them, by the
// names the chapter's tests use.
#pragma once

#include <string>

#include "support/formula_reading.h"

using testing_support::oxidation_number;
using testing_support::read_formula;
using testing_support::ReadFormula;
