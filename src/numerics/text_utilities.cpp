#include "numerics/text_utilities.h"

#include <algorithm>
#include <cstdint>

#include "numerics/error_handler.h"
#include "numerics/machine_constants.h"

char ACHAR(std::int32_t i)
{
    if (i < 0) {
        E1PSH("ACHAR");
        store_int_message_param(1, i);
        E1MES(5, 1, "The ASCII value must be non-negative while I = %(I1) is given.");
        E1POP("ACHAR");
        return '\0';
    }
    return static_cast<char>(static_cast<unsigned char>(i & 0xFF));
}

std::int32_t char_code_upper(char c)
{
    const auto code = static_cast<std::int32_t>(static_cast<unsigned char>(c));
    return (c >= 'a' && c <= 'z') ? code - ('a' - 'A') : code;
}

std::int32_t find_substring(std::string_view text, std::string_view pattern)
{
    if (pattern.empty()) return 0;
    const auto at = text.find(pattern);
    return at == std::string_view::npos ? 0 : static_cast<std::int32_t>(at) + 1;
}

std::int32_t find_substring_nocase(std::string_view text, std::string_view pattern)
{
    if (pattern.empty() || pattern.size() > text.size()) return 0;
    for (std::size_t start = 0; start + pattern.size() <= text.size(); ++start) {
        if (compare_text_nocase(text.substr(start, pattern.size()), pattern)) {
            return static_cast<std::int32_t>(start) + 1;
        }
    }
    return 0;
}

bool compare_text_nocase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return char_code_upper(x) == char_code_upper(y); });
}

std::int32_t first_char_not_in(std::string_view text, std::string_view set)
{
    const auto at = text.find_first_not_of(set);
    return at == std::string_view::npos ? 0 : static_cast<std::int32_t>(at) + 1;
}

std::string int_to_text(std::int32_t value, std::int32_t width, std::int32_t& needed)
{
    const std::string digits = std::to_string(value);
    needed = static_cast<std::int32_t>(digits.size());
    if (width <= 0) return {};
    if (needed > width) return std::string(static_cast<std::size_t>(width), '*');
    return std::string(static_cast<std::size_t>(width - needed), ' ') + digits;
}

std::string field_of_six(std::int32_t value)
{
    std::int32_t needed = 0;
    return int_to_text(value, 6, needed);
}

void text_to_int(std::string_view text, std::int32_t& value, std::int32_t& error)
{
    value = 0;
    error = 1;
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return;
    const auto last = text.find_last_not_of(' ');
    std::string_view number = text.substr(first, last - first + 1);
    bool negative = false;
    if (number.front() == '+' || number.front() == '-') {
        negative = number.front() == '-';
        number.remove_prefix(1);
    }
    if (number.empty()) return;
    const std::int64_t largest = IMACH(5);
    std::int64_t magnitude = 0;
    for (const char c : number) {
        if (c < '0' || c > '9') return;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > largest) return;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    error = 0;
}

void copy_substring(std::string_view source, std::int32_t first, std::int32_t last, std::string& target,
                    std::int32_t target_first, std::int32_t target_last, std::int32_t& status)
{
    const auto fits = [](std::int32_t from, std::int32_t to, std::size_t size) {
        return from >= 1 && to >= from - 1 && static_cast<std::size_t>(to) <= size;
    };
    if (!fits(first, last, source.size())) {
        status = -1;
        return;
    }
    if (!fits(target_first, target_last, target.size())) {
        status = -2;
        return;
    }
    const std::size_t source_length = static_cast<std::size_t>(last - first + 1);
    const std::size_t target_length = static_cast<std::size_t>(target_last - target_first + 1);
    const std::size_t copied = std::min(source_length, target_length);
    target.replace(static_cast<std::size_t>(target_first - 1), copied,
                   source.substr(static_cast<std::size_t>(first - 1), copied));
    std::fill_n(target.begin() + (target_first - 1) + static_cast<std::ptrdiff_t>(copied), target_length - copied, ' ');
    status = 0;
}
