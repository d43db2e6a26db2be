// The invented organic compounds CcHhOo that the combustion problems of
// several chapters draw: their atom counts and their formula.
#pragma once

#include <cstdint>
#include <string>

struct OrganicCounts {
    std::int32_t c = 0;
    std::int32_t h = 0;
    std::int32_t o = 0;
};

// "C@d8@H@d14@O@d2@".
std::string organic_formula(const OrganicCounts& n);

// Kind 1: c = 2r (r 3 to 8), h = 2s, o 2 or 3; kind 2: c 6 to 15, h c-1 to
// 2c made even, o = 2.
OrganicCounts draw_organic_counts(std::int32_t kind);

// Heat of combustion (kJ/mol, positive) drawn per mole of O2 consumed,
// c + h/4 - o/2 of them, within what compounds of C, H and O of such
// formulas give with liquid water (430 to 460 kJ; CRC Handbook, "Heat of
// combustion": naphthalene 5156 kJ/mol over 12 O2 and benzoic acid 3227
// over 7.5 give 430, the fatty acids and alkanes 434 to 438, ethanol 1367
// over 3 gives 456); less half water's heat of vaporisation per hydrogen
// when the water formed is a gas (at 100 °C or more).
float draw_combustion_heat(const OrganicCounts& n, float celsius);
