#include "basic_notions_fixture.h"

#include "chapters/basic_notions/basic_notions_chapter.h"

namespace basic_notions_test {

ChapterOne::ChapterOne()
    : ChapterTest({.chapter = 1,
                   .run_chapter = run_basic_notions_chapter,
                   .fresh_log = testing_support::FreshLog::for_problem,
                   .sweep_versions = testing_support::counting_versions})
{}

}  // namespace basic_notions_test
