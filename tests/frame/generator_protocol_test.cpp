// The block walk every chapter generator shares, and the dispatcher's table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/app_state.h"
#include "frame/chapter_dispatcher.h"
#include "frame/generator_protocol.h"

namespace {

std::vector<std::string> calls;

void generate()
{
    calls.push_back("generate " + std::to_string(app_state.selected_problem));
}
void answer()
{
    calls.push_back("answer " + std::to_string(app_state.selected_problem));
}

constexpr ChapterSection sections[] = {
    {"Prima", 1, 40, 55},
    {"Seconda", 3, 60, 75},
    {"Terza", 6, 80, 95},
};
constexpr ProblemBlock blocks[] = {
    {1, generate, answer}, {2, generate, answer},  {3, generate, answer},
    {1, generate, answer}, {5, generate, nullptr}, {4, generate, answer},
};

class WalkTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        calls.clear();
        chapter_index = ChapterIndex{};
        app_state = AppState{};
        app_state.problem_count = -1;
    }
};

TEST_F(WalkTest, RegistrationWritesSectionsLevelsAndCount)
{
    for (std::int32_t e = 1; e <= max_sections; ++e) {
        chapter_index.side_panel[e] = {7, 9, 100 + e, "vecchio"};
    }
    app_state.selected_problem = 2;
    walk_problem_blocks(GeneratorMode::register_chapter, sections, blocks);

    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(app_state.problem_count, 6);
    EXPECT_EQ(chapter_index.section_count, 3);
    const SidePanelEntry& second = chapter_index.side_panel[2];
    EXPECT_EQ(second.title, "Seconda");
    EXPECT_EQ(second.top, 60);
    EXPECT_EQ(second.bottom, 75);
    EXPECT_EQ(second.first_problem, 3);
    EXPECT_EQ(chapter_index.side_panel[3].first_problem, 6);
    // Unused entries lose band and title but keep their first problem.
    const SidePanelEntry& unused = chapter_index.side_panel[4];
    EXPECT_EQ(unused.top, 0);
    EXPECT_EQ(unused.bottom, 0);
    EXPECT_EQ(unused.title, "");
    EXPECT_EQ(unused.first_problem, 104);
    const std::int32_t levels[] = {1, 2, 3, 1, 5, 4};
    for (std::int32_t k = 1; k <= 6; ++k) EXPECT_EQ(chapter_index.problem_level[k], levels[k - 1]) << k;
}

TEST_F(WalkTest, GenerateAndAnswerRunOnlyTheSelectedBlock)
{
    app_state.selected_problem = 4;
    walk_problem_blocks(GeneratorMode::generate, sections, blocks);
    walk_problem_blocks(GeneratorMode::answer, sections, blocks);
    EXPECT_EQ(calls, (std::vector<std::string>{"generate 4", "answer 4"}));
    // The walk stopped at block 4: levels up to it are stored, the count is not.
    EXPECT_EQ(chapter_index.problem_level[4], 1);
    EXPECT_EQ(chapter_index.problem_level[5], 0);
    EXPECT_EQ(app_state.problem_count, -1);
    EXPECT_EQ(chapter_index.section_count, 0);
}

TEST_F(WalkTest, BlockWithoutAnswerDrawsNothing)
{
    app_state.selected_problem = 5;
    walk_problem_blocks(GeneratorMode::answer, sections, blocks);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(app_state.problem_count, -1);
}

TEST_F(WalkTest, SelectionOutsideTheChapterOnlyStoresTheCount)
{
    for (std::int32_t selected : {0, 7, -3}) {
        app_state.selected_problem = selected;
        walk_problem_blocks(GeneratorMode::generate, sections, blocks);
        walk_problem_blocks(GeneratorMode::answer, sections, blocks);
        EXPECT_TRUE(calls.empty());
        EXPECT_EQ(app_state.problem_count, 6);
    }
}

TEST_F(WalkTest, OtherRequestsWalkWithoutRegistering)
{
    chapter_index.section_count = 9;
    app_state.selected_problem = 3;
    walk_problem_blocks(static_cast<GeneratorMode>(77), sections, blocks);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(app_state.problem_count, 6);
    EXPECT_EQ(chapter_index.section_count, 9);
}

TEST_F(WalkTest, OversizedChaptersAreCutToTheTables)
{
    std::vector<ProblemBlock> many(max_problems + 5, ProblemBlock{2, generate, answer});
    std::vector<ChapterSection> crowded;
    for (std::int32_t s = 1; s <= 20; ++s) crowded.push_back({"Sezione", s, 20 * s, 20 * s + 15});
    app_state.selected_problem = max_problems + 2;
    walk_problem_blocks(GeneratorMode::register_chapter, crowded, many);
    EXPECT_EQ(app_state.problem_count, max_problems);
    EXPECT_EQ(chapter_index.section_count, max_sections);
    // The page commands beyond the sections are untouched.
    EXPECT_EQ(chapter_index.side_panel[16].first_problem, 0);
    walk_problem_blocks(GeneratorMode::generate, crowded, many);
    EXPECT_TRUE(calls.empty());
}

void fake_chapter(GeneratorMode request)
{
    calls.push_back("request " + std::to_string(static_cast<std::int32_t>(request)));
}

TEST(Dispatcher, RoutesToTheCurrentChapterAndResetsPrintable)
{
    const ChapterGenerators saved = chapter_generators;
    chapter_generators = {};
    calls.clear();
    register_chapter_generator(3, fake_chapter);
    register_chapter_generator(10, fake_chapter);
    register_chapter_generator(0, fake_chapter);
    EXPECT_TRUE(chapter_available(3));
    EXPECT_FALSE(chapter_available(4));
    EXPECT_FALSE(chapter_available(10));

    app_state.current_chapter = 3;
    problem_texts.problem_printable = false;
    run_chapter_generator(GeneratorMode::answer);
    EXPECT_TRUE(problem_texts.problem_printable);
    app_state.current_chapter = 4;
    run_chapter_generator(GeneratorMode::generate);
    app_state.current_chapter = 12;
    run_chapter_generator(GeneratorMode::generate);
    EXPECT_EQ(calls, (std::vector<std::string>{"request 2"}));
    chapter_generators = saved;
}

}  // namespace
