// Chapter 5, "Soluzioni": concentrations, mixing, solubility, vapour
// pressure, colligative properties and reactions in solution.
#pragma once

#include <cstdint>

void run_solutions_chapter(std::int32_t request);
