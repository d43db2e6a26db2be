// Section "Titolazioni acido-base": volumes, concentrations and pH values
// recomputed from the shown numbers, with the pH solved independently.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "equilibria_fixture.h"
#include "numbers/value_slots.h"

namespace equilibria_test {
namespace {

constexpr double strong = 1e12;

// Acidic hydrogens or hydroxide groups of the reagents these problems name.
double count_of(const std::string& formula)
{
    return formula == "H@d2@SO@d4@" || formula == "Ba(OH)@d2@" || formula == "(NH@d4@)@d2@SO@d4@" ? 2.0 : 1.0;
}

bool is_base(const std::string& formula)
{
    return formula.find("OH") != std::string::npos && formula.find("COOH") == std::string::npos;
}

double ph(double h)
{
    return -std::log10(h);
}

// The pH of a strong acid and a strong base mixed. The two concentrations
// are taken to four digits before their difference, which moves the pH by
// up to 0.4343 (a + b) 5e-4 / |a - b|.
void expect_strong_mixture(const std::string& shown, double acid, double base)
{
    const double expected = ph(hydrogen_ion(acid, base, strong, strong));
    const double spread = 0.4343 * (acid + base) * 5e-4 / std::abs(acid - base);
    EXPECT_TRUE(near_shown(shown, expected, 1e-4 + spread / expected));
}

// pH 0.05 mL before and after the equivalence volume of a titration.
void expect_around_equivalence(const std::string& answer, double titrated_eq, double volume, double titrant_eq,
                               bool base_is_titrant, double ka, double kb)
{
    const double v_eq = titrated_eq * volume / titrant_eq;
    const auto shown = match(answer, "^" + number_group + "; " + number_group + "$");
    for (int i = 0; i < 2; ++i) {
        const double added = v_eq + (i == 0 ? -0.05 : 0.05);
        const double total = added + volume;
        const double titrated = titrated_eq * volume / total;
        const double titrant = titrant_eq * added / total;
        const double h =
            base_is_titrant ? hydrogen_ion(titrated, titrant, ka, kb) : hydrogen_ion(titrant, titrated, ka, kb);
        EXPECT_TRUE(near_shown(shown[i], ph(h), 1e-2)) << i;
    }
}

const SweepCase titration_cases[] = {
    {31,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "volume di (.*) " + number_group + " F necessario per neutralizzare " +
                                             number_group + " (mL|L) di (.*) " + number_group + " F$");
         const double volume = shown_value(d[2]) * (d[3] == "L" ? 1000.0 : 1.0);
         const double expected = count_of(d[4]) * shown_value(d[5]) * volume / (count_of(d[0]) * shown_value(d[1]));
         EXPECT_NE(is_base(d[0]), is_base(d[4]));
         EXPECT_TRUE(near_shown(match(answer, "^@T1@@C1@" + number_group + " mL$")[0], expected, 1e-5));
     }},
    {32,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "mescolando " + number_group + " mL di (.*) " + number_group + " M e " +
                                             number_group + " mL di (.*) " + number_group + " F$");
         const double va = shown_value(d[0]);
         const double vb = shown_value(d[3]);
         const double acid = count_of(d[1]) * shown_value(d[2]) * va / (va + vb);
         const double base = count_of(d[4]) * shown_value(d[5]) * vb / (va + vb);
         // Neutral wherever the excess lies within the uncertainty (three
         // units of each datum's last digit) the data give it.
         const auto u = [&](std::size_t i) { return testing_support::shown(d[i]).uncertainty(); };
         const double spread = (count_of(d[1]) * (u(2) * va + shown_value(d[2]) * u(0)) +
                                count_of(d[4]) * (u(5) * vb + shown_value(d[5]) * u(3))) /
                               (va + vb);
         if (answer == "7") {
             EXPECT_LE(std::abs(acid - base), spread * (1.0 + 1e-4)) << statement;
         } else {
             EXPECT_GE(std::abs(acid - base), spread * (1.0 - 1e-4)) << statement;
             expect_strong_mixture(answer, acid, base);
         }
         if (d[1] == "H@d2@SO@d4@") {
             EXPECT_GT(shown_value(answer), 6.0);
         }
     }},
    {33,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "soluzione di (.*) sapendo che " + number_group +
                                             " mL di essa vengono neutralizzati da " + number_group + " mL di (.*) " +
                                             number_group + " (M|F)$");
         const double expected =
             count_of(d[3]) * shown_value(d[4]) * shown_value(d[2]) / (count_of(d[0]) * shown_value(d[1]));
         // worked from the two volumes before they are rounded to two decimals
         EXPECT_TRUE(near_shown(match(answer, "^@T1@@C1@" + number_group + " (M|F)$")[0], expected, 5e-4));
         EXPECT_GE(shown_value(d[2]), 10.0);
         EXPECT_LE(shown_value(d[2]), 50.0);
     }},
    {34,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "^" + number_group + " mL di (.*) " + number_group +
                                             " (?:M|F) vengono titolati con una soluzione " + number_group +
                                             " (?:M|F) di (.*)\\. Calcolare");
         const bool acid_titrated = !is_base(d[1]);
         const double titrated = count_of(d[1]) * shown_value(d[2]);
         const double titrant = count_of(d[4]) * shown_value(d[3]);
         expect_around_equivalence(answer, titrated, shown_value(d[0]), titrant, acid_titrated, strong, strong);
     }},
    {35,
     [](const std::string& statement, const std::string& answer) {
         const auto a = match(statement, number_group + " mL di (H[^ ]*) " + number_group + " M");
         const auto b = match(statement, number_group + " mL di ([^ ]*) " + number_group + R"( M( e|) \[@iK@@db@ = )" +
                                             number_group + R"(\])");
         const double va = shown_value(a[0]);
         const double vb = shown_value(b[0]);
         const double acid = count_of(a[1]) * shown_value(a[2]) * va / (va + vb);
         const double base = shown_value(b[2]) * vb / (va + vb);
         const double h = hydrogen_ion(acid, base, strong, shown_value(b[4]));
         EXPECT_TRUE(near_shown(match(answer, "^@T1@@C1@" + number_group + "$")[0], ph(h), 5e-3));
         if (a[1] == "H@d2@SO@d4@") {
             EXPECT_GT(ph(h), 5.9);
         }
     }},
    {36,
     [](const std::string& statement, const std::string& answer) {
         const auto a = match(statement, number_group + " mL di ([^ ]*) " + number_group + R"( M \[@iK@@da@ = )" +
                                             number_group + R"(\])");
         const auto b = match(statement, number_group + " mL di ([^ ]*OH[^ ]*) " + number_group + " M");
         const double va = shown_value(a[0]);
         const double vb = shown_value(b[0]);
         const double acid = count_of(a[1]) * shown_value(a[2]) * va / (va + vb);
         const double base = count_of(b[1]) * shown_value(b[2]) * vb / (va + vb);
         if (std::abs(acid - base) < 2e-3 * acid) return;
         const double h = hydrogen_ion(acid, base, shown_value(a[3]), strong);
         EXPECT_TRUE(near_shown(match(answer, "^@T1@@C1@" + number_group + "$")[0], ph(h), 5e-3));
     }},
    {37,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "titolazione di (.*) " + number_group + R"( M \[@iK@@d(a|b)@ = )" +
                                             number_group + R"(\] con (.*) )" + number_group + " M$");
         const double weak = count_of(d[0]) * shown_value(d[1]);
         const double titrant = count_of(d[4]) * shown_value(d[5]);
         const double c = weak / (1.0 + weak / titrant);
         const double k = shown_value(d[3]);
         const double h = d[2] == "a" ? hydrogen_ion(c, c, k, strong) : hydrogen_ion(c, c, strong, k);
         EXPECT_TRUE(near_shown(match(answer, "^@T1@@C1@" + number_group + "$")[0], ph(h), 3e-3));
     }},
    {38,
     [](const std::string& statement, const std::string& answer) {
         const auto d = match(statement, "^" + number_group + " mL di (?:un|una) (acido|base) debole (?:HX )?" +
                                             number_group + R"( F \[@iK@@d(?:a|b)@ = )" + number_group +
                                             R"(\] vengono titolati con (?:NaOH|HCl) )" + number_group + " F");
         const bool acid = d[1] == "acido";
         const double k = shown_value(d[3]);
         expect_around_equivalence(answer, shown_value(d[2]), shown_value(d[0]), shown_value(d[4]), acid,
                                   acid ? k : strong, acid ? strong : k);
     }},
};

