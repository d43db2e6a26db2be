// "Leggi dei gas": a flask of ideal gas in a thermostat joined to an open
// mercury manometer, drawn over the problem page with a new random state at
// every opening, and three exercises on it.
#pragma once

// The simulation's thread routine (the launcher has greyed the menus and
// detached the page mouse). It hands the page back after "Esci"; a quit
// while it waits or animates ends it at once (platform::ProgramStopping).
void run_gas_laws_simulation();
