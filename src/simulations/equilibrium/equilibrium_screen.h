// The screen of "Sistemi in equilibrio": its frame and title, the buttons,
// the opening card and the results box. The buttons only draw; the
// simulation tests the click zones itself.
#pragma once

#include <cstdint>

#include "simulations/equilibrium/equilibrium_model.h"
#include "simulations/simulation_buttons.h"

inline constexpr SimulationButton equilibrate_button{200, 275, 150, 20, "Equilibra"};
inline constexpr SimulationButton stop_button{200, 275, 150, 20, "Stop"};
inline constexpr SimulationButton exit_button{520, 275, 50, 20, "Esci"};
inline constexpr SimulationButton new_simulation_button{420, 50, 150, 20, "Nuova simulazione"};
inline constexpr SimulationButton temperature_button{420, 80, 150, 20, "Temperatura "};
inline constexpr SimulationButton concentrations_button{420, 110, 150, 20, "Concentrazioni iniziali "};
inline constexpr SimulationButton results_button{420, 140, 150, 20, "Risultati"};
inline constexpr SimulationButton continue_button{400, 225, 50, 20, "Continua"};

// The four buttons of the right column, in one label colour.
void draw_side_buttons(std::int32_t label_colour);

void draw_equilibrium_screen(const EquilibriumModel& m);
// The task, over the screen with its buttons greyed, and "Continua".
void draw_opening_card();
// dH in kJ and dS in J/K with three digits, over the concentration panel.
void draw_equilibrium_results(const EquilibriumModel& m);
