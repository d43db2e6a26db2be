// Metals whose crystals have a cubic cell, and the edge of that cell.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Two-character symbols, as the element table's search takes them.
inline constexpr std::array<std::string_view, 13> body_centred_metals{"Li", "Na", "K ", "Rb", "Cs", "Ba", "V ",
                                                                      "Nb", "Ta", "Cr", "Mo", "W ", "Fe"};
inline constexpr std::array<std::string_view, 10> face_centred_metals{"Ca", "Sr", "Rh", "Ir", "Ni",
                                                                      "Pd", "Pt", "Cu", "Ag", "Au"};

// The edge in nm of a cubic cell holding `atoms` atoms of molar mass
// `molar_mass` (g/mol) at `density` (g/cm³).
float cubic_cell_edge(std::int32_t atoms, float molar_mass, float density);
