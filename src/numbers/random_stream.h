// The program-wide uniform stream. A version number seeds it before a
// problem is generated, so every draw is part of a problem's definition:
// the generator is reproduced bit for bit and no draw may be added or lost.
#pragma once

#include <cstdint>

struct RandomStream {
    std::int32_t random_state = 0;  // advanced by every draw
};
extern RandomStream random_stream;

void set_random_seed(std::int32_t seed);

// Advances state and returns y / 2^31 in [0, 1), exact in double.
double next_uniform(std::int32_t& state);

// a + u (b - a) computed in double from one fresh draw; a > b is allowed.
// The result is a REAL: the caller keeps the single-precision value.
float random_real(float a, float b);

// min(hi, trunc(lo + u (hi - lo + 1))) from one fresh draw, truncated toward
// zero: a range reaching below zero draws 0 twice as often and lo only at
// u = 0.
std::int32_t random_int(std::int32_t lo, std::int32_t hi);

// Discards n draws (none when n <= 0).
void skip_random_draws(std::int32_t n);
