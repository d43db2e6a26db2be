// Chapter 2, "Elementi e composti": 40 problems on atoms, electron
// configurations, periodic properties, ionic and molecular compounds,
// oxidation numbers and nomenclature.
#pragma once

#include <cstdint>

// The chapter generator (requests 1000, 1 and 2).
void run_elements_compounds_chapter(std::int32_t request);
