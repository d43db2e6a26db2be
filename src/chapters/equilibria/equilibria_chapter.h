// Chapter 7, "Equilibri chimici": 43 problems on equilibrium constants and
// calculations, acids and bases, pH, buffers, titrations and solubility
// products.
#pragma once

#include "frame/generator_protocol.h"

// The chapter generator (registration, problem and answer).
void run_equilibria_chapter(GeneratorMode request);
