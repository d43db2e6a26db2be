// Figures that problems 11, 22 and 23 state, each from a named handbook.
#pragma once

#include <string_view>

namespace final_problems {

struct StatedFigures {
    // Commercial concentrated hydrochloric acid: percent by mass, density
    // (g/mL) and HCl's molar mass (CRC Handbook, "Concentrative properties
    // of aqueous solutions": 1.1837 g/mL at 37 % and 20 °C).
    std::string_view hydrochloric_percent, hydrochloric_density, hydrochloric_molar_mass;
    // Graphite's standard entropy at 25 °C, J/(K mol) (CODATA Key Values
    // for Thermodynamics, 1989: 5.740).
    std::string_view graphite_entropy;
    // Ag+ + 2CN- = Ag(CN)2-: its formation constant at 25 °C (Martell and
    // Smith, Critical Stability Constants: log β2 = 20.48).
    std::string_view dicyanoargentate_formation;
};
inline constexpr StatedFigures stated_figures{"37", "1.18", "36.46", "5.74", "2.5e20"};

}  // namespace final_problems
