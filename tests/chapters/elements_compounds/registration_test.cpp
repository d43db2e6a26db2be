// The chapter's registration, the export flag of its pages and the walk
// for problems outside the chapter.
#include <gtest/gtest.h>

#include "chapters/elements_compounds/elements_compounds_chapter.h"
#include "elements_compounds_fixture.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"

namespace elements_compounds_test {
namespace {

TEST_F(ChapterTwo, RegistersSevenSectionsAndFortyLevels)
{
    constexpr testing_support::RegisteredSection sections[] = {
        {"Atomi e massa atomica", 1, 40, 55},  {"Config. elettroniche", 6, 60, 80},
        {"Proprietà periodiche", 10, 80, 100}, {"Composti ionici", 17, 100, 120},
        {"Composti molecolari", 20, 120, 140}, {"Numero di ossidazione", 29, 140, 160},
        {"Nomenclatura", 32, 160, 180}};
    constexpr std::int32_t levels[] = {1, 2, 2, 3, 2, 2, 2, 2, 3, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4,
                                       3, 3, 3, 3, 3, 3, 3, 3, 2, 2, 3, 2, 2, 2, 2, 2, 3, 3, 3, 3};
    expect_registration(sections, levels);
}

TEST_F(ChapterTwo, IsTheRegisteredGeneratorOfChapterTwo)
{
    expect_registered_generator();
}

TEST_F(ChapterTwo, AProblemOutsideTheChapterDrawsNothingAndStoresTheCount)
{
    expect_nothing_drawn_outside({0, 41, 80});
}

TEST_F(ChapterTwo, OnlyTheTableToFillInAndTheLewisAnswersRefuseTheExport)
{
    for (std::int32_t k = 1; k <= 40; ++k) {
        const bool refused = k == 10 || k == 16 || k == 22 || k == 23 || k == 27;
        generate(k, 77);
        EXPECT_EQ(problem_texts.problem_printable, !refused) << "problem " << k;
        answer();
        EXPECT_EQ(problem_texts.problem_printable, !refused) << "answer of problem " << k;
    }
}

TEST_F(ChapterTwo, EveryProblemPosesAQuestionAndAnswersIt)
{
    for (std::int32_t k = 1; k <= 40; ++k) {
        for (std::int32_t version : {1, 2, 3, 999, 123456, 10000000, text_version}) {
            generate(k, version);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version));
            EXPECT_FALSE(statement().empty());
            EXPECT_LE(statement().size(), 1000u);
            EXPECT_LE(answer_text().size(), 500u);
            // The periodic table itself answers problems 10 and 16.
            EXPECT_EQ(answer_text().empty(), k == 10 || k == 16) << answer_text();
            // Pieces join with single blanks; problem 7 alone has two between its questions.
            if (k != 7) {
                EXPECT_EQ(statement().find("  "), std::string::npos) << statement();
            }
            answer();
            EXPECT_FALSE(backend.log_lines("rect").empty());
        }
    }
}

TEST_F(ChapterTwo, NessunaVersioneNeverRepeatsTheFirstDataOfAVisit)
{
    // The same seed twice: only the rule against repeats can change the data.
    for (std::int32_t k : {1, 2, 3, 4, 6, 8, 9, 10, 17, 20, 26, 29, 30, 31, 32, 33, 36, 39}) {
        generate(k, 0, 4242);
        const std::string first = statement();
        generate(k, 0, 4242);
        EXPECT_NE(statement(), first) << "problem " << k;
    }
}

}  // namespace
}  // namespace elements_compounds_test
