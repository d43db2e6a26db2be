// Water's data that pages state and compute with, one row a fact, each
// written once as the pages print it: its digits are the data's.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

enum class WaterFact : std::size_t {
    fusion_enthalpy,          // kJ/mol, at 0 °C and 1 atm
    vaporisation_enthalpy,    // kJ/mol, at 100 °C and 1 atm
    ice_heat_capacity,        // J/(K mol) at 0 °C: a of a + b t (t in °C, -100 to 0 °C)
    ice_heat_capacity_slope,  // J/(K² mol): b
    liquid_heat_capacity,     // J/(K mol), the mean from 0 to 100 °C
    steam_heat_capacity,      // J/(K mol), the mean from 100 to 200 °C at 1 atm
    ice_molar_volume,         // cm3/mol, at 0 °C and 1 atm
    liquid_molar_volume,      // cm3/mol, at 0 °C and 1 atm
    ebullioscopic_constant,   // kg K/mol
    cryoscopic_constant,      // kg K/mol
};

struct WaterDatum {
    WaterFact fact;
    std::string_view name;
    std::string_view text;
};

inline constexpr std::array<WaterDatum, 10> water_data{{
    {WaterFact::fusion_enthalpy, "fusion enthalpy", "6.01"},
    {WaterFact::vaporisation_enthalpy, "vaporisation enthalpy", "40.66"},
    {WaterFact::ice_heat_capacity, "ice heat capacity", "38.0"},
    {WaterFact::ice_heat_capacity_slope, "ice heat capacity slope", "0.135"},
    {WaterFact::liquid_heat_capacity, "liquid heat capacity", "75.5"},
    {WaterFact::steam_heat_capacity, "steam heat capacity", "36.0"},
    {WaterFact::ice_molar_volume, "ice molar volume", "19.6"},
    {WaterFact::liquid_molar_volume, "liquid molar volume", "18.0"},
    {WaterFact::ebullioscopic_constant, "ebullioscopic constant", "0.514"},
    {WaterFact::cryoscopic_constant, "cryoscopic constant", "1.855"},
}};
static_assert([] {
    for (std::size_t i = 0; i < water_data.size(); ++i)
        if (static_cast<std::size_t>(water_data[i].fact) != i) return false;
    return true;
}());

constexpr std::string_view water_text(WaterFact fact)
{
    return water_data[static_cast<std::size_t>(fact)].text;
}

// The double and the float nearest the text.
double water_value(WaterFact fact);
float water_value_f(WaterFact fact);
