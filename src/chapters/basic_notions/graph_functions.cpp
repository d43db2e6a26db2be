#include "chapters/basic_notions/graph_functions.h"

#include <cmath>
#include <optional>
#include <vector>

#include "frame/generator_kit.h"

namespace basic_notions {

namespace {

// With the order of operations the tables were computed with (in single
// precision for the tables themselves).
template <typename Real>
std::optional<Real> function_at(GraphFunctionKind kind, Real a, Real b, Real c, Real x)
{
    switch (kind) {
    case 1: return x * a;
    case 2: return x * a + b;
    case 3: return x * x * a;
    case 4: return (x * a + b) * x;
    case 5: return (x * a + b) * x + c;
    case 6: return a / x;
    case 7: return std::exp(x * b) * a;
    case 8: return std::exp(b / x) * a;
    default: return std::nullopt;
    }
}

std::optional<float> graph_function_value(GraphFunctionKind kind, float x)
{
    return function_at(kind, slot_value(1), slot_value(2), slot_value(3), x);
}

// A positive coefficient gets a "+"; a negative one brings its "-".
std::string signed_coefficient(std::int32_t slot)
{
    return (slot_value(slot) > 0.0f ? "+" : "") + slot_text(slot);
}

}  // namespace

void evaluate_graph_function(GraphFunctionKind kind, std::span<const float> x, std::span<float> y)
{
    for (std::size_t i = 0; i < 5 && i < x.size() && i < y.size(); ++i) {
        if (const auto value = graph_function_value(kind, x[i])) y[i] = *value;
    }
}

bool prediction_exceeded(GraphFunctionKind kind)
{
    // A coefficient the kind does not use moves nothing.
    set_slot_from_data(10, {1, 2, 3, 9}, [kind](const std::vector<double>& d) {
        return function_at(kind, d[0], d[1], d[2], d[3]).value_or(0.0);
    });
    return uncertainty_exceeds_value(10);
}

void append_graph_formula(GraphFunctionKind kind, std::string& text)
{
    const auto prediction = graph_function_value(kind, slot_value(9));
    if (!prediction) return;
    std::string formula = "@iy@ = " + slot_text(1);
    switch (kind) {
    case 1: formula += "@ix@"; break;
    case 2: formula += "@ix@" + signed_coefficient(2); break;
    case 3: formula += "@ix@@u2@"; break;
    case 4: formula += "@ix@@u2@" + signed_coefficient(2) + "@ix@"; break;
    case 5: formula += "@ix@@u2@" + signed_coefficient(2) + "@ix@" + signed_coefficient(3); break;
    case 6: formula += "/@ix@"; break;
    case 7: formula += "exp(" + slot_text(2) + "@ix@)"; break;
    case 8: formula += "exp(" + slot_text(2) + "/@ix@)"; break;
    }
    set_slot_digits(10, *prediction, 3);
    text = formula + "; " + slot_text(10);
}

}  // namespace basic_notions
