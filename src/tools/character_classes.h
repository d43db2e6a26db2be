// ASCII character classes of the formulas and expressions typed into the
// tools: unlike <cctype>, independent of the locale and safe for any char.
#pragma once

#include <string_view>

constexpr bool is_capital(char c)
{
    return c >= 'A' && c <= 'Z';
}
constexpr bool is_lower(char c)
{
    return c >= 'a' && c <= 'z';
}
constexpr bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}
constexpr bool is_one_of(char c, std::string_view set)
{
    return set.find(c) != std::string_view::npos;
}
constexpr bool is_operator(char c)
{
    return is_one_of(c, "+-*/^");
}
