// The chapter's registration and what every one of its problems keeps to
// over many versions.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>

#include "chapters/chapter_registry.h"
#include "chapters/finali/final_problems_chapter.h"
#include "chapters/finali/finali_problems.h"
#include "finali_fixture.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "numbers/value_slots.h"

namespace finali_test {
namespace {

using FinalProblems = ChapterNine;

TEST_F(FinalProblems, RegistersSixSectionsOfEightProblems)
{
    ASSERT_EQ(chapter_index.section_count, 6);
    for (std::int32_t e = 1; e <= 6; ++e) {
        const SidePanelEntry& entry = chapter_index.side_panel[e];
        EXPECT_EQ(entry.title, "Sezione " + std::to_string(e));
        EXPECT_EQ(entry.first_problem, 8 * e - 7);
        EXPECT_EQ(entry.top, 20 + 20 * e);
        EXPECT_EQ(entry.bottom, 35 + 20 * e);
    }
    for (std::int32_t e = 7; e <= 15; ++e) {
        EXPECT_EQ(chapter_index.side_panel[e].top, 0);
        EXPECT_EQ(chapter_index.side_panel[e].bottom, 0);
        EXPECT_TRUE(chapter_index.side_panel[e].title.empty());
    }
    EXPECT_EQ(app_state.problem_count, 48);
    const std::string level_four = " 4 5 6 12 14 15 16 22 23 26 27 29 35 36 39 43 44 45 46 47 ";
    std::int32_t threes = 0;
    for (std::int32_t k = 1; k <= 48; ++k) {
        const bool four = level_four.find(" " + std::to_string(k) + " ") != std::string::npos;
        EXPECT_EQ(chapter_index.problem_level[k], four ? 4 : 3) << k;
        threes += chapter_index.problem_level[k] == 3;
    }
    EXPECT_EQ(threes, 28);
}

TEST_F(FinalProblems, IsTheGeneratorOfChapterNine)
{
    register_chapter_generators();
    EXPECT_TRUE(chapter_available(9));
    EXPECT_EQ(chapter_generators.by_chapter[9], &run_final_problems_chapter);
}

TEST_F(FinalProblems, OnlyTheRateTableCannotBeExportedAndRequestsLeaveThePanelAlone)
{
    const ChapterIndex registered = chapter_index;
    for (std::int32_t k = 1; k <= 48; ++k) {
        generate(k, 77);
        EXPECT_EQ(problem_texts.problem_printable, k == 13 ? 0 : 1) << k;
        answer();
        EXPECT_EQ(problem_texts.problem_printable, k == 13 ? 0 : 1) << k;
    }
    app_state.selected_problem = 13;
    problem_texts.problem_printable = 1;
    run_final_problems_chapter(register_request);
    EXPECT_EQ(problem_texts.problem_printable, 0);
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
    static const std::regex broken(R"((nan|inf|\*\*|(^|[ =(])\?))", std::regex::icase);
    return std::regex_search(text, broken);
}

TEST_F(FinalProblems, EveryProblemOverManyVersions)
{
    final_problems_state.most_redraws = 0;
    for (std::int32_t k = 1; k <= 48; ++k) {
        for (std::int32_t n = 0; n < 40; ++n) {
            const std::int32_t version = n == 0 ? text_version : n == 1 ? 10000000 : spread_version(n);
            generate(k, version);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version));
            const std::string statement_shown = statement();
            const std::string answer_shown = answer_text();
            EXPECT_FALSE(statement_shown.empty());
            EXPECT_FALSE(answer_shown.empty());
            EXPECT_LE(statement_shown.size(), 1000u);
            EXPECT_LE(answer_shown.size(), 500u);
            EXPECT_FALSE(shows_broken_number(statement_shown)) << statement_shown;
            EXPECT_FALSE(shows_broken_number(answer_shown)) << answer_shown;
            for (std::int32_t slot = 1; slot < 20; ++slot)
                EXPECT_TRUE(std::isfinite(value_slots[slot].value)) << "slot " << slot;
            answer();
            EXPECT_EQ(answer_text(), answer_shown);
            // The same version poses the same problem again.
            generate(k, version);
            EXPECT_EQ(statement(), statement_shown);
            EXPECT_EQ(answer_text(), answer_shown);
            if (HasFailure()) return;
        }
        generate(k, no_version, 4242 + k);
        EXPECT_FALSE(shows_broken_number(statement() + answer_text())) << k;
    }
    // No redraw loop comes near the cap at which it would give up.
    EXPECT_LT(final_problems_state.most_redraws, finali::redraw_cap / 10);
}

}  // namespace
}  // namespace finali_test
