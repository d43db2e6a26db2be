// The eleven operations of the expression engine, each with a first-order
// estimate of its absolute error from those of its operands.
#pragma once

#include <cstdint>

enum CalcOperation : std::int32_t {
    calc_power = 1,
    calc_multiply = 2,
    calc_divide = 3,
    calc_add = 4,
    calc_subtract = 5,
    calc_ln = 6,
    calc_log = 7,
    calc_exp = 8,
    calc_sin = 9,
    calc_cos = 10,
    calc_tan = 11,
};

// False when the operation is refused (a pole, a logarithm of a number not
// above 0, a result beyond about 1e300); result and result_error are then
// left as they were. A function ignores b. Any other code does nothing.
bool apply_calc_operation(double a, double a_error, std::int32_t code, double b, double b_error, double& result,
                          double& result_error);
