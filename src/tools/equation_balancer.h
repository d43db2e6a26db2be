// Balancing of equations and half-equations typed without coefficients.
#pragma once

#include <string>
#include <string_view>

#include "tools/formula_engine.h"

// text has passed the checks of analyse_formula_text (no blanks, tag cut
// off). Tries the equation as typed, then with the species of the medium
// (H+ or OH-, and water) placed in nine ways, with and without electrons;
// answers the first attempt whose whole coefficients balance exactly
// ("2H2+O2=2H2O", "Fe[2+]=Fe[3+]+e"), else "Impossibile bilanciare".
std::string balance_equation(std::string_view text, FormulaRequest request);
