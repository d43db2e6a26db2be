// "&Sistemi in equilibrio": the simulation's thread routine, on the page it
// was lent, and its mouse, bound while its particles run.
#pragma once

#include "frame/screen_lease.h"
#include "platform/mouse.h"

void run_equilibrium_simulation(ScreenLease& lease);

// Left button during a run: "Stop" sets run_flag to run_stop, "Esci" to
// run_leave; the run reads it after each frame's pause.
void handle_equilibrium_mouse_event(const MouseEvent& e);
