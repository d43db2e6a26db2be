// Heats of combustion at 25 °C to CO2 and liquid water, kJ/mol: the CRC
// Handbook of Chemistry and Physics, "Heat of combustion" (after Domalski),
// as the NIST Chemistry WebBook also gives them.
#include "handbook_combustion.h"

#include <algorithm>
#include <array>

#include "support/formula_reading.h"

namespace conditions {

namespace {

struct Combustion {
    const char* name;
    const char* formula;
    double heat;
};

// Per mole of O2: the aromatics and their acids lowest (naphthalene 429.7,
// benzoic acid 430.3), alkanes and fatty acids 434 to 438, ethers and
// alcohols higher (ethanol 455.6), sugars highest (sucrose 470.1).
constexpr std::array<Combustion, 15> compounds{{
    {"naftalene (s)", "C@d10@H@d8@", 5156.3},
    {"acido benzoico (s)", "C@d7@H@d6@O@d2@", 3226.9},
    {"toluene (l)", "C@d7@H@d8@", 3910.3},
    {"acido palmitico (s)", "C@d16@H@d32@O@d2@", 9977.0},
    {"acido stearico (s)", "C@d18@H@d36@O@d2@", 11280.6},
    {"cicloesano (l)", "C@d6@H@d12@", 3919.6},
    {"benzene (l)", "C@d6@H@d6@", 3267.6},
    {"fenolo (s)", "C@d6@H@d6@O", 3053.5},
    {"esadecano (l)", "C@d16@H@d34@", 10699.2},
    {"ottano (l)", "C@d8@H@d18@", 5470.3},
    {"acetato di etile (l)", "C@d4@H@d8@O@d2@", 2238.1},
    {"etere dietilico (l)", "C@d4@H@d10@O", 2723.9},
    {"etanolo (l)", "C@d2@H@d6@O", 1366.8},
    {"glucosio (s)", "C@d6@H@d12@O@d6@", 2803.0},
    {"saccarosio (s)", "C@d12@H@d22@O@d11@", 5640.9},
}};

// Water's enthalpy of vaporisation at 25 °C, kJ/mol (CODATA key values).
constexpr double water_vaporisation = 44.0;

double count(const testing_support::ReadFormula& f, const char* element)
{
    return f.atoms.contains(element) ? f.atoms.at(element) : 0.0;
}

}  // namespace

bool CombustionSpan::holds(double per_oxygen) const
{
    return per_oxygen >= 0.99 * lowest && per_oxygen <= 1.01 * highest;
}

CombustionSpan combustion_span()
{
    CombustionSpan span{1e9, 0.0};
    for (const Combustion& c : compounds) {
        const double per_oxygen = heat_per_oxygen(c.formula, c.heat, false);
        span.lowest = std::min(span.lowest, per_oxygen);
        span.highest = std::max(span.highest, per_oxygen);
    }
    return span;
}

double heat_per_oxygen(const std::string& formula_markup, double heat, bool water_as_gas)
{
    const testing_support::ReadFormula f = testing_support::read_formula(formula_markup);
    const double hydrogen = count(f, "H");
    if (water_as_gas) heat += water_vaporisation / 2.0 * hydrogen;
    return heat / (count(f, "C") + hydrogen / 4.0 - count(f, "O") / 2.0);
}

}  // namespace conditions
