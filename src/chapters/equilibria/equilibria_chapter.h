// Chapter 7, "Equilibri chimici": 43 problems on equilibrium constants and
// calculations, acids and bases, pH, buffers, titrations and solubility
// products.
#pragma once

#include <cstdint>

// The chapter generator (requests 1000, 1 and 2).
void run_equilibria_chapter(std::int32_t request);
