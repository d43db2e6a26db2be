// The galvanic cells of the problems on cell potentials, one table for
// every chapter that poses them: cells exchanging two electrons, each with
// its standard free energy at 25 °C.
#pragma once

#include <array>
#include <string_view>

// The reaction as statements write it; the metal ion whose concentration
// a statement gives first, or asks for, and the other (blank where the
// other electrode is hydrogen's, whose datum is the pH); the standard free
// energy in kJ/mol as text, whose digits are the datum's.
// The free energies are the NBS tables' free energies of formation of the
// ions (Wagman et al., 1982): Zn2+ -147.06, Cu2+ 65.49, Pb2+ -24.43, Sn2+
// -27.2, Ag+ 77.11 kJ/mol.
struct GalvanicCell {
    std::string_view reaction;
    std::string_view ion;
    std::string_view other_ion;
    std::string_view free_energy;
};

inline constexpr std::array<GalvanicCell, 7> galvanic_cells{{
    {"Zn + Cu@u2+@ = Zn@u2+@ + Cu", "Cu@u2+@", "Zn@u2+@", "-212.6"},
    {"Pb + Zn@u2+@ = Pb@u2+@ + Zn", "Zn@u2+@", "Pb@u2+@", "122.7"},
    {"Sn + 2Ag@u+@ = Sn@u2+@ + 2Ag", "Ag@u+@", "Sn@u2+@", "-181.4"},
    {"Zn + 2H@u+@ = Zn@u2+@ + H@d2@", "Zn@u2+@", "", "-147.1"},
    {"2Ag + 2H@u+@ = 2Ag@u+@ + H@d2@", "Ag@u+@", "", "154.2"},
    {"Sn + 2H@u+@ = Sn@u2+@ + H@d2@", "Sn@u2+@", "", "-27.2"},
    {"Cu + 2H@u+@ = Cu@u2+@ + H@d2@", "Cu@u2+@", "", "65.5"},
}};

// The row of a reaction: a problem's table that names one the table lacks
// does not compile.
consteval const GalvanicCell* galvanic_cell(std::string_view reaction)
{
    for (const GalvanicCell& cell : galvanic_cells)
        if (cell.reaction == reaction) return &cell;
    throw "no galvanic cell for this reaction";
}
