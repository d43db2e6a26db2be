// The chapter's registration, the export flag of its pages, the walk for
// problems outside the chapter, and every problem over many versions.
#include <gtest/gtest.h>

#include "chapters/states_of_matter/states_of_matter_chapter.h"
#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"
#include "states_of_matter_fixture.h"

namespace states_of_matter_test {
namespace {

TEST_F(ChapterFour, RegistersEightSectionsAndFortyOneLevels)
{
    constexpr testing_support::RegisteredSection sections[] = {
        {"Leggi del gas ideale", 1, 40, 55},  {"Miscele di gas ideali", 15, 60, 75},
        {"Teoria cinetica", 22, 80, 95},      {"Gas reali", 26, 100, 115},
        {"Solidi e liquidi", 29, 120, 135},   {"Tensione di vapore", 35, 140, 155},
        {"Diagrammi di stato", 37, 160, 175}, {"Principio di Le Châtelier", 41, 180, 195}};
    constexpr std::int32_t levels[] = {2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
                                       3, 3, 3, 3, 3, 4, 4, 2, 3, 3, 3, 3, 3, 3, 4, 3, 3, 3, 3, 3};
    expect_registration(sections, levels);
    expect_registered_generator();
}

TEST_F(ChapterFour, OnlyThePhaseDiagramsRefuseTheExportWhateverTheRequest)
{
    for (std::int32_t k = 1; k <= 41; ++k) {
        const bool refused = k >= 37 && k <= 39;
        generate(k, 77);
        EXPECT_EQ(problem_texts.problem_printable, !refused) << "problem " << k;
        answer();
        EXPECT_EQ(problem_texts.problem_printable, !refused) << "answer of problem " << k;
        app_state.selected_problem = k;
        problem_texts.problem_printable = true;
        run_states_of_matter_chapter(GeneratorMode::register_chapter);
        EXPECT_EQ(problem_texts.problem_printable, !refused) << "registration with problem " << k;
    }
}

TEST_F(ChapterFour, AProblemOutsideTheChapterDrawsNothing)
{
    expect_nothing_drawn_outside({0, 42, 80});
}

// Every problem under many versions: a statement and an answer within their
// lengths, the same texts again for the same version, "Nessuna Versione"
// never posing the remembered draw twice in a row, and no redraw loop
// reaching its bound.
TEST_F(ChapterFour, EveryProblemOverManyVersions)
{
    redraw_record.most_draws = 0;
    for (std::int32_t k = 1; k <= 41; ++k) {
        for (std::int32_t n = 1; n <= 60; ++n) {
            const std::int32_t version = n == 1 ? text_version : spread_version(n);
            generate(k, version);
            const std::string text = statement();
            const std::string answer = answer_text();
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version) + ": " + text);
            EXPECT_FALSE(text.empty());
            EXPECT_LE(text.size(), 1000u);
            EXPECT_FALSE(answer.empty());
            EXPECT_LE(answer.size(), 500u);
            if (n <= 3) {
                generate(k, version);
                EXPECT_EQ(statement(), text);
                EXPECT_EQ(answer_text(), answer);
            }
        }
        for (std::int32_t n = 1; n <= 6; ++n) {
            const std::int32_t before = states_of_matter_state.last_draw[k];
            generate(k, no_version, 1000 + n);
            if (k != 1 && k != 3 && k != 4 && k != 5 && k != 19 && k != 22 && k != 29) {
                EXPECT_NE(states_of_matter_state.last_draw[k], before) << "problem " << k;
            }
        }
    }
    EXPECT_LT(redraw_record.most_draws, redraw_cap / 1000);
}

}  // namespace
}  // namespace states_of_matter_test
