// Section "Prodotto di solubilità": solubilities with and without a common
// ion, after mixing, of hydroxides and carbonates, recomputed from the
// shown numbers with the saturated solutions solved independently.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "equilibria_fixture.h"

namespace equilibria_test {
namespace {

// Anions or hydroxide groups per formula of the salts these problems name.
int anions_of(const std::string& formula)
{
    if (formula.find("@d3@") != std::string::npos && formula.find("(OH)") != std::string::npos) return 3;
    return formula.ends_with(")@d2@") || formula.ends_with("@d2@") ? 2 : 1;
}

// The pH above which the hydroxo anion of an amphoteric hydroxide carries
// more of its metal than the cation: -log *beta_n / n (Baes and Mesmer, The
// Hydrolysis of Cations, 1976); 14 for the others.
double anion_ph(const std::string& formula)
{
    const std::map<std::string, double> amphoteric = {
        {"Zn(OH)@d2@", 28.4 / 3}, {"Pb(OH)@d2@", 28.06 / 3}, {"Sn(OH)@d2@", 16.61 / 3}, {"Ga(OH)@d3@", 16.6 / 4}};
    const auto found = amphoteric.find(formula);
    return found == amphoteric.end() ? 14.0 : found->second;
}

// The root of an increasing function on a logarithmic bracket.
double log_root(const std::function<double(double)>& f, double lo = -20.0, double hi = 1.0)
{
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (f(std::pow(10.0, mid)) > 0.0 ? hi : lo) = mid;
    }
    return std::pow(10.0, 0.5 * (lo + hi));
}

// [OH-] of a saturated solution of M(OH)m in pure water.
double saturated_hydroxide(int m, double k)
{
    return log_root([&](double x) { return std::pow(x, m - 1) * (x * x - kw) - m * k; });
}

// Solubility s of M(OH)m in a strong acid at c, by bisection on (0, c/m) of
// s = (k / Kw^m)(c - m s)^m; c/m itself where the root is within 0.01 % of it.
double solubility_in_acid(int m, double k, double c)
{
    double lo = 0.0, hi = c / m;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (mid - k / std::pow(kw, m) * std::pow(c - m * mid, m) > 0.0 ? hi : lo) = mid;
    }
    return lo < 0.9999 * c / m ? lo : c / m;
}

const SweepCase solubility_cases[] = {
    {39,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "solubilità di (.*) a 25@uo@C \\[@iK@@dps@ = " + number_group +
                                             "\\] in acqua e in una soluzione " + number_group + " M di (.*)\\.$");
         // HgBr2 and HgI2 dissolve in excess halide as HgX4(2-): never drawn;
         // AgBr and AgI as AgX2-: Ag+ is their common ion.
         EXPECT_FALSE(d[0].starts_with("Hg")) << statement;
         if (d[0] == "AgBr" || d[0] == "AgI") {
             EXPECT_EQ(d[3], "Ag@u+@") << statement;
         }
         const int m = anions_of(d[0]);
         const double k = shown_value(d[1]);
         const double c = shown_value(d[2]);
         const bool cation = d[3].find('+') != std::string::npos;
         const auto shown = match(answer, "^" + number_group + " mol/L; " + number_group + " mol/L$");
         EXPECT_TRUE(near_shown(shown[0], std::pow(k / std::pow(m, m), 1.0 / (m + 1)), 1e-4));
         EXPECT_TRUE(near_shown(shown[1], cation ? std::pow(k / c, 1.0 / m) / m : k / std::pow(c, m), 1e-4));
     }},
    {40,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "solubilità di (.*) è pari a " + number_group + " a .* mescolando " +
                                             number_group + " mL di .* " + number_group + " M con " + number_group +
                                             " mL di .* " + number_group + " M$");
         const int m = anions_of(d[0]);
         const double k = shown_value(d[1]);
         const double v1 = shown_value(d[2]);
         const double v2 = shown_value(d[4]);
         const double cation = shown_value(d[3]) * v1 / (v1 + v2);
         const double anion = shown_value(d[5]) * v2 / (v1 + v2);
         // Precipitation stops at the solubility product: the free anion x
         // leaves [M] = cation - (anion - x) / m, and K / x^m is that [M].
         const double free_anion = log_root([&](double x) { return (cation - (anion - x) / m) * std::pow(x, m) - k; });
         const double expected = std::pow(anion, m) * cation > k ? k / std::pow(free_anion, m) : cation;
         EXPECT_TRUE(near_shown(match(answer, "^" + number_group + " mol/L$")[0], expected, 1e-5));
     }},
    {41,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "solubilità di (.*) \\[@iK@@dps@ = " + number_group +
                                             " a 25@uo@C\\] in acqua pura e in una soluzione " + number_group +
                                             " F di (un acido|una base)");
         const int m = anions_of(d[0]);
         const double k = shown_value(d[1]);
         const double c = shown_value(d[2]);
         const auto shown = match(answer, "^" + number_group + " mol/L; " + number_group + " mol/L$");
         EXPECT_TRUE(near_shown(shown[0], k / std::pow(saturated_hydroxide(m, k), m), 2e-3));
         EXPECT_TRUE(near_shown(shown[1], d[3] == "un acido" ? solubility_in_acid(m, k, c) : k / std::pow(c, m), 1e-5));
         // The cation carries the metal in water and in the base.
         EXPECT_LT(14.0 + std::log10(saturated_hydroxide(m, k)), anion_ph(d[0])) << statement;
         if (d[3] == "una base") {
             EXPECT_LT(14.0 + std::log10(c), anion_ph(d[0])) << statement;
         }
     }},
    {42,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "solubilità di (.*) \\[@iK@@dps@ = " + number_group +
                                             " a 25@uo@C\\] .* tampone a pH " + number_group + "$");
         const int m = anions_of(d[0]);
         const double k = shown_value(d[1]);
         const double in_buffer = k / std::pow(std::pow(10.0, shown_value(d[2]) - 14.0), m);
         const auto shown = match(answer, "^" + number_group + " mol/L; (.*)$");
         EXPECT_TRUE(near_shown(shown[0], k / std::pow(saturated_hydroxide(m, k), m), 2e-3));
         // [OH-] in the buffer is taken to three digits before its power
         if (in_buffer < 0.99) {
             EXPECT_TRUE(near_shown(match(shown[1], "^" + number_group + " mol/L$")[0], in_buffer, m * 5e-3));
         } else if (in_buffer > 1.01) {
             EXPECT_EQ(shown[1], "solubile");
         }
         EXPECT_LE(shown_value(d[2]), std::min(11.0, anion_ph(d[0]))) << statement;
         EXPECT_LT(14.0 + std::log10(saturated_hydroxide(m, k)), anion_ph(d[0])) << statement;
     }},
    {43,
     [](const std::string& statement, const std::string& answer) {
         const auto d =
             match(statement, R"(\[@iK@@dps@ = )" + number_group + "; @iK@@db@\\(CO@d3@@u2-@\\) = " + number_group +
                                  "; @iK@@db@\\(HCO@d3@@u-@\\) = " + number_group + "\\] $");
         EXPECT_EQ(d[1], "2.13•10@u-4@");
         EXPECT_EQ(d[2], "2.22•10@u-8@");
         const double k = shown_value(d[0]);
         const double kb = shown_value(d[1]);
         // Charge balance with [M2+] = [CO3 2-] + [HCO3-], [HCO3-] = x - Kw/x and
         // [CO3 2-] = (x^2 - Kw)/Kb, x being [OH-]: the solubility product fixes x.
         const double x = log_root(
             [&](double x) {
                 const double carbonate = (x * x - kw) / kb;
                 return (carbonate + x - kw / x) * carbonate - k;
             },
             -6.9, 0.0);
         const double carbonate = (x * x - kw) / kb;
         const auto shown = match(answer, "^" + number_group + " mol/L; " + number_group + " mol/L$");
         EXPECT_TRUE(near_shown(shown[0], carbonate + x - kw / x, 2e-3));
         EXPECT_TRUE(near_shown(shown[1], carbonate, 2e-3));
     }},
};

