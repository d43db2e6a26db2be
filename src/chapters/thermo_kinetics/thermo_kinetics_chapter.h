// Chapter 6, "Termodinamica e Cinetica": 38 problems on energy and
// enthalpy, reaction enthalpies, probability and entropy, free energy,
// equilibrium constants and chemical kinetics.
#pragma once

#include "frame/generator_protocol.h"

// The chapter generator.
void run_thermo_kinetics_chapter(GeneratorMode request);
