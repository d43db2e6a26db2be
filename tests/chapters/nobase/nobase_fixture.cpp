#include "nobase_fixture.h"

#include "chapters/nobase/basic_notions_chapter.h"

namespace nobase_test {

ChapterOne::ChapterOne() : ChapterTest(1, run_basic_notions_chapter) {}

void ChapterOne::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    backend.clear_log();
    request_problem(k, version, seed_for_no_version);
}

void ChapterOne::answer()
{
    request_answer();
}

}  // namespace nobase_test
