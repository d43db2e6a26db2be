// Chapter 4, "Stati di aggregazione": gases, solids, liquids and phase diagrams.
#pragma once

#include <cstdint>

void run_states_of_matter_chapter(std::int32_t request);
