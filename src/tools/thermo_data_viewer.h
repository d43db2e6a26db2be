// "&Dati Termodinamici": the standard formation data at 298 K of the 51
// compounds and elements that carry them, five to a page, paged with "<"
// and ">" until "OK" gives the problem page back.
#pragma once

#include <atomic>
#include <cstdint>

// The "&Dati" item. It leases the page and waits inside the callback for
// left-button presses, which its mouse turns into button numbers; it
// returns after "OK". A quit while it waits ends the wait at once
// (platform::ProgramStopping).
void show_thermo_data();

// The button the last click hit (1-based, 0 for none), stored by the
// viewer's mouse before the wait wakes.
struct ThermoViewMouse {
    std::atomic<std::int32_t> hit = 0;
};
extern ThermoViewMouse thermo_view_mouse;
