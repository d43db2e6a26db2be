// Section 6: every answer worked out again from the statement as shown.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "answer_sweep.h"
#include "chemistry/molar_mass.h"
#include "support/formula_reading.h"

namespace final_problems_test {
namespace {

double reagent_mass(const std::string& cation_pair_formula)
{
    return cation_pair_formula.find("IO@d3@") != std::string::npos ? formula_mass("KIO@d3@")
           : cation_pair_formula.find('F') != std::string::npos    ? formula_mass("KF")
                                                                   : formula_mass("K@d2@SO@d4@");
}

const AnswerCheck section_six_rows[] = {
    {41,
     "combustione completa di NUM g di composto si producono unicamente NUM g di H@d2@O e NUM L di CO@d2@ misurati a "
     "NUM@uo@C e NUM torr$",
     "^C@d([0-9]*)@H@d([0-9]*)@(O(?:@d([0-9])@)?)?$",
     [](const Groups& s, const Groups& a) {
         const auto count = [](const std::string& digits) { return digits.empty() ? 1 : std::stoi(digits); };
         const int x = count(a[1]), y = count(a[2]), z = a[3].empty() ? 0 : count(a[4]);
         // The formula is empirical: no common divisor.
         EXPECT_EQ(std::gcd(std::gcd(x, y), z), 1);
         // It gives back the water and the carbon dioxide of the sample.
         const double moles = s.value(1) / formula_mass("C@d" + std::to_string(x) + "@H@d" + std::to_string(y) +
                                                        "@O@d" + std::to_string(z) + "@");
         EXPECT_TRUE(agrees(s.number(2), moles * y / 2.0 * formula_mass("H@d2@O"), 0.5, 1e-3));
         const double volume = moles * x * gas_constant * kelvin(s.value(4)) / (s.value(5) / 760.0);
         EXPECT_TRUE(agrees(s.number(3), volume, 0.5, 1e-3));
     }},
    {42,
     "^NUM mL di una soluzione contenente HCl e HBr vengono titolati da NUM mL di NaOH NUM M\\. NUM mL .* danno NUM g "
     "di precipitato",
     "^HCl NUM M; HBr NUM M$",
     [](const Groups& s, const Groups& a) {
         const double silver_chloride = formula_mass("AgCl"), silver_bromide = formula_mass("AgBr");
         const auto bromide = [&](const std::vector<double>& d) {
             const double halides = d[4] / (d[3] * 1e-3);
             return (halides - silver_chloride * d[1] * d[2] / d[0]) / (silver_bromide - silver_chloride);
         };
         const auto chloride = [&](const std::vector<double>& d) { return d[1] * d[2] / d[0] - bromide(d); };
         const std::vector<Shown> data = {s.number(1), s.number(2), s.number(3), s.number(4), s.number(5)};
         EXPECT_TRUE(from_data(a.number(2), bromide, data, 5e-3));
         EXPECT_TRUE(from_data(a.number(1), chloride, data, 5e-3));
         EXPECT_GT(a.value(1), 0.0);
         EXPECT_GT(a.value(2), 0.0);
     }},
    {43, "a NUM@uo@C dell'acqua e del (tetracloruro di carbonio|benzene|toluene), .* sono pari a NUM e NUM torr\\. ",
     "^NUM%$",
     [](const Groups& s, const Groups& a) {
         const std::string formula = s[2] == "benzene" ? "C@d6@H@d6@" : s[2] == "toluene" ? "C@d7@H@d8@" : "CCl@d4@";
         const double water = s.value(3) * formula_mass("H@d2@O");
         const double organic = s.value(4) * formula_mass(formula);
         EXPECT_TRUE(agrees(a.number(1), 100.0 * water / (water + organic)));
         EXPECT_LE(s.value(4), 999.0);
         if (s[2] == "benzene") {
             EXPECT_LE(s.value(1), 65.0);
         }
     }},
    {44,
     "costante di equilibrio (aumenta|diminuisce) de(?:l |ll'|llo )NUM% (riscaldando|raffreddando) il sistema da NUM a "
     "NUM@uo@C$",
     "^NUM kJ$",
     [](const Groups& s, const Groups& a) {
         const double ratio = s[1] == "aumenta" ? 1.0 + s.value(2) / 100.0 : 1.0 - s.value(2) / 100.0;
         const double t_from = kelvin(s.value(4)), t_to = kelvin(s.value(5));
         EXPECT_EQ(s[3] == "riscaldando", t_to > t_from);
         // ln(K_to / K_from) = -dH/R (1/T_to - 1/T_from)
         const double dh = -8.314e-3 * std::log(ratio) / (1.0 / t_to - 1.0 / t_from);
         EXPECT_TRUE(agrees(a.number(1), dh, 0.5, 2e-3));
         // Heating with a growing constant (or cooling with a falling one) takes heat in.
         EXPECT_EQ(a.value(1) > 0.0, (s[1] == "aumenta") == (s[3] == "riscaldando"));
     }},
    {45,
     "campione di NUM mg di una miscela(?: gassosa)? radioattiva si hanno NUM decadimenti .* @u[0-9]+@([A-Z][a-z]?) "
     "\\(@it@@d1/2@ = NUM anni\\)\\..* nella miscela è NUM% in massa$",
     "^NUM$",
     [](const Groups& s, const Groups& a) {
         // One half-life for carbon-14 in the book.
         if (s[3] == "C") {
             EXPECT_EQ(s.value(4), 5730.0);
         }
         const double half_life = s.value(4) * 365.0 * 86400.0;
         const double radioactive = s.value(2) * half_life / std::log(2.0);
         const double atoms = s.value(5) / 100.0 * s.value(1) * 1e-3 / atomic_mass(s[3]) * 6.02214e23;
         EXPECT_TRUE(agrees(a.number(1), radioactive / atoms, 0.5, 1e-3));
     }},
    {46,
     "mescolando (?:NUM mL di (?:HF|CH@d3@COOH|HClO|HCN|HCOOH) NUM M \\[@iK@@da@ = NUM\\] e NUM mL di NH@d3@ NUM M "
     "\\[@iK@@db@ = NUM\\]|NUM mL di NH@d3@ NUM M \\[@iK@@db@ = NUM\\] e NUM mL di (?:HF|CH@d3@COOH|HClO|HCN|HCOOH) "
     "NUM M "
     "\\[@iK@@da@ = NUM\\])$",
     "^@T1@@C1@NUM$",
     [](const Groups& s, const Groups& a) {
         const bool acid_first = !s[1].empty();
         // d: the acid's volume, molarity and Ka, the base's volume, molarity and Kb. Near
         // equivalence the pH turns on the data's last digits.
         const auto ph = [](const std::vector<double>& d) {
             const double total = d[0] + d[3];
             return ph_of({{d[1] * d[0] / total, 0.0, d[2]}, {0.0, d[4] * d[3] / total, 1e-14 / d[5]}});
         };
         const std::size_t at = acid_first ? 1 : 10, base_at = acid_first ? 4 : 7;
         EXPECT_TRUE(from_data(a.number(1), ph,
                               {s.number(at), s.number(at + 1), s.number(at + 2), s.number(base_at),
                                s.number(base_at + 1), s.number(base_at + 2)}));
     }},
    {47,
     "a NUM mL di una soluzione NUM M in .+ e NUM M in .+ in modo da precipitare la massima quantità di (.+?) "
     "\\[@iK@@dps@ = NUM\\] senza che precipiti .+ \\[@iK@@dps@ = NUM\\]\\.",
     "^NUM g; NUM M$",
     [](const Groups& s, const Groups& a) {
         const std::string first = s[4];
         const double n = first.find("SO@d4@") != std::string::npos ? 1.0 : 2.0;
         // d: the volume, the two cations and the two solubility products. The anion
         // up to where the second salt would start to precipitate.
         const auto anion = [n](const std::vector<double>& d) { return std::pow(d[4] / d[2], 1.0 / n); };
         const auto left = [&](const std::vector<double>& d) { return d[3] / std::pow(anion(d), n); };
         const auto reagent = [&](const std::vector<double>& d) {
             return ((d[1] - left(d)) * n + anion(d)) * d[0] * 1e-3 * reagent_mass(first);
         };
         const std::vector<Shown> data = {s.number(1), s.number(2), s.number(3), s.number(5), s.number(6)};
         EXPECT_TRUE(from_data(a.number(2), left, data, 2e-3));
         EXPECT_TRUE(from_data(a.number(1), reagent, data, 2e-3));
     },
     // The table counts these digits as a product's; this row alone judges
     // them against how far the data's rounding carries the answers.
     3000},
    {48,
     "sulla reazione (.+?) \\(@bD@@iG@@u0@ = NUM kJ/mol\\) è pari a NUM V\\. Calcolare la concentrazione di (\\S+) "
     "se (?:quella di \\S+ all'altro elettrodo è NUM M|all'elettrodo a idrogeno il pH è NUM e)",
     "^NUM M $",
     [](const Groups& s, const Groups& a) {
         const std::string reaction = s[1], asked = s[4];
         const bool hydrogen_electrode = !s[6].empty();
         const std::size_t other_at = hydrogen_electrode ? 6 : 5;
         // log10 Q = log10 Q' + nu log10 [asked], Q' from the other ion or the pH.
         double nu = 0.0;
         const auto known_log_q = [&](double other) {
             double log_q = 0.0;
             const std::size_t equals = reaction.find(" = ");
             for (const auto& [side, sign] :
                  {std::pair{reaction.substr(0, equals), -1.0}, std::pair{reaction.substr(equals + 3), 1.0}}) {
                 std::size_t start = 0;
                 while (start <= side.size()) {
                     const std::size_t end = std::min(side.find(" + ", start), side.size());
                     std::string term = side.substr(start, end - start);
                     double coefficient = 1.0;
                     if (std::isdigit(static_cast<unsigned char>(term[0]))) {
                         coefficient = term[0] - '0';
                         term.erase(0, 1);
                     }
                     if (term == asked)
                         nu = sign * coefficient;
                     else if (term == "H@u+@")
                         log_q -= sign * coefficient * other;
                     else if (term.find("@u") != std::string::npos)
                         log_q += sign * coefficient * std::log10(other);
                     start = end + 3;
                 }
             }
             return log_q;
         };
         const auto unknown = [&](const std::vector<double>& x) {
             const double standard = -x[0] * 1000.0 / (2.0 * faraday);
             // The voltage keeps the sign of the standard potential.
             const double e = standard >= 0.0 ? x[1] : -x[1];
             const double log_q = (standard - e) * 2.0 / nernst_slope;
             const double rest = known_log_q(x[2]);
             return std::pow(10.0, (log_q - rest) / nu);
         };
         EXPECT_TRUE(from_data(a.number(1), unknown, {s.number(2), s.number(3), s.number(other_at)}));
     }},
};

using SectionSix = AnswerSweep;

TEST_F(SectionSix, AnswersFollowFromTheNumbersShown)
{
    run(section_six_rows);
}

// Problem 47's salts weigh what their formulas do: the composition the
// page computes with against the tests' own reading of the formula.
TEST_F(SectionSix, ReagentsCompositionsAreTheirFormulas)
{
    for (const final_problems::Reagent& r : final_problems::reagents)
        EXPECT_NEAR(composition_molar_mass(r.composition), testing_support::formula_mass(r.formula), 0.01) << r.formula;
}

// Once with Avogadro's number written 6.0206e23.
TEST_F(SectionSix, AtomsCountWithAvogadrosNumber)
{
    constexpr testing_support::VersionAnswer cases[] = {{45, 156, "7.6•10@u-8@", "7.7•10@u-8@"}};
    expect_answers(cases);
}

}  // namespace
}  // namespace final_problems_test
