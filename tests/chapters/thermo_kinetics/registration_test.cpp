// The chapter's registration, the walk for problems outside it, the memory
// that keeps "Nessuna Versione" from repeating a pick, and the sweep over
// every problem.
#include <cmath>
#include <string>

#include "chapters/chapter_registry.h"
#include "chapters/thermo_kinetics/thermo_kinetics_chapter.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "support/text_patterns.h"
#include "thermo_kinetics_fixture.h"

namespace thermo_kinetics_test {
namespace {

TEST_F(ChapterSix, RegistersSixSectionsAndThirtyEightLevels)
{
    constexpr testing_support::RegisteredSection sections[] = {
        {"Energia ed Entalpia", 1, 40, 55},       {"Entalpia di reazione", 10, 60, 75},
        {"Probabilità ed Entropia", 16, 80, 95},  {"Energia libera", 26, 100, 115},
        {"Costanti di equilibrio", 28, 120, 135}, {"Cinetica chimica", 31, 140, 155}};
    constexpr std::int32_t levels[] = {2, 2, 2, 3, 3, 4, 4, 4, 3, 3, 3, 4, 3, 3, 4, 3, 4, 5, 5,
                                       3, 4, 3, 4, 3, 4, 3, 3, 3, 4, 4, 3, 3, 3, 3, 3, 3, 3, 3};
    expect_registration(sections, levels);
    expect_registered_generator();
}

TEST_F(ChapterSix, AProblemOutsideTheChapterDrawsNothing)
{
    expect_nothing_drawn_outside({0, 39});
}

TEST_F(ChapterSix, EveryProblemDrawsItsStatementAndItsAnswer)
{
    for (std::int32_t k = 1; k <= 38; ++k) {
        for (const std::int32_t version : {text_version, 4321, 9876543}) {
            generate(k, version);
            const std::string drawn = backend.log_text();
            EXPECT_NE(drawn.find("Problema 6." + std::to_string(k)), std::string::npos) << k;
            // The frame leaves a fact box out where it would cover the page; 31 never asks for one.
            if (k == 31) {
                EXPECT_EQ(drawn.find("Fatti della Chimica"), std::string::npos);
            }
            EXPECT_EQ(problem_texts.problem_printable, k != 31) << k;
            EXPECT_FALSE(answer_text().empty()) << k;
            EXPECT_EQ(answer_text().find_first_of("?*"), std::string::npos) << k << " " << answer_text();
            EXPECT_EQ(answer_text().find("nan"), std::string::npos) << k << " " << answer_text();
            // The same version gives the same texts.
            const std::string text = statement(), result = answer_text();
            generate(k, version);
            EXPECT_EQ(statement(), text) << k;
            EXPECT_EQ(answer_text(), result) << k;
            answer();
            EXPECT_NE(backend.log_text().find("R"), std::string::npos) << k;
        }
    }
}

// What a visit picks, read from its statement: under "Nessuna Versione" two
// visits in a row never pick the same.
struct Pick {
    std::int32_t problem;
    const char* pattern;
};
constexpr Pick picks[] = {
    {4, "g di ([a-z]+) che"},
    {5, "@dp@ d(?:ell'|el |ello )(.+?), che"},
    {6, "^Un campione di [^ ]+ g di (.+?) a"},
    {10, "combustione (d.+?) \\("},
    {16, "e ([0-9])@iE@@d0@ e con"},
    {18, "e ([0-9])@iE@@d0@ alle"},
    {19, "del ([a-z]+) livello"},
    {20, "g di (.+?) \\("},
    {23, "g di (.+?) sono"},
    {30, "satura di (.+?) è"},
    {38, "in fase gas (.+?) è"},
};

TEST_F(ChapterSix, NessunaVersioneNeverRepeatsThePreviousPick)
{
    for (const Pick& p : picks) {
        std::string previous;
        for (std::int32_t seed = 1; seed <= 25; ++seed) {
            generate(p.problem, no_version, 1000 + seed);
            const auto m = testing_support::find_first(statement(), p.pattern);
            ASSERT_TRUE(m.has_value()) << p.problem << ": " << statement();
            EXPECT_NE((*m)[1], previous) << p.problem;
            previous = (*m)[1];
        }
    }
}

}  // namespace
}  // namespace thermo_kinetics_test
