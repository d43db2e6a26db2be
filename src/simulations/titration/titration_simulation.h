// "&Titolazioni acido/base": titrate one of nine acids or bases with a
// strong titrant from a burette, watch the pH meter and the indicator, and
// work out the analyte's concentration, shown on request.
#pragma once

// The simulation's thread routine. The menus are already greyed and the
// page mouse detached; its "Esci" hands the problem page back. What was
// chosen and drawn stays for the next opening in the run.
void run_titration_simulation();
