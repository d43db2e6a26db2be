// The chapter's registration, the walk for problems outside the chapter,
// and every problem posed and answered.
#include <gtest/gtest.h>

#include "chapters/equilibria/equilibria_chapter.h"
#include "chapters/equilibria/equilibria_problems.h"
#include "equilibria_fixture.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/generator_protocol.h"

namespace equilibria_test {
namespace {

constexpr testing_support::RegisteredSection sections[] = {{"Costanti di equilibrio", 1, 40, 55},
                                                           {"Calcoli di equilibrio", 6, 60, 75},
                                                           {"Acidi e Basi", 16, 80, 95},
                                                           {"Calcolo del pH", 20, 100, 115},
                                                           {"Soluzioni tampone", 28, 120, 135},
                                                           {"Titolazioni acido-base", 31, 140, 155},
                                                           {"Prodotto di solubilità", 39, 160, 175}};
constexpr std::int32_t levels[] = {2, 2, 3, 3, 3, 2, 3, 4, 3, 3, 2, 3, 3, 3, 3, 2, 2, 2, 2, 3, 3, 3,
                                   3, 3, 3, 4, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3, 4, 4, 4, 5};

TEST_F(ChapterSeven, RegistersSevenSectionsAndFortyThreeLevels)
{
    expect_registration(sections, levels);
}

TEST_F(ChapterSeven, AWalkServedPastTheThirtiethBlockLeavesTheNextRegistrationWhole)
{
    // A walk that a late block ends, over a side panel that lost its last
    // sections: the next registration lists all seven and counts on to 43.
    generate(31, 5);
    EXPECT_FALSE(statement().empty());
    chapter_index.section_count = 5;
    chapter_index.side_panel[6] = {};
    chapter_index.side_panel[7] = {};
    app_state.problem_count = 0;
    run_equilibria_chapter(GeneratorMode::register_chapter);
    expect_registration(sections, levels);
}

TEST_F(ChapterSeven, IsTheRegisteredGeneratorOfChapterSeven)
{
    expect_registered_generator();
}

TEST_F(ChapterSeven, AProblemOutsideTheChapterDrawsNothingAndStoresTheCount)
{
    expect_nothing_drawn_outside({0, 44, 80});
}

TEST_F(ChapterSeven, EveryProblemPosesAQuestionAndAnswersItWithinItsRedrawCap)
{
    for (std::int32_t k = 1; k <= 43; ++k) {
        std::int32_t most_attempts = 0;
        for (std::int32_t n = 0; n <= 40; ++n) {
            const std::int32_t version = n == 0 ? text_version : n == 1 ? no_version : spread_version(n);
            redraw_record.most_draws = 0;
            generate(k, version, 1000 + n);
            most_attempts = std::max(most_attempts, redraw_record.most_draws);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version));
            EXPECT_FALSE(statement().empty());
            EXPECT_LE(statement().size(), 1000u);
            EXPECT_TRUE(problem_texts.problem_printable);
            answer();
            EXPECT_FALSE(answer_text().empty());
            EXPECT_LE(answer_text().size(), 500u);
            EXPECT_EQ(answer_text().front() == ' ', false);
            EXPECT_NE(backend.log_text().find("text"), std::string::npos);
            if (HasFailure()) return;
        }
        EXPECT_LT(most_attempts, redraw_cap / 1000) << "problem " << k;
    }
}

// Answers once worked from values rounded on the way or never shown, or
// from a precipitation taken as complete.
TEST_F(ChapterSeven, AnswersAreThoseOfTheDataShown)
{
    constexpr testing_support::VersionAnswer cases[] = {
        {5, 86, "@iK@ = 1.03•10@u-5@; @iK@@dp@ = 1.79•10@u-11@ torr@u-2@; @iK@@dx@ = 987",
         "@iK@@dp@ = 1.78•10@u-11@ torr@u-2@; @iK@@dx@ = 983"},
        {31, 5, "@T1@@C1@174 mL", "173 mL"},
        {40, 141, "6.6•10@u-4@ mol/L", "1.54•10@u-3@ mol/L"},
        {40, 196, "3.47•10@u-4@ mol/L", "2.741•10@u-4@ mol/L"},
        // 7.33 from the volumes printed.
        {33, 108, "@T1@@C1@0.2225 F", "0.2226 F"},
        {33, 229, "@T1@@C1@0.02062 F", "0.02063 F"},
        // 7.42 from the pH printed, [OH-] unrounded, its two decimals counted.
        {42, 20, "7.28•10@u-15@ mol/L; 1.1•10@u-12@ mol/L", "7.28•10@u-15@ mol/L; 1.04•10@u-12@ mol/L"},
        {42, 5545438, "2.20•10@u-10@ mol/L; 1.3•10@u-6@ mol/L", "2.20•10@u-10@ mol/L; 1.33•10@u-6@ mol/L"},
        // 7.32, 7.35 and 7.36 from the mixed concentrations unrounded.
        {32, 19, "10.2", "10.26"},
        {32, 5, "11.93", "11.92"},
        {35, 11, "@T1@@C1@2.79", "2.80"},
        {36, 6, "@T1@@C1@9.22", "9.21"},
        // 7.33 for a base of two hydroxides, Ba(OH)2.
        {33, 4, "@T1@@C1@0.0590 F", "0.0591 F"},
        {33, text_version, "@T1@@C1@0.0338 F", "0 F"},
        // Digits through each datum's power: 7.39's [I-] squared, 7.41's
        // base cubed; 7.41 in acid with the digits its two data leave.
        {39, 7170764, "1.35•10@u-3@ mol/L; 2.6•10@u-6@ mol/L", "1.35•10@u-3@ mol/L; 2.57•10@u-6@ mol/L"},
        {41, 2, "7.28•10@u-15@ mol/L; 8.6•10@u-29@ mol/L", "7.28•10@u-15@ mol/L; 8.60•10@u-29@ mol/L"},
    };
    expect_answers(cases);
}

}  // namespace
}  // namespace equilibria_test
