// Gases that react on meeting, so that no mixture of the two can be posed.
#pragma once

#include <cstdint>

// Whether the gases of compound records a and b react at once when mixed:
// NO with O2 to NO2, ammonia with CO2 to ammonium carbamate and with SO2 to
// solid adducts.
bool gases_react(std::int32_t a, std::int32_t b);
