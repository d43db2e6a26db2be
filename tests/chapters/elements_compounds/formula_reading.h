// Oxidation numbers worked out from a formula as a student works them out.
#pragma once

#include <string>

#include "support/formula_reading.h"

using testing_support::read_formula;
using testing_support::ReadFormula;

// The oxidation number of `element` in the formula, from the usual numbers
// of the others: H +1, O -2, alkali metals +1, alkaline earths +2.
double oxidation_number(const ReadFormula& formula, const std::string& element);
