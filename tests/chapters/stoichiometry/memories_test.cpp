// "Nessuna Versione" never poses a problem's remembered draw twice in a row,
// numbered versions repeat themselves, and no redraw loop comes near its cap.
#include <gtest/gtest.h>

#include <string>

#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "stoichiometry_fixture.h"

namespace stoichiometry_test {
namespace {

// Problems with a memory and the entry that holds it; 17 and 18, 19 and 20,
// 32 and 33 share theirs.
constexpr std::pair<std::int32_t, std::int32_t> memories[] = {
    {2, 2},   {3, 3},   {4, 4},   {12, 12}, {13, 13}, {14, 14}, {15, 15}, {16, 16}, {17, 17},
    {18, 17}, {19, 19}, {20, 19}, {21, 21}, {22, 22}, {23, 23}, {24, 24}, {25, 25}, {26, 26},
    {27, 27}, {28, 28}, {29, 29}, {30, 30}, {31, 31}, {32, 32}, {33, 32}};

TEST_F(ChapterThree, NoVersionNeverRepeatsTheRememberedDraw)
{
    for (const auto& [k, memory] : memories) {
        std::int32_t last = 0;
        for (std::int32_t seed = 1; seed <= 40; ++seed) {
            generate(k, no_version, seed * 7777);
            const std::int32_t kept = stoichiometry_state.last_draw[memory];
            EXPECT_NE(kept, last) << "problem " << k << " seed " << seed;
            last = kept;
        }
    }
    // The shared memories alternate between their problems as well.
    for (const auto& [a, b] : {std::pair{17, 18}, std::pair{19, 20}, std::pair{32, 33}}) {
        std::int32_t last = 0;
        for (std::int32_t seed = 1; seed <= 40; ++seed) {
            generate(seed % 2 == 0 ? a : b, no_version, seed * 313);
            EXPECT_NE(stoichiometry_state.last_draw[a], last) << a << "/" << b << " seed " << seed;
            last = stoichiometry_state.last_draw[a];
        }
    }
}

// Problem 14 remembers its halogen too, problem 15 its oxygen count as shown.
TEST_F(ChapterThree, NoVersionChangesTheHalogenAndTheOxygenCount)
{
    std::string last_target;
    std::string last_oxygen = "none";
    for (std::int32_t seed = 1; seed <= 60; ++seed) {
        generate(14, no_version, seed * 101);
        const std::string target = match(statement(), "corrispondente (\\S+)\\.")[0];
        // A sulfide target hides the halogen that was drawn.
        if (target != "solfuro") {
            EXPECT_NE(target, last_target) << seed;
        }
        last_target = target;
        generate(15, no_version, seed * 103);
        const std::string oxygen = match(answer_text(), "@(O.*)?$")[0];
        EXPECT_NE(oxygen, last_oxygen) << seed;
        last_oxygen = oxygen;
    }
}

TEST_F(ChapterThree, ANumberedVersionRepeatsItsProblem)
{
    for (std::int32_t k = 1; k <= 33; ++k) {
        generate(k, 4321);
        const std::string first = statement() + answer_text();
        generate(k, 4321);
        EXPECT_EQ(statement() + answer_text(), first) << k;
    }
}

TEST_F(ChapterThree, NoRedrawLoopComesNearItsCap)
{
    redraw_record.most_draws = 0;
    for (std::int32_t k = 1; k <= 33; ++k) {
        for (std::int32_t n = 1; n <= 150; ++n) generate(k, spread_version(n));
        for (std::int32_t seed = 1; seed <= 20; ++seed) generate(k, no_version, seed);
    }
    EXPECT_LT(redraw_record.most_draws, redraw_cap / 1000);
}

}  // namespace
}  // namespace stoichiometry_test
