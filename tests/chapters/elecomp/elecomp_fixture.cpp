#include "elecomp_fixture.h"

#include <regex>

#include "chapters/elecomp/elements_compounds_chapter.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"

namespace elecomp_test {

std::int32_t element_named(std::string_view name)
{
    for (std::int32_t z = 1; z <= element_count; ++z)
        if (strip_trailing_blanks(record_columns(element_record(z), 1, 15)) == name) return z;
    return 0;
}

std::string symbol_of(std::int32_t z)
{
    return std::string(strip_trailing_blanks(record_columns(element_record(z), 16, 17)));
}

std::string symbol_named(std::string_view name)
{
    return symbol_of(element_named(name));
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

ChapterTwo::ChapterTwo() : ChapterTest(2, run_elements_compounds_chapter) {}

void ChapterTwo::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    request_problem(k, version, seed_for_no_version);
}

void ChapterTwo::answer()
{
    backend.clear_log();
    request_answer();
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
