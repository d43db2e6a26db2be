#include "chemistry/organic_formula.h"

#include <array>

#include "chemistry/water_data.h"
#include "numbers/random_stream.h"

namespace {

// The heat of combustion per mole of O2, kJ, that the header's compounds
// span: the least and the most.
constexpr std::array<float, 2> heat_per_oxygen{430.0f, 460.0f};

}  // namespace

std::string organic_formula(const OrganicCounts& n)
{
    return "C@d" + std::to_string(n.c) + "@H@d" + std::to_string(n.h) + "@O@d" + std::to_string(n.o) + "@";
}

OrganicCounts draw_organic_counts(std::int32_t kind)
{
    OrganicCounts n;
    if (kind == 1) {
        const std::int32_t r = random_int(3, 8);
        n.c = 2 * r;
        n.h = 2 * random_int(r - 1, 2 * r);
        n.o = random_int(2, 3);
    } else {
        n.c = random_int(6, 15);
        n.h = random_int(n.c - 1, 2 * n.c);
        // A CcHhO2 molecule has an even number of hydrogens.
        if (n.h % 2 != 0) ++n.h;
        n.o = 2;
    }
    return n;
}

float draw_combustion_heat(const OrganicCounts& n, float celsius)
{
    const float oxygen = static_cast<float>(n.c) + 0.25f * static_cast<float>(n.h) - 0.5f * static_cast<float>(n.o);
    float heat = random_real(heat_per_oxygen[0], heat_per_oxygen[1]) * oxygen;
    // Each hydrogen makes half a water, which as a gas keeps half its heat
    // of vaporisation.
    if (celsius >= 100.0f) heat -= 0.5f * water_value_f(WaterFact::vaporisation_enthalpy) * static_cast<float>(n.h);
    return heat;
}
