// Chapter 4, "Stati di aggregazione": gases, solids, liquids and phase diagrams.
#pragma once

#include "frame/generator_protocol.h"

void run_states_of_matter_chapter(GeneratorMode request);
