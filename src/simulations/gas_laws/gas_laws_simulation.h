// "Leggi dei gas": a flask of ideal gas in a thermostat joined to an open
// mercury manometer, drawn over the problem page with a new random state at
// every opening, and three exercises on it.
#pragma once

#include "frame/screen_lease.h"

// The simulation's thread routine, on the page it was lent, until "Esci"; a
// quit while it waits or animates ends it at once
// (platform::ProgramStopping).
void run_gas_laws_simulation(ScreenLease& lease);
