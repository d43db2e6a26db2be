// How far a gas is from ideal where a page puts it: its second virial
// coefficient as measured, else by Tsonopoulos's corresponding-states
// correlation (AIChE Journal 20, 263, 1974: B Pc / R Tc = f0 + ω f1,
// Pitzer's form), from the critical point the vapour table holds and the
// acentric factor its own curve gives at 0.7 Tc, or from the rows beside
// it for gases it lacks.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

// L/mol at `kelvin` (above 0 K: asserted), the vapour's whatever record
// names the compound: measured where a fit of measurements holds the gas
// at `kelvin`, else the correlation's, with Tsonopoulos's polar term for
// methanol and water; NaN for a compound without a critical point (in the
// vapour table or beside it), one whose curve gives no acentric factor,
// below half its critical temperature, where the correlation does not
// reach, or past the measurements of a gas the correlation misses there.
double second_virial_litres(std::int32_t compound, double kelvin);

struct GasShare {
    std::int32_t compound;
    double partial_atm;
};

// Whether the ideal gas law holds for the gases together at `kelvin`:
// |Z - 1| = |B P| / RT within the pages' 5 %, less a tenth for the spread
// between sources (the CRC's fits and others' part by up to 3 % where both
// measure, the correlation by more where none does), B the
// mole-fraction-weighted mean of the gases' (the cross coefficients taken
// as their mean) and P their total. A gas without data never passes.
bool near_ideal(std::span<const GasShare> gases, double kelvin);
bool near_ideal(std::int32_t compound, double kelvin, double atm);

// The same for gases written by formula, as reactions write them: a
// formula the compound table lacks, or a gas without a coefficient, never
// passes.
struct FormulaShare {
    std::string_view formula;
    double partial_atm;
};
bool formulas_near_ideal(std::span<const FormulaShare> gases, double kelvin);
