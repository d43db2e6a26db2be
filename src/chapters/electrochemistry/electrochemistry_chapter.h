// Chapter 8, "Elettrochimica": 14 problems on electrolysis, galvanic cells,
// standard potentials and potentials at given concentrations.
#pragma once

#include <cstdint>

// The chapter generator (requests 1000, 1 and 2).
void run_electrochemistry_chapter(std::int32_t request);
