// Chapter 2, "Elementi e composti": 40 problems on atoms, electron
// configurations, periodic properties, ionic and molecular compounds,
// oxidation numbers and nomenclature.
#pragma once

#include "frame/generator_protocol.h"

// The chapter generator.
void run_elements_compounds_chapter(GeneratorMode request);
