// Problems 11 to 14: a potential difference between two similar electrodes
// turned into a pH, a concentration, a solubility product or the constant
// of a chloro complex, each recomputed from the numbers the statement shows
// with ΔE = (0.0592/n)·log(c1/c2).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "electrochemistry_fixture.h"

namespace electrochemistry_test {
namespace {

constexpr double slope = 0.0592;

// c1 from c2 and the potential of electrode 1 over electrode 2.
double first_concentration(double second, std::int32_t electrons, double difference)
{
    return second * std::pow(10.0, electrons * difference / slope);
}

TEST_F(ChapterEight, PhOfAHydrogenElectrode)
{
    // Wide: the pH is the one the potential and the pH shown give.
    for_versions(11, 3000, [&] {
        const auto g =
            match(statement(), "a pH incognito è di " + number_group + " V (maggiore|minore) di quello di uno a pH " +
                                   number_group + "\\. Calcolare il pH del primo elettrodo$");
        const std::string shown = match(answer_text(), "^" + number_group + "$")[0];
        // Two decimals, so a pH of 10 or more shows four digits; the answer's
        // pH just below 10 rounds up to "10.0".
        EXPECT_EQ(last_digit(g[2]), 0.01) << g[2];
        EXPECT_TRUE(last_digit(shown) == 0.01 || shown == "10.0") << shown;
        // E = -0.0592·pH: the higher potential has the lower pH.
        const double difference = (g[1] == "maggiore" ? 1.0 : -1.0) * shown_value(g[0]);
        EXPECT_TRUE(shows(shown, shown_value(g[2]) - difference / slope, 0.5 * last_digit(shown)));
    });
    // Once the pH drawn before the potential was rounded.
    constexpr testing_support::VersionAnswer drawn_ph[] = {{11, 1, "4.67", "4.66"}};
    expect_answers(drawn_ph);
    // Once "a pH 10.0" beside an answer of two decimals.
    generate(11, 1627844);
    EXPECT_TRUE(statement().ends_with("a pH 10.00. Calcolare il pH del primo elettrodo")) << statement();
}

TEST_F(ChapterEight, IonConcentrationOfAnElectrode)
{
    for_versions(12, versions_per_problem, [&] {
        const auto g =
            match(statement(),
                  "del tipo (\\S+) \\+ ([0-9]*)e = X è di " + number_group +
                      " V (maggiore|minore) di quello di un elettrodo simile in cui \\[([^\\]]+)\\] = " + number_group +
                      " M\\. Calcolare la concentrazione di ioni (\\S+) nel primo elettrodo$");
        const std::int32_t electrons = g[1].empty() ? 1 : std::stoi(g[1]);
        EXPECT_EQ(g[4], g[0]);
        EXPECT_EQ(g[6], g[0]);
        EXPECT_EQ(ion_charge(g[0]), electrons);
        const double sign = g[3] == "maggiore" ? 1.0 : -1.0;
        const auto concentration_of = [&](const std::vector<double>& d) {
            return first_concentration(d[1], electrons, sign * d[0]);
        };
        const std::string shown = match(answer_text(), "^" + number_group + " M$")[0];
        EXPECT_TRUE(shows(shown, concentration_of({shown_value(g[2]), shown_value(g[5])})));
        // The potential is a signed difference: its whole uncertainty
        // counts, also at "0.00".
        const std::vector<testing_support::Shown> data = {testing_support::shown(g[2]), testing_support::shown(g[5])};
        double u = 0.0;
        for (const double part : testing_support::first_order_parts(concentration_of, data, {true, false})) u += part;
        const double value = concentration_of({data[0].value, data[1].value});
        EXPECT_TRUE(digits_for(testing_support::shown(shown), value, u)) << statement();
    });
    // Once three digits whatever the data: 0.130 V over three electrons
    // leaves the concentration within 40 %.
    constexpr testing_support::VersionAnswer from_data[] = {
        {12, 3, "9.•10@u-9@ M", "8.68•10@u-9@ M"},
        {12, 1, "6.9•10@u-3@ M", "6.92•10@u-3@ M"},
        {12, 5823320, "8.1•10@u-4@ M", "8.•10@u-4@ M by the data moved one way"},
        {12, 9265555, "3.7•10@u-8@ M", "0.00 V: 0.06 M"}};
    expect_answers(from_data);
}

TEST_F(ChapterEight, SolubilityProductFromACell)
{
    std::int32_t lead_iodide = 0;
    for_versions(13, versions_per_problem, [&] {
        const auto g =
            match(statement(), "^La differenza di potenziale a 25@uo@C tra un elettrodo a(d argento| piombo) "
                               "con \\[([^\\]]+)\\] = " +
                                   number_group + " M ed uno contenente una soluzione satura di (\\S+) è pari a " +
                                   number_group + " V\\. Calcolare il prodotto di solubilità di (\\S+)$");
        EXPECT_EQ(g[5], g[3]);
        const std::int32_t electrons = ion_charge(g[1]);
        // One cation per formula unit; two anions where the formula ends in a 2.
        const double anions = g[3].ends_with("@d2@") ? 2.0 : 1.0;
        const auto product_of = [&](const std::vector<double>& d) {
            return std::pow(anions, anions) * std::pow(first_concentration(d[0], electrons, -d[1]), 1.0 + anions);
        };
        const double saturated = first_concentration(shown_value(g[2]), electrons, -shown_value(g[4]));
        const std::string shown = match(answer_text(), "^" + number_group + "$")[0];
        EXPECT_TRUE(shows(shown, product_of({shown_value(g[2]), shown_value(g[4])})));
        EXPECT_TRUE(digits_from_data(shown, product_of, {g[2], g[4]}, 2)) << statement();
        if (g[3] == "PbI@d2@") {
            // Ksp 9.8•10^-9: the saturated solution holds 1.35•10^-3 M of
            // lead, within the rounding of the potential shown.
            EXPECT_NEAR(saturated, 1.35e-3, 1.35e-3 * 0.05);
            EXPECT_EQ(shown_value(g[4]) < 0.0, shown_value(g[2]) < 1.34e-3);
            ++lead_iodide;
        }
    });
    EXPECT_GT(lead_iodide, 0);
    // Mercury(II) halides are molecular in solution: out of the draw.
    constexpr testing_support::VersionAnswer no_mercury[] = {{13, 2, "1.0•10@u-8@", "HgI@d2@: 3.•10@u-29@"}};
    expect_answers(no_mercury);
}

TEST_F(ChapterEight, ChlorocomplexFormationConstant)
{
    for_versions(14, versions_per_problem, [&] {
        const auto g =
            match(statement(), "^@T1@@C1@(\\S+) e Cl@u-@ formano lo ione complesso (\\S+)\\. Mescolando " +
                                   number_group + " mL di \\S+ " + number_group + " M con " + number_group +
                                   " mL di Cl@u-@ " + number_group +
                                   " M, a 25@uo@C un elettrodo contenente X metallico immerso nella soluzione "
                                   "risultante ha potenziale " +
                                   number_group + " V inferiore a uno simile in cui \\[\\S+\\] = " + number_group +
                                   " M\\. Calcolare la costante di equilibrio della reazione (.+)\\.$");
        const std::string ion = g[0];
        const std::string complex = g[1];
        const double chlorides = std::stod(match(complex, "^XCl@d([0-9])@")[0]);
        const std::string ligands = " + " + std::to_string(static_cast<int>(chlorides)) + "Cl@u-@";
        const bool forms = g[8] == ion + ligands + " = " + complex;
        EXPECT_TRUE(forms || g[8] == complex + " = " + ion + ligands) << g[8];
        // d: the ion's and the chloride's volumes and molarities, the
        // potential and the reference concentration.
        const auto constant_of = [&](const std::vector<double>& d) {
            const double volume = d[0] + d[2];
            const double free_ion = first_concentration(d[5], ion_charge(ion), -d[4]);
            const double bound = d[1] * d[0] / volume - free_ion;
            const double chloride = d[3] * d[2] / volume - chlorides * bound;
            EXPECT_GT(chloride, 0.0);
            const double formation = bound / (std::pow(chloride, chlorides) * free_ion);
            return forms ? formation : 1.0 / formation;
        };
        const std::vector<std::string> data = {g[2], g[3], g[4], g[5], g[6], g[7]};
        std::vector<double> values;
        for (const std::string& d : data) values.push_back(shown_value(d));
        const std::string shown = match(answer_text(), "^" + number_group + "$")[0];
        EXPECT_TRUE(shows(shown, constant_of(values)));
        EXPECT_TRUE(digits_from_data(shown, constant_of, data, 2)) << statement();
    });
    constexpr testing_support::VersionAnswer from_data[] = {{14, 3, "4.•10@u-11@", "3.8•10@u-11@"}};
    expect_answers(from_data);
}

}  // namespace
}  // namespace electrochemistry_test
