// Chapter 1, "Nozioni di base": 43 problems on scientific notation,
// significant digits, units, relations between quantities and graphs.
#pragma once

#include "frame/generator_protocol.h"

// The chapter generator.
void run_basic_notions_chapter(GeneratorMode request);
