// The chapter's tables against the literal texts and values they were
// written from, and the data facts that keep every division defined.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chapters/solutions/solutions_problems.h"
#include "chapters/solutions/solutions_tables.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/molar_mass.h"
#include "chemistry/salt_solubilities.h"
#include "chemistry/table_fields.h"
#include "numbers/fixed_width.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "solutions_fixture.h"

namespace solutions_test {
// The chapter's names are brought in for this file only (the folder compiles
// as one file).
namespace tables {
namespace {

using namespace solutions;

// Right-aligned numbers of `width` characters, joined.
template <typename Entries, typename Field>
std::string joined(const Entries& entries, int width, Field field)
{
    std::string text;
    for (const auto& entry : entries) {
        std::string n = std::to_string(field(entry));
        text += std::string(width - n.size(), ' ') + n;
    }
    return text;
}

TEST(SolutionTables, SoluteListsAndDensitiesAreTheWrittenTexts)
{
    std::string formality = joined(formality_solutes, 3, [](auto c) { return c; });
    for (auto& c : formality) c = c == ' ' ? '0' : c;
    EXPECT_EQ(formality, "052053054057072075077332101102103104105106107108109116117121122126127"
                         "161162171172174176177191192193201202203204211212282285286287289293295");
    EXPECT_EQ(joined(percent_solutes, 3, [](auto c) { return c; }),
              " 51 52 53 54 57101102103104105106107108109117121122126127131132171172174176177180181201202204205206207");
    // The densities' rows in their order (their figures are judged against
    // the handbook with the other data tables).
    EXPECT_EQ(joined(density_rows, 4, [](const DensityRow& row) { return static_cast<std::int32_t>(row.compound); }),
              " 332 172 103 107 331  92 207  72  88 122 152 280 205 121  53 201  75");
}

TEST(SolutionTables, SaltsSolubilitiesAndSolventsAreTheWrittenTexts)
{
    std::string salts;
    for (const SaltIon& salt : salt_ions)
        salts +=
            joined(std::array{salt.compound}, 3, [](auto c) { return c; }) + salt.cation_charge + salt.anion_charge;
    for (auto& c : salts) c = c == ' ' ? '0' : c;
    EXPECT_EQ(salts, "0511105211053110572110111102111171112111122111032110421108211092118122171121801217332"
                     "2011120211205112042120621207212801228112");
    std::string anions;
    for (const SaltIon& salt : salt_ions) anions += std::to_string(salt.anions);
    EXPECT_EQ(anions, "1112111112222111311122211");

    std::string solubility;
    for (const SaltSolubility* salt : solubility_salts) {
        const SaltSolubility& row = *salt;
        solubility += std::to_string(salt_compound(row)) + std::string(row.at_25) + std::string(row.at_100);
    }
    EXPECT_EQ(solubility,
              "10131.732.91101.093.19277.0880.412780.614.001128.0048.028714.472.2848.6029.41840.761.412863.866.33"
              "2791.094.03");
    std::string boiling;
    for (const BoilingSolvent& row : boiling_solvents)
        boiling += std::to_string(row.compound) + std::string(row.boiling_point) + std::string(row.constant);
    EXPECT_EQ(boiling, "401 34.5 2.11373 61.2 3.63312 78.3 1.22301 80.1 2.53377155.8 6.20");
    std::string freezing;
    for (const FreezingSolvent& row : freezing_solvents) {
        freezing += std::string(row.name) + std::string(10 - row.name.size(), ' ');
        freezing += std::string(row.freezing_point) + std::string(row.constant);
    }
    EXPECT_EQ(freezing, "benzene     5.5 5.12naftalina  80.2  6.8canfora    178.  40.");

    // The fits' constants, as the formulas of the pages were written.
    const float b[] = {31416.14f, 32820.15f, 34076.8f, 35892.2f};
    const std::int32_t compounds[] = {373, 374, 301, 302};
    for (std::size_t v = 0; v < 4; ++v) {
        EXPECT_EQ(solvent_vapours[v].fit.b, b[v]);
        EXPECT_EQ(solvent_vapours[v].fit.compound, compounds[v]);
        EXPECT_EQ(" " + compound_name(compounds[v]) + " (" + compound_formula(compounds[v]) + ")",
                  solvent_vapours[v].statement_piece);
    }
}

TEST(SolutionTables, ReactionListsAreTheWrittenTexts)
{
    std::string roles;
    for (const RedoxRoles& r : redox_roles)
        roles += std::to_string(r.reaction) + std::to_string(r.reduced) + std::to_string(r.oxidised);
    EXPECT_EQ(
        roles,
        "101211022110312104211051210612107211081210921110121111211221113121142111512116121172111812119211201212"
        "121122121232112421125121262112712128211291213021131121322113321134121351213621137121381213921140211411214212");
    std::string products;
    for (const RedoxProduct& r : redox_products)
        products +=
            std::to_string(r.reaction) + std::to_string(r.a) + std::to_string(r.b) + std::to_string(r.product) + " ";
    EXPECT_EQ(products,
              "102121 103122 104121 105122 106121 107121 108121 109121 110121 111121 112121 113122 114122 115121 "
              "117121 146122 122121 123121 124121 125122 126121 127122 128122 135122 131122 132121 133121 134122 "
              "136122 137122 138121 139122 140121 141121 142122 144122 ");
    std::string changes;
    for (const EquivalentChange& c : equivalent_changes) {
        std::string state(c.state);
        state += std::string(2 - state.size(), ' ');
        changes += std::to_string(c.equivalents) + state + joined(std::array{c.compound}, 3, [](auto k) { return k; }) +
                   "    ";
    }
    EXPECT_EQ(changes, "3+2201    2+4204    8-3202    1+6289    3+4289    5+2289    6+3287    6-1267    "
                       "20 132    4+5213    2+4286    3+3464    2+5211    8+6146    ");
}

TEST(SolutionTables, CommonIonListsCountTheirIon)
{
    // The ion's first element, counted in each compound's formula.
    const std::map<std::int32_t, std::string> key = {{11, "Cl"}, {12, "N"}, {13, "S"},
                                                     {16, "Na"}, {17, "K"}, {18, "Cu"}};
    for (const CommonIonList& list : common_ion_lists) {
        ASSERT_EQ(list.salts.size(), list.number == 18 ? 3u : 5u);
        for (const CommonIonSalt& salt : list.salts) {
            EXPECT_EQ(read_formula(compound_formula(salt.compound)).atoms[key.at(list.number)], salt.ions)
                << list.number << " " << compound_formula(salt.compound);
        }
    }
}

// Every molar mass a problem divides by, and every volume of problem 34.
TEST(SolutionTables, EveryCompoundAndSpeciesTheProblemsUseHasAMolarMass)
{
    std::vector<std::int32_t> compounds(formality_solutes.begin(), formality_solutes.end());
    compounds.insert(compounds.end(), percent_solutes.begin(), percent_solutes.end());
    for (const DensityRow& row : density_rows) compounds.push_back(row.compound);
    for (const SaltIon& salt : salt_ions) compounds.push_back(salt.compound);
    for (const CommonIonList& list : common_ion_lists)
        for (const CommonIonSalt& salt : list.salts) compounds.push_back(salt.compound);
    for (const SaltSolubility* salt : solubility_salts) compounds.push_back(salt_compound(*salt));
    for (const SolventVapour& row : solvent_vapours) compounds.push_back(row.fit.compound);
    for (const BoilingSolvent& row : boiling_solvents) compounds.push_back(row.compound);
    for (const EquivalentChange& change : equivalent_changes) compounds.push_back(change.compound);
    for (std::int32_t c : compounds) {
        EXPECT_GT(compound_molar_mass(c), 0.0f) << c;
        // Composition and formula tell the same compound.
        EXPECT_NEAR(compound_molar_mass(c), formula_mass(compound_formula(c)), 0.01) << c;
    }

    // Problem 33: any two reactants but the medium's; problem 34: A and B.
    for (std::int32_t r = 101; r <= 150; ++r) {
        EquationTerms terms;
        ASSERT_TRUE(parse_equation_terms(reaction_record(r), terms));
        for (std::int32_t j = 1; j <= terms.reactant_count; ++j) {
            const std::string species(strip_trailing_blanks(terms.species_text(reaction_record(r), j)));
            if (species == "H@u+@" || species == "OH@u-@" || species == "H@d2@O" ||
                species.find("@u") != std::string::npos)
                continue;
            EXPECT_GT(species_molar_mass(species), 0.0f) << r << " " << species;
        }
    }
    for (const RedoxProduct& record : redox_products) {
        EquationTerms terms;
        ASSERT_TRUE(parse_equation_terms(reaction_record(record.reaction), terms));
        const auto species = [&](std::int32_t j) { return terms.species_text(reaction_record(record.reaction), j); };
        const bool ionic_a = species(record.a).find("@u") != std::string_view::npos;
        const bool ionic_b = species(record.b).find("@u") != std::string_view::npos;
        EXPECT_TRUE(ionic_a || ionic_b) << record.reaction;
        EXPECT_LE(record.product, terms.product_count) << record.reaction;
    }
}

TEST(SolutionTables, TitrationEquivalentMassesAreMolarMassesPerElectron)
{
    const char* substances[] = {"Na@d2@C@d2@O@d4@", "Zn", "I@d2@", "FeSO@d4@", "NaHSO@d3@"};
    const int electrons[] = {2, 2, 2, 1, 2};
    for (std::size_t v = 0; v < titrations.size(); ++v) {
        EXPECT_NEAR(titrations[v].equivalent_mass, formula_mass(substances[v]) / electrons[v], 0.03) << v + 1;
        EXPECT_NE(titrations[v].substance.find(substances[v]), std::string_view::npos);
    }
}

TEST(SolutionTables, SolventsPassNineHundredNinetyNineTorrWhereTheyShould)
{
    // Last accepted and first refused temperature, in tenths of a degree.
    const float limits[][2] = {{69.8f, 69.9f}, {85.9f, 86.0f}, {89.2f, 89.3f}};
    for (std::int32_t v = 1; v <= 3; ++v) {
        EXPECT_LE(solvent_vapour_pressure(v, limits[v - 1][0]), 999.0f) << v;
        EXPECT_GT(solvent_vapour_pressure(v, limits[v - 1][1]), 999.0f) << v;
    }
    EXPECT_NEAR(solvent_vapour_pressure(toluene, 112.0f), 790.1, 1.0);
    // Problem 27 stays below the limits.
    for (std::int32_t v = 1; v <= 4; ++v)
        EXPECT_LE(solvent_vapour_pressure(v, solvent_densities[v - 1].highest_t), 999.0f) << v;
}

TEST(SolutionTables, SolubilityTextsGiveTheirOwnDigits)
{
    set_slot_text(1, solubility_salts[2]->at_25);
    EXPECT_FLOAT_EQ(value_slots[1].value, 0.088f);
    EXPECT_EQ(value_slots[1].digits, 2);
    set_slot_text(1, solubility_salts[5]->at_100);
    EXPECT_FLOAT_EQ(value_slots[1].value, 72.0f);
    EXPECT_EQ(value_slots[1].digits, 2);
}

}  // namespace
}  // namespace tables
}  // namespace solutions_test
