// The chapter's registration, its "Versione Testo" pages, the balloons of
// problems 8 and 9, and what every page of the chapter keeps to.
#include <gtest/gtest.h>

#include <string>

#include "chapters/electrochemistry/electrochemistry_chapter.h"
#include "electrochemistry_fixture.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"

namespace electrochemistry_test {
namespace {

TEST_F(ChapterEight, RegistersThreeSectionsAndFourteenLevels)
{
    constexpr testing_support::RegisteredSection sections[] = {
        {"Elettrolisi", 1, 40, 55}, {"Celle galvaniche", 5, 60, 75}, {"Potenziali standard", 7, 80, 95}};
    constexpr std::int32_t levels[] = {2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4};
    expect_registration(sections, levels);
    expect_registered_generator();
}

TEST_F(ChapterEight, AProblemOutsideTheChapterDrawsNothing)
{
    expect_nothing_drawn_outside({0, 15, 80});
}

TEST_F(ChapterEight, VersioneTestoPosesTheTextbookVariants)
{
    // Problems 5 and 6 state their reaction reversed.
    const char* const pieces[] = {
        " ore da una corrente di intensità ",
        "La resistività del tungsteno a temperatura ambiente è pari a 5.39•10@u-8@ ohm•m. ",
        "Calcolare quanto sodio viene depositato",
        " di ossigeno misurati a ",
        "reazione Sn@u2+@ + 2Ag = Sn + 2Ag@u+@ (@bD@@iG@@u0@ = 181.4 kJ/mol) se [Ag@u+@] = ",
        "reazione Cu@u2+@ + H@d2@ = Cu + 2H@u+@ è pari a ",
        "per la semireazione Fe@u3+@ + e = Fe@u2+@ sapendo che",
        "semireazioni Pb@u2+@ + 2e = Pb e Sn@u2+@ + 2e = Sn sono",
        "Per la semireazione Ag@u+@ + e = Ag, @iE@@u0@ = 0.7996 V. Calcolare",
        "due elettrodi a rame in cui [Cu@u2+@]",
        "A 25@uo@C il potenziale di un elettrodo ad idrogeno a pH incognito",
        "semireazione del tipo X@u3+@ + 3e = X è di",
        "soluzione satura di Pb(IO@d3@)@d2@ è pari a",
        "@T1@@C1@X@u+@ e Cl@u-@ formano lo ione complesso XCl@d2@@u-@. Mescolando",
    };
    for (std::int32_t k = 1; k <= 14; ++k) {
        generate(k, text_version);
        EXPECT_NE(statement().find(pieces[k - 1]), std::string::npos) << k << ": " << statement();
    }
    generate(9, text_version);
    EXPECT_NE(answer_text().find("@u-28@"), std::string::npos) << answer_text();  // K of 2Ag + 2H+ = 2Ag+ + H2
}

TEST_F(ChapterEight, EveryPageHasItsStatementAnswerAndBalloons)
{
    for (std::int32_t k = 1; k <= 14; ++k) {
        for (std::int32_t version : {1, 2, 999, 123456, 10000000, text_version}) {
            backend.clear_log();
            generate(k, version);
            SCOPED_TRACE("problema " + std::to_string(k) + " versione " + std::to_string(version));
            const std::string log = backend.log_text();
            EXPECT_LE(statement().size(), 1000u);
            EXPECT_LE(answer_text().size(), 500u);
            EXPECT_EQ(statement().find("  "), std::string::npos) << statement();
            EXPECT_FALSE(answer_text().empty());
            EXPECT_EQ(answer_text().front() == ' ', false);
            EXPECT_NE(log.find("Problema 8." + std::to_string(k)), std::string::npos);
            EXPECT_TRUE(problem_texts.problem_printable);
            // "Dic. 05" in a balloon by the statement of problems 8 and 9.
            const bool balloon = k == 8 || k == 9;
            EXPECT_EQ(log.find("\"Dic.") != std::string::npos, balloon);
            if (k == 8) {
                EXPECT_NE(log.find("ellipse filled (180,140)-(235,170)"), std::string::npos);
            }
            if (k == 9) {
                EXPECT_NE(log.find("ellipse filled (520,130)-(575,160)"), std::string::npos);
            }
            answer();
            EXPECT_FALSE(backend.log_lines("rect").empty());
            EXPECT_TRUE(problem_texts.problem_printable);
        }
    }
}

TEST_F(ChapterEight, NessunaVersioneNeverRepeatsTheVariantOfTheVisitBefore)
{
    // The same seed twice: only the rule against repeats can change the page.
    for (std::int32_t k : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13, 14}) {
        generate(k, no_version, 4242);
        const std::string first = statement();
        generate(k, no_version, 4242);
        EXPECT_NE(statement(), first) << "problema " << k;
    }
}

}  // namespace
}  // namespace electrochemistry_test
