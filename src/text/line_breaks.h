// Where a paragraph of markup text may break: at blanks outside codes, but
// never between a number and its unit ("1.35 F", "2.08•10@u-3@ mol/L"),
// between a label and the number it introduces ("R: 2.08"), or inside a
// formula ("C@d3@H@d8@ + 5O@d2@ = 3CO@d2@ + 4H@d2@O", "@iG@ = @iH@ - @iTS@",
// "K = 1.8", "-4.017 × 3.0•10@u7@") that fits the line; a wider one breaks
// only before its "+", "-", "=", "×" and "/".
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// The blanks of text at which a line room pixels wide may end, in order:
// a leading blank, then the last blank of each run between words that may
// part; then text.size(). width(begin, end) measures text[begin, end) as one
// line.
std::vector<std::size_t> line_breaks(std::string_view text, std::int32_t room,
                                     const std::function<std::int32_t(std::size_t, std::size_t)>& width);

// What a word shows (its codes dropped) read as a number, "2.08•10-3;", or
// as a unit, "mol/L", "J/(K•mol)", "oC" (trailing punctuation allowed).
bool is_number_word(std::string_view shown);
bool is_unit_word(std::string_view shown);
// An operator a formula's terms stand between: "+", "-", "=", "×", "/".
bool is_operator_word(std::string_view shown);
