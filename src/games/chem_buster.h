// Chem Buster, the brick-breaker of "&Giochi": red and yellow bricks stop
// the ball on a true-or-false chemistry statement.
#pragma once

// The whole game, on a thread of its own; it hands the page back at its end.
void run_chem_buster();
