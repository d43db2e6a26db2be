// Standard reduction potentials at 25 °C, one value for each couple that a
// problem states: the half-reaction as statements write it ("e" is the
// electron) and the potential in V as text, whose digits are the datum's.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

struct StandardPotential {
    std::string_view half_reaction;
    std::string_view potential;
};

inline constexpr std::array<StandardPotential, 14> standard_potentials{{
    {"Au@u3+@ + 3e = Au", "1.498"},
    {"Pt@u2+@ + 2e = Pt", "1.18"},
    {"Hg@u2+@ + 2e = Hg", "0.851"},
    {"Ag@u+@ + e = Ag", "0.7996"},
    {"Fe@u3+@ + e = Fe@u2+@", "0.771"},
    {"Cu@u2+@ + 2e = Cu", "0.3419"},
    {"Sn@u4+@ + 2e = Sn@u2+@", "0.151"},
    {"2H@u+@ + 2e = H@d2@", "0.000"},
    {"Pb@u2+@ + 2e = Pb", "-0.1262"},
    {"Sn@u2+@ + 2e = Sn", "-0.1375"},
    {"Ni@u2+@ + 2e = Ni", "-0.257"},
    {"Cd@u2+@ + 2e = Cd", "-0.4030"},
    {"Fe@u2+@ + 2e = Fe", "-0.447"},
    {"Zn@u2+@ + 2e = Zn", "-0.7618"},
}};

// The potential of a half-reaction of the table, empty for any other (a
// problem's table checks its couples with it when it is compiled).
constexpr std::string_view standard_potential(std::string_view half_reaction)
{
    const auto found = std::ranges::find(standard_potentials, half_reaction, &StandardPotential::half_reaction);
    return found == standard_potentials.end() ? std::string_view() : found->potential;
}
