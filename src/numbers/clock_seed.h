// The clock-based seed of the page decoration, the random-problem command and
// of "Nessuna Versione": 100000000 r + the seconds since 1970, r drawn from
// the stream as it stands, wrapped to 32 bits.
#pragma once

#include <cstdint>

std::int32_t draw_clock_seed();
