// Section 3: every answer worked out again from the statement as shown.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "answer_sweep.h"

namespace final_problems_test {
namespace {

// Moles of hydrogen a mole of each metal releases from an acid.
double hydrogen_per_mole(const std::string& metal)
{
    return metal == "alluminio" ? 1.5 : metal == "litio" ? 0.5 : 1.0;
}

double liquid_molar_mass(const std::string& name)
{
    static const std::map<std::string, std::string> formulas = {{"pentano", "C@d5@H@d12@"},
                                                                {"benzene", "C@d6@H@d6@"},
                                                                {"mercurio", "Hg"},
                                                                {"bromo", "Br@d2@"},
                                                                {"cloroformio", "CHCl@d3@"},
                                                                {"idrazina", "N@d2@H@d4@"},
                                                                {"etere etilico", "C@d4@H@d10@O"},
                                                                {"acqua", "H@d2@O"}};
    return formula_mass(formulas.at(name));
}

const AnswerCheck section_three_rows[] = {
    {17,
     "^@T1@@C1@NUM g di una miscela di ([a-z]+) e ([a-z]+) liberano, sciogliendosi in acidi, NUM L di idrogeno "
     "misurati a NUM@uo@C e NUM torr\\.",
     "^([A-Z][a-z]?) NUM%$",
     [](const Groups& s, const Groups& a) {
         EXPECT_NE(s[2], s[3]);
         EXPECT_GE(s.value(4), 1.0);
         EXPECT_LE(s.value(4), 10.0);
         // m1 + m2 = m and f1 m1 / M1 + f2 m2 / M2 = n(H2); d: the mass, the
         // litres, the temperature and the pressure.
         const double y1 = hydrogen_per_mole(s[2]) / atomic_mass_named(s[2]);
         const double y2 = hydrogen_per_mole(s[3]) / atomic_mass_named(s[3]);
         const bool names_first = a[1] == symbol_named(s[2]);
         EXPECT_TRUE(names_first || a[1] == symbol_named(s[3])) << a[1];
         const auto percent_of = [&](const std::vector<double>& d) {
             const double hydrogen = d[3] / 760.0 * d[1] / (gas_constant * kelvin(d[2]));
             const double first = (hydrogen - y2 * d[0]) / (y1 - y2);
             return 100.0 * (names_first ? first : d[0] - first) / d[0];
         };
         const std::vector<Shown> data = {s.number(1), s.number(4), s.number(5), s.number(6)};
         EXPECT_TRUE(agrees(a.number(2), percent_of({s.value(1), s.value(4), s.value(5), s.value(6)}), 0.5, 2e-3));
         EXPECT_GT(a.value(2), 0.0);
         EXPECT_LT(a.value(2), 100.0);
         // Tenths of a percent where the data leave them.
         EXPECT_TRUE(digits_of_data(a.number(2), percent_of, data)) << a[2];
     }},
    {18,
     "campione di NUM mL di soluzione di cloruri viene trattato con NUM mL di Ag@u\\+@ NUM M e filtrato; .* "
     "richiede NUM mL di SCN@u-@ NUM M\\.",
     "^NUM M $",
     [](const Groups& s, const Groups& a) {
         const auto chloride_of = [](const std::vector<double>& d) { return (d[1] * d[2] - d[3] * d[4]) / d[0]; };
         const std::vector<Shown> data = {s.number(1), s.number(2), s.number(3), s.number(4), s.number(5)};
         EXPECT_TRUE(
             agrees(a.number(1), chloride_of({s.value(1), s.value(2), s.value(3), s.value(4), s.value(5)}), 1.0));
         EXPECT_TRUE(digits_of_data(a.number(1), chloride_of, data));
     }},
    {19,
     "La tensione di vapore dell?'?(?: )?(.+?) è pari a NUM torr a NUM@uo@C\\. .* recipiente di NUM L contenente NUM "
     "g di ([a-z ]+) viene portato",
     "^NUM g $",
     [](const Groups& s, const Groups& a) {
         EXPECT_EQ(s[1].substr(0, s[6].size()), s[6]);
         const double molar_mass = liquid_molar_mass(s[6]);
         const auto liquid_of = [&](const std::vector<double>& d) {
             return d[3] - d[0] / 760.0 * d[2] / (gas_constant * kelvin(d[1])) * molar_mass;
         };
         const std::vector<Shown> data = {s.number(2), s.number(3), s.number(4), s.number(5)};
         EXPECT_TRUE(agrees(a.number(1), liquid_of({s.value(2), s.value(3), s.value(4), s.value(5)}), 0.5, 2e-3));
         EXPECT_TRUE(digits_of_data(a.number(1), liquid_of, data));
         EXPECT_GT(a.value(1), 0.0);
     }},
    {20,
     "combustione completa a 25@uo@C di NUM g di (.+?) \\((.+?)\\), sapendo .* sono pari rispettivamente a NUM, "
     "-285\\.8 "
     "e -393\\.5 kJ/mol$",
     "^NUM kJ$",
     [](const Groups& s, const Groups& a) {
         double c = 0, h = 0;
         for (const auto& [symbol, count] : read_formula(s[3]).atoms) {
             if (symbol == "C") c += count;
             if (symbol == "H") h += count;
         }
         const double molar_mass = formula_mass(s[3]);
         const auto heat_of = [&](const std::vector<double>& d) {
             return -(c * -393.5 + h / 2.0 * -285.8 - d[1]) * d[0] / molar_mass;
         };
         EXPECT_TRUE(agrees(a.number(1), heat_of({s.value(1), s.value(4)}), 0.5, 2e-3));
         EXPECT_TRUE(digits_of_data(a.number(1), heat_of, {s.number(1), s.number(4)}, 3));
     }},
    {21, "radioattività @bb@ è NUM volte", "^NUM anni$",
     [](const Groups& s, const Groups& a) {
         const double age = 5730.0 * std::log(1.0 / s.value(1)) / std::log(2.0);
         // Rounded to the hundred years, not cut down to it.
         EXPECT_EQ(std::fmod(a.value(1), 100.0), 0.0);
         EXPECT_NEAR(a.value(1), age, 50.0);
     }},
    // The table's 25 °C data, ΔH° and ΔS° taken as independent of the
    // temperature, as the page says.
    {22,
     "CO@d2@ a 25@uo@C sono pari a (-110\\.5) e (-393\\.5) kJ/mol, .* sono pari a (197\\.7), (213\\.8) e (5\\.74) "
     "J/\\(K•mol\\), calcolare .* a NUM@uo@C se la pressione totale è quella atmosferica, supponendo @bD@@iH@@u0@ e "
     "@bD@@iS@@u0@ indipendenti dalla temperatura$",
     "^NUM atm$",
     [](const Groups& s, const Groups& a) {
         EXPECT_EQ(std::fmod(s.value(6), 10.0), 0.0);
         const auto pressure_of = [](const std::vector<double>& d) {
             const double t = kelvin(d[5]);
             // C + CO2 = 2 CO
             const double dh = (2.0 * d[0] - d[1]) * 1000.0;
             const double ds = 2.0 * d[2] - d[3] - d[4];
             const double k = std::exp(-(dh - t * ds) / (8.314 * t));
             // p(CO)^2 / (1 - p(CO)) = K at 1 atm.
             return (-k + std::sqrt(k * k + 4.0 * k)) / 2.0;
         };
         std::vector<Shown> data;
         std::vector<double> values;
         for (std::size_t i = 1; i <= 6; ++i) {
             data.push_back(s.number(i));
             values.push_back(s.value(i));
         }
         EXPECT_TRUE(agrees(a.number(1), pressure_of(values), 0.5, 2e-3));
         EXPECT_TRUE(digits_of_data(a.number(1), pressure_of, data));
     }},
    {23,
     "@iK@ = NUM\\)\\. Calcolare il pH di una soluzione NUM M di KCN \\[@iK@@db@\\(CN@u-@\\) = NUM\\] prima e dopo che "
     "a "
     "NUM mL di soluzione siano stati aggiunti NUM mL di AgNO@d3@ NUM M$",
     "^@T1@@C1@NUM; NUM$",
     [](const Groups& s, const Groups& a) {
         const double ka = 1e-14 / s.value(3);
         EXPECT_TRUE(agrees(a.number(1), ph_of({{0.0, s.value(2), ka}})));
         // Ag+ + 2 CN- taken as complete; d: KCN, Kb, the two volumes, Ag+.
         const auto after_of = [](const std::vector<double>& d) {
             const double cyanide = (d[2] * d[0] - 2.0 * d[3] * d[4]) / (d[2] + d[3]);
             return cyanide > 0.0 ? ph_of({{0.0, cyanide, 1e-14 / d[1]}}) : std::nan("");
         };
         const std::vector<Shown> data = {s.number(2), s.number(3), s.number(4), s.number(5), s.number(6)};
         EXPECT_TRUE(agrees(a.number(2), after_of({s.value(2), s.value(3), s.value(4), s.value(5), s.value(6)})));
         // The cyanide left, a few hundredths of what was put in, leaves fewer digits.
         EXPECT_TRUE(digits_of_data(a.number(2), after_of, data, 3));
         EXPECT_LT(a.value(2), a.value(1));
     }},
    {24, "^@T1@@C1@NUM L di una soluzione acquosa di CuSO@d4@ .* depositare NUM g di rame\\.", "^NUM$",
     [](const Groups& s, const Groups& a) {
         // Cu2+ + H2O = Cu + 1/2 O2 + 2 H+
         const auto ph_of_data = [](const std::vector<double>& d) {
             return -std::log10(2.0 * d[1] / atomic_mass("Cu") / d[0]);
         };
         EXPECT_TRUE(agrees(a.number(1), ph_of_data({s.value(1), s.value(2)})));
         EXPECT_TRUE(digits_of_data(a.number(1), ph_of_data, {s.number(1), s.number(2)}, 3));
         EXPECT_GE(s.value(2), 2.0);
     }},
};

using SectionThree = AnswerSweep;

TEST_F(SectionThree, AnswersFollowFromTheNumbersShown)
{
    run(section_three_rows);
}

// Once a fixed count of digits whatever the data.
TEST_F(SectionThree, AnswersKeepTheDigitsTheirDataLeave)
{
    constexpr testing_support::VersionAnswer cases[] = {
        {17, 3, "Li 7.•10@u1@%", "Li 66.8%"},
        {18, 1, "0.025 M ", "0.0247 M"},
        {19, 6, "8.7 g ", "8.68 g"},
        {19, 17, "150.8 g ", "151 g: a ceiling of three"},
        {19, 83, "24.8 g ", "24.9 g, benzene's molar mass written out as 78.115"},
        {19, 88, "78.8 g ", "78.9 g, bromine's molar mass written out as 159.82"},
        {20, 3, "8.7•10@u2@ kJ", "872 kJ"},
        {22, 1, "0.86 atm", "0.9 atm"},
        {24, 8, "2.34", "2.3 by the data moved one way"},
        {23, 3, "@T1@@C1@10.2; 9.3", "@T1@@C1@10.2; 9.32"},
    };
    expect_answers(cases);
}

// Liquid benzene and toluene once carried the gases' enthalpies of
// formation, 82.90 and 50.50 kJ/mol.
TEST_F(SectionThree, LiquidFuelsTakeTheLiquidsEnthalpiesOfFormation)
{
    constexpr testing_support::VersionAnswer cases[] = {{20, 2, "197 kJ", "199 kJ"}};
    expect_answers(cases);
}

// An enthalpy of formation shows the digits its row holds: once four
// digits whatever the row, "12.40" for the row's 12.4.
TEST_F(SectionThree, EnthalpiesOfFormationKeepTheirRowsDigits)
{
    const std::pair<std::int32_t, const char*> cases[] = {
        {2, "a 12.4, -285.8"}, {25, "a 49.1, -285.8"}, {14, "a -74.5, -285.8"}, {3, "a -84.0, -285.8"}};
    for (const auto& [version, shown] : cases) {
        generate(20, version);
        EXPECT_NE(statement().find(shown), std::string::npos) << statement();
    }
}

}  // namespace
}  // namespace final_problems_test
