#include "tools/calculator.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/typed_number.h"
#include "tools/expression_engine.h"
#include "tools/root_search.h"
#include "tools/tool_messages.h"

CalculatorState calculator_state;

namespace {

constexpr std::int32_t expression_field = 1100;
constexpr std::int32_t solution_field = 1101;
constexpr std::int32_t x_field = 1102;
// The stored factor, not 1/ln 10 = 0.43429448.
constexpr double log10_factor = 0.43429169;
constexpr int max_digits = 16;
constexpr int zero_decimals = 14;

const DialogResource calculator_resource{
    181,
    "Calcolatrice",
    414,
    110,
    {
        {3001, DialogControlKind::group_box, "Espressione", 10, 6, 394, 44, true},
        {expression_field, DialogControlKind::edit, "", 18, 22, 378, 22, true},
        {3002, DialogControlKind::static_text, "x =", 12, 68, 30, 18, true},
        {x_field, DialogControlKind::edit, "", 48, 66, 110, 22, true},
        {3003, DialogControlKind::group_box, "Soluzione", 190, 52, 214, 48, true},
        {solution_field, DialogControlKind::static_text, "", 198, 70, 200, 20, true},
        {1, DialogControlKind::button, "Risolvi", 0, 0, 75, 23, false},
        {2, DialogControlKind::button, "Esci", 0, 0, 75, 23, false},
    }};

std::string status_message(CalculatorStatus status)
{
    switch (status) {
    case CalculatorStatus::syntax_error: return std::string(syntax_error_text);
    case CalculatorStatus::not_allowed: return std::string(not_allowed_text);
    case CalculatorStatus::x_unreadable: return std::string(x_unreadable_text);
    case CalculatorStatus::no_solution: return std::string(no_solution_text);
    case CalculatorStatus::too_long: return refused_expression_text(Preparation::too_long);
    case CalculatorStatus::uncertain: return std::string(uncertain_sign_text);
    case CalculatorStatus::uncertified: return std::string(uncertified_text);
    case CalculatorStatus::stopped: return std::string(stopped_search_text);
    case CalculatorStatus::root_or_pole: return std::string(root_or_pole_text);
    case CalculatorStatus::shown: break;
    }
    return calculator_state.solution;
}

std::optional<double> read_x(std::string_view text)
{
    const auto x = read_typed_double(text);
    if (!x || !std::isfinite(*x)) return std::nullopt;
    return x;
}

// The exponent form: a mantissa below 1 as written (".1082812437430E+091")
// turned into one digit before the point ("1.082812437430E+90"); with no
// digit after it, the point goes too ("4E-16").
std::string exponent_form(double value, int digits)
{
    std::string text(strip_blanks(format_e(value, 24, digits, 3)));
    const bool negative = text.starts_with('-');
    if (negative) text.erase(0, 1);
    if (text.starts_with("0.")) text.erase(0, 1);
    if (text.starts_with('.') && text.size() > 6) {
        const std::int32_t exponent = read_i(text.substr(text.size() - 4)).value_or(1) - 1;
        const std::string mantissa = text.substr(0, text.size() - 5);
        const std::string decimals = mantissa.substr(2);
        text = mantissa.substr(1, 1) + (decimals.empty() ? "" : ".") + decimals + "E" + (exponent >= 0 ? "+" : "") +
               std::to_string(exponent);
    }
    if (negative) text.insert(0, 1, '-');
    // A value without an exponent (not finite) is written as it is.
    const std::size_t e = text.find('E');
    if (e == std::string::npos) return text;
    if (std::string_view(text).substr(0, e).find_first_of("123456789") == std::string_view::npos) text.erase(e);
    return text;
}

// The root in single precision with seven significant digits, trailing
// zeros of a fixed form dropped; one beyond what single precision holds
// (1e200, 1e-200) in the exponent form of the calculator's results.
std::string root_text(double root)
{
    const auto single = static_cast<float>(root);
    if (!std::isfinite(single) || (root != 0.0 && !std::isnormal(single))) return exponent_form(root, 7);
    std::string text(strip_blanks(format_g(single, 15, 7)));
    if (text.find('E') == std::string::npos && text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.ends_with('.')) text.pop_back();
    }
    return text;
}

