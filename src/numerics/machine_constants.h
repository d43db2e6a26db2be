// Machine constants of 32-bit IEEE reals and integers, and the library's
// input and output unit numbers.
#pragma once

#include <cstdint>

// 1 smallest normalised, 2 largest finite, 3 smallest and 4 largest relative
// spacing, 5 log10(2), 6 not-a-number, 7 +infinity, 8 -infinity.
// Any other n raises type 5, code 5 and gives a not-a-number.
float AMACH(std::int32_t n);

// 1..12: bits, characters and digits of an integer, its base and largest
// value, the floating base, then digits and exponent range of single and of
// double precision. Any other n prints a terminal message and asks to stop.
std::int32_t IMACH(std::int32_t n);

// n = 1..3 gives unit n (1 input, 2 output, 3 error messages) in nunit;
// n = -1..-3 sets unit |n| to nunit.
void UMACH(std::int32_t n, std::int32_t& nunit);
