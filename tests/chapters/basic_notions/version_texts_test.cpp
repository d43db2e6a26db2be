// A version is a promise: the texts of every problem under a few versions
// are kept in a golden file, so that no change to the code moves a draw.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "basic_notions_fixture.h"

namespace basic_notions_test {
namespace {

constexpr const char* golden_file = BRUNATEL_GOLDEN_DIR "/basic_notions_version_texts.txt";

TEST_F(ChapterOne, EveryProblemKeepsTheTextsOfItsVersions)
{
    std::ifstream golden(golden_file);
    ASSERT_TRUE(golden) << golden_file;
    std::string line;
    std::int32_t compared = 0;
    // Each record: "problem version", the statement, the answer, one per line.
    while (std::getline(golden, line)) {
        const std::int32_t problem = std::stoi(line);
        const std::int32_t version = std::stoi(line.substr(line.find(' ') + 1));
        std::string statement_kept, answer_kept;
        std::getline(golden, statement_kept);
        std::getline(golden, answer_kept);
        generate(problem, version);
        EXPECT_EQ(statement(), statement_kept) << problem << " " << version;
        EXPECT_EQ(answer_text(), answer_kept) << problem << " " << version;
        ++compared;
    }
    EXPECT_EQ(compared, 43 * 4);
}

}  // namespace
}  // namespace basic_notions_test
