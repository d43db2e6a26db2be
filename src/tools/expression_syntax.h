// What an expression may look like before it is parsed: the named
// constants put in, the letters folded to lower case, and the rules on each
// character and its neighbours.
#pragma once

#include <string>
#include <string_view>

// Replaces every from in text by to, left to right.
void replace_all(std::string& text, std::string_view from, std::string_view to);

// Puts in nav, kbz, rsi, ral and pi (lower case only).
void put_in_named_constants(std::string& text);

// Folds the letters, checks the rules and returns the text with its
// function names in lower case; false when a rule is broken (2*-3, 2x,
// 2(3), e5, tan(x, ...).
bool check_expression_syntax(std::string& text);
