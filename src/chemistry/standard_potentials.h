// Standard reduction potentials at 25 °C, one value for each couple that a
// problem states: the half-reaction as statements write it ("e" is the
// electron), the potential in V as text, whose digits are the datum's, and
// the electrode that a statement names.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct StandardPotential {
    std::string_view half_reaction;
    std::string_view potential;
    std::string_view ion;    // whose concentration a statement gives
    std::int32_t electrons;  // taken per ion
    std::string_view metal;  // the element the electrode is made of; blank for a couple of two ions
};

inline constexpr std::array<StandardPotential, 14> standard_potentials{{
    {"Au@u3+@ + 3e = Au", "1.498", "Au@u3+@", 3, "oro"},
    {"Pt@u2+@ + 2e = Pt", "1.18", "Pt@u2+@", 2, "platino"},
    {"Hg@u2+@ + 2e = Hg", "0.851", "Hg@u2+@", 2, "mercurio"},
    {"Ag@u+@ + e = Ag", "0.7996", "Ag@u+@", 1, "argento"},
    {"Fe@u3+@ + e = Fe@u2+@", "0.771", "Fe@u3+@", 1, ""},
    {"Cu@u2+@ + 2e = Cu", "0.3419", "Cu@u2+@", 2, "rame"},
    {"Sn@u4+@ + 2e = Sn@u2+@", "0.151", "Sn@u4+@", 2, ""},
    // Two hydrogen ions take two electrons: one an ion.
    {"2H@u+@ + 2e = H@d2@", "0.000", "H@u+@", 1, "idrogeno"},
    {"Pb@u2+@ + 2e = Pb", "-0.1262", "Pb@u2+@", 2, "piombo"},
    {"Sn@u2+@ + 2e = Sn", "-0.1375", "Sn@u2+@", 2, "stagno"},
    {"Ni@u2+@ + 2e = Ni", "-0.257", "Ni@u2+@", 2, "nichel"},
    {"Cd@u2+@ + 2e = Cd", "-0.4030", "Cd@u2+@", 2, "cadmio"},
    {"Fe@u2+@ + 2e = Fe", "-0.447", "Fe@u2+@", 2, "ferro"},
    {"Zn@u2+@ + 2e = Zn", "-0.7618", "Zn@u2+@", 2, "zinco"},
}};

// The row of a half-reaction: a problem's table that names one the table
// lacks does not compile.
consteval const StandardPotential* potential_row(std::string_view half_reaction)
{
    for (const StandardPotential& row : standard_potentials)
        if (row.half_reaction == half_reaction) return &row;
    throw "no standard potential for this half-reaction";
}

// The electrodes of the concentration cells, in the order problems draw them.
inline constexpr std::array<const StandardPotential*, 8> concentration_cell_electrodes{
    potential_row("Cu@u2+@ + 2e = Cu"), potential_row("Pb@u2+@ + 2e = Pb"),   potential_row("Ag@u+@ + e = Ag"),
    potential_row("Sn@u2+@ + 2e = Sn"), potential_row("Au@u3+@ + 3e = Au"),   potential_row("Hg@u2+@ + 2e = Hg"),
    potential_row("Pt@u2+@ + 2e = Pt"), potential_row("2H@u+@ + 2e = H@d2@"),
};
