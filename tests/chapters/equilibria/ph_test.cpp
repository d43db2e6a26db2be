// Section "Calcolo del pH": strong and weak acids and bases, degrees of
// dissociation, polyprotic acids and amphoteric salts, each answer
// recomputed from the shown numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "equilibria_fixture.h"

namespace equilibria_test {
namespace {

// Units of acid or base per formula unit of the compounds these problems name.
double units_of(const std::string& formula)
{
    return formula == "Ba(OH)@d2@" || formula == "(NH@d4@)@d2@SO@d4@" ? 2.0 : 1.0;
}

// The first answer of problems 21 and 25: [H+], [OH-], pH or pOH by the question.
void expect_first_answer(const std::string& statement, const std::string& shown, double h)
{
    if (statement.find("[H@u+@]") == 10 || statement.find("[H@u+@] ") == 10)
        EXPECT_TRUE(near_shown(shown, h, 1e-3));
    else if (statement.find("[OH@u-@]") == 10)
        EXPECT_TRUE(near_shown(shown, kw / h, 1e-3));
    else if (statement.find("il pH") == 10)
        EXPECT_TRUE(near_shown(shown, -std::log10(h), 1e-3));
    else
        EXPECT_TRUE(near_shown(shown, 14.0 + std::log10(h), 1e-3));
}

double dissociation_degree(double ka, double c)
{
    const double r = ka / c;
    return (std::sqrt(r * r + 4.0 * r) - r) / 2.0;
}

const SweepCase ph_cases[] = {
    {20,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "acquosa " + number_group + " F di (.*) e quante");
         const double c = units_of(d[1]) * shown_value(d[0]);
         const double majority = (c + std::sqrt(c * c + 4.0 * kw)) / 2.0;
         const bool acid = d[1].find("OH") == std::string::npos;
         const auto shown = match(answer, "^@T1@@C1@" + number_group + "; " + number_group + " mol/L$");
         EXPECT_TRUE(near_shown(shown[0], acid ? -std::log10(majority) : 14.0 + std::log10(majority), 1e-5));
         EXPECT_TRUE(near_shown(shown[1], kw / majority, 1e-4));
     }},
    {21,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, number_group + R"( F di (.*) \[@iK@@da@ = )" + number_group + R"(\]$)");
         const double h = hydrogen_ion(units_of(d[1]) * shown_value(d[0]), 0.0, shown_value(d[2]), 1.0);
         expect_first_answer(statement, match(answer, "^@T1@@C1@" + number_group)[0], h);
     }},
    {22,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, number_group + R"( F di (.*) \[@iK@@da@ = )" + number_group + R"(\]$)");
         const double c = units_of(d[1]) * shown_value(d[0]);
         const double h = hydrogen_ion(c, 0.0, shown_value(d[2]), 1.0);
         const auto shown = match(answer, "^@T1@@C1@" + number_group + " M; " + number_group + " M$");
         const bool hydrogen = statement.starts_with("Calcolare [H@u+@]");
         EXPECT_TRUE(near_shown(shown[0], hydrogen ? h : kw / h, 1e-3));
         EXPECT_TRUE(near_shown(shown[1], c - (h - kw / h), 1e-3));
     }},
    {23,
     [](const std::string& statement, const std::string& answer) {
         const auto d = numbers(statement, R"(\[@iK@@da@ = )" + number_group + R"(\] in soluzione )" + number_group +
                                               " F e in soluzione " + number_group + " F$");
         const auto shown = match(answer, "^" + number_group + "; " + number_group + "$");
         EXPECT_TRUE(near_shown(shown[0], dissociation_degree(d[0], d[1]), 1e-4));
         EXPECT_TRUE(near_shown(shown[1], dissociation_degree(d[0], d[2]), 1e-4));
         // the more dilute solution dissociates more
         EXPECT_EQ(d[1] < d[2], shown_value(shown[0]) >= shown_value(shown[1]));
     }},
    {24,
     [](const std::string& statement, const std::string& answer) {
         const auto d =
             numbers(statement, "per (?:il |l'|lo )" + number_group + "% .* soluzione " + number_group + " volte");
         const bool diluted = statement.ends_with("diluita?");
         const double expected = diluted ? d[0] * std::sqrt(d[1]) : d[0] / std::sqrt(d[1]);
         // the degree given is itself rounded to the digits shown
         EXPECT_TRUE(near_shown(match(answer, "^" + number_group + "%$")[0], expected, diluted ? 1e-4 : 5.5e-2));
     }},
    {25,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, number_group + R"( F di (.*) \[@iK@@db@ = )" + number_group + R"(\]$)");
         const double h = hydrogen_ion(0.0, shown_value(d[0]), 1.0, shown_value(d[2]));
         const auto shown = match(answer, "^@T1@@C1@" + number_group + ".*; " + number_group + " M$");
         expect_first_answer(statement, shown[0], h);
         EXPECT_TRUE(near_shown(shown[1], kw / h - h, 1e-3));
     }},
    {26,
     [](const std::string& statement, const std::string& answer) {
         const auto k = match(statement, "sono pari a " + number_group + "(?:, | e )" + number_group + "(?: e " +
                                             number_group + R"()?\. Calcolare)");
         const double c = numbers(statement, "soluzione " + number_group + " M di")[0];
         const bool acid = statement.find("@iK@@da@") != std::string::npos;
         const double k1 = shown_value(k[0]);
         const double k2 = shown_value(k[1]);
         const bool triprotic = !k[2].empty();
         // the first step alone gives [H+] or [OH-]; the last species follows from the others
         const double major = acid ? hydrogen_ion(c, 0.0, k1, 1.0) : kw / hydrogen_ion(0.0, c, 1.0, k1);
         const double y = major - kw / major;
         const double last = triprotic ? k2 * shown_value(k[2]) / (major * major) * y : k2 / major * y;
         const auto shown = match(answer, "^" + number_group + " M; " + number_group + " M$");
         EXPECT_TRUE(near_shown(shown[0], major, 1e-2));
         EXPECT_TRUE(near_shown(shown[1], last, 2e-2));
     }},
    {27,
     [](const std::string& statement, const std::string& answer) {
         std::vector<double> k = numbers(statement, "sono pari a " + number_group + "(?:, | e )" + number_group +
                                                        "(?: e " + number_group + R"()?\. Calcolare)");
         k.resize(std::isnan(k[2]) ? 2 : 3);
         const auto asked =
             match(statement, R"(Calcolare \[H@u\+@\] e \[(.*)\] in una soluzione )" + number_group + " F di (.*)$");
         const double c = shown_value(asked[1]);
         const double sodium = asked[2].starts_with("Na@d2@") ? 2.0 * c : c;
         // The full charge balance Na+ + H+ = sum of n [A(n-)] + OH-, solved
         // by bisection: every species of the acid, no approximation.
         const auto shares = [&](double h) {
             std::vector<double> terms{1.0};
             for (const double ki : k) terms.push_back(terms.back() * ki / h);
             double total = 0.0;
             for (const double t : terms) total += t;
             for (double& t : terms) t /= total;
             return terms;
         };
         double lo = -14.0, hi = 0.0;
         for (int i = 0; i < 200; ++i) {
             const double mid = 0.5 * (lo + hi);
             const double h = std::pow(10.0, mid);
             const std::vector<double> f = shares(h);
             double charge = 0.0;
             for (std::size_t n = 1; n < f.size(); ++n) charge += static_cast<double>(n) * f[n] * c;
             (sodium + h - charge - kw / h > 0.0 ? hi : lo) = mid;
         }
         const double h = std::pow(10.0, 0.5 * (lo + hi));
         // The charge of the species asked for counts its lost protons.
         const std::size_t lost = asked[0].ends_with("@u3-@") ? 3 : asked[0].ends_with("@u2-@") ? 2 : 1;
         const auto shown = match(answer, "^" + number_group + " M; " + number_group + " M$");
         EXPECT_TRUE(testing_support::within_last_digit(testing_support::shown(shown[0]), h, 1.0)) << statement;
         EXPECT_TRUE(testing_support::within_last_digit(testing_support::shown(shown[1]), c * shares(h).at(lost), 1.0))
             << statement;
     }},
};

