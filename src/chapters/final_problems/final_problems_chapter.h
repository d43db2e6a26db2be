// Chapter 9, "Problemi finali": 48 problems in six sections that combine
// stoichiometry, gases, solutions, thermodynamics, kinetics, equilibria and
// electrochemistry.
#pragma once

#include <cstdint>

// The chapter generator (requests 1000, 1 and 2).
void run_final_problems_chapter(std::int32_t request);
