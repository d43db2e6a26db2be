// Sorting reals with their permutation.
#pragma once

#include <cstdint>

// rb := ra sorted ascending; every exchange or shift of rb is applied to
// iperm at the same positions, so that iperm = 1..n on input gives
// rb(i) = ra(iperm(i)). n < 1 raises type 5, code 1 and changes nothing.
void SVRGP(std::int32_t n, const float* ra, float* rb, std::int32_t* iperm);

// The pivot fraction of the next segment after r (the first is 0.4140625
// after the starting 0.375).
float advance_pivot_fraction(float r);
