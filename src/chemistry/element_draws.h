// Elements drawn for problems that weigh atoms.
#pragma once

#include <cstdint>

// An element from hydrogen to bismuth, on a coin toss redrawn from
// hydrogen to krypton so that light elements come up more often; never
// technetium, which has no natural atomic mass.
std::int32_t draw_element_of_known_mass();
