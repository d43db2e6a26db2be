// Routes page requests to the generator of the current chapter.
#pragma once

#include <any>

#include "frame/generator_protocol.h"

// Sets problem_printable, then calls the current chapter's generator; a
// chapter without one gets nothing.
void run_chapter_generator(GeneratorMode request);

// The current chapter's memory, kept and put back; nothing for a chapter
// that remembers nothing.
std::any keep_chapter_memory();
void put_back_chapter_memory(const std::any& kept);
