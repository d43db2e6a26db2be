// Problems 1 to 5: symbols, protons and electrons, isotopes, the mean mass
// of an element's atoms and the atoms in a sample, checked against the
// element table and an independent calculation in double precision.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "chemistry/data_tables.h"
#include "elements_compounds_fixture.h"
#include "numbers/fixed_width.h"

namespace elements_compounds_test {
namespace {

// "6.022•10@u23@" or "35.45" as a number.
double number(const std::string& shown)
{
    const auto dot = shown.find("•10@u");
    const double mantissa = std::stod(shown.substr(0, dot));
    return dot == std::string::npos ? mantissa : mantissa * std::pow(10.0, std::stoi(shown.substr(dot + 7)));
}

// Half a unit of the last digit shown.
double half_last_digit(const std::string& shown)
{
    const auto dot = shown.find("•10@u");
    const std::string mantissa = shown.substr(0, dot);
    const auto point = mantissa.find('.');
    const auto decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = dot == std::string::npos ? 0 : std::stoi(shown.substr(dot + 7));
    return 0.5 * std::pow(10.0, exponent - decimals);
}

constexpr const char* shown_number = R"((-?[0-9.]+(?:•10@u-?[0-9]+@)?))";

TEST_F(ChapterTwo, SymbolsAndNamesAnswerEachOther)
{
    for_versions(1, 300, [&](std::int32_t) {
        const auto asked = match(statement(), R"(simbolo d(?:el |ell'|ello )(.+) e a quale .* simbolo (\w+)$)");
        const auto given = match(answer_text(), R"(^(\w+); (.+)$)");
        const std::int32_t a = element_named(asked[0]);
        ASSERT_GT(a, 0) << asked[0];
        EXPECT_EQ(given[0], symbol_of(a));
        EXPECT_EQ(symbol_of(element_named(given[1])), asked[1]);
        EXPECT_NE(given[0], asked[1]);
    });
}

TEST_F(ChapterTwo, ProtonsAndElectronsAreTheAtomicNumbers)
{
    std::int32_t light = 0;
    for_versions(2, 300, [&](std::int32_t) {
        const auto names = match(statement(), R"(atomo di (.+)\? Quanti .* neutro di (.+)\?$)");
        const auto numbers = match(answer_text(), R"(^(\d+); (\d+)$)");
        EXPECT_EQ(std::stoi(numbers[0]), element_named(names[0]));
        EXPECT_EQ(std::stoi(numbers[1]), element_named(names[1]));
        EXPECT_NE(numbers[0], numbers[1]);
        if (std::stoi(numbers[0]) <= 50) ++light;
    });
    // Half the draws come from the first 50 elements, besides the uniform ones.
    EXPECT_GT(light, 170);
}

TEST_F(ChapterTwo, NucleonsOfEveryIsotopeButUranium238)
{
    std::map<std::string, std::string> answers;
    for_versions(3, 3000, [&](std::int32_t) {
        const auto isotope = match(statement(), R"(nucleo di @u(\d+)@(\w+)\?$)");
        answers[isotope[1] + " " + isotope[0]] = answer_text();
        const std::int32_t z = *find_element_by_symbol(isotope[1]);
        const std::int32_t n = std::stoi(isotope[0]) - z;
        const std::string protons = z == 1 ? "Un protone" : std::to_string(z) + " protoni";
        const std::string neutrons = n == 0 ? "" : n == 1 ? " e un neutrone" : " e " + std::to_string(n) + " neutroni";
        EXPECT_EQ(answer_text(), protons + neutrons);
    });
    EXPECT_EQ(answers.size(), 80u);
    EXPECT_EQ(answers.count("U 238"), 0u);
    EXPECT_EQ(answers["H 1"], "Un protone");
    EXPECT_EQ(answers["H 2"], "Un protone e un neutrone");
    EXPECT_EQ(answers["He 3"], "2 protoni e un neutrone");
    EXPECT_EQ(answers["U 235"], "92 protoni e 143 neutroni");
}

TEST_F(ChapterTwo, MeanMassOfTheNaturalElement)
{
    std::set<std::string> elements;
    for_versions(4, 400, [&](std::int32_t) {
        const auto data =
            match(statement(), std::string(R"(^(?:L'|Il )(\w+) naturale .* isotopi @u\d+@\w+ e @u\d+@\w+, )") +
                                   "di massa rispettivamente pari a " + shown_number + " kg e " + shown_number +
                                   R"( kg\..* (primo|secondo) isotopo è pari a ([0-9.]+)%$)");
        elements.insert(data[0]);
        const double amu = physical_constants().atomic_mass_unit;
        const double m1 = number(data[1]) / amu;
        const double m2 = number(data[2]) / amu;
        const double given = std::stod(data[4]) / 100.0;
        const double first = data[3] == "primo" ? given : 1.0 - given;
        const double mean = (first * m1 + (1.0 - first) * m2) * amu;
        const auto shown = match(answer_text(), std::string("^") + shown_number + " kg$");
        EXPECT_NEAR(number(shown[0]), mean, half_last_digit(shown[0]) + mean * 1e-6);
        // The two percentages are complementary: the given one's three units
        // move the mean by their share of the mass difference only.
        const double uncertainty = 6.0 * half_last_digit(data[4]) / 100.0 * std::fabs(m2 - m1) * amu +
                                   first * 6.0 * half_last_digit(data[1]) +
                                   (1.0 - first) * 6.0 * half_last_digit(data[2]);
        EXPECT_TRUE(testing_support::digits_for(testing_support::shown(shown[0]), mean, uncertainty));
    });
    EXPECT_EQ(elements.size(), 20u);
    // Once three digits short, the percentages taken as independent; then
    // antimony 123 a unit light in its last digit, and abundances outside
    // their element's natural range.
    constexpr testing_support::VersionAnswer cases[] = {
        {4, 9437664, "2.02186•10@u-25@ kg", "2.022•10@u-25@ kg, then 2.02185•10@u-25@ kg"},
        {4, 207, "3.09204•10@u-25@ kg", "3.09215•10@u-25@ kg, rhenium 185 at 37.07 %"},
        {4, 284, "6.4924•10@u-26@ kg", "6.4929•10@u-26@ kg, potassium 41 at 6.88 %"},
        {4, 260, "5.8871•10@u-26@ kg", "5.8879•10@u-26@ kg, chlorine 37 at 24.47 %"},
        {4, 233, "1.15778•10@u-25@ kg", "1.1577•10@u-25@ kg, gallium 71 at 39.6 %"},
        {4, 50, "8.45904•10@u-26@ kg", "8.45905•10@u-26@ kg, vanadium 50 at 0.24 % (IUPAC 0.250 %)"},
    };
    expect_answers(cases);
}

// The isotope data are real: a nuclide weighs within 0.1 u of its mass
// number, less than it from oxygen on, and the two abundances of an
// element add up to 100 % (potassium 41 takes potassium 40's 0.0117 %).
TEST_F(ChapterTwo, IsotopeMassesAndAbundancesAreReal)
{
    // Masses in u that a slip of digits had made wrong.
    const std::map<std::string, double> mended = {
        {"cloro 37", 36.966}, {"rubidio 87", 86.909}, {"tantalio 180", 179.947}};
    std::set<std::string> mended_seen;
    std::map<std::string, std::map<std::string, double>> abundances;
    for_versions(4, 400, [&](std::int32_t) {
        const auto data =
            match(statement(), std::string(R"(^(?:L'|Il )(\w+) naturale .* isotopi @u(\d+)@\w+ e )") +
                                   R"(@u(\d+)@\w+, di massa rispettivamente pari a )" + shown_number + " kg e " +
                                   shown_number + R"( kg\..* (primo|secondo) isotopo è pari a ([0-9.]+)%$)");
        const double amu = physical_constants().atomic_mass_unit;
        for (int k : {0, 1}) {
            const double mass_number = std::stod(data[1 + k]);
            const double mass = number(data[3 + k]) / amu;
            EXPECT_NEAR(mass, mass_number, 0.1) << data[0];
            if (const auto m = mended.find(data[0] + " " + data[1 + k]); m != mended.end()) {
                EXPECT_NEAR(mass, m->second, half_last_digit(data[3 + k]) / amu + 1e-4) << m->first;
                mended_seen.insert(m->first);
            }
            if (mass_number > 16) {
                EXPECT_LT(mass, mass_number) << data[0];
            }
        }
        abundances[data[0]][data[5]] = std::stod(data[6]);
    });
    EXPECT_EQ(abundances.size(), 20u);
    EXPECT_EQ(mended_seen.size(), mended.size());
    for (const auto& [element, given] : abundances) {
        ASSERT_EQ(given.size(), 2u) << element;
        EXPECT_NEAR(given.at("primo") + given.at("secondo"), 100.0, 1e-9) << element;
    }
}

TEST_F(ChapterTwo, CarbonTwelveKeepsItsEightDigits)
{
    for_versions(4, 400, [&](std::int32_t) {
        if (statement().rfind("Il carbonio", 0) != 0) return;
        const auto masses = match(statement(), R"(pari a ([0-9.]+)•10@u-26@ kg)");
        EXPECT_EQ(masses[0].size(), 9u) << "eight significant digits";
    });
}

TEST_F(ChapterTwo, AtomsInASampleOfAnElement)
{
    const std::map<std::string, double> grams = {{"pg", 1e-12}, {"ng", 1e-9}, {"µg", 1e-6}, {"mg", 1e-3}, {"g", 1.0}};
    std::set<std::string> units;
    for_versions(5, 400, [&](std::int32_t) {
        const auto data =
            match(statement(), std::string(R"(atomi di (.+) e calcolare quanti atomi sono contenuti in )") +
                                   shown_number + R"( (\S+) di questo elemento$)");
        const std::int32_t z = element_named(data[0]);
        EXPECT_NE(z, 43);
        EXPECT_LE(z, 83);
        units.insert(data[2]);
        const double sample = number(data[1]);
        if (z > 56 && z < 74) {
            EXPECT_LE(sample, 1.0);
        }
        const double atomic_mass = std::stod(std::string(record_columns(element_record(z), 21, 30)));
        const double atom_grams = atomic_mass / 6.0221417e23;
        const auto shown = match(answer_text(), std::string("^") + shown_number + " g; " + shown_number + "$");
        EXPECT_NEAR(number(shown[0]), atom_grams, half_last_digit(shown[0]) + atom_grams * 1e-4);
        const double atoms = grams.at(data[2]) * sample / atom_grams;
        EXPECT_NEAR(number(shown[1]), atoms, half_last_digit(shown[1]) + atoms * 1e-4);
    });
    EXPECT_EQ(units.size(), 5u);
}

}  // namespace
}  // namespace elements_compounds_test
