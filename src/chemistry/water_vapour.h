// Water's vapour pressure, from the book's one-constant fit.
#pragma once

// In torr at `kelvin`: P0 exp(-B/RT) with P0 = 1.09e11 Pa and
// B = 43086.1 J/mol; 760 torr at 100 °C.
float water_vapour_pressure(float kelvin);
