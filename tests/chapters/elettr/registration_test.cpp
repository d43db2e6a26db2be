// The chapter's registration, its "Versione Testo" pages, the balloons of
// problems 8 and 9, and what every page of the chapter keeps to.
#include <gtest/gtest.h>

#include <string>

#include "chapters/chapter_registry.h"
#include "chapters/elettr/electrochemistry_chapter.h"
#include "elettr_fixture.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"

namespace elettr_test {
namespace {

TEST_F(ChapterEight, RegistersThreeSectionsAndFourteenLevels)
{
    struct Section {
        const char* title;
        std::int32_t first, top, bottom;
    };
    const Section sections[] = {
        {"Elettrolisi", 1, 40, 55}, {"Celle galvaniche", 5, 60, 75}, {"Potenziali standard", 7, 80, 95}};
    ASSERT_EQ(chapter_index.section_count, 3);
    for (std::int32_t e = 1; e <= 3; ++e) {
        const SidePanelEntry& entry = chapter_index.side_panel[e];
        EXPECT_EQ(entry.title, sections[e - 1].title);
        EXPECT_EQ(entry.first_problem, sections[e - 1].first);
        EXPECT_EQ(entry.top, sections[e - 1].top);
        EXPECT_EQ(entry.bottom, sections[e - 1].bottom);
    }
    for (std::int32_t e = 4; e <= 15; ++e) {
        EXPECT_EQ(chapter_index.side_panel[e].top, 0);
        EXPECT_EQ(chapter_index.side_panel[e].bottom, 0);
        EXPECT_TRUE(chapter_index.side_panel[e].title.empty());
    }
    EXPECT_EQ(app_state.problem_count, 14);
    for (std::int32_t k = 1; k <= 14; ++k)
        EXPECT_EQ(chapter_index.problem_level[k], k == 1 ? 2 : k == 14 ? 4 : 3) << k;
    register_chapter_generators();
    EXPECT_EQ(chapter_generators.by_chapter[8], &run_electrochemistry_chapter);
}

TEST_F(ChapterEight, AProblemOutsideTheChapterDrawsNothing)
{
    for (std::int32_t k : {0, 15, 80}) {
        app_state.problem_count = 3;
        backend.clear_log();
        problem_texts.problem_text = "prima";
        generate(k, 5);
        EXPECT_EQ(app_state.problem_count, 14);
        EXPECT_EQ(statement(), "prima");
        answer();
        EXPECT_TRUE(backend.log().empty()) << backend.log_text();
    }
}

TEST_F(ChapterEight, VersioneTestoPosesTheTextbookVariants)
{
    // Problems 5 and 6 state their reaction reversed.
    const char* const pieces[] = {
        " ore da una corrente di intensità ",
        "La resistività del tungsteno a @iT@ ambiente è pari a 5.39•10@u-8@ ohm•m. ",
        "Calcolare quanto sodio viene depositato",
        " di ossigeno misurati a ",
        "reazione Sn@u2+@ + 2Ag = Sn + 2Ag@u+@ (@bD@@iG@@u0@ = 181.4 kJ/mol) se [Ag@u+@] = ",
        "reazione Cu@u2+@ + H@d2@ = Cu + 2H@u+@ è pari a ",
        "per la semireazione Fe@u3+@ + e = Fe@u2+@ sapendo che",
        "semireazioni Pb@u2+@ + 2e = Pb e Sn@u2+@ + 2e = Sn sono",
        "Per la semireazione Ag@u+@ + e = Ag, @iE@@u0@ = 0.7996 V. Calcolare",
        "due elettrodi a rame in cui [Cu@u2+@]",
        "Il potenziale di un elettrodo ad idrogeno a pH incognito",
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
            EXPECT_EQ(problem_texts.problem_printable, 1);
            // "Dic. 05" in a balloon by the statement of problems 8 and 9.
            const bool balloon = k == 8 || k == 9;
            EXPECT_EQ(log.find("\"Dic.") != std::string::npos, balloon);
            if (k == 8) EXPECT_NE(log.find("ellipse filled (180,140)-(235,170)"), std::string::npos);
            if (k == 9) EXPECT_NE(log.find("ellipse filled (520,130)-(575,160)"), std::string::npos);
            answer();
            EXPECT_FALSE(backend.log_lines("rect").empty());
            EXPECT_EQ(problem_texts.problem_printable, 1);
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
}  // namespace elettr_test
