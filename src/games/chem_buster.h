// Chem Buster, the brick-breaker of "&Giochi": red and yellow bricks stop
// the ball on a true-or-false chemistry statement.
#pragma once

#include "frame/screen_lease.h"

// The whole game, on a thread of its own, on the page it was lent.
void run_chem_buster(ScreenLease& lease);

// The game's mouse: a click records the button hit and where a drag of the
// paddle starts; a drag with the left button moves the paddle.
void on_buster_mouse(const MouseEvent& e);
