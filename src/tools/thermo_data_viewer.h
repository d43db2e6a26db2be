// "&Dati Termodinamici": the standard formation data at 298 K of the 51
// compounds and elements that carry them, five to a page, paged with "<"
// and ">" until "OK" gives the problem page back.
#pragma once

// The "&Dati" item. It greys the menu bar and waits inside the callback for
// left-button presses, which the page mouse handler turns into button
// numbers while the viewer owns the page; it returns after "OK". A quit
// while it waits ends the wait at once (platform::ProgramStopping).
void show_thermo_data();
