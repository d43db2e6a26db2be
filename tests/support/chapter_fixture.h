// A chapter on the recording backend, run as the page runs it: the stream
// seeded with the version, then request 1 for the problem and request 2 for
// its answer.
#pragma once

#include <cstdint>
#include <string>

#include "support/drawing_fixture.h"

namespace testing_support {

class ChapterTest : public DrawingTest {
protected:
    using ChapterRunner = void (*)(std::int32_t request);
    ChapterTest(std::int32_t chapter, ChapterRunner run_chapter) : chapter_(chapter), run_chapter_(run_chapter) {}

    void SetUp() override;

    // Request 1 of problem k under the version (0 is "Nessuna Versione",
    // with the stream seeded by seed_for_no_version).
    void request_problem(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version);
    // Request 2 of the selected problem.
    void request_answer();

    // The n-th version of a sweep: neighbouring seeds give neighbouring
    // draws, so the versions visited are spread over the whole range.
    static std::int32_t spread_version(std::int32_t n);

    const std::string& statement() const;
    const std::string& answer_text() const;

private:
    std::int32_t chapter_;
    ChapterRunner run_chapter_;
};

}  // namespace testing_support
