// Activation energies that more than one problem states or computes with,
// in kJ/mol as text, whose digits are the digits shown.
#pragma once

#include <string_view>

// 2NOCl = 2NO + Cl2: 102 kJ/mol, with A = 9.4·10^9 L/(mol s) (Atkins and
// de Paula, Physical Chemistry, tables of Arrhenius parameters and of
// collision theory's steric factors; Engel and Reid's Physical Chemistry
// quotes 104.0).
inline constexpr std::string_view nitrosyl_chloride_activation_energy = "102";
