#include "tools/expression_syntax.h"

#include <algorithm>
#include <string_view>

#include "chemistry/data_tables.h"
#include "numbers/fundamental_constants.h"
#include "numbers/mathematical_constants.h"
#include "numbers/thermal_constants.h"
#include "tools/character_classes.h"

namespace {

struct Replacement {
    std::string_view name;
    std::string_view text;
};

constexpr Replacement named_constants[] = {
    {"nav", avogadro_number_text},
    {"kbz", boltzmann_constant_text},
    {"rsi", gas_constant_joule_text},
    {"ral", gas_constant_litre_atm_text},
    {"pi", pi_text},
};

// Two code characters each, so that the letters e and x of "exp" stay out
// of the rules on numbers and on the variable.
constexpr Replacement function_codes[] = {
    {"exp", "&&"}, {"ln", "%%"}, {"log", "!!"}, {"sin", "&%"}, {"cos", "%&"}, {"tan", "&!"},
};

constexpr std::string_view code_characters = "&%!";

bool function_codes_take_a_parenthesis(std::string_view s)
{
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!is_one_of(s[i], code_characters)) continue;
        if (i + 2 >= s.size() || s[i + 2] != '(') return false;
        ++i;
    }
    return true;
}

bool variable_enclosed(std::string_view s, std::size_t i)
{
    if (s.size() == 1) return true;
    const bool before = i == 0 || s[i - 1] == '(' || is_operator(s[i - 1]);
    const bool after = i + 1 == s.size() || s[i + 1] == ')' || is_operator(s[i + 1]);
    if (i == 0) return is_operator(s[1]);
    if (i + 1 == s.size()) return is_operator(s[i - 1]);
    return before && after;
}

bool exponent_well_formed(std::string_view s, std::size_t i)
{
    if (i == 0 || i + 1 >= s.size()) return false;
    if (i + 2 == s.size() && !is_digit(s[i + 1])) return false;
    std::size_t j = i + 1;
    if (s[j] == '+' || s[j] == '-') ++j;
    while (j < s.size() && is_digit(s[j])) ++j;
    return j == s.size() || is_operator(s[j]) || s[j] == ')';
}

bool coded_text_allowed(std::string_view s)
{
    if (s.find_first_not_of("-+*/^x()e.1234567890&%!") != std::string_view::npos) return false;
    if (!function_codes_take_a_parenthesis(s)) return false;
    if (!s.empty() && (is_one_of(s.front(), "*/^)e") || is_one_of(s.back(), "+-*/e^(&%!"))) return false;
    if (std::count(s.begin(), s.end(), '(') != std::count(s.begin(), s.end(), ')')) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const bool first = i == 0;
        const bool last = i + 1 == s.size();
        const char prev = first ? '\0' : s[i - 1];
        const char next = last ? '\0' : s[i + 1];
        switch (c) {
        case ')':
            if (!last && !is_operator(next) && next != ')') return false;
            if (!first && !is_one_of(prev, "x).") && !is_digit(prev)) return false;
            break;
        case '(':
            if (!first && !is_operator(prev) && prev != '(' && !is_one_of(prev, code_characters)) return false;
            if (!last && !is_one_of(next, "x-+(.&%!") && !is_digit(next)) return false;
            break;
        case 'e':
            if (!last && !is_one_of(next, "+-") && !is_digit(next)) return false;
            if (!first && prev != '.' && !is_digit(prev)) return false;
            if (!exponent_well_formed(s, i)) return false;
            break;
        case 'x':
            if (!variable_enclosed(s, i)) return false;
            break;
        default:
            if (is_operator(c) && is_operator(next)) return false;
            break;
        }
    }
    return true;
}

}  // namespace

void replace_all(std::string& text, std::string_view from, std::string_view to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

void put_in_named_constants(std::string& text)
{
    for (bool found = true; found;) {
        found = false;
        for (const Replacement& constant : named_constants) {
            const auto at = text.find(constant.name);
            if (at == std::string::npos) continue;
            text.replace(at, constant.name.size(), constant.text);
            found = true;
            break;
        }
    }
}

bool check_expression_syntax(std::string& text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    if (text.find_first_of(code_characters) != std::string::npos) return false;
    for (const Replacement& function : function_codes) replace_all(text, function.name, function.text);
    if (!coded_text_allowed(text)) return false;
    for (const Replacement& function : function_codes) replace_all(text, function.text, function.name);
    return true;
}
