// The solutes, salts and solvents of the chapter and the lookups on them.
#include <algorithm>

#include "chapters/solutions/solutions_problems.h"
#include "chapters/solutions/solutions_tables.h"
#include "chemistry/compound_records.h"
#include "chemistry/salt_solubilities.h"
#include "numbers/thermal_constants.h"

namespace solutions {

const std::array<std::int32_t, 46> formality_solutes{
    52,  53,  54,  57,  72,  75,  77,  332, 101, 102, 103, 104, 105, 106, 107, 108, 109, 116, 117, 121, 122, 126, 127,
    161, 162, 171, 172, 174, 176, 177, 191, 192, 193, 201, 202, 203, 204, 211, 212, 282, 285, 286, 287, 289, 293, 295};

const std::array<std::int32_t, 34> percent_solutes{51,  52,  53,  54,  57,  101, 102, 103, 104, 105, 106, 107,
                                                   108, 109, 117, 121, 122, 126, 127, 131, 132, 171, 172, 174,
                                                   176, 177, 180, 181, 201, 202, 204, 205, 206, 207};

const std::array<DensityRow, 17> density_rows{{
    {332, {121, 250, 369}},
    {172, {574, 1154, 1721}},
    {103, {835, 1775, 2816}},
    {107, {853, 1816, 2416}},
    {331, {224, 467, 700}},
    {92, {494, 920, 1492}},
    {207, {909, 2017, 3349}},
    {72, {543, 1150, 1801}},
    {88, {531, 1135, 1804}},
    {122, {740, 1601, 2593}},
    {152, {904, 1898, 2979}},
    {280, {803, 1720, 2763}},
    {205, {882, 1942, 3204}},
    {121, {803, 1745, 2842}},
    {53, {1089, 2192, 3277}},
    {201, {819, 1429, 2256}},
    {75, {661, 1398, 2191}},
}};

float solution_density(std::int32_t v, std::int32_t r, float x)
{
    const std::array<std::int32_t, 3>& k = density_rows.at(v - 1).excess;
    const auto excess = [&](std::size_t i) { return static_cast<float>(k[i]); };
    if (r == 1) return x * 0.1f * excess(0) * 0.0001f + 1.0f;
    if (r == 2) return (x - 10.0f) * 0.1f * (excess(1) - excess(0)) * 0.0001f + excess(0) * 0.0001f + 1.0f;
    return (x - 20.0f) * 0.1f * (excess(2) - excess(1)) * 0.0001f + excess(1) * 0.0001f + 1.0f;
}

const std::array<SaltIon, salt_count> salt_ions{{
    {51, '1', '1', 1},  {52, '1', '1', 1},  {53, '1', '1', 1},  {57, '2', '1', 2},  {101, '1', '1', 1},
    {102, '1', '1', 1}, {117, '1', '1', 1}, {121, '1', '1', 1}, {122, '1', '1', 1}, {103, '2', '1', 2},
    {104, '2', '1', 2}, {108, '2', '1', 2}, {109, '2', '1', 2}, {181, '2', '2', 1}, {171, '1', '2', 1},
    {180, '1', '2', 1}, {173, '3', '2', 3}, {201, '1', '1', 1}, {202, '1', '1', 1}, {205, '1', '1', 1},
    {204, '2', '1', 2}, {206, '2', '1', 2}, {207, '2', '1', 2}, {280, '1', '2', 1}, {281, '1', '2', 1},
}};

const SaltIon& salt_ion(std::int32_t v)
{
    return salt_ions.at(v - 1);
}

std::string cation_phrase(std::int32_t v)
{
    const SaltIon& salt = salt_ion(v);
    std::string phrase = first_symbol(salt.compound) + "@u";
    if (salt.cation_charge != '1') phrase += salt.cation_charge;
    return phrase + "+@";
}

std::string anion_phrase(std::int32_t v)
{
    if (v <= 4) return " OH@u-@";
    if (v <= 13) return " " + second_symbol(salt_ion(v).compound) + "@u-@";
    if (v <= 17) return " SO@d4@@u2-@";
    if (v <= 23) return " NO@d3@@u-@";
    return " CrO@d4@@u2-@";
}

std::int32_t ions_per_formula(std::int32_t v)
{
    return first_count(salt_ion(v).compound) + salt_ion(v).anions;
}

const std::array<CommonIonList, 6> common_ion_lists{{
    {11, " Cl@u-@", {{{101, 1}, {102, 1}, {103, 2}, {104, 2}, {107, 3}}}, 5},
    {12, " NO@d3@@u-@", {{{201, 1}, {202, 1}, {204, 2}, {206, 2}, {207, 2}}}, 5},
    {13, " SO@d4@@u2-@", {{{171, 1}, {172, 1}, {174, 1}, {177, 3}, {173, 3}}}, 5},
    {16, " Na@u+@", {{{101, 1}, {161, 1}, {171, 2}, {191, 1}, {201, 1}}}, 5},
    {17, " K@u+@", {{{102, 1}, {122, 1}, {162, 1}, {180, 2}, {192, 1}}}, 5},
    {18, " Cu@u2+@", {{{108, 1}, {174, 1}, {207, 1}}}, 3},
}};

const CommonIonList& common_ion_list(std::int32_t number)
{
    const auto list = std::find_if(common_ion_lists.begin(), common_ion_lists.end(),
                                   [number](const CommonIonList& l) { return l.number == number; });
    return list == common_ion_lists.end() ? common_ion_lists.front() : *list;
}

constexpr std::array<const SaltSolubility*, 10> solubility_salts = {
    &salt_solubility("NaCl"),     &salt_solubility("PbCl@d2@"),     &salt_solubility("PbI@d2@"),
    &salt_solubility("HgBr@d2@"), &salt_solubility("HgCl@d2@"),     &salt_solubility("K@d2@Cr@d2@O@d7@"),
    &salt_solubility("KIO@d3@"),  &salt_solubility("Ag@d2@SO@d4@"), &salt_solubility("Na@d2@C@d2@O@d4@"),
    &salt_solubility("SnI@d2@")};

const std::array<SolventVapour, 4> solvent_vapours{{
    {vapour_pressure_fit(compounds::chloroform), " cloroformio (CHCl@d3@)"},
    {vapour_pressure_fit(compounds::carbon_tetrachloride), " tetracloruro di carbonio (CCl@d4@)"},
    {vapour_pressure_fit(compounds::benzene), " benzene (C@d6@H@d6@)"},
    {vapour_pressure_fit(compounds::toluene), " toluene (C@d6@H@d5@CH@d3@)"},
}};

float solvent_vapour_pressure(std::int32_t v, float t)
{
    return vapour_pressure_torr(solvent_vapours.at(v - 1).fit, kelvin(t));
}

const std::array<SolventDensity, 4> solvent_densities{{
    {1.4788f, 0.00127f, 60.0f},
    {1.594f, 0.00121f, 76.0f},
    {0.8765f, 0.00117f, 80.0f},
    {0.8688f, 0.0011f, 110.0f},
}};

const std::array<BoilingSolvent, 5> boiling_solvents{{
    {compounds::diethyl_ether, " 34.4", " 2.11"},
    {compounds::chloroform, " 61.2", " 3.63"},
    {compounds::ethanol, " 78.3", " 1.22"},
    {compounds::benzene, " 80.2", " 2.53"},
    {compounds::bromobenzene, "155.8", " 6.20"},
}};

const std::array<FreezingSolvent, 3> freezing_solvents{{
    {"benzene", "  5.6", " 5.12"},
    {"naftalina", " 80.2", "  6.8"},
    {"canfora", " 178.", "  40."},
}};

}  // namespace solutions
