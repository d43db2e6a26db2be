// Section "Calcoli di equilibrio": equilibria recomputed from the reaction and
// the amounts the statement shows, solved independently by bisection.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <regex>
#include <string>

#include "equil_fixture.h"

namespace equil_test {
namespace {

// The letters' coefficients and state letters in a generic equation such
// as "(1/2)A@d(s)@ + 2B@d(g)@ = C@d(g)@ + D" (a missing mark is 'a').
struct Letters {
    std::array<double, 4> coefficient{};
    std::array<char, 4> state{};
};
Letters letters_of(const std::string& equation)
{
    static const std::regex species(R"((\(\d/\d\)|\d)?([ABCD])(?:@d\((\w)\)@)?)");
    Letters l;
    for (auto it = std::sregex_iterator(equation.begin(), equation.end(), species); it != std::sregex_iterator();
         ++it) {
        const int s = (*it)[2].str()[0] - 'A';
        l.coefficient[s] = coefficient_value((*it)[1].str());
        l.state[s] = (*it)[3].matched ? (*it)[3].str()[0] : 'a';
    }
    return l;
}

double moles_change(const Letters& l, char mobile)
{
    double dn = 0.0;
    for (int s = 0; s < 4; ++s)
        if (l.state[s] == mobile) dn += (s < 2 ? -1.0 : 1.0) * l.coefficient[s];
    return dn;
}

// Equilibrium of the mobile species from the initial amounts of A and B.
std::array<double, 6> generic_equilibrium(const Letters& l, char mobile, double a0, double b0, double k)
{
    std::array<double, 6> nu{}, c0{};
    const int places[] = {0, 1, 3, 4};
    for (int s = 0; s < 4; ++s)
        if (l.state[s] == mobile) nu[places[s]] = l.coefficient[s];
    c0[0] = a0;
    c0[1] = b0;
    if (nu[0] == 0.0) c0[0] = 0.0, c0[1] = a0;  // only B reacts
    return equilibrium(nu, c0, k);
}

const SweepCase calculation_cases[] = {
    {10,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "reazione (.*) a " + number_pattern + "@uo@C è uguale a " + number_pattern +
                                             ".* volume " + number_pattern + " L contenente inizialmente " +
                                             number_pattern + " mol di (A|B)(?: e " + number_pattern + " mol di B)?");
         const Letters l = letters_of(d[0]);
         const double rt = (shown_number(d[1]) + 273.15) * 0.08205;
         const double v = shown_number(d[3]);
         const double b0 = d[6].empty() ? 0.0 : shown_number(d[6]) / v;
         const auto c = generic_equilibrium(l, 'g', shown_number(d[4]) / v, b0, shown_number(d[2]));
         const auto shown = match(answer, "^@iP@\\((.)\\) = " + number_pattern + "; @iP@\\((.)\\) = " +
                                              number_pattern + "(?:; @iP@\\(C\\) = " + number_pattern +
                                              "; @iP@\\(D\\) = " + number_pattern + ")? atm$");
         if (shown[4].empty()) {
             EXPECT_TRUE(near_shown(shown[1], rt * (l.state[0] == 'g' ? c[0] : c[1]), 2e-4));
             EXPECT_TRUE(near_shown(shown[3], rt * c[4], 2e-4));
         } else {
             for (int i = 0; i < 4; ++i) EXPECT_TRUE(near_shown(shown[i == 0 ? 1 : i == 1 ? 3 : i + 2], rt * c[i < 2 ? i : i + 1], 2e-4)) << i;
         }
     }},
    {11,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "reazione (endotermica|esotermica) (.*) da una? (.*)\\?$");
         const Letters l = letters_of(d[1]);
         const double dn = moles_change(l, 'g');
         const bool endothermic = d[0] == "endotermica";
         const std::string& change = d[2];
         std::string expected = "Nessuna variazione";
         if (change == "aumento di temperatura")
             expected = endothermic ? "Aumentano i prodotti" : "Diminuiscono i prodotti";
         else if (change == "diminuzione di temperatura")
             expected = endothermic ? "Diminuiscono i prodotti" : "Aumentano i prodotti";
         else if (change.ends_with("pressione") && dn != 0.0)
             expected = (dn < 0.0) == (change == "aumento di pressione") ? "Aumentano i prodotti"
                                                                        : "Diminuiscono i prodotti";
         else if (change.starts_with("aggiunta di ")) {
             const int s = change.back() - 'A';
             if (l.state[s] == 'g') expected = s < 2 ? "Aumentano i prodotti" : "Aumentano i reagenti";
         }
         EXPECT_EQ(answer, expected);
     }},
    {14,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "reazione (.*) in un dato solvente .* uguale a " + number_pattern);
         const Letters l = letters_of(d[0]);
         const double k = shown_number(d[1]);
         std::array<double, 6> c{};
         if (statement.find("un eccesso di") != std::string::npos) {
             const double c0 = numbers(statement, "mL di soluzione di (?:A|B) " + number_pattern + " M$")[0];
             c = generic_equilibrium(l, 'a', c0, 0.0, k);
         } else {
             const auto v = numbers(statement, "aggiungendo " + number_pattern + " mL di soluzione di A " +
                                                   number_pattern + " M a " + number_pattern +
                                                   " mL di soluzione di B " + number_pattern + " M$");
             const double total = v[0] + v[2];
             c = generic_equilibrium(l, 'a', v[1] * v[0] / total, v[3] * v[2] / total, k);
         }
         const auto shown = match(answer, "^\\[(.)\\] = " + number_pattern + "; \\[(.)\\] = " + number_pattern +
                                              " M(?:; \\[C\\] = " + number_pattern + "; \\[D\\] = " + number_pattern +
                                              " M)?$");
         if (shown[4].empty()) {
             EXPECT_TRUE(near_shown(shown[1], l.state[0] == 'a' ? c[0] : c[1], 2e-4));
             EXPECT_TRUE(near_shown(shown[3], c[4], 2e-4));
         } else {
             const int places[] = {0, 1, 3, 4};
             const int groups[] = {1, 3, 4, 5};
             for (int i = 0; i < 4; ++i) EXPECT_TRUE(near_shown(shown[groups[i]], c[places[i]], 2e-4)) << i;
         }
     }},
    {15,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "= (2?)[A-Za-z]+@u\\d?\\+@@d\\(aq\\)@ \\+ (2?)[A-Za-z@0-9]+-@@d\\(aq\\)@ è pari a " +
                                             number_pattern + " a .* aggiungendo " + number_pattern + " mL di .*  " +
                                             number_pattern + " F a " + number_pattern + " mL della precedente$");
         const double nu_cation = d[0].empty() ? 1.0 : 2.0;
         const double nu_anion = d[1].empty() ? 1.0 : 2.0;
         const double k = shown_number(d[2]);
         const std::array<double, 6> nu = {0, 0, 0, nu_cation, nu_anion, 0};
         const auto saturated = equilibrium(nu, {0, 0, 0, 0, 0, 0}, k);
         const double added = shown_number(d[4]) * shown_number(d[3]) / (shown_number(d[3]) + shown_number(d[5]));
         const auto common = equilibrium(nu, {0, 0, 0, 0, added, 0}, k);
         const auto shown = match(answer, "^" + number_pattern + " M; " + number_pattern + " M$");
         EXPECT_TRUE(near_shown(shown[0], saturated[3], 2e-4));
         EXPECT_TRUE(near_shown(shown[1], common[3], 2e-4));
         EXPECT_LT(shown_number(shown[1]), shown_number(shown[0]));
     }},
};

TEST_F(ChapterSeven, EquilibriumCalculationsFollowFromTheShownData)
{
    for (const SweepCase& c : calculation_cases)
        for_versions(c.problem, 300, [&] {
            answer();
            c.check(statement(), answer_text());
        });
}

}  // namespace
}  // namespace equil_test
