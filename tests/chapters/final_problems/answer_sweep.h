// One row per problem of a section: how to read its statement and answer,
// and how a student works the answer out again from the numbers shown.
#pragma once

#include <cstdint>
#include <span>

#include "final_problems_fixture.h"

namespace final_problems_test {

struct AnswerCheck {
    std::int32_t problem;
    const char* statement;  // patterns with NUM for each number read
    const char* answer;
    void (*check)(const Groups& statement, const Groups& answer);
    // More than the section's sweep, where this row judges what the answer
    // table does not.
    std::int32_t wide_sweep = 0;
};

// Gas constant (L atm / (mol K)), Faraday constant, Nernst slope at 25 °C.
inline constexpr double gas_constant = 0.082057;
inline constexpr double faraday = 96485.0;
inline constexpr double nernst_slope = 0.0592;

inline double kelvin(double celsius)
{
    return celsius + 273.15;
}

using testing_support::second_reading;

class AnswerSweep : public ChapterNine {
protected:
    // Every row over `versions` spread versions.
    void run(std::span<const AnswerCheck> rows, std::int32_t versions = second_reading);
};

}  // namespace final_problems_test
