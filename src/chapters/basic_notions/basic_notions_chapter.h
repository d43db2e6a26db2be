// Chapter 1, "Nozioni di base": 43 problems on scientific notation,
// significant digits, units, relations between quantities and graphs.
#pragma once

#include <cstdint>

// The chapter generator (requests 1000, 1 and 2).
void run_basic_notions_chapter(std::int32_t request);
