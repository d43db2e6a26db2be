// Where the navigation commands lead within the current level.
#include <gtest/gtest.h>

#include <vector>

#include "frame/app_state.h"
#include "frame/page_navigation.h"

namespace {

void set_chapter(const std::vector<std::int32_t>& levels, std::int32_t current_level)
{
    chapter_index = ChapterIndex{};
    app_state = AppState{};
    for (std::size_t k = 0; k < levels.size(); ++k) chapter_index.problem_level[k + 1] = levels[k];
    // A level stale from a longer chapter must not count.
    chapter_index.problem_level[levels.size() + 1] = 1;
    app_state.problem_count = static_cast<std::int32_t>(levels.size());
    app_state.current_level = current_level;
}

TEST(Navigation, IndexGroupStart)
{
    const std::int32_t cases[][2] = {{1, 1}, {9, 1}, {10, 1}, {11, 11}, {20, 11}, {21, 21}, {48, 41}};
    for (const auto& c : cases) EXPECT_EQ(index_group_start(c[0]), c[1]) << c[0];
}

TEST(Navigation, PreviousAndNextSkipProblemsAboveTheLevel)
{
    set_chapter({1, 3, 2, 4, 2, 5}, 2);
    struct Case {
        std::int32_t from, previous, next;
    };
    const Case cases[] = {
        {1, 0, 3}, {3, 1, 5}, {4, 3, 5}, {5, 3, 0}, {6, 5, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(previous_available_problem(c.from), c.previous) << c.from;
        EXPECT_EQ(next_available_problem(c.from), c.next) << c.from;
    }
}

TEST(Navigation, RandomProblemWrapsAndEndsWithItsStart)
{
    set_chapter({3, 1, 3, 3, 1}, 1);
    EXPECT_EQ(available_problem_from(1), 2);
    EXPECT_EQ(available_problem_from(2), 5);  // the start itself comes last
    EXPECT_EQ(available_problem_from(5), 2);  // wraps from the last to the first
    set_chapter({3, 1, 3}, 1);
    for (std::int32_t start = 1; start <= 3; ++start) EXPECT_EQ(available_problem_from(start), 2);
    set_chapter({3, 3}, 1);
    EXPECT_EQ(available_problem_from(1), 0);
    set_chapter({}, 5);
    EXPECT_EQ(available_problem_from(0), 0);
}

TEST(Navigation, OpeningProblem)
{
    set_chapter({3, 2, 1, 2}, 2);
    EXPECT_EQ(opening_problem(), 2);
    set_chapter({4, 3, 5, 3}, 2);
    EXPECT_EQ(opening_problem(), 2);  // the first of the lowest level
    set_chapter({}, 1);
    EXPECT_EQ(opening_problem(), 1);
    std::vector<std::int32_t> levels(14, 3);
    levels[10] = 1;
    set_chapter(levels, 1);
    EXPECT_EQ(opening_problem(), 11);
    EXPECT_EQ(index_group_start(opening_problem()), 11);
}

TEST(Navigation, IndexPagesLookForAnAvailableProblem)
{
    std::vector<std::int32_t> levels(34, 4);
    levels[4] = 1;   // problem 5
    levels[7] = 1;   // problem 8
    levels[32] = 1;  // problem 33
    set_chapter(levels, 1);

    app_state.index_page_first = 1;
    EXPECT_EQ(earlier_index_page().page_first, 0);
    const IndexPageTarget later = later_index_page();
    EXPECT_EQ(later.page_first, 31);  // pages 11 and 21 hold nothing within the level
    EXPECT_EQ(later.problem, 33);

    app_state.index_page_first = 31;
    EXPECT_EQ(later_index_page().page_first, 0);  // the last page
    const IndexPageTarget earlier = earlier_index_page();
    EXPECT_EQ(earlier.page_first, 1);
    EXPECT_EQ(earlier.problem, 8);  // the highest available one of that page

    app_state.current_level = 5;
    app_state.index_page_first = 21;
    EXPECT_EQ(later_index_page().problem, 31);
    EXPECT_EQ(earlier_index_page().problem, 20);
}

TEST(Navigation, LaterPageNeedsProblemsBeyondThisOne)
{
    set_chapter(std::vector<std::int32_t>(20, 1), 5);
    app_state.index_page_first = 11;
    EXPECT_EQ(later_index_page().page_first, 0);
    set_chapter(std::vector<std::int32_t>(14, 1), 5);
    app_state.index_page_first = 1;
    EXPECT_EQ(later_index_page().page_first, 11);
    EXPECT_EQ(later_index_page().problem, 11);
}

}  // namespace
