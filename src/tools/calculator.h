// "Calcolatrice" (dialog 181): the value of an expression at x, or a root
// of expression = 0 in an interval typed "a><b".
#pragma once

#include <cstdint>
#include <string>

#include "platform/dialogs.h"

enum class CalculatorStatus {
    shown = 0,
    syntax_error = 1,
    not_allowed = 2,
    x_unreadable = 3,
    no_solution = 4,
    too_long = 5,
    uncertain = 6,
    uncertified = 7,
    stopped = 8,
    root_or_pole = 9,
};

// The three fields as last read or shown, kept for the run.
struct CalculatorState {
    bool initialised = false;
    std::string expression;
    std::string x_text;
    std::string solution;
    CalculatorStatus status = CalculatorStatus::shown;
};
extern CalculatorState calculator_state;

void run_calculator_dialog();
// "Risolvi": evaluates or solves and shows the result or a message.
void calculator_dialog_callback(Dialog& dialog, std::int32_t control_id, std::int32_t callback_type);

// A value with as many significant digits as its error estimate supports
// (at most 16): fixed between 0.001 and 100000, right-aligned in 24
// characters ("        2.00000000000000"), else "1.082812437430E+90"; zero,
// of either sign, fixed with 14 decimals.
std::string calculator_result_text(double value, double error);
