#include "elements_compounds_fixture.h"

#include "chapters/elements_compounds/elements_compounds_chapter.h"

namespace elements_compounds_test {

ChapterTwo::ChapterTwo()
    : ChapterTest({.chapter = 2,
                   .run_chapter = run_elements_compounds_chapter,
                   .fresh_log = testing_support::FreshLog::for_answer})
{}

}  // namespace elements_compounds_test