CalculatorStatus evaluate_at(std::string_view x_text)
{
    const auto x = read_x(x_text);
    if (!x) return CalculatorStatus::x_unreadable;
    double value = 0.0;
    double error = 0.0;
    if (!evaluate_coded_expression(1, *x, 0.0, 0.0, 0.0, 0.0, {}, value, error)) return CalculatorStatus::not_allowed;
    calculator_state.solution = calculator_result_text(value, error);
    return CalculatorStatus::shown;
}

CalculatorStatus solve_in(std::string_view x_text, std::size_t separator)
{
    const auto a = read_x(x_text.substr(0, separator));
    const auto b = read_x(strip_trailing_blanks(x_text.substr(separator + 2)));
    if (!a || !b) return CalculatorStatus::x_unreadable;
    double root = 0.0;
    switch (search_expression_root(*a, *b, root)) {
    case RootSearch::not_evaluable: return CalculatorStatus::not_allowed;
    case RootSearch::no_root: return CalculatorStatus::no_solution;
    case RootSearch::uncertain: return CalculatorStatus::uncertain;
    case RootSearch::stopped: return CalculatorStatus::stopped;
    case RootSearch::root_or_pole: return CalculatorStatus::root_or_pole;
    case RootSearch::unavailable: return CalculatorStatus::uncertified;
    case RootSearch::found: break;
    }
    calculator_state.solution = root_text(root);
    return CalculatorStatus::shown;
}

CalculatorStatus solve(Dialog& dialog)
{
    CalculatorState& c = calculator_state;
    c.expression = dlg_get_char(dialog, expression_field);
    if (strip_blanks(c.expression).empty()) {
        c.solution = "0.";
        return CalculatorStatus::shown;
    }
    switch (prepare_expression(strip_blanks(c.expression))) {
    case Preparation::syntax_error: return CalculatorStatus::syntax_error;
    case Preparation::too_long: return CalculatorStatus::too_long;
    case Preparation::out_of_range: return CalculatorStatus::not_allowed;
    case Preparation::ready: break;
    }
    c.x_text = dlg_get_char(dialog, x_field);
    const auto separator = c.x_text.find("><");
    if (separator == std::string::npos) return evaluate_at(c.x_text);
    return solve_in(c.x_text, separator);
}

}  // namespace

std::string calculator_result_text(double r, double u)
{
    // Zero has no digits to count: it keeps the decimals of a value near 1
    // (1+1 shows 2.00000000000000), and no sign.
    if (r == 0.0) return format_f(0.0, 24, zero_decimals);
    int d = max_digits;
    // An estimate of 0 (x = 1e-320) would make the digit count infinite.
    const double digits = log10_factor * std::log(std::abs(r / u));
    if (std::isfinite(digits)) d = static_cast<int>(std::clamp(digits, -1000.0, 1000.0));
    if (std::abs(r) > 0.0010000000475 && std::abs(r) < 100000.0) {
        const double decimals = d - log10_factor * std::log(std::abs(r));
        return format_f(r, 24, std::clamp(static_cast<int>(decimals), 0, max_digits));
    }
    return exponent_form(r, std::clamp(d, 0, max_digits));
}

void calculator_dialog_callback(Dialog& dialog, std::int32_t, std::int32_t)
{
    calculator_state.status = solve(dialog);
    dlg_set_char(dialog, solution_field, status_message(calculator_state.status));
}

void run_calculator_dialog()
{
    CalculatorState& c = calculator_state;
    if (!c.initialised) c = {true, "(x-1.2e-121*ln(x))^(-0.76)", "1.e-120", "1.082812437430E+90"};
    Dialog dialog;
    dlg_init(calculator_resource, dialog);
    dlg_set_char(dialog, expression_field, c.expression);
    dlg_set_char(dialog, x_field, c.x_text);
    dlg_set_char(dialog, solution_field, c.solution);
    dlg_set_callback(dialog, 1, calculator_dialog_callback);
    dlg_modal(dialog);
}