TEST_F(ChapterSeven, TitrationAnswersFollowFromTheShownData)
{
    for (const SweepCase& c : titration_cases)
        for_versions(c.problem, second_reading, [&] {
            answer();
            c.check(statement(), answer_text());
        });
}

TEST_F(ChapterSeven, TheEquivalencePointProblemShowsItsHintBalloon)
{
    generate(37, 77);
    EXPECT_NE(backend.log_text().find("Set. 06"), std::string::npos);
}

TEST_F(ChapterSeven, TheWeakTitrationLeavesTheVolumeItDoesNotDrawAlone)
{
    for (std::int32_t n = 1; n <= 20; ++n) {
        for (std::int32_t s : {3, 4}) {
            value_slots[s].value = 123.456f;
            value_slots[s].display_text = "prima";
        }
        generate(38, spread_version(n));
        const std::int32_t untouched = statement().find("acido debole") != std::string::npos ? 4 : 3;
        EXPECT_EQ(value_slots[untouched].value, 123.456f) << statement();
        EXPECT_EQ(value_slots[untouched].display_text, "prima");
    }
}

TEST_F(ChapterSeven, EqualAcidAndBaseAfterMixingShowOneDigitNotAnInfiniteSpread)
{
    // Acid and base equal to four digits after mixing: printed data that
    // may be those of the equivalence leave the mixture neutral.
    generate(32, 2802364);
    EXPECT_EQ(answer_text(), "7");
    EXPECT_EQ(value_slots[8].digits, 1);
    // Data drawn at the equivalence are neutral by the same rule: "7", as
    // every excess within its uncertainty, never "7.00".
    for_versions(32, 100, [&] { EXPECT_NE(answer_text(), "7.00"); });
}

}  // namespace
}  // namespace equilibria_test
