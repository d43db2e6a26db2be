// Heats and heat capacities near room temperature as straight lines in the
// temperature, read by the enthalpy problems of chapters 6 and 9.
#pragma once

struct HeatLine {
    float reference_celsius;
    float at_reference;  // kJ for a reaction's heat, J/(K mol) for a heat capacity
    float per_kelvin;    // a reaction's ΔCp (kJ/K) or a heat capacity's rise
    float at(float celsius) const { return (celsius - reference_celsius) * per_kelvin + at_reference; }
};

// Kirchhoff's law over 10-140 °C. The reactions' heats at 25 °C are those
// of the formation enthalpies of CODATA's Key Values for Thermodynamics
// (1989), their slopes the ΔCp of its heat capacities; water formation's
// slope is 4 % under that (60.8 against 63.5 J/K), a tenth of a kJ at most
// over the range, as every version has posed it.
struct HeatLines {
    HeatLine water_formation;             // 2H2 + O2 = 2H2O(l)
    HeatLine water_vaporisation;          // H2O(l) = H2O(g), per mole
    HeatLine carbon_monoxide_combustion;  // 2CO + O2 = 2CO2
    // Mean heat capacities of H2, O2 and water vapour: 28.8, 29.4 and 33.6
    // J/(K mol) at 25 °C, rising slowly.
    HeatLine hydrogen_capacity, oxygen_capacity, steam_capacity;
};
inline constexpr HeatLines heat_lines{
    {25.0f, -571.6f, 0.0608f}, {25.0f, 44.0f, -0.0417f}, {25.0f, -566.0f, -0.0134f},
    {25.0f, 28.84f, 0.0047f},  {27.0f, 29.4f, 0.006f},   {25.0f, 33.6f, 0.0067f},
};
