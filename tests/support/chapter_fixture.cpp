#include "support/chapter_fixture.h"

#include "frame/app_state.h"
#include "numbers/random_stream.h"
#include "text/page_regions.h"

namespace testing_support {

void ChapterTest::SetUp()
{
    DrawingTest::SetUp();
    if (HasFatalFailure()) return;
    app_state.current_chapter = chapter_;
    run_chapter_(1000);
}

void ChapterTest::request_problem(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    app_state.selected_problem = k;
    app_state.version_number = version;
    set_random_seed(version == 0 ? seed_for_no_version : version);
    problem_texts.problem_printable = 1;
    clear_page_regions();  // a new page, as the problem page starts one
    run_chapter_(1);
}

void ChapterTest::request_answer()
{
    problem_texts.problem_printable = 1;
    run_chapter_(2);
}

std::int32_t ChapterTest::spread_version(std::int32_t n)
{
    const std::int64_t m = n;
    return static_cast<std::int32_t>((m * m * 7919 + m * 31) % 9999999) + 1;
}

const std::string& ChapterTest::statement() const
{
    return problem_texts.problem_text;
}

const std::string& ChapterTest::answer_text() const
{
    return problem_texts.answer_text;
}

}  // namespace testing_support
