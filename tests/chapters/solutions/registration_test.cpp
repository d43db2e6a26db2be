// The chapter's registration, its place among the program's chapters, the
// walk for problems outside it, and the memories its problems share.
#include <gtest/gtest.h>

#include "chapters/solutions/solutions_chapter.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "solutions_fixture.h"

namespace solutions_test {
namespace {

TEST_F(ChapterFive, RegistersSixSectionsAndThirtySevenLevels)
{
    constexpr testing_support::RegisteredSection sections[] = {{"Concentrazione", 1, 40, 55},
                                                               {"Mescolamento", 10, 60, 75},
                                                               {"Solubilità", 15, 80, 95},
                                                               {"Tensione di vapore", 17, 100, 115},
                                                               {"Proprietà colligative", 19, 120, 135},
                                                               {"Reazioni in soluzione", 29, 140, 155}};
    constexpr std::int32_t levels[] = {2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 3, 3, 3, 4, 3,
                                       3, 3, 3, 3, 3, 3, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4};
    expect_registration(sections, levels);
}

TEST_F(ChapterFive, IsTheRegisteredGeneratorOfChapterFive)
{
    expect_registered_generator();
}

TEST_F(ChapterFive, AProblemOutsideTheChapterDrawsNothingAndStoresTheCount)
{
    expect_nothing_drawn_outside({0, 38, 80});
}

TEST_F(ChapterFive, EveryProblemDrawsOneStatementAndItsAnswer)
{
    for (std::int32_t k = 1; k <= 37; ++k) {
        for (std::int32_t version : {1, 999, 123456, text_version}) {
            backend.clear_log();
            generate(k, version);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version));
            EXPECT_LE(statement().size(), 1000u);
            EXPECT_LE(answer_text().size(), 500u);
            EXPECT_FALSE(answer_text().empty());
            EXPECT_TRUE(problem_texts.problem_printable);
            EXPECT_NE(backend.log_text().find("Problema 5." + std::to_string(k) + "\""), std::string::npos);
            answer();
            EXPECT_NE(backend.log_text().find("\"R\""), std::string::npos);
        }
    }
}

// Under "Nessuna Versione" a problem never takes what its partner took last.
TEST_F(ChapterFive, SharedMemoriesKeepPartnersFromRepeatingEachOther)
{
    struct Pair {
        std::int32_t first, second;
        const char* first_pick;  // what both pick, read from each statement
        const char* second_pick;
    };
    const Pair pairs[] = {{3, 8, R"(g di (\S+) in)", R"(g di (\S+) in)"},
                          {9, 21, R"(g di (\S+) in)", R"(g di (\S+) in)"},
                          {12, 14, R"(di ioni( \S+) )", R"(M in ioni( \S+) )"}};
    for (const Pair& pair : pairs) {
        for (std::int32_t seed = 1; seed <= 40; ++seed) {
            generate(pair.first, 0, seed);
            const std::string first = match(statement(), pair.first_pick)[0];
            generate(pair.second, 0, seed + 1000);
            const std::string second = match(statement(), pair.second_pick)[0];
            EXPECT_NE(first, second) << pair.first << " then " << pair.second << ": " << statement();
            generate(pair.first, 0, seed + 2000);
            EXPECT_NE(match(statement(), pair.first_pick)[0], second) << pair.second << " then " << pair.first;
        }
    }
}

}  // namespace
}  // namespace solutions_test

namespace solutions_test {
namespace {

TEST_F(ChapterFive, StatementsJoinTheirPiecesWithSingleBlanks)
{
    for (std::int32_t k = 1; k <= 37; ++k) {
        for (std::int32_t n = 1; n <= 30; ++n) {
            generate(k, spread_version(n));
            SCOPED_TRACE("problem " + std::to_string(k) + ": " + statement());
            EXPECT_EQ(statement().find("  "), std::string::npos);
            for (const char* slip : {" mg of", " L. di", " mL. di", "avendo avendo"})
                EXPECT_EQ(statement().find(slip), std::string::npos);
        }
    }
}

TEST_F(ChapterFive, NessunaVersioneNeverRepeatsAProblemsPick)
{
    // The same seed twice: only the rule against repeats can change the data.
    for (std::int32_t k = 1; k <= 37; ++k) {
        if (k == 17 || k == 28 || k == 36) continue;  // no pick, or one that shows nothing
        generate(k, 0, 777);
        const std::string first = statement();
        generate(k, 0, 777);
        EXPECT_NE(statement(), first) << "problem " << k;
    }
}

}  // namespace
}  // namespace solutions_test
