// Composition strings and molar masses.
//
// A CompositionString holds one 4-character group per element: the symbol
// in 2 characters as in the element table ("H ", "Cl") and the count in 2,
// read as an integer ("02", " 2"; "00" and blanks count 0). The number of
// groups is the length without trailing blanks divided by 4; a trailing
// fragment is ignored. Compound records carry it with leading zeros
// ("Fe02S 03O 12").
#pragma once

#include <cstdint>
#include <string_view>

// Returned in mass_uncertainty when a symbol is not an element of the table.
inline constexpr float unknown_element_uncertainty = -1.0f;

// Element z's atomic mass into the slot, its digits those of the table.
void set_slot_atomic_mass(std::int32_t slot, std::int32_t z);

// Molar mass in g/mol: the sum over the groups of count x atomic mass, each
// atomic-mass text read through value slot 20 (which is overwritten), so
// that mass_uncertainty receives the linear sum of count x three units of the
// last written digit of each mass. A symbol that matches no element stops
// at once with result 0.0 and mass_uncertainty -1.0: callers test it first.
float compute_molar_mass(std::string_view composition, float& mass_uncertainty);
// The molar mass alone.
float composition_molar_mass(std::string_view composition);

// The molar mass of c carbons, h hydrogens, n nitrogens and o oxygens,
// summed in that order from the element table's masses.
float chno_molar_mass(std::int32_t c, std::int32_t h, std::int32_t n, std::int32_t o);
// Water's, 2 H + O, and the moles of it in a kilogram.
float water_molar_mass();
float water_moles_per_kilogram();

// compute_molar_mass of compound k's composition, with and without its
// uncertainty.
float compound_molar_mass(std::int32_t k, float& mass_uncertainty);
float compound_molar_mass(std::int32_t k);
