// The units pages print a molar energy in, with the thermochemical calorie:
// each with its amount in one kJ/mol.
#pragma once

#include <array>
#include <string_view>

#include "numbers/thermal_constants.h"

struct MolarEnergyUnit {
    std::string_view text;  // as printed after the value
    float per_kilojoule;
};

inline constexpr std::array<MolarEnergyUnit, 3> molar_energy_units{{
    {" kJ/mol", 1.0f},
    {" kcal/mol", calories_per_joule_f},
    {" cal/mol", calories_per_kilojoule_f},
}};