TEST_F(ChapterSeven, PhAnswersFollowFromTheShownData)
{
    for (const SweepCase& c : ph_cases)
        // Wide for 27: the table works it by the book's formula, this sweep
        // by the full charge balance, which parts from it only in rare
        // dilute solutions.
        for_versions(c.problem, c.problem == 27 ? 3000 : second_reading, [&] {
            answer();
            c.check(statement(), answer_text());
        });
}

// sqrt(K1 K2) once stood for every amphiprotic salt: NaHS, NaHSO3 and
// Na2HPO4 were off by a factor of two to four.
TEST_F(ChapterSeven, AmphiproticSaltsFromTheirProtonBalance)
{
    constexpr testing_support::VersionAnswer cases[] = {
        {27, 2, "3.8•10@u-10@ M; 6.45•10@u-3@ M", "9.•10@u-11@ M; 6.47•10@u-3@ M"},
        {27, 4, "1.67•10@u-5@ M; 2.42•10@u-5@ M", "3.0•10@u-5@ M; 1.36•10@u-5@ M"},
        {27, 5, "3.5•10@u-10@ M; 6.41•10@u-3@ M", "1.73•10@u-10@ M; 6.42•10@u-3@ M"},
        // 7.26's base constants as shown (2.1•10@u-4@), not Kw/K2 unrounded.
        {26, 3, "7.1•10@u-4@ M; 2.2•10@u-8@ M", "7.2•10@u-4@ M; 2.2•10@u-8@ M"},
        // 7.24 backwards from the percentage printed, not from the one drawn.
        {24, 1, "3.5%", "3.4%"},
        {24, 725062, "3.8%", "3.9%"},
        // A power of ten from a p-value by its uncertainty, no longer capped
        // at two digits or at the p-value's decimals.
        {17, 20, "1.02•10@u-13@ mol/L", "1.0•10@u-13@ mol/L"},
        {19, 82, "1.3•10@u-9@", "1.•10@u-9@"},
        // Ba(OH)2's pH from a concentration of two digits: two decimals.
        {20, 8, "@T1@@C1@13.15; 7.0•10@u-14@ mol/L", "13.152; 7.0•10@u-14@ mol/L"},
        // [H3PO4] with the fewer digits of [OH-] and of the last constant,
        // no longer two for Kb1 = 0.021.
        {26, 4562089, "1.46•10@u-3@ M; 1.60•10@u-16@ M", "1.46•10@u-3@ M; 1.6•10@u-16@ M"},
    };
    expect_answers(cases);
}

}  // namespace
}  // namespace equilibria_test
