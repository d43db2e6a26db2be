#include "tools/calc_operations.h"

#include <cmath>

#include "numbers/mathematical_constants.h"

namespace {

// Stored factors, not 1/ln 10: the power's bound reads 300 decimal digits
// with 0.43421624, about 690.9 in natural units.
constexpr double power_bound_factor = 0.43421624;
// The tangent's poles as the calculator stores them: its half-turn is
// its stored π, not π (the two part by 1e-9 some 300,000 half-turns out),
// and its quarter-turn 1.5707963705.
constexpr double tan_half_turn = calculator_stored_pi;
constexpr double tan_pole = 1.5707963705;

struct Result {
    bool allowed;
    double value = 0.0;
    double error = 0.0;
};

Result power(double a, double ea, double b, double eb)
{
    if (a == 0.0 && b < 0.0) return {false};
    if (a < 0.0 && b != std::trunc(b)) return {false};
    if (a == 0.0) return {true, 0.0, 1e-16};
    const double log_a = std::log(std::abs(a));
    if (b * log_a * power_bound_factor > 300.0) return {false};
    const double r = std::pow(a, b);
    return {true, r, (std::abs(b / a) * ea + std::abs(log_a) * eb) * std::abs(r)};
}

Result multiply(double a, double ea, double b, double eb)
{
    if (a == 0.0 || b == 0.0) return {true, 0.0, 1e-16};
    if (std::log(std::abs(a)) + std::log(std::abs(b)) > 690.0) return {false};
    const double r = a * b;
    return {true, r, (ea / std::abs(a) + eb / std::abs(b)) * std::abs(r)};
}

Result divide(double a, double ea, double b, double eb)
{
    if (b == 0.0) return {false};
    if (a == 0.0) return {true, 0.0, 1e-16};
    if (std::log(std::abs(a)) - std::log(std::abs(b)) > 690.0) return {false};
    const double r = a / b;
    return {true, r, (ea / std::abs(a) + eb / std::abs(b)) * std::abs(r)};
}

Result tangent(double a, double ea)
{
    if (std::abs(a) > 1e6) return {false};
    if (std::abs(std::abs(a - tan_half_turn * std::trunc(a / tan_half_turn)) - tan_pole) < 1e-7) return {false};
    const double t = std::tan(a);
    return {true, t, (1.0 + t * t) * ea};
}

Result operate(double a, double ea, std::int32_t code, double b, double eb)
{
    switch (code) {
    case calc_power: return power(a, ea, b, eb);
    case calc_multiply: return multiply(a, ea, b, eb);
    case calc_divide: return divide(a, ea, b, eb);
    case calc_add:
    case calc_subtract:
        if (a > 1e300 || b > 1e300) return {false};
        return {true, code == calc_add ? a + b : a - b, ea + eb};
    case calc_ln:
        if (!(a > 0.0)) return {false};
        return {true, std::log(a), ea / a};
    case calc_log:
        if (!(a > 0.0)) return {false};
        return {true, std::log(a) / std::log(10.0), ea / (a * std::log(10.0))};
    case calc_exp: {
        if (a > 690.0) return {false};
        const double r = std::exp(a);
        return {true, r, std::abs(r) * ea};
    }
    case calc_sin:
        if (std::abs(a) > 1e10) return {false};
        return {true, std::sin(a), std::abs(std::cos(a) * ea)};
    case calc_cos:
        if (std::abs(a) > 1e10) return {false};
        return {true, std::cos(a), std::abs(std::sin(a) * ea)};
    case calc_tan: return tangent(a, ea);
    default: return {true, NAN, NAN};
    }
}

}  // namespace

bool apply_calc_operation(double a, double a_error, std::int32_t code, double b, double b_error, double& result,
                          double& result_error)
{
    const Result r = operate(a, a_error, code, b, b_error);
    if (!r.allowed) return false;
    if (code < calc_power || code > calc_tan) return true;
    result = r.value;
    result_error = r.error;
    return true;
}
