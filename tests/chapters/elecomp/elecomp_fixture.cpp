#include "elecomp_fixture.h"

#include "chapters/elecomp/elements_compounds_chapter.h"

namespace elecomp_test {

ChapterTwo::ChapterTwo()
    : ChapterTest({.chapter = 2,
                   .run_chapter = run_elements_compounds_chapter,
                   .fresh_log = testing_support::FreshLog::for_answer})
{
}

}  // namespace elecomp_test
