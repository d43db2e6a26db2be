#include "tools/expression_engine.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <system_error>
#include <tuple>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "tools/calc_operations.h"
#include "tools/character_classes.h"
#include "tools/expression_syntax.h"
#include "tools/formula_engine.h"

ParsedExpression saved_parse;

namespace {

constexpr std::int32_t variable_slots = 5;
constexpr double relative_input_error = 1e-16;

// A number's own error: its relative part, or below the normal range, where
// that part underflows, the spacing of the doubles there (a number typed as
// 1e-320 holds four digits, not sixteen).
double input_error(double value)
{
    const double error = std::abs(value) * relative_input_error;
    return value != 0.0 && error == 0.0 ? std::numeric_limits<double>::denorm_min() : error;
}

// One character per slot: X, A to D, then characters that cannot stand in
// a token text otherwise (no digit, ".", "n", "p", "m", operator,
// parenthesis or capital), then bytes the syntax check never lets through.
constexpr std::string_view printable_tokens = "XABCDabcdefghijkloqrstuvwxyz#$%&!?@:;<>~|{}_`";
constexpr auto slot_tokens = [] {
    std::array<char, ParsedExpression::slot_total> tokens{};
    std::size_t k = 0;
    for (const char c : printable_tokens) tokens[k++] = c;
    for (unsigned char byte = 0x80; k < tokens.size(); ++byte) tokens[k++] = static_cast<char>(byte);
    return tokens;
}();
static_assert(printable_tokens.size() < slot_tokens.size());
// Numbers and results stand at least an operator apart, so a text under the
// length limit never holds more live values than there are slots.
static_assert(ParsedExpression::slot_total >= variable_slots + (max_expression_characters + 1) / 2);

constexpr std::string_view number_characters = "0123456789mnp.";

struct NamedFunction {
    std::string_view name;
    std::int32_t code;
};
constexpr NamedFunction functions[] = {
    {"LN", calc_ln}, {"LOG", calc_log}, {"EXP", calc_exp}, {"SIN", calc_sin}, {"COS", calc_cos}, {"TAN", calc_tan},
};

struct Operator {
    char symbol;
    std::int32_t code;
};
constexpr Operator operators[] = {
    {'^', calc_power}, {'*', calc_multiply}, {'/', calc_divide}, {'+', calc_add}, {'-', calc_subtract},
};

char token_of(std::int32_t slot)
{
    return slot_tokens[static_cast<std::size_t>(slot - 1)];
}

std::optional<std::int32_t> slot_of(char token)
{
    const auto at = std::find(slot_tokens.begin(), slot_tokens.end(), token);
    if (at == slot_tokens.end()) return std::nullopt;
    return static_cast<std::int32_t>(at - slot_tokens.begin()) + 1;
}

// Exponents coded so that their letter and sign are not taken for a name
// or an operator: "E-" becomes "nn", "E+" and "E" before a digit "pp".
void code_exponents(std::string& t)
{
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] != 'E' || i + 1 >= t.size() || t[i + 1] == 'X') continue;
        if (t[i + 1] == '-' || t[i + 1] == '+') {
            t.replace(i, 2, t[i + 1] == '-' ? "nn" : "pp");
            ++i;
        } else if (t[i + 1] >= '0' && t[i + 1] <= '9') {
            t.replace(i, 1, "pp");
            ++i;
        }
    }
}

// A number of the text, read; syntax_error where it does not read,
// out_of_range where it lies beyond the doubles.
Preparation read_number(std::string run, double& value)
{
    replace_all(run, "nn", "E-");
    replace_all(run, "pp", "E+");
    if (run.size() == 1) {
        if (run[0] < '0' || run[0] > '9') return Preparation::syntax_error;
        value = run[0] - '0';
        return Preparation::ready;
    }
    if (const auto read = read_list_double(run)) {
        value = *read;
        return Preparation::ready;
    }
    // The reader refuses a number past the largest double as it refuses a
    // malformed one (one below the smallest reads as 0).
    double unread = 0.0;
    const auto past = std::from_chars(run.data(), run.data() + run.size(), unread);
    return past.ec == std::errc::result_out_of_range ? Preparation::out_of_range : Preparation::syntax_error;
}

