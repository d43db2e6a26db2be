// The solutes, salts and solvents of the chapter and the lookups on them.
#include <algorithm>

#include "chapters/solutions/solutions_problems.h"
#include "chapters/solutions/solutions_tables.h"
#include "chemistry/compound_records.h"
#include "chemistry/salt_solubilities.h"
#include "numbers/thermal_constants.h"

namespace solutions {

const std::array<CompoundKey, 46> formality_solutes{compounds::potassium_hydroxide,
                                                    compounds::sodium_hydroxide,
                                                    compounds::caesium_hydroxide,
                                                    compounds::barium_hydroxide,
                                                    compounds::nitric_acid,
                                                    compounds::sulfuric_acid,
                                                    compounds::arsenic_acid,
                                                    compounds::acetic_acid,
                                                    compounds::sodium_chloride,
                                                    compounds::potassium_chloride,
                                                    compounds::calcium_chloride,
                                                    compounds::barium_chloride,
                                                    compounds::tin_ii_chloride,
                                                    compounds::iron_ii_chloride,
                                                    compounds::iron_iii_chloride,
                                                    compounds::copper_ii_chloride,
                                                    compounds::zinc_chloride,
                                                    compounds::sodium_fluoride,
                                                    compounds::potassium_fluoride,
                                                    compounds::sodium_bromide,
                                                    compounds::potassium_bromide,
                                                    compounds::sodium_iodide,
                                                    compounds::potassium_iodide,
                                                    compounds::sodium_hydrogen_carbonate,
                                                    compounds::potassium_hydrogen_carbonate,
                                                    compounds::sodium_sulfate,
                                                    compounds::ammonium_sulfate,
                                                    compounds::copper_ii_sulfate,
                                                    compounds::iron_iii_sulfate,
                                                    compounds::chromium_iii_sulfate,
                                                    compounds::sodium_hydrogen_sulfate,
                                                    compounds::potassium_hydrogen_sulfate,
                                                    compounds::ammonium_hydrogen_sulfate,
                                                    compounds::sodium_nitrate,
                                                    compounds::potassium_nitrate,
                                                    compounds::calcium_nitrate,
                                                    compounds::barium_nitrate,
                                                    compounds::sodium_nitrite,
                                                    compounds::potassium_nitrite,
                                                    compounds::copper_ii_sulfate_pentahydrate,
                                                    compounds::sodium_acetate,
                                                    compounds::sodium_oxalate,
                                                    compounds::potassium_dichromate,
                                                    compounds::potassium_permanganate,
                                                    compounds::potassium_cyanide,
                                                    compounds::calcium_chloride_dihydrate};

const std::array<CompoundKey, 34> percent_solutes{
    compounds::lithium_hydroxide,  compounds::potassium_hydroxide,  compounds::sodium_hydroxide,
    compounds::caesium_hydroxide,  compounds::barium_hydroxide,     compounds::sodium_chloride,
    compounds::potassium_chloride, compounds::calcium_chloride,     compounds::barium_chloride,
    compounds::tin_ii_chloride,    compounds::iron_ii_chloride,     compounds::iron_iii_chloride,
    compounds::copper_ii_chloride, compounds::zinc_chloride,        compounds::potassium_fluoride,
    compounds::sodium_bromide,     compounds::potassium_bromide,    compounds::sodium_iodide,
    compounds::potassium_iodide,   compounds::sodium_sulfide,       compounds::potassium_sulfide,
    compounds::sodium_sulfate,     compounds::ammonium_sulfate,     compounds::copper_ii_sulfate,
    compounds::iron_iii_sulfate,   compounds::chromium_iii_sulfate, compounds::potassium_sulfate,
    compounds::zinc_sulfate,       compounds::sodium_nitrate,       compounds::potassium_nitrate,
    compounds::barium_nitrate,     compounds::silver_nitrate,       compounds::zinc_nitrate,
    compounds::copper_ii_nitrate};

// At 20 °C: the CRC Handbook of Chemistry and Physics, "Concentrative
// properties of aqueous solutions" (HCl 1.0474, 1.0980, 1.1492 g/mL; NaNO3
// 1.0674 at 10 %; FeCl3 1.2897 at 30 %).
const std::array<DensityRow, 17> density_rows{{
    {compounds::acetic_acid, {121, 250, 369}},
    {compounds::ammonium_sulfate, {574, 1154, 1721}},
    {compounds::calcium_chloride, {835, 1775, 2816}},
    {compounds::iron_iii_chloride, {853, 1816, 2897}},
    {compounds::formic_acid, {224, 467, 700}},
    {compounds::hydrogen_chloride, {474, 980, 1492}},
    {compounds::copper_ii_nitrate, {909, 2017, 3349}},
    {compounds::nitric_acid, {543, 1150, 1801}},
    {compounds::phosphoric_acid, {531, 1135, 1804}},
    {compounds::potassium_bromide, {740, 1601, 2593}},
    {compounds::potassium_carbonate, {904, 1898, 2979}},
    {compounds::potassium_chromate, {803, 1720, 2763}},
    {compounds::silver_nitrate, {882, 1942, 3204}},
    {compounds::sodium_bromide, {803, 1745, 2842}},
    {compounds::sodium_hydroxide, {1089, 2192, 3277}},
    {compounds::sodium_nitrate, {674, 1429, 2256}},
    {compounds::sulfuric_acid, {661, 1398, 2191}},
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
    {compounds::lithium_hydroxide, '1', '1', 1},  {compounds::potassium_hydroxide, '1', '1', 1},
    {compounds::sodium_hydroxide, '1', '1', 1},   {compounds::barium_hydroxide, '2', '1', 2},
    {compounds::sodium_chloride, '1', '1', 1},    {compounds::potassium_chloride, '1', '1', 1},
    {compounds::potassium_fluoride, '1', '1', 1}, {compounds::sodium_bromide, '1', '1', 1},
    {compounds::potassium_bromide, '1', '1', 1},  {compounds::calcium_chloride, '2', '1', 2},
    {compounds::barium_chloride, '2', '1', 2},    {compounds::copper_ii_chloride, '2', '1', 2},
    {compounds::zinc_chloride, '2', '1', 2},      {compounds::zinc_sulfate, '2', '2', 1},
    {compounds::sodium_sulfate, '1', '2', 1},     {compounds::potassium_sulfate, '1', '2', 1},
    {compounds::aluminium_sulfate, '3', '2', 3},  {compounds::sodium_nitrate, '1', '1', 1},
    {compounds::potassium_nitrate, '1', '1', 1},  {compounds::silver_nitrate, '1', '1', 1},
    {compounds::barium_nitrate, '2', '1', 2},     {compounds::zinc_nitrate, '2', '1', 2},
    {compounds::copper_ii_nitrate, '2', '1', 2},  {compounds::potassium_chromate, '1', '2', 1},
    {compounds::sodium_chromate, '1', '2', 1},
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

namespace {

constexpr std::array<CommonIonSalt, 5> chlorides{{
    {compounds::sodium_chloride, 1},
    {compounds::potassium_chloride, 1},
    {compounds::calcium_chloride, 2},
    {compounds::barium_chloride, 2},
    {compounds::iron_iii_chloride, 3},
}};
constexpr std::array<CommonIonSalt, 5> nitrates{{
    {compounds::sodium_nitrate, 1},
    {compounds::potassium_nitrate, 1},
    {compounds::barium_nitrate, 2},
    {compounds::zinc_nitrate, 2},
    {compounds::copper_ii_nitrate, 2},
}};
constexpr std::array<CommonIonSalt, 5> sulfates{{
    {compounds::sodium_sulfate, 1},
    {compounds::ammonium_sulfate, 1},
    {compounds::copper_ii_sulfate, 1},
    {compounds::chromium_iii_sulfate, 3},
    {compounds::aluminium_sulfate, 3},
}};
constexpr std::array<CommonIonSalt, 5> sodium_salts{{
    {compounds::sodium_chloride, 1},
    {compounds::sodium_hydrogen_carbonate, 1},
    {compounds::sodium_sulfate, 2},
    {compounds::sodium_hydrogen_sulfate, 1},
    {compounds::sodium_nitrate, 1},
}};
constexpr std::array<CommonIonSalt, 5> potassium_salts{{
    {compounds::potassium_chloride, 1},
    {compounds::potassium_bromide, 1},
    {compounds::potassium_hydrogen_carbonate, 1},
    {compounds::potassium_sulfate, 2},
    {compounds::potassium_hydrogen_sulfate, 1},
}};
constexpr std::array<CommonIonSalt, 3> copper_salts{{
    {compounds::copper_ii_chloride, 1},
    {compounds::copper_ii_sulfate, 1},
    {compounds::copper_ii_nitrate, 1},
}};

}  // namespace

const std::array<CommonIonList, 6> common_ion_lists{{
    {11, " Cl@u-@", chlorides},
    {12, " NO@d3@@u-@", nitrates},
    {13, " SO@d4@@u2-@", sulfates},
    {16, " Na@u+@", sodium_salts},
    {17, " K@u+@", potassium_salts},
    {18, " Cu@u2+@", copper_salts},
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

// Densities at 20 °C: CRC Handbook, "Physical constants of organic
// compounds".
const std::array<SolventDensity, 4> solvent_densities{{
    {1.4832f, 0.00127f, 60.0f},
    {1.594f, 0.00121f, 76.0f},
    {0.8765f, 0.00117f, 80.0f},
    {0.8668f, 0.0011f, 110.0f},
}};

const std::array<BoilingSolvent, 5> boiling_solvents{{
    {compounds::diethyl_ether, normal_boiling_point(compounds::diethyl_ether), " 2.11"},
    {compounds::chloroform, normal_boiling_point(compounds::chloroform), " 3.63"},
    {compounds::ethanol, normal_boiling_point(compounds::ethanol), " 1.22"},
    {compounds::benzene, normal_boiling_point(compounds::benzene), " 2.53"},
    // Stated on these pages alone.
    {compounds::bromobenzene, "155.8", " 6.20"},
}};

// Benzene's freezing point: CRC Handbook, "Physical constants of organic
// compounds" (5.49 °C).
const std::array<FreezingSolvent, 3> freezing_solvents{{
    {"benzene", "  5.5", " 5.12"},
    {"naftalina", " 80.2", "  6.8"},
    {"canfora", " 178.", "  40."},
}};

}  // namespace solutions
