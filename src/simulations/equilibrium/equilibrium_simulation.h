// "&Sistemi in equilibrio": the simulation's thread routine and the mouse
// callback bound while its particles run. The launcher has greyed the menus
// and detached the page mouse; the routine hands the page back at its end.
#pragma once

#include <cstdint>

void run_equilibrium_simulation();

// Left button during a run: "Stop" sets run_flag to run_stop, "Esci" to
// run_leave; the run reads it after each frame's pause.
void handle_equilibrium_mouse_event(std::int32_t unit, std::int32_t event, std::int32_t keystate, std::int32_t x,
                                    std::int32_t y);
