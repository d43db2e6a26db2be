// The chapters layer: one folder per chapter of the problem book, each a
// generator that registers with the frame; this header lists them for the
// program.
#pragma once

// One register_chapter_generator line per chapter that exists; the program
// and the snapshot tool call it before main_program.
void register_chapter_generators();
