// Chapter 3, "Stechiometria": 33 problems on moles and molar masses,
// elemental analysis, mixtures of compounds, reaction equations and
// reaction ratios.
#pragma once

#include <cstdint>

// The chapter generator (requests 1000, 1 and 2).
void run_stoichiometry_chapter(std::int32_t request);
