// Chapter 6, "Termodinamica e Cinetica": 38 problems on energy and
// enthalpy, reaction enthalpies, probability and entropy, free energy,
// equilibrium constants and chemical kinetics.
#pragma once

#include <cstdint>

// The chapter generator (requests 1000, 1 and 2).
void run_thermo_kinetics_chapter(std::int32_t request);
