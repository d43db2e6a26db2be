// The chapter's registration, the walk for problems outside it and the
// export flag of its pages.
#include <gtest/gtest.h>

#include "chapters/chapter_registry.h"
#include "chapters/stoichiometry/stoichiometry_chapter.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "stoichiometry_fixture.h"

namespace stoichiometry_test {
namespace {

constexpr std::int32_t levels[] = {2, 2, 3, 3, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
                                   3, 3, 4, 3, 4, 4, 5, 2, 2, 2, 3, 3, 3, 3, 3, 3};

TEST_F(ChapterThree, RegistersFiveSectionsAndThirtyThreeLevels)
{
    constexpr testing_support::RegisteredSection sections[] = {{"Mole e massa molare", 1, 40, 55},
                                                               {"Analisi elementare", 11, 60, 80},
                                                               {"Miscele di composti", 16, 80, 100},
                                                               {"Reazioni chimiche", 25, 100, 120},
                                                               {"Rapporti di reazione", 30, 120, 140}};
    // A chapter of more sections before leaves no trace of them.
    chapter_index.side_panel[7].top = 160;
    chapter_index.side_panel[7].title = "Nomenclatura";
    run_stoichiometry_chapter(GeneratorMode::register_chapter);
    expect_registration(sections, levels);
}

TEST_F(ChapterThree, IsTheRegisteredGeneratorOfChapterThree)
{
    expect_registered_generator();
}

// Chapter 4's bands are 15 pixels high: its second one does not keep
// chapter 3's 60 to 80.
TEST_F(ChapterThree, TheNextChapterDrawsItsOwnBands)
{
    register_chapter_generators();
    const ChapterGenerator next = chapter_generators.by_chapter[4];
    if (next == nullptr) GTEST_SKIP() << "chapter 4 is not in the program yet";
    next(GeneratorMode::register_chapter);
    EXPECT_EQ(chapter_index.side_panel[2].top, 60);
    EXPECT_EQ(chapter_index.side_panel[2].bottom, 75);
}

TEST_F(ChapterThree, ARequestStoresTheLevelsUpToItsProblemOnly)
{
    chapter_index.problem_level.fill(0);
    app_state.problem_count = 12;
    generate(7, 5);
    for (std::int32_t k = 1; k <= 7; ++k) EXPECT_EQ(chapter_index.problem_level[k], levels[k - 1]) << k;
    EXPECT_EQ(chapter_index.problem_level[8], 0);
    EXPECT_EQ(app_state.problem_count, 12);
}

TEST_F(ChapterThree, AProblemOutsideTheChapterDrawsNothingAndStoresTheCount)
{
    expect_nothing_drawn_outside({0, 34, 80});
}

// Every page can be exported, and only the first four answers keep the
// blanks they begin with.
TEST_F(ChapterThree, EveryPageIsPrintableAndLaterAnswersAreLeftAdjusted)
{
    for (std::int32_t k = 1; k <= 33; ++k) {
        generate(k, 77);
        EXPECT_TRUE(problem_texts.problem_printable) << k;
        problem_texts.answer_text = "   R" + std::to_string(k);
        answer();
        const std::string shown = k <= 4 ? ":    R" : ": R";
        EXPECT_NE(backend.log_text().find(shown + std::to_string(k)), std::string::npos) << k << backend.log_text();
    }
}

}  // namespace
}  // namespace stoichiometry_test
