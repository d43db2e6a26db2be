// The chapter's registration and what every one of its problems keeps to
// over many versions.
#include <gtest/gtest.h>

#include <string>

#include "chapters/final_problems/final_problems_chapter.h"
#include "chapters/final_problems/final_problems_problems.h"
#include "final_problems_fixture.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"
#include "support/text_patterns.h"

namespace final_problems_test {
namespace {

using FinalProblems = ChapterNine;

TEST_F(FinalProblems, RegistersSixSectionsOfEightProblems)
{
    constexpr testing_support::RegisteredSection sections[] = {
        {"Sezione 1", 1, 40, 55},    {"Sezione 2", 9, 60, 75},    {"Sezione 3", 17, 80, 95},
        {"Sezione 4", 25, 100, 115}, {"Sezione 5", 33, 120, 135}, {"Sezione 6", 41, 140, 155}};
    constexpr std::int32_t levels[] = {3, 3, 3, 4, 4, 4, 3, 3, 3, 3, 3, 4, 3, 4, 4, 4, 3, 3, 3, 3, 3, 4, 4, 3,
                                       3, 4, 4, 3, 4, 3, 3, 3, 3, 3, 4, 4, 3, 3, 4, 3, 3, 3, 4, 4, 4, 4, 4, 3};
    expect_registration(sections, levels);
}

TEST_F(FinalProblems, IsTheGeneratorOfChapterNine)
{
    expect_registered_generator();
}

TEST_F(FinalProblems, OnlyTheRateTableCannotBeExportedAndRequestsLeaveThePanelAlone)
{
    const ChapterIndex registered = chapter_index;
    for (std::int32_t k = 1; k <= 48; ++k) {
        generate(k, 77);
        EXPECT_EQ(problem_texts.problem_printable, k != 13) << k;
        answer();
        EXPECT_EQ(problem_texts.problem_printable, k != 13) << k;
    }
    app_state.selected_problem = 13;
    problem_texts.problem_printable = true;
    run_final_problems_chapter(GeneratorMode::register_chapter);
    EXPECT_FALSE(problem_texts.problem_printable);
    for (std::int32_t e = 1; e <= 15; ++e) {
        EXPECT_EQ(chapter_index.side_panel[e].title, registered.side_panel[e].title);
        EXPECT_EQ(chapter_index.side_panel[e].top, registered.side_panel[e].top);
    }
}

// A number that went wrong: NaN or infinity, an overflowed field, or the
// formatter's "?" for a value that is not finite (problem 16's unknown
// concentration is the one question mark a statement shows on purpose).
bool shows_broken_number(std::string text)
{
    if (const auto at = text.find("NH@d3@ ? M"); at != std::string::npos) text.erase(at, 10);
    return testing_support::contains_match(text, R"(([nN][aA][nN]|[iI][nN][fF]|\*\*|(^|[ =(])\?))");
}

TEST_F(FinalProblems, EveryProblemOverManyVersions)
{
    redraw_record.most_draws = 0;
    for (std::int32_t k = 1; k <= 48; ++k) {
        for (std::int32_t n = 0; n < 40; ++n) {
            const std::int32_t version = n == 0 ? text_version : n == 1 ? 10000000 : spread_version(n, final_spread);
            expect_sound_problem(k, version, [](const std::string& text, bool) { return shows_broken_number(text); });
            if (HasFailure()) return;
        }
        generate(k, no_version, 4242 + k);
        EXPECT_FALSE(shows_broken_number(statement() + answer_text())) << k;
    }
    // No redraw loop comes near the cap at which it would give up.
    EXPECT_LT(redraw_record.most_draws, redraw_cap / 10000);
}

}  // namespace
}  // namespace final_problems_test
