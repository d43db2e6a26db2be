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
