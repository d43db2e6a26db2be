// Densities of aqueous solutions at 20 °C: the CRC Handbook of Chemistry and
// Physics, "Concentrative properties of aqueous solutions", as (d - 1)·10^4
// with d in g/mL; formic acid with the International Critical Tables'
// higher figures (1.0246, 1.0488, 1.0729) as the other end. Within 0.002
// g/mL besides. K2CrO4 and Cu(NO3)2 have no row here: no such table of
// theirs is held, and the rise of their own rows judges them.
#include "handbook_solution_densities.h"

#include <array>

#include "chapters/solutions/solutions_tables.h"
#include "chemistry/table_fields.h"

namespace table_checks {

namespace {

struct DensitySource {
    const char* formula;
    std::array<double, 3> excess;
    std::array<double, 3> other = {none, none, none};
};

constexpr DensitySource density_sources[] = {
    {"CH@d3@COOH", {125, 263, 384}},
    {"(NH@d4@)@d2@SO@d4@", {575, 1149, 1724}},
    {"CaCl@d2@", {835, 1775, 2816}},
    {"FeCl@d3@", {851, 1816, 2897}},
    {"HCOOH", {222, 465, 700}, {246, 488, 729}},
    {"HCl", {474, 980, 1492}},
    {"HNO@d3@", {543, 1150, 1800}},
    {"H@d3@PO@d4@", {531, 1134, 1805}},
    {"KBr", {740, 1601, 2593}},
    {"K@d2@CO@d3@", {904, 1898, 2979}},
    {"AgNO@d3@", {882, 1942, 3204}},
    {"NaBr", {803, 1745, 2842}},
    {"NaOH", {1089, 2191, 3279}},
    {"NaNO@d3@", {674, 1429, 2256}},
    {"H@d2@SO@d4@", {661, 1394, 2185}},
};

}  // namespace

std::string solution_density_key(const std::string& formula, int percent)
{
    return formula + " " + std::to_string(percent) + " %";
}

const Column& solution_density_column()
{
    static const Column column = [] {
        Column c{"solution densities", "(d - 1)·10^4 at 20 °C", 20.0, Spread::absolute, {}};
        for (const DensitySource& s : density_sources)
            for (std::size_t i = 0; i < s.excess.size(); ++i)
                c.rows.push_back(
                    {solution_density_key(s.formula, 10 * static_cast<int>(i + 1)), s.excess[i], s.other[i]});
        return c;
    }();
    return column;
}

std::vector<std::pair<std::string, std::string>> solution_density_rows()
{
    std::vector<std::pair<std::string, std::string>> rows;
    for (const solutions::DensityRow& row : solutions::density_rows)
        for (std::size_t i = 0; i < row.excess.size(); ++i)
            rows.emplace_back(solution_density_key(compound_formula(row.compound), 10 * static_cast<int>(i + 1)),
                              std::to_string(row.excess[i]));
    return rows;
}

}  // namespace table_checks
