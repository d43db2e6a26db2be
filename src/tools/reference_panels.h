// Three "&Dati" items that draw reference information over the page and
// return at once: the units, the physical constants and the periodic table.
// What they draw stays until the page is next redrawn.
#pragma once

void show_units_panel();
// Overwrites value slot 1, which the page rebuilds when it is next drawn.
void show_constants_panel();
void show_periodic_table();
