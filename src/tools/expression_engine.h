// The calculator's and the plotter's expressions in one variable x: checked
// and parsed once, then evaluated for any x in double precision with an
// estimate of the absolute error of the result.
//
// Evaluation rewrites a token text: every number sits in a slot and is one
// character in the text; the innermost parentheses are reduced, "^" before
// "*" and "/" before "+" and "-", each level from the left (2^3^2 = 64,
// -x^2 = -(x^2)).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct ExpressionSlot {
    double value = 0.0;
    double error = 0.0;
    bool in_use = false;
};

// The parsed form of the last expression prepared: slots 1 to 5 are x, a,
// b, c and d, the others the numbers of the expression and the
// intermediate results.
struct ParsedExpression {
    static constexpr std::int32_t slot_total = 100;
    std::array<ExpressionSlot, slot_total + 1> slots{};  // from 1
    std::int32_t slot_count = 5;
    std::string token_text;
};
extern ParsedExpression saved_parse;

// The longest text the engine takes, named constants and molar masses put in.
constexpr std::size_t max_expression_characters = 189;

// Why a text is refused, if it is: a broken rule or a malformed "mf[...]"
// (the callers' "Sintassi errata"), more characters than the engine takes,
// or a number beyond the doubles (1e309).
enum class Preparation { ready, syntax_error, too_long, out_of_range };
Preparation prepare_expression(std::string_view text);

// Mode 1 evaluates the prepared expression at x (a to d fill slots 2 to 5);
// mode -1 only parses text into saved_parse; any other mode parses text and
// evaluates it. False when an operation is refused or a group cannot be
// reduced; value and error are then left as they were.
bool evaluate_coded_expression(std::int32_t mode, double x, double a, double b, double c, double d,
                               std::string_view text, double& value, double& error);

// One operation of an evaluation: code applied to the values of slots left
// and right (right 0 for a function), the result put in slot target.
struct SlotOperation {
    std::int32_t code;
    std::int32_t left;
    std::int32_t right;
    std::int32_t target;
};

// The operations an evaluation of the prepared expression applies, in their
// order, which is the same at every x, each computation once (sin(x)
// written thirteen times is one sine). Its values are numbered: 0 none (a
// function's right operand), 1 x, then the expression's distinct numbers,
// then each operation's result, its target. None where the expression
// cannot be reduced (2exp(1)).
struct OperationSequence {
    std::vector<SlotOperation> operations;
    std::vector<double> numbers;  // the values before the first operation, x as 0
    std::int32_t result = 0;
};
std::optional<OperationSequence> prepared_operations();

// The sequence applied at x, each value and error as
// evaluate_coded_expression computes them in mode 1 (a to d 0), without
// reading the text again; false where an operation is refused.
// right_operands, if given, receives each operation's right operand (0 for
// a function).
using SequenceValues = std::vector<ExpressionSlot>;
bool evaluate_operations(const OperationSequence& sequence, double x, SequenceValues& values,
                         std::vector<double>* right_operands = nullptr);

// Replaces each "mf[formula]" by the formula's molar mass; false when a
// group is malformed, does not stand between operators or parentheses, or
// the formula cannot be weighed.
bool substitute_molar_masses(std::string& text);
