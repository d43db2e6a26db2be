// Chapter 8, "Elettrochimica": 14 problems on electrolysis, galvanic cells,
// standard potentials and potentials at given concentrations.
#pragma once

#include "frame/generator_protocol.h"

// The chapter generator.
void run_electrochemistry_chapter(GeneratorMode request);
