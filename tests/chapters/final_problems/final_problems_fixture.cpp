#include "final_problems_fixture.h"

#include <cmath>

#include "chapters/final_problems/final_problems_chapter.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "support/text_patterns.h"

namespace final_problems_test {

Groups::Groups(const std::string& text, const std::string& pattern)
{
    const std::optional<testing_support::Found> found = testing_support::find_first(text, pattern);
    matched_ = found.has_value();
    if (found)
        groups_ = found->groups;
    else
        ADD_FAILURE() << "no match in " << text;
    groups_.resize(20, "0");
}

::testing::AssertionResult from_data(const Shown& answer, const testing_support::ResultOf& f,
                                     const std::vector<Shown>& data, double slack)
{
    std::vector<double> x;
    for (const Shown& d : data) x.push_back(d.value);
    if (::testing::AssertionResult agreement = agrees(answer, f(x), 0.5, slack); !agreement) return agreement;
    const double spread = rounding_spread(f, data);
    if (answer.digits > 1 && spread >= 2.0 * answer.unit())
        return ::testing::AssertionFailure()
               << answer.significand << " (" << answer.digits << " digits) with data spreading it by " << spread;
    return ::testing::AssertionSuccess();
}

std::string formula_of_compound(std::string_view name)
{
    const std::int32_t k = testing_support::compound_named(name);
    if (k == 0) ADD_FAILURE() << "no compound " << name;
    return k == 0 ? "" : std::string(strip_blanks(record_columns(compound_record(k), 41, 70)));
}

double ph_of(std::initializer_list<AcidPair> pairs)
{
    const auto balance = [&](double h) {
        double g = h - 1e-14 / h;
        for (const AcidPair& p : pairs) g -= (p.acid + p.base) * p.ka / (p.ka + h) - p.base;
        return g;
    };
    // The balance grows with h: bisect on the pH scale.
    double low = -2.0, high = 16.0;
    for (int step = 0; step < 100; ++step) {
        const double mid = 0.5 * (low + high);
        (balance(std::pow(10.0, -mid)) > 0.0 ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

ChapterNine::ChapterNine()
    : ChapterTest({.chapter = 9, .run_chapter = run_final_problems_chapter, .sweep_versions = [](std::int32_t count) {
                       return testing_support::spread_versions(count, final_spread);
                   }})
{}

}  // namespace final_problems_test
