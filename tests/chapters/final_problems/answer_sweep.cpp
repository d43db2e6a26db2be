#include "answer_sweep.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace final_problems_test {

::testing::AssertionResult digits_from_data(const Shown& answer,
                                            const std::function<double(const std::vector<double>&)>& result_of,
                                            const std::vector<Shown>& data, std::int32_t most)
{
    const std::int32_t expected = std::min(most, testing_support::digits_data_leave(result_of, data));
    if (answer.digits == expected) return ::testing::AssertionSuccess();
    // A result on a power of ten (0.0100 from 0.837 - 0.648) may fall on
    // either side of it in single precision: a digit fewer.
    std::vector<double> values;
    for (const Shown& d : data) values.push_back(d.value);
    const double decade = std::log10(std::abs(result_of(values)));
    if (std::abs(decade - std::round(decade)) < 1e-6 && answer.digits == expected - 1)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << answer.digits << " digits shown, " << expected << " from the data";
}

void AnswerSweep::run(std::span<const AnswerCheck> rows, std::int32_t versions)
{
    for (const AnswerCheck& row : rows) {
        for_versions(row.problem, row.wide_sweep != 0 ? row.wide_sweep : versions,
                     [&](const std::string& statement, const std::string& answer) {
                         const Groups s(statement, row.statement);
                         const Groups a(answer, row.answer);
                         if (s.matched() && a.matched()) row.check(s, a);
                     });
        if (HasFailure()) return;
    }
}

}  // namespace final_problems_test
