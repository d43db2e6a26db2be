#include "tools/composition_form.h"

#include <cstdint>

#include "numbers/formatted_conversions.h"
#include "tools/character_classes.h"

namespace {

char at(const std::string& text, std::size_t i)
{
    return i < text.size() ? text[i] : ' ';
}

bool ends_with_non_blank_in(const std::string& text, bool (*test)(char))
{
    const auto last = text.find_last_not_of(' ');
    return last != std::string::npos && test(text[last]);
}

void single_digits_get_a_blank(std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!is_digit(text[i]) || (i > 0 && is_digit(text[i - 1])) || is_digit(at(text, i + 1))) continue;
        text.insert(i, 1, ' ');
        ++i;
    }
}

void one_letter_symbols_get_a_blank(std::string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (is_capital(text[i]) && !is_lower(text[i + 1])) text.insert(++i, 1, ' ');
}

void separators_get_a_blank(std::string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '(' || text[i] == '+' || text[i] == '=' || text[i] == ')') text.insert(++i, 1, ' ');
}

void missing_counts_become_1(std::string& text)
{
    const auto follows_unit = [](char c) {
        return is_capital(c) || c == '(' || c == '+' || c == '=' || c == ')' || c == '[' || c == ']';
    };
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const bool symbol = is_capital(text[i]) && (is_lower(text[i + 1]) || text[i + 1] == ' ');
        const bool group_end = text[i] == ')' && text[i + 1] == ' ';
        if ((symbol || group_end) && i + 2 < text.size() && follows_unit(text[i + 2])) text.insert(i + 2, " 1");
    }
    text.erase(text.find_last_not_of(' ') + 1);
    if (ends_with_non_blank_in(text, [](char c) { return is_capital(c) || c == ')'; }))
        text += "  1";
    else if (ends_with_non_blank_in(text, is_lower))
        text += " 1";
}

bool multiply_out_parentheses(std::string& text)
{
    for (auto open = text.find('('); open != std::string::npos; open = text.find('(')) {
        const auto close = text.find(')', open);
        if (close == std::string::npos || close + 4 > text.size()) return false;
        const auto factor = read_i(std::string_view(text).substr(close + 2, 2));
        const std::string_view inside = std::string_view(text).substr(open + 2, close - open - 2);
        if (!factor || !is_composition_groups(inside)) return false;
        std::string groups(inside);
        for (std::size_t g = 0; g < groups.size(); g += 4) {
            const std::int64_t product = std::int64_t{*read_i(groups.substr(g + 2, 2))} * *factor;
            if (product > 99) return false;
            groups.replace(g + 2, 2, format_i(static_cast<std::int32_t>(product), 2));
        }
        text.replace(open, close + 4 - open, groups);
    }
    return true;
}

}  // namespace

bool is_composition_groups(std::string_view text)
{
    if (text.size() % 4 != 0) return false;
    for (std::size_t g = 0; g < text.size(); g += 4) {
        const char c = text[g + 1];
        const char tens = text[g + 2];
        if (!is_capital(text[g]) || !(is_lower(c) || c == ' ') || !(is_digit(tens) || tens == ' ') ||
            !is_digit(text[g + 3]))
            return false;
    }
    return true;
}

std::optional<std::string> to_composition_form(std::string_view typed, bool ionic)
{
    std::string text(typed);
    if (ionic) {
        for (auto at_sign = text.find("+]"); at_sign != std::string::npos; at_sign = text.find("+]", at_sign))
            text[at_sign] = '%';
    }
    single_digits_get_a_blank(text);
    one_letter_symbols_get_a_blank(text);
    separators_get_a_blank(text);
    missing_counts_become_1(text);
    if (!multiply_out_parentheses(text)) return std::nullopt;
    return text;
}
