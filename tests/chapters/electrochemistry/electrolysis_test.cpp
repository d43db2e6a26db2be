// Section "Elettrolisi": every answer recomputed from the numbers its
// statement shows with Faraday's laws, F = 96485 C/mol.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "electrochemistry_fixture.h"

namespace electrochemistry_test {
namespace {

TEST_F(ChapterEight, ElectronsCarriedByACurrent)
{
    const std::map<std::string, double> seconds = {{"s", 1.0}, {"min", 60.0}, {"ore", 3600.0}};
    for_versions(1, versions_per_problem, [&] {
        const auto g = match(statement(), "trasferite in " + number_group +
                                              " (s|min|ore) da una corrente di intensità " + number_group + " A$");
        const auto a = match(answer_text(), "^" + number_group + " mol$");
        const double moles = shown_value(g[2]) * shown_value(g[0]) * seconds.at(g[1]) / faraday;
        EXPECT_TRUE(shows(a[0], moles));
        // Its digits follow from the time's two and the current's three.
        EXPECT_EQ(shown_digits(g[0]), 2);
        EXPECT_EQ(shown_digits(g[2]), 3);
        const double u = moles * (relative_uncertainty(g[0]) + relative_uncertainty(g[2]));
        EXPECT_TRUE(digits_for(testing_support::shown(a[0]), moles, u));
    });
}

TEST_F(ChapterEight, CurrentThroughAWire)
{
    std::map<std::string, std::string> resistivities;
    for_versions(2, versions_per_problem, [&] {
        const auto g = match(statement(),
                             "La resistività d(el |ell'|ello )(\\w+) a temperatura ambiente è pari a " + number_group +
                                 " ohm•m\\. Calcolare l'intensità della corrente in un filo d(?:i |')(\\w+) di "
                                 "sezione " +
                                 number_group + " mm@u2@ e lungo " + number_group +
                                 " cm i cui capi si trovano alla differenza di potenziale di " + number_group + " V$");
        EXPECT_EQ(g[1], g[3]);
        resistivities[g[1]] = g[2];
        // I = V·A/(ρ·L), the section in m² and the length in m.
        const double current =
            shown_value(g[6]) * shown_value(g[4]) * 1e-6 / (shown_value(g[2]) * shown_value(g[5]) * 0.01);
        const auto current_of = [](const std::vector<double>& d) { return d[0] * d[1] * 1e-4 / (d[2] * d[3]); };
        const std::string shown = match(answer_text(), "^" + number_group + " A$")[0];
        EXPECT_TRUE(shows(shown, current));
        EXPECT_TRUE(digits_from_data(shown, current_of, {g[6], g[4], g[2], g[5]})) << statement();
    });
    constexpr testing_support::VersionAnswer from_data[] = {{2, 1338715, "2.85 A", "2.9 A by the data moved one way"}};
    expect_answers(from_data);
    // The resistivity keeps the digits of its table text.
    EXPECT_EQ(resistivities["tungsteno"], "5.39•10@u-8@");
    EXPECT_EQ(resistivities["argento"], "1.617•10@u-8@");
    EXPECT_EQ(resistivities["manganese"], "1.44•10@u-6@");
    EXPECT_EQ(resistivities.size(), 14u);
}

TEST_F(ChapterEight, MetalDepositedAtTheCathode)
{
    const std::map<std::string, double> charge = {{"litio", 1},    {"sodio", 1},    {"potassio", 1}, {"argento", 1},
                                                  {"magnesio", 2}, {"calcio", 2},   {"bario", 2},    {"rame", 2},
                                                  {"zinco", 2},    {"alluminio", 3}};
    std::map<std::string, int> seen;
    for_versions(3, versions_per_problem, [&] {
        const auto g = match(statement(), "^@T1@@C1@Calcolare quanto (\\w+) viene depositato al catodo in un'"
                                          "elettrolisi con una corrente di " +
                                              number_group + " A per " + number_group + " ore$");
        ++seen[g[0]];
        const double grams =
            shown_value(g[1]) * shown_value(g[2]) * 3600.0 / faraday / charge.at(g[0]) * atomic_mass_named(g[0]);
        EXPECT_TRUE(shows(match(answer_text(), "^" + number_group + " g$")[0], grams));
    });
    EXPECT_EQ(seen.size(), 10u);
}

TEST_F(ChapterEight, TimeToEvolveHydrogenOrOxygen)
{
    const std::map<std::string, double> per_second = {{"s", 1.0}, {"min", 1.0 / 60.0}, {"ore", 1.0 / 3600.0}};
    for_versions(4, versions_per_problem, [&] {
        const auto g = match(statement(), "per sviluppare " + number_group +
                                              " (L|mL) di (idrogeno|ossigeno) misurati a " + number_group +
                                              "@uo@C e pressione atmosferica nell'elettrolisi dell'acqua da una "
                                              "corrente di " +
                                              number_group + " A$");
        const double litres = shown_value(g[0]) * (g[1] == "mL" ? 0.001 : 1.0);
        EXPECT_EQ(g[1] == "mL", shown_value(g[0]) >= 10.0 && litres < 1.0);
        // Moles of gas at 1 atm, two electrons per H2 and four per O2.
        const double moles = litres / (0.08205 * (shown_value(g[3]) + 273.15));
        const double seconds = moles * (g[2] == "idrogeno" ? 2.0 : 4.0) * faraday / shown_value(g[4]);
        const auto a = match(answer_text(), "^" + number_group + " (s|min|ore)$");
        EXPECT_EQ(a[1], seconds < 60.0 ? "s" : seconds < 3600.0 ? "min" : "ore") << seconds;
        EXPECT_TRUE(shows(a[0], seconds * per_second.at(a[1])));
        // The temperature's two digits leave three kelvin.
        const double unit = per_second.at(a[1]) * (g[1] == "mL" ? 0.001 : 1.0) * (g[2] == "idrogeno" ? 2.0 : 4.0);
        const auto time_of = [unit](const std::vector<double>& d) {
            return d[0] / (0.08205 * (d[2] + 273.15)) * faraday / d[1] * unit;
        };
        EXPECT_TRUE(digits_from_data(a[0], time_of, {g[0], g[4], g[3]})) << statement();
    });
    constexpr testing_support::VersionAnswer with_temperature[] = {
        {4, 2, "54 ore", "53.6 ore"}, {4, 8624815, "32.9 min", "33 min by the data moved one way"}};
    expect_answers(with_temperature);
}

}  // namespace
}  // namespace electrochemistry_test
