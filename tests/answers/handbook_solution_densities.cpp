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

namespace {

// Water at 20 °C, 0.99821 g/mL (CRC Handbook), as (d - 1)·10^4.
constexpr double water_excess = -17.9;

}  // namespace

// A row's fault against its own trend, "" where it holds: from water at 0 %
// through 10, 20 and 30 % the density rises, and its slope changes by a
// steady factor. Neighbouring slopes' ratios part by no more than 0.1: every
// handbook row's part by 0.05 at most (NaOH's 0.996 and 0.984, formic
// acid's 1.013 and 0.967), where a slip of 0.003 g/mL at 20 % parts them
// by 0.1 already.
std::string density_trend_fault(const std::string& formula, const std::array<std::int32_t, 3>& excess)
{
    const std::array<double, 3> slopes = {excess[0] - water_excess, static_cast<double>(excess[1] - excess[0]),
                                          static_cast<double>(excess[2] - excess[1])};
    const bool rises = slopes[0] > 0.0 && slopes[1] > 0.0 && slopes[2] > 0.0;
    if (rises && std::abs(slopes[2] / slopes[1] - slopes[1] / slopes[0]) <= 0.1) return "";
    return formula + ": slopes " + text_of(slopes[0]) + ", " + text_of(slopes[1]) + ", " + text_of(slopes[2]) +
           " per 10 % from water";
}

// The solutes judged by their trend alone (see the handbook column).
bool judged_by_trend_alone(const std::string& key)
{
    return key.starts_with("K@d2@CrO@d4@ ") || key.starts_with("Cu(NO@d3@)@d2@ ");
}

Judgement solution_densities_judgement()
{
    return by_handbook([] {
        Rows rows = solution_density_rows();
        std::vector<std::string> alone;
        for (const auto& row : rows)
            if (judged_by_trend_alone(row.first)) alone.push_back(row.first);
        return Judged{solution_density_column(), std::move(rows), std::move(alone), "no handbook row: by the trend"};
    });
}

Judgement solution_density_trend_judgement()
{
    return by_law("each row rises from water with a steady change of slope", [](std::int32_t& judged) {
        std::vector<std::string> faults;
        for (const solutions::DensityRow& row : solutions::density_rows)
            if (std::string f = density_trend_fault(compound_formula(row.compound), row.excess); ++judged, !f.empty())
                faults.push_back(std::move(f));
        return faults;
    });
}

}  // namespace table_checks
