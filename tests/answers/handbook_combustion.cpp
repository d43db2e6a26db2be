// Heats of combustion at 25 °C to CO2 and liquid water, kJ/mol: the CRC
// Handbook of Chemistry and Physics, "Heat of combustion" (after Domalski),
// as the NIST Chemistry WebBook also gives them. Per mole of O2 the
// aromatics lie lowest (naphthalene 429.7, benzoic acid 430.3), alkanes and
// fatty acids at 434 to 438, alcohols and ethers higher (ethanol 455.6),
// sugars highest (sucrose 470.1).
#include "handbook_combustion.h"

#include <algorithm>
#include <utility>

#include "support/formula_reading.h"

namespace conditions {

bool within_real_heats(double per_oxygen)
{
    // Naphthalene, benzoic acid, toluene, palmitic and stearic acids,
    // cyclohexane, benzene, phenol, hexadecane, octane, ethyl acetate,
    // diethyl ether, ethanol, glucose, sucrose.
    static const std::pair<const char*, double> compounds[] = {
        {"C@d10@H@d8@", 5156.3},       {"C@d7@H@d6@O@d2@", 3226.9},    {"C@d7@H@d8@", 3910.3},
        {"C@d16@H@d32@O@d2@", 9977.0}, {"C@d18@H@d36@O@d2@", 11280.6}, {"C@d6@H@d12@", 3919.6},
        {"C@d6@H@d6@", 3267.6},        {"C@d6@H@d6@O", 3053.5},        {"C@d16@H@d34@", 10699.2},
        {"C@d8@H@d18@", 5470.3},       {"C@d4@H@d8@O@d2@", 2238.1},    {"C@d4@H@d10@O", 2723.9},
        {"C@d2@H@d6@O", 1366.8},       {"C@d6@H@d12@O@d6@", 2803.0},   {"C@d12@H@d22@O@d11@", 5640.9},
    };
    double lowest = 1e9, highest = 0.0;
    for (const auto& [formula, heat] : compounds) {
        lowest = std::min(lowest, heat_per_oxygen(formula, heat, false));
        highest = std::max(highest, heat_per_oxygen(formula, heat, false));
    }
    return per_oxygen >= 0.99 * lowest && per_oxygen <= 1.01 * highest;
}

// The CRC Handbook's figures (after Domalski), within 0.5 kJ/mol besides:
// the NIST Chemistry WebBook's differ from them by that much at most.
table_checks::Column combustion_enthalpies()
{
    return {"heats of combustion",
            "25 °C",
            0.5,
            table_checks::Spread::absolute,
            {
                {"CH@d4@", -890.8},
                {"C@d2@H@d6@", -1560.7},
                {"C@d3@H@d8@", -2219.2},
                {"C@d4@H@d10@", -2877.6},
                {"C@d6@H@d14@", -4163.2},
                {"C@d7@H@d16@", -4817.0},
                {"C@d6@H@d12@", -3919.6},
                {"C@d6@H@d6@", -3267.6},
                {"C@d6@H@d5@CH@d3@", -3910.3},
                {"C@d2@H@d4@", -1411.2},
                {"C@d2@H@d2@", -1301.1},
                {"C@d3@H@d6@", -2058.0},
                {"CH@d3@OH", -726.1},
                {"CH@d3@CH@d2@OH", -1366.8},
                {"HCOOH", -254.6},
                {"CH@d3@COOH", -874.2},
                {"C@d6@H@d5@COOH", -3226.9},
                {"CH@d3@COCH@d3@", -1789.9},
                {"CH@d3@CH@d2@OCH@d2@CH@d3@", -2723.9},
            }};
}

double heat_per_oxygen(const std::string& formula_markup, double heat, bool water_as_gas)
{
    const testing_support::ReadFormula f = testing_support::read_formula(formula_markup);
    const auto count = [&f](const char* element) { return f.atoms.contains(element) ? f.atoms.at(element) : 0.0; };
    // Water's enthalpy of vaporisation at 25 °C, 44.0 kJ/mol (CODATA).
    if (water_as_gas) heat += 44.0 / 2.0 * count("H");
    return heat / (count("C") + count("H") / 4.0 - count("O") / 2.0);
}

}  // namespace conditions
