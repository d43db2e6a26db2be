// The buttons of the simulation screens and the results shown over them,
// one look for every simulation. The buttons only draw; each simulation
// tests its click zones itself.
#pragma once

#include <cstdint>
#include <string_view>

struct SimulationButton {
    std::int32_t x = 0, y = 0, w = 0, h = 20;
    std::string_view label;
};

// A white label marks a button that works now, a grey one one that does not.
inline constexpr std::int32_t label_usable = 0xFFFFFF;
inline constexpr std::int32_t label_greyed = 0x777777;
void draw_simulation_button(const SimulationButton& button, std::int32_t label_colour);

// A result over the button that asked for it, in bold white on a grey dark
// enough to read (5.7:1), not the light grey of a button that cannot be
// pressed; a value below zero takes the typographic minus.
void draw_simulation_result(const SimulationButton& button, std::string_view result);
