// Chapter 3, "Stechiometria": 33 problems on moles and molar masses,
// elemental analysis, mixtures of compounds, reaction equations and
// reaction ratios.
#pragma once

#include "frame/generator_protocol.h"

// The chapter generator.
void run_stoichiometry_chapter(GeneratorMode request);
