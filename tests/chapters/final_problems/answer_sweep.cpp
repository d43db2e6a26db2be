#include "answer_sweep.h"

#include <regex>
#include <string>

namespace final_problems_test {

void AnswerSweep::run(std::span<const AnswerCheck> rows, std::int32_t versions)
{
    for (const AnswerCheck& row : rows) {
        const std::regex& statement_pattern = number_regex(row.statement);
        const std::regex& answer_pattern = number_regex(row.answer);
        for_versions(row.problem, versions, [&](const std::string& statement, const std::string& answer) {
            const Groups s(statement, statement_pattern);
            const Groups a(answer, answer_pattern);
            if (s.matched() && a.matched()) row.check(s, a);
        });
        if (HasFailure()) return;
    }
}

}  // namespace final_problems_test
