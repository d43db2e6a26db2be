// Routes page requests to the generator of the current chapter.
#pragma once

#include "frame/generator_protocol.h"

// Sets problem_printable, then calls the current chapter's generator; a
// chapter without one gets nothing.
void run_chapter_generator(GeneratorMode request);
