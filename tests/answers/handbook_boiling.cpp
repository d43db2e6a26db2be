#include "handbook_boiling.h"

#include <algorithm>
#include <string>

#include "chapters/final_problems/final_problems_problems.h"
#include "chapters/final_problems/solvents.h"
#include "chapters/solutions/solutions_tables.h"
#include "chemistry/compound_records.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"

namespace table_checks {

namespace {

// A liquid's formula: its record's, else the one problems 9.4 and 9.19
// print in parentheses after its name.
std::string liquid_key(std::int32_t compound)
{
    if (std::string formula = compound_formula(compound); !formula.empty()) return formula;
    std::string_view name;
    for (const final_problems::Solvent& s : final_problems::solvents)
        if (s.compound == compound) name = s.name;
    for (const final_problems::Liquid& l : final_problems::liquids)
        if (l.compound == compound) name = l.name;
    const std::size_t open = name.find('(') + 1;
    return open == 0 ? std::to_string(compound) : std::string(name.substr(open, name.find(')') - open));
}

}  // namespace

// Normal boiling points, °C: CRC Handbook, "Physical constants of organic
// compounds" and "of inorganic compounds" (sulfuric acid: its 98 %
// azeotrope), with the NIST Chemistry WebBook's where it parts (carbon
// disulfide 319.4 K). Within 0.1 °C besides, the spread between handbooks.
Column normal_boiling_column()
{
    using namespace compounds;
    const auto row = [](std::int32_t compound, double value, double other = none) {
        return Source{liquid_key(compound), value, other};
    };
    return {"vapour table",
            "normal boiling point",
            0.1,
            Spread::absolute,
            {
                row(carbon_disulfide, 46.2, 46.25),
                row(benzene, 80.08),
                row(toluene, 110.63),
                row(cyclohexane, 80.73),
                row(chloroform, 61.17),
                row(acetone, 56.05),
                row(aniline, 184.17),
                row(ethanol, 78.29),
                row(diethyl_ether, 34.5),
                row(carbon_tetrachloride, 76.8),
                row(sulfuric_acid, 337.0),
                row(bromine, 58.8),
                row(hydrazine, 113.55),
                row(pentane, 36.06),
                row(mercury, 356.62),
                row(liquid_water, 99.97),
                row(acetic_acid, 117.9),
            }};
}

Rows normal_boiling_rows()
{
    Rows rows;
    for (const VapourPressureFit& fit : vapour_pressure_fits) {
        const std::string key = liquid_key(fit.compound);
        if (fit.boiling.empty() || std::ranges::find(rows, key, &Rows::value_type::first) != rows.end()) continue;
        rows.emplace_back(key, std::string(fit.boiling));
    }
    return rows;
}

// Densities at 20 °C, g/mL: CRC Handbook, "Physical constants of organic
// compounds"; within 0.0002 besides.
Column solvent_density_column()
{
    using namespace compounds;
    const auto row = [](std::int32_t compound, double value) { return Source{compound_formula(compound), value}; };
    return {"solvents' densities",
            "20 °C",
            0.0002,
            Spread::absolute,
            {row(chloroform, 1.4832), row(carbon_tetrachloride, 1.5940), row(benzene, 0.8765), row(toluene, 0.8668)}};
}

Rows solvent_density_rows()
{
    Rows rows;
    for (std::size_t v = 0; v < solutions::solvent_densities.size(); ++v)
        rows.emplace_back(compound_formula(solutions::solvent_vapours.at(v).fit.compound),
                          text_of(solutions::solvent_densities.at(v).at_20));
    return rows;
}

// Freezing points, °C: CRC Handbook, "Physical constants of organic
// compounds"; within 0.05 °C besides.
Column freezing_point_column()
{
    return {"freezing solvents", "freezing point", 0.05, Spread::absolute, {{"benzene", 5.49}, {"naftalina", 80.26}}};
}

Rows freezing_point_rows()
{
    Rows rows;
    for (const solutions::FreezingSolvent& s : solutions::freezing_solvents)
        rows.emplace_back(std::string(s.name), std::string(s.freezing_point));
    return rows;
}

}  // namespace table_checks
