// The library's integer options: sets "MATH" (chapters 1..10) and "STAT"
// (chapters 1..20), each option a fixed number of whole-number values.
// "MATH" chapter 1 option 16 (defaults 1, 16, 0, 1) shapes the least-squares
// workspace; option 17 (1, 2) is kept beside it; chapter 10 option 1 (0)
// traces every get and put on the output unit when it is positive.
#pragma once

#include <cstdint>
#include <string_view>

// iact 1 gets, 2 puts the values of the numopt options listed in iopts; ivals
// holds their values one option after another. A negative entry of iopts
// gets the option's defaults, or (put) resets the option to them without
// using ivals. prodnm is folded to upper case.
void IUMAG(std::string_view prodnm, std::int32_t ichp, std::int32_t iact, std::int32_t numopt,
           const std::int32_t* iopts, std::int32_t* ivals);
