// Chapter 5, "Soluzioni": concentrations, mixing, solubility, vapour
// pressure, colligative properties and reactions in solution.
#pragma once

#include "frame/generator_protocol.h"

void run_solutions_chapter(GeneratorMode request);
