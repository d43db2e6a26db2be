#include "elecomp_fixture.h"

#include <regex>

#include "chapters/elecomp/elements_compounds_chapter.h"
#include "chemistry/data_tables.h"
#include "frame/app_state.h"
#include "frame/fixed_width.h"
#include "frame/fonts_colours.h"
#include "frame/random_stream.h"

namespace elecomp_test {

std::int32_t element_named(std::string_view name)
{
    for (std::int32_t z = 1; z <= element_count; ++z)
        if (strip_trailing_blanks(record_columns(element_record(z), 1, 15)) == name) return z;
    return 0;
}

std::vector<std::string> match(const std::string& text, const std::string& pattern)
{
    std::smatch groups;
    if (!std::regex_search(text, groups, std::regex(pattern))) {
        ADD_FAILURE() << "no match for " << pattern << " in " << text;
        return std::vector<std::string>(10);
    }
    std::vector<std::string> result;
    for (std::size_t i = 1; i < groups.size(); ++i) result.push_back(groups[i].str());
    result.resize(10);
    return result;
}

void ChapterTwo::SetUp()
{
    platform::install_backend(&backend);
    ASSERT_EQ(init_fonts_and_colours(), 0.0f);
    app_state.current_chapter = 2;
    run_elements_compounds_chapter(1000);
}

void ChapterTwo::TearDown()
{
    platform::install_backend(nullptr);
}

void ChapterTwo::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    app_state.selected_problem = k;
    app_state.version_number = version;
    set_random_seed(version == 0 ? seed_for_no_version : version);
    problem_texts.problem_printable = 1;
    run_elements_compounds_chapter(1);
}

void ChapterTwo::answer()
{
    backend.clear_log();
    problem_texts.problem_printable = 1;
    run_elements_compounds_chapter(2);
}

const std::string& ChapterTwo::statement() const
{
    return problem_texts.problem_text;
}

const std::string& ChapterTwo::answer_text() const
{
    return problem_texts.answer_text;
}

std::int32_t ChapterTwo::spread_version(std::int32_t n)
{
    const std::int64_t m = n;
    return static_cast<std::int32_t>((m * m * 7919 + m * 31) % 9999999) + 1;
}

std::set<std::pair<std::string, std::string>> ChapterTwo::distinct_texts(std::int32_t k, std::int32_t count)
{
    std::set<std::pair<std::string, std::string>> seen;
    for (std::int32_t n = 1; n <= count; ++n) {
        generate(k, spread_version(n));
        seen.emplace(statement(), answer_text());
    }
    return seen;
}

}  // namespace elecomp_test
