#include "answer_sweep.h"

#include <string>

namespace final_problems_test {

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
