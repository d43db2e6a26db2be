// The screens of the titration simulation: the three choosers with the
// summary of the set-up, and the titration itself with its burette cells.
// They run on the simulation's thread and wait for left-button presses.
#pragma once

#include <cstdint>

#include "simulations/click_zone.h"
#include "simulations/simulation_buttons.h"

// Each draws its list over the right of the screen and runs it until "OK"
// (1) or "Esci" (-1); a click on a row takes that choice at once.
float choose_titration_analyte();
float choose_titrant_concentration();
std::int32_t choose_indicator();

// The analyte, titrant and indicator lines under the apparatus; the
// analyte's concentration is never among them.
void draw_titration_summary();

// The titration screen, until its "Esci" (its only way out): returns 1.
float run_titration();

// The simulation's "Esci" button and its zone.
inline constexpr SimulationButton titration_exit_button{540, 270, 30, 20, "Esci"};
inline bool hits_exit_button(std::int32_t x, std::int32_t y)
{
    return inside_zone(x, y, 535, 575, 260, 280);
}