Preparation parse(std::string_view text)
{
    ParsedExpression parsed;
    std::string& t = parsed.token_text;
    t = "(";
    for (const char c : text)
        if (c != ' ') t += c;
    t += ')';
    for (const std::string_view sign : {"(-", "(+"})
        for (auto at = t.find(sign); at != std::string::npos; at = t.find(sign, at + 2)) t.insert(at + 1, 1, '0');
    std::transform(t.begin(), t.end(), t.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    code_exponents(t);
    for (std::int32_t s = 1; s <= variable_slots; ++s) parsed.slots[s].in_use = true;
    for (auto start = t.find_first_of(number_characters); start != std::string::npos;
         start = t.find_first_of(number_characters)) {
        const auto end = std::min(t.find_first_not_of(number_characters, start), t.size());
        double value = 0.0;
        const Preparation read = read_number(t.substr(start, end - start), value);
        if (read != Preparation::ready) return read;
        if (parsed.slot_count == ParsedExpression::slot_total) return Preparation::syntax_error;
        parsed.slots[++parsed.slot_count] = {value, input_error(value), true};
        t.replace(start, end - start, 1, token_of(parsed.slot_count));
    }
    saved_parse = std::move(parsed);
    return Preparation::ready;
}

std::optional<std::int32_t> free_slot(const ParsedExpression& e)
{
    for (std::int32_t s = variable_slots + 1; s <= ParsedExpression::slot_total; ++s)
        if (!e.slots[s].in_use) return s;
    return std::nullopt;
}

// The function whose name stands right before the "(" at open, if any.
std::optional<NamedFunction> function_before(const std::string& t, std::size_t open)
{
    for (const NamedFunction& f : functions)
        if (open >= f.name.size() && std::string_view(t).substr(open - f.name.size(), f.name.size()) == f.name)
            return f;
    return std::nullopt;
}

// The reduction is the same whatever the values: apply computes one
// operation on slots of its own, and says whether it is allowed.
template <typename Apply>
bool apply_function(ParsedExpression& e, std::size_t open, const NamedFunction& f, Apply& apply)
{
    std::string& t = e.token_text;
    const auto operand = slot_of(t[open + 1]);
    if (!operand) return false;
    const auto target = *operand > variable_slots ? operand : free_slot(e);
    if (!target || !apply(SlotOperation{f.code, *operand, 0, *target})) return false;
    e.slots[*target].in_use = true;
    t.replace(open - f.name.size(), f.name.size() + 3, 1, token_of(*target));
    return true;
}

// Applies the first operator of the highest level in the group between
// open and close; false when there is none or it is refused.
template <typename Apply>
bool reduce_once(ParsedExpression& e, std::size_t open, std::size_t& close, Apply& apply)
{
    std::string& t = e.token_text;
    const std::string_view group = std::string_view(t).substr(open + 1, close - open - 1);
    std::size_t at = std::string_view::npos;
    std::int32_t code = 0;
    for (const std::string_view level : {"^", "*/", "+-"}) {
        at = group.find_first_of(level);
        if (at == std::string_view::npos) continue;
        code = std::find_if(std::begin(operators), std::end(operators), [&](const Operator& o) {
                   return o.symbol == group[at];
               })->code;
        break;
    }
    if (at == std::string_view::npos || at == 0 || at + 1 >= group.size()) return false;
    const auto left = slot_of(group[at - 1]);
    const auto right = slot_of(group[at + 1]);
    if (!left || !right) return false;
    for (const std::int32_t s : {*left, *right})
        if (s > variable_slots) e.slots[s].in_use = false;
    const auto target = free_slot(e);
    if (!target || !apply(SlotOperation{code, *left, *right, *target})) return false;
    e.slots[*target].in_use = true;
    t.replace(open + at, 3, 1, token_of(*target));
    close -= 2;
    return true;
}

// Reduces the token text of e to one token; the slot of the result.
template <typename Apply>
std::optional<std::int32_t> reduce(ParsedExpression& e, Apply apply)
{
    std::string& t = e.token_text;
    for (;;) {
        std::size_t close = t.find(')');
        if (close == std::string::npos || close == 0) return std::nullopt;
        const std::size_t open = t.rfind('(', close);
        if (open == std::string::npos || close == open + 1) return std::nullopt;
        if (open == 0 && close == 2) return slot_of(t[1]);
        if (close == open + 2) {
            if (const auto f = function_before(t, open)) {
                if (!apply_function(e, open, *f, apply)) return std::nullopt;
            } else {
                t.erase(close, 1);
                t.erase(open, 1);
            }
            continue;
        }
        while (close > open + 2)
            if (!reduce_once(e, open, close, apply)) return std::nullopt;
    }
}

// One operation on the slots, as the engine computes it; false where it is
// refused. A function's estimate has a floor.
template <typename Slots>
bool apply_slot_operation(Slots& slots, const SlotOperation& op)
{
    const ExpressionSlot left = slots[op.left];
    const ExpressionSlot right = op.right == 0 ? ExpressionSlot{0.0, 1e-16} : slots[op.right];
    double r = 0.0;
    double r_error = 0.0;
    if (!apply_calc_operation(left.value, left.error, op.code, right.value, right.error, r, r_error)) return false;
    slots[op.target].value = r;
    slots[op.target].error = op.right == 0 ? std::max(r_error, 1e-16) : r_error;
    return true;
}

bool evaluate(double x, double a, double b, double c, double d, double& value, double& error)
{
    ParsedExpression e = saved_parse;
    const double variables[] = {x, a, b, c, d};
    for (std::int32_t s = 1; s <= variable_slots; ++s)
        e.slots[s] = {variables[s - 1], input_error(variables[s - 1]), true};
    const auto result = reduce(e, [&e](const SlotOperation& op) { return apply_slot_operation(e.slots, op); });
    if (!result) return false;
    value = e.slots[*result].value;
    error = e.slots[*result].error;
    return true;
}

bool stands_alone(char c, std::string_view others)
{
    return is_operator(c) || others.find(c) != std::string_view::npos;
}

}  // namespace

