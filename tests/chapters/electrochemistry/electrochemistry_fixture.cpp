#include "electrochemistry_fixture.h"

#include <cmath>

#include "chapters/electrochemistry/electrochemistry_chapter.h"

namespace electrochemistry_test {

::testing::AssertionResult shows(std::string_view shown, double computed, double slack)
{
    // The program works in single precision: a result on the edge of a
    // rounding may fall either way.
    return testing_support::within_last_digit(testing_support::shown(shown), computed, 0.5, 1e-4, slack);
}

double relative_uncertainty(std::string_view shown)
{
    const testing_support::Shown datum = testing_support::shown(shown);
    return datum.uncertainty() / std::abs(datum.value);
}

::testing::AssertionResult digits_from_data(std::string_view answer, const testing_support::ResultOf& result_of,
                                            const std::vector<std::string>& data, std::int32_t most)
{
    std::vector<testing_support::Shown> shown;
    for (const std::string& d : data) shown.push_back(testing_support::shown(d));
    return testing_support::digits_of_data(testing_support::shown(answer), result_of, shown, most);
}

std::int32_t ion_charge(std::string_view ion)
{
    const auto up = ion.find("@u");
    if (up == std::string_view::npos) return 0;
    const char c = ion[up + 2];
    return c >= '1' && c <= '9' ? c - '0' : 1;
}

ChapterEight::ChapterEight()
    : ChapterTest({.chapter = 8,
                   .run_chapter = run_electrochemistry_chapter,
                   .fresh_log = testing_support::FreshLog::for_answer,
                   .seed_for_no_version = 2024,
                   // "Versione Testo" and count - 1 versions of the chapter's own spread.
                   .sweep_versions = [](std::int32_t count) {
                       return testing_support::text_and_spread_versions(
                           count - 1, {.square = 104729, .linear = 7919, .modulus = 10000000});
                   }})
{}

}  // namespace electrochemistry_test
