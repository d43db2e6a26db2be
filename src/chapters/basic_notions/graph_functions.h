// The function families of the value-table problems and their formulas.
// The coefficients A, B and C are the values of slots 1, 2 and 3.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace basic_notions {

// 1 A x, 2 A x + B, 3 A x², 4 A x² + B x, 5 A x² + B x + C, 6 A / x,
// 7 A exp(B x), 8 A exp(B / x).
using GraphFunctionKind = std::int32_t;

// y (i) := the function at x (i) for the first five points; a kind outside
// 1 to 8 leaves y as it was.
void evaluate_graph_function(GraphFunctionKind kind, std::span<const float> x, std::span<float> y);

// True where the function's value at the x of slot 9, worked from the
// coefficients and x as shown, is smaller than the uncertainty they leave
// it (slot 10 holds it meanwhile): such a prediction says nothing.
bool prediction_exceeded(GraphFunctionKind kind);

// Replaces text with the formula, " ; " and the function's value at the x
// of slot 9, which goes to slot 10 with 3 digits. A kind outside 1 to 8
// leaves text and slot 10 as they were.
void append_graph_formula(GraphFunctionKind kind, std::string& text);

}  // namespace basic_notions