TEST_F(ChapterSeven, SolubilitiesFollowFromTheShownData)
{
    for (const SweepCase& c : solubility_cases)
        for_versions(c.problem, 300, [&] {
            answer();
            c.check(statement(), answer_text());
        });
}

TEST_F(ChapterSeven, EveryHydroxideInAStrongAcidSolvesItsEquation)
{
    const SweepCase& hydroxides = solubility_cases[2];
    ASSERT_EQ(hydroxides.problem, 41);
    std::set<std::string> seen;
    for_versions(41, 2000, [&](const std::string& statement, const std::string& answer) {
        hydroxides.check(statement, answer);
        if (statement.ends_with("acido forte HX")) seen.insert(match(statement, "solubilità di (.*) \\[")[0]);
    });
    // Sn(OH)2, Ga(OH)3 and Sc(OH)3 dissolve as their anions even in pure water.
    EXPECT_EQ(seen.size(), 6u);
    EXPECT_FALSE(seen.contains("Sn(OH)@d2@") || seen.contains("Ga(OH)@d3@") || seen.contains("Sc(OH)@d3@"));
}

TEST_F(ChapterSeven, MixedSolutionsPrecipitateDownToTheSolubilityProduct)
{
    const SweepCase& mixed = solubility_cases[1];
    ASSERT_EQ(mixed.problem, 40);
    std::set<std::string> salts;
    for_versions(40, second_reading, [&](const std::string& statement, const std::string& answer) {
        mixed.check(statement, answer);
        salts.insert(match(statement, "solubilità di (.*) è pari")[0]);
    });
    // HgBr2 and HgI2 dissolve in excess halide as HgX4(2-): never drawn.
    EXPECT_EQ(salts.size(), 7u);
    EXPECT_FALSE(salts.contains("HgI@d2@") || salts.contains("HgBr@d2@"));
}

TEST_F(ChapterSeven, TheSmallestSolubilityProductKeepsItsDigits)
{
    // Pb(OH)2, the smallest drawn: v u(K) / K taken left to right would
    // underflow a REAL (Sc(OH)3's did, before it dissolved as its anion).
    std::int32_t seen = 0;
    for_versions(41, 400, [&] {
        if (statement().find("Pb(OH)@d2@") == std::string::npos) return;
        ++seen;
        const auto shown = match(answer_text(), "^" + number_group + " mol/L");
        EXPECT_EQ(shown[0].find('.'), 1u) << shown[0];
        EXPECT_GE(shown[0].find("•"), 4u) << shown[0];
    });
    EXPECT_GT(seen, 10);
}

}  // namespace
}  // namespace equilibria_test
