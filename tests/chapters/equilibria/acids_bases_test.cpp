// Sections "Acidi e Basi" and "Soluzioni tampone": answers recomputed from
// the shown numbers, and the verdicts of the true-or-false problems.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chapters/equilibria/equilibria_problems.h"
#include "equilibria_fixture.h"

namespace equilibria_test {
namespace {

// pKa and molar mass of each buffer pair's salt, by salt formula.
struct Pair {
    const char* salt;
    double pka;
    double molar_mass;
    bool salt_is_acid;
};
const Pair pairs[] = {{"CH@d3@COONa", 4.76, 82.035, false},
                      {"NH@d4@Cl", 9.25, 53.492, true},
                      {"NaHS", 7.05, 56.062, false},
                      {"Na@d2@CO@d3@", 10.33, 105.99, false},
                      {"KCN", 9.21, 65.12, false}};
const Pair& pair_of(const std::string& salt)
{
    for (const Pair& p : pairs)
        if (salt == p.salt) return p;
    ADD_FAILURE() << "no pair for " << salt;
    return pairs[0];
}

const SweepCase acid_base_cases[] = {
    {17,
     [](const std::string& statement, const std::string& answer) {
         const double given = numbers(statement, "= " + number_group + "$")[0];
         if (statement.find("con pOH") != std::string::npos || statement.find("con pH") != std::string::npos)
             EXPECT_TRUE(
                 near_shown(match(answer, "^" + number_group + " mol/L$")[0], std::pow(10.0, given - 14.0), 1e-5));
         else
             EXPECT_TRUE(near_shown(answer, 14.0 + std::log10(given), 1e-6));
     }},
    {19,
     [](const std::string& statement, const std::string& answer) {
         const double given = numbers(statement, "= " + number_group + "$")[0];
         const bool p_given = statement.find("cui p@iK@") != std::string::npos;
         const bool p_asked = statement.find("valore di p@iK@") != std::string::npos;
         const double k = p_given ? std::pow(10.0, given - 14.0) : 1e-14 / given;
         if (p_asked)
             EXPECT_TRUE(near_shown(answer, -std::log10(k), 1e-6));
         else
             EXPECT_TRUE(near_shown(answer, k, 1e-5));
     }},
    {28,
     [](const std::string& statement, const std::string& answer) {
         const auto d = numbers(statement, "mescolando " + number_group + " mL di un acido debole HA " + number_group +
                                               R"( M \[@iK@@da@ = )" + number_group + R"(\] e )" + number_group +
                                               " mL di NaA " + number_group + " F$");
         const double volume = d[0] + d[3];
         const double acid = d[1] * d[0] / volume;
         const double salt = d[4] * d[3] / volume;
         // The buffer's quadratic in [H+], or in [OH-] where Ka A / S is below 1e-7.
         const double ka = d[2];
         double h = 0.0, oh = 0.0;
         if (ka * acid / salt >= 1e-7) {
             h = (std::sqrt((ka + salt) * (ka + salt) + 4.0 * ka * acid) - (ka + salt)) / 2.0;
             oh = 1e-14 / h;
         } else {
             const double kb = 1e-14 / ka;
             oh = (std::sqrt((kb + acid) * (kb + acid) + 4.0 * kb * salt) - (kb + acid)) / 2.0;
             h = 1e-14 / oh;
         }
         const auto shown = match(answer, "^" + number_group + " M; " + number_group + " M$");
         const bool hydrogen = statement.find("[H@u+@]") != std::string::npos;
         const bool undissociated = statement.find("[HA]") != std::string::npos;
         EXPECT_TRUE(near_shown(shown[0], hydrogen ? h : oh, 1e-4));
         EXPECT_TRUE(near_shown(shown[1], undissociated ? acid - h + oh : salt + h - oh, 1e-4));
     }},
    {29,
     [](const std::string& statement, const std::string& answer) {
         const auto parts = match(statement, "quantità di (.*) solido da aggiungere a " + number_group + " mL di .* " +
                                                 number_group + " M per avere .* pH = " + number_group + " ");
         const Pair& p = pair_of(parts[0]);
         const double moles = shown_value(parts[1]) * 0.001 * shown_value(parts[2]);
         const double ph = shown_value(parts[3]);
         const double ratio = std::pow(10.0, p.salt_is_acid ? p.pka - ph : ph - p.pka);
         EXPECT_NEAR(ph, p.pka, 1.005);
         EXPECT_TRUE(near_shown(match(answer, "^" + number_group + " g$")[0], ratio * moles * p.molar_mass, 1e-5));
     }},
    {30,
     [](const std::string& statement, const std::string& answer) {
         const auto parts = match(statement, "contenente .* " + number_group + R"( M \[.*\] e (.*) )" + number_group +
                                                 " F prima e dopo l'aggiunta di " + number_group + " mol/L di (.*)$");
         const Pair& p = pair_of(parts[1]);
         const double partner = shown_value(parts[0]);
         const double salt = shown_value(parts[2]);
         double x = shown_value(parts[3]);
         const std::string reagent = parts[4];
         if (reagent == "H@d2@SO@d4@" || reagent == "Ba(OH)@d2@") x *= 2.0;
         const bool strong_acid = reagent == "HCl" || reagent == "H@d2@SO@d4@";
         double acid = p.salt_is_acid ? salt : partner;
         double base = p.salt_is_acid ? partner : salt;
         const auto shown = match(answer, "^" + number_group + "; " + number_group + "$");
         EXPECT_TRUE(near_shown(shown[0], p.pka + std::log10(base / acid), 1e-6));
         acid += strong_acid ? x : -x;
         base -= strong_acid ? x : -x;
         EXPECT_TRUE(near_shown(shown[1], p.pka + std::log10(base / acid), 1e-6));
     }},
};

TEST_F(ChapterSeven, AcidBaseAndBufferAnswersFollowFromTheShownData)
{
    for (const SweepCase& c : acid_base_cases)
        for_versions(c.problem, 300, [&] {
            answer();
            c.check(statement(), answer_text());
        });
}

TEST_F(ChapterSeven, TrueOrFalseAnswersFollowTheVerdictOfTheStatementShown)
{
    for (std::int32_t k : {16, 18}) {
        std::int32_t true_ones = 0;
        for_versions(k, 60, [&] {
            EXPECT_TRUE(statement().starts_with("Stabilire se l'affermazione @C3@''"));
            EXPECT_TRUE(statement().ends_with("''@C1@ è vera o falsa"));
            EXPECT_EQ(answer_text(), equilibria_state.truth != 0 ? "Vera" : "Falsa");
            true_ones += equilibria_state.truth;
        });
        EXPECT_GT(true_ones, 5);
        EXPECT_LT(true_ones, 55);
    }
}

}  // namespace
}  // namespace equilibria_test
