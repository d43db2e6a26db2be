#include <gtest/gtest.h>

#include <set>

#include "chemistry/true_false_statements.h"
#include "numbers/random_stream.h"
#include "statement_judges.h"

namespace {

class Statements : public ::testing::Test {
protected:
};

std::size_t characters(const std::string& text)
{
    std::size_t n = 0;
    for (char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

struct Sweep {
    int group, type;
};

std::string type_name(const ::testing::TestParamInfo<Sweep>& info)
{
    return "group" + std::to_string(info.param.group) + "_type" + std::to_string(info.param.type);
}

std::vector<Sweep> every_type()
{
    std::vector<Sweep> all;
    for (int type = 1; type <= true_false_group_1_types; ++type) all.push_back({1, type});
    for (int type = 1; type <= true_false_group_2_types; ++type) all.push_back({2, type});
    return all;
}

class EveryType : public Statements, public ::testing::WithParamInterface<Sweep> {};

}  // namespace

// Over many seeds each type ends, fits a game's 200 characters, shows clean
// numbers, is true about as often as false, and says true exactly when an
// independent reading of its words finds it true.
TEST_P(EveryType, IsTrueExactlyWhenItsWordsAre)
{
    const Sweep sweep = GetParam();
    int trues = 0, undecided = 0;
    constexpr int seeds = 1000;
    for (int seed = 1; seed <= seeds; ++seed) {
        set_random_seed(seed * 7919 + sweep.type);
        std::string text;
        std::int32_t truth = -1;
        make_true_false_statement(sweep.group, sweep.type, text, 1000, truth);
        ASSERT_TRUE(truth == 0 || truth == 1) << text;
        ASSERT_LE(characters(text), 200u) << text;
        ASSERT_EQ(text.find("  "), std::string::npos) << text;
        ASSERT_EQ(text.find("**"), std::string::npos) << text;
        ASSERT_EQ(text.find('?'), std::string::npos) << text;
        ASSERT_EQ(text.find("nan"), std::string::npos) << text;
        ASSERT_EQ(text.find("inf"), std::string::npos) << text;
        const Verdict verdict = judge_statement(sweep.group, sweep.type, text);
        if (!verdict) {
            ++undecided;
            continue;
        }
        ASSERT_EQ(truth, *verdict ? 1 : 0) << "seed " << seed << ": " << text;
        trues += truth;
    }
    EXPECT_LE(undecided, seeds / 100);
    const bool one_in_three = sweep.group == 1 && sweep.type == 4;
    EXPECT_GT(trues, seeds * (one_in_three ? 25 : 40) / 100);
    EXPECT_LT(trues, seeds * (one_in_three ? 42 : 75) / 100);
}

INSTANTIATE_TEST_SUITE_P(TrueFalse, EveryType, ::testing::ValuesIn(every_type()), type_name);

// The draws a statement takes decide every later draw of a problem.
TEST_F(Statements, TakeTheirFixedNumberOfDraws)
{
    struct Draws {
        int group, type, if_true, if_false;
    };
    const Draws table[] = {{1, 4, 2, 2},  {1, 5, 4, 4},  {1, 6, 2, 2},     {1, 7, 2, 2}, {1, 12, 2, 2},
                           {1, 13, 3, 3}, {1, 14, 2, 2}, {2, 4, 202, 202}, {2, 5, 2, 2}, {2, 10, 5, 5},
                           {2, 13, 3, 3}, {2, 16, 5, 7}, {2, 17, 4, 6}};
    for (const Draws& d : table) {
        for (int seed = 1; seed <= 20; ++seed) {
            set_random_seed(seed);
            std::string text;
            std::int32_t truth = 0;
            make_true_false_statement(d.group, d.type, text, 1000, truth);
            std::int32_t state = seed;
            const int expected = d.group == 1 && d.type == 4 ? d.if_true : truth ? d.if_true : d.if_false;
            for (int i = 0; i < expected; ++i) next_uniform(state);
            EXPECT_EQ(random_stream.random_state, state) << d.group << "/" << d.type << " seed " << seed;
        }
    }
}

TEST_F(Statements, SameSeedGivesTheSameStatement)
{
    for (int type = 1; type <= true_false_group_2_types; ++type) {
        std::string first, second;
        std::int32_t t1 = 0, t2 = 0;
        set_random_seed(4242);
        make_true_false_statement(2, type, first, 1000, t1);
        set_random_seed(4242);
        make_true_false_statement(2, type, second, 1000, t2);
        EXPECT_EQ(first, second);
        EXPECT_EQ(t1, t2);
    }
}

TEST_F(Statements, UnknownGroupOrTypeChangesNothingAndLongTextsAreCut)
{
    std::string text = "kept";
    std::int32_t truth = 7;
    for (const auto& [group, type] : {std::pair{1, 0}, {1, 15}, {2, 18}, {3, 1}, {0, 1}}) {
        make_true_false_statement(group, type, text, 200, truth);
        EXPECT_EQ(text, "kept");
        EXPECT_EQ(truth, 7);
    }
    set_random_seed(5);
    make_true_false_statement(2, 6, text, 20, truth);  // "... è un solido ..." is longer
    EXPECT_EQ(characters(text), 20u) << text;
}

TEST_F(Statements, PickerStaysWithinTheCurrentChapter)
{
    for (int chapter = 1; chapter <= 9; ++chapter) {
        for (int group = 1; group <= 2; ++group) {
            std::set<std::int32_t> types;
            set_random_seed(chapter * 100 + group);
            for (int i = 0; i < 300; ++i) {
                std::string text;
                std::int32_t truth = -1, type = 0;
                pick_game_question(group, chapter, text, 200, truth, type);
                ASSERT_LE(statement_chapter_code(group, type), chapter);
                EXPECT_FALSE(text.empty());
                types.insert(type);
            }
            if (chapter == 1) {
                EXPECT_EQ(types, (group == 1 ? std::set<std::int32_t>{2, 4, 9} : std::set<std::int32_t>{15, 16, 17}));
            }
            if (chapter >= 8) {
                EXPECT_EQ(types.size(), group == 1 ? 14u : 17u);
            }
        }
    }
    std::string text = "kept";
    std::int32_t truth = 3, type = 4;
    pick_game_question(3, 9, text, 200, truth, type);
    pick_game_question(1, 0, text, 200, truth, type);
    EXPECT_EQ(std::make_tuple(text, truth, type), std::make_tuple(std::string("kept"), 3, 4));
}
