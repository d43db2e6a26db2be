// Chapter 7, "Equilibri chimici": 43 problems on equilibrium constants and
// calculations, acids and bases, pH, buffers, titrations and solubility
// products. Its walk is split over two routines, as the chapter was written.
#pragma once

#include <cstdint>

#include "frame/generator_protocol.h"

// The chapter generator (requests 1000, 1 and 2): problems 1 to 30, then
// the rest of the walk in run_equilibria_chapter_cont.
void run_equilibria_chapter(GeneratorMode request);

// Problems 31 to 43, walked on from the counter the first routine leaves
// (30); stores problem_count at the end of a walk that no block served.
void run_equilibria_chapter_cont(std::int32_t& counter, GeneratorMode request);
