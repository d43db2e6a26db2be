// The tables the chapter draws from: every compound and reaction it can
// pose has elements the table knows and a molar mass, the mixture sets keep
// the properties their problems rely on, and the pair loop keeps exactly
// the pairs that differ enough.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <utility>

#include "chapters/stoichiometry/mixture_sets.h"
#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/molar_mass.h"
#include "chemistry/table_fields.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/value_slots.h"
#include "stoichiometry_fixture.h"

namespace stoichiometry_test {
namespace {

::testing::AssertionResult well_formed(std::int32_t k)
{
    const std::string composition = composition_of(k);
    if (composition.empty() || composition.size() % 4 != 0)
        return ::testing::AssertionFailure() << k << ": composition \"" << composition << "\"";
    for (std::size_t at = 0; at < composition.size(); at += 4) {
        if (element_with_symbol(strip_trailing_blanks(composition.substr(at, 2))) == 0)
            return ::testing::AssertionFailure() << k << ": no element " << composition.substr(at, 2);
        const auto count = read_i(composition.substr(at + 2, 2));
        if (!count || *count < 1)
            return ::testing::AssertionFailure() << k << ": count " << composition.substr(at + 2, 2);
    }
    float uncertainty = 0.0f;
    if (!(compute_molar_mass(composition, uncertainty) > 0.0f) || uncertainty < 0.0f)
        return ::testing::AssertionFailure() << k << ": no molar mass";
    if (record_columns(compound_record(k), 1, 40).find_first_not_of(' ') == std::string_view::npos)
        return ::testing::AssertionFailure() << k << ": no name";
    return ::testing::AssertionSuccess();
}

TEST_F(ChapterThree, EveryCompoundItCanPoseHasKnownElementsAndAMolarMass)
{
    std::int32_t drawable = 0;
    for (std::int32_t k = 1; k <= compound_slots; ++k) {
        if (!stoichiometry::is_drawable_compound(k)) continue;
        ++drawable;
        EXPECT_TRUE(well_formed(k));
        // Problem 11 leaves one element out of at least two; problems 6 to
        // 11 take an element's share from its one group.
        if (k >= 11) {
            EXPECT_GE(stoichiometry::composition_groups(k), 2) << k;
        }
        EXPECT_EQ(atoms_of(composition_of(k)).size(), static_cast<std::size_t>(stoichiometry::composition_groups(k)))
            << k;
    }
    EXPECT_GT(drawable, 250);
    for (std::int32_t k = 51; k <= 160; ++k)
        if (stoichiometry::is_filled_compound(k)) {
            EXPECT_TRUE(well_formed(k));
        }
}

TEST_F(ChapterThree, EverySpeciesOfTheMolecularReactionsIsACompound)
{
    for (std::int32_t r = 1; r <= 100; ++r) {
        EquationTerms terms;
        ASSERT_TRUE(parse_equation_terms(reaction_record(r), terms)) << r;
        for (std::int32_t s = 1; s <= terms.species_count(); ++s) {
            const std::string formula(terms.species_text(reaction_record(r), s));
            const std::int32_t k = compound_with_formula(formula);
            ASSERT_NE(k, 0) << r << ": " << formula;
            EXPECT_TRUE(well_formed(k));
        }
    }
}

// The set of each loader as the problems read it back from the slots.
std::vector<std::int32_t> salts_of(std::int32_t set)
{
    std::vector<std::int32_t> salts;
    for (std::int32_t j = 1; j <= 6; ++j)
        salts.push_back(read_i(record_columns(value_slots[set].display_text, 3 * j, 3 * j + 2)).value_or(0));
    return salts;
}

std::string group_symbol(std::int32_t k, std::int32_t group)
{
    return std::string(strip_trailing_blanks(composition_of(k).substr(4 * group - 4, 2)));
}

TEST_F(ChapterThree, MixtureSetsHoldTheElementAsTheirProblemsNeed)
{
    stoichiometry::load_mixture_sets_1();
    for (std::int32_t set = 1; set <= 6; ++set) {
        const std::int32_t group = value_slots[set].display_text[0] - '0';
        EXPECT_EQ(value_slots[set].display_text.size(), 40u);
        const auto salts = salts_of(set);
        for (std::int32_t salt : salts) {
            EXPECT_TRUE(well_formed(salt));
            const std::int32_t z = element_with_symbol(group_symbol(salt, group));
            for (std::int32_t other : salts)
                if (other != salt) {
                    EXPECT_EQ(element_fraction(other, z), 0.0) << set << ": " << salt << ", " << other;
                }
        }
    }
    stoichiometry::load_mixture_sets_2();
    for (std::int32_t set = 1; set <= 7; ++set) {
        const std::int32_t group = value_slots[set].display_text[0] - '0';
        const auto salts = salts_of(set);
        for (std::int32_t salt : salts) {
            EXPECT_TRUE(well_formed(salt));
            EXPECT_EQ(group_symbol(salt, group), group_symbol(salts[0], group)) << set << ": " << salt;
        }
    }
}

// A target rounded to 3 or 4 digits never lands exactly on a salt's
// percentage, so the tests against it never divide by zero.
TEST_F(ChapterThree, NoPercentageOfAMixtureSaltIsARoundNumber)
{
    // Each loader's sets; a slot after them holds what another problem left.
    const std::array<std::pair<void (*)(), std::int32_t>, 2> loaders = {{
        {stoichiometry::load_mixture_sets_1, 6},
        {stoichiometry::load_mixture_sets_2, 7},
    }};
    for (const auto& [load, sets] : loaders) {
        load();
        for (std::int32_t set = 1; set <= sets; ++set) {
            const std::int32_t group = value_slots[set].display_text[0] - '0';
            for (std::int32_t salt : salts_of(set)) {
                float u = 0.0f;
                const float p = 100.0f * compute_molar_mass(composition_of(salt).substr(4 * group - 4, 4), u) /
                                compute_molar_mass(composition_of(salt), u);
                for (std::int32_t digits : {3, 4}) {
                    char rounded[32];
                    std::snprintf(rounded, sizeof rounded, "%.*g", digits, static_cast<double>(p));
                    EXPECT_NE(std::stof(rounded), p) << salt;
                }
            }
        }
    }
}

TEST_F(ChapterThree, ThePairLoopKeepsThePairsThatDifferByThreePoints)
{
    std::set<std::pair<std::string, std::string>> posed;
    for (std::int32_t n = 1; n <= 3000; ++n) {
        generate(n % 2 == 0 ? 22 : 24, spread_version(n));
        const auto q = match(
            statement(), n % 2 == 0 ? "^Calcolare quanto (.+) si deve aggiungere a NUM g di (.+) perché"
                                    : "^Calcolare la massima quantità di miscela di (.+) e (.+) a(?:l |ll'|llo )NUM%");
        const std::string a = n % 2 == 0 ? q[2] : q[0];
        const std::string b = n % 2 == 0 ? q[0] : q[1];
        posed.emplace(std::min(a, b), std::max(a, b));
    }
    stoichiometry::load_mixture_sets_2();
    std::set<std::pair<std::string, std::string>> expected;
    std::int32_t carbonate_pairs = 0;
    for (std::int32_t set = 1; set <= 7; ++set) {
        const std::int32_t group = value_slots[set].display_text[0] - '0';
        const auto salts = salts_of(set);
        const std::int32_t z = element_with_symbol(group_symbol(salts[0], group));
        for (std::size_t i = 0; i < salts.size(); ++i)
            for (std::size_t j = i + 1; j < salts.size(); ++j) {
                const double difference =
                    100.0 * std::fabs(element_fraction(salts[i], z) - element_fraction(salts[j], z));
                if (difference < 3.0) continue;
                const std::string a = compound_name(salts[i]);
                const std::string b = compound_name(salts[j]);
                expected.emplace(std::min(a, b), std::max(a, b));
                if (set == 6) ++carbonate_pairs;
            }
    }
    EXPECT_EQ(posed, expected);
    EXPECT_EQ(carbonate_pairs, 5);
    // Lead and silver chloride are too close; sodium and calcium chloride are not.
    EXPECT_EQ(expected.count({"cloruro di argento", "cloruro di piombo"}), 0u);
    EXPECT_EQ(expected.count({"cloruro di calcio", "cloruro di sodio"}), 1u);
}

}  // namespace
}  // namespace stoichiometry_test
