// Chapter 9, "Problemi finali": 48 problems in six sections that combine
// stoichiometry, gases, solutions, thermodynamics, kinetics, equilibria and
// electrochemistry.
#pragma once

#include "frame/generator_protocol.h"

// The chapter generator.
void run_final_problems_chapter(GeneratorMode request);