bool substitute_molar_masses(std::string& text)
{
    for (auto close = text.find(']'); close != std::string::npos; close = text.find(']')) {
        const auto open = text.rfind('[', close);
        if (open == std::string::npos || open < 2 || text.compare(open - 2, 2, "mf") != 0) return false;
        // A digit next to the group would join the digits of the mass.
        if (open > 2 && !stands_alone(text[open - 3], "(")) return false;
        if (close + 1 < text.size() && !stands_alone(text[close + 1], ")")) return false;
        const std::string mass =
            analyse_formula_text(molar_mass_mode, strip_trailing_blanks(text.substr(open + 1, close - open - 1)));
        if (!mass.ends_with(" g")) return false;
        text.replace(open - 2, close - open + 3, strip_blanks(std::string_view(mass).substr(0, mass.size() - 1)));
    }
    return true;
}

Preparation prepare_expression(std::string_view typed)
{
    std::string text;
    for (const char c : strip_trailing_blanks(typed))
        if (c != ' ') text += c;
    if (!substitute_molar_masses(text)) return Preparation::syntax_error;
    put_in_named_constants(text);
    if (text.size() > max_expression_characters) return Preparation::too_long;
    if (!check_expression_syntax(text)) return Preparation::syntax_error;
    return parse(text);
}

std::optional<OperationSequence> prepared_operations()
{
    ParsedExpression e = saved_parse;
    std::vector<SlotOperation> recorded;
    const auto result = reduce(e, [&](const SlotOperation& op) {
        recorded.push_back(op);
        return true;
    });
    if (!result) return std::nullopt;
    // Each slot's value in the sequence's numbering.
    OperationSequence sequence;
    sequence.numbers = {0.0, 0.0};
    std::map<std::uint64_t, std::int32_t> number_values;
    std::array<std::int32_t, ParsedExpression::slot_total + 1> slot_value{0, 1};
    for (std::int32_t s = 2; s <= ParsedExpression::slot_total; ++s) {
        const double v = saved_parse.slots[s].value;
        const auto [at, added] = number_values.try_emplace(std::bit_cast<std::uint64_t>(v),
                                                           static_cast<std::int32_t>(sequence.numbers.size()));
        if (added) sequence.numbers.push_back(v);
        slot_value[s] = at->second;
    }
    std::map<std::tuple<std::int32_t, std::int32_t, std::int32_t>, std::int32_t> computed;
    for (const SlotOperation& op : recorded) {
        const std::int32_t left = slot_value[op.left];
        const std::int32_t right = op.right == 0 ? 0 : slot_value[op.right];
        const auto next = static_cast<std::int32_t>(sequence.numbers.size() + sequence.operations.size());
        const auto [at, added] = computed.try_emplace(std::make_tuple(op.code, left, right), next);
        if (added) sequence.operations.push_back({op.code, left, right, next});
        slot_value[op.target] = at->second;
    }
    sequence.result = slot_value[*result];
    return sequence;
}

bool evaluate_operations(const OperationSequence& sequence, double x, SequenceValues& values,
                         std::vector<double>* right_operands)
{
    values.resize(sequence.numbers.size() + sequence.operations.size());
    for (std::size_t v = 0; v < sequence.numbers.size(); ++v) {
        const double number = v == 1 ? x : sequence.numbers[v];
        values[v] = {number, input_error(number), true};
    }
    if (right_operands) right_operands->clear();
    for (const SlotOperation& op : sequence.operations) {
        if (right_operands) right_operands->push_back(op.right == 0 ? 0.0 : values[op.right].value);
        if (!apply_slot_operation(values, op)) return false;
    }
    return true;
}

bool evaluate_coded_expression(std::int32_t mode, double x, double a, double b, double c, double d,
                               std::string_view text, double& value, double& error)
{
    if (mode != 1 && parse(text) != Preparation::ready) return false;
    if (mode == -1) return true;
    return evaluate(x, a, b, c, d, value, error);
}
