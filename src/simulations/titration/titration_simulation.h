// "&Titolazioni acido/base": titrate one of nine acids or bases with a
// strong titrant from a burette, watch the pH meter and the indicator, and
// work out the analyte's concentration, shown on request.
#pragma once

#include "frame/screen_lease.h"

// The simulation's thread routine, on the page it was lent, until "Esci".
// What was chosen and drawn stays for the next opening in the run.
void run_titration_simulation(ScreenLease& lease);
