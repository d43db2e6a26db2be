// Heats of combustion of real compounds of carbon, hydrogen and oxygen:
// the span a heat printed for such a formula may take.
#pragma once

#include <string>

namespace conditions {

// kJ per mole of O2 consumed, with liquid water at 25 °C.
struct CombustionSpan {
    double lowest, highest;
    // Within the span widened by 1 %, the spread of a handbook's heats.
    bool holds(double per_oxygen) const;
};
// The least and the most of the handbook's compounds.
CombustionSpan combustion_span();

// A heat of combustion (kJ/mol, positive) of a CcHhOo formula per mole of
// the c + h/4 - o/2 of O2 it consumes, on the liquid-water basis (a heat
// whose water forms as a gas is carried to it).
double heat_per_oxygen(const std::string& formula_markup, double heat, bool water_as_gas);

}  // namespace conditions
