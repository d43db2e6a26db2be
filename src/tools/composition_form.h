// Typed formulas and equations in composition form: every symbol two
// characters wide with a two-character count, "+" and "=" followed by a
// blank, one level of parentheses multiplied out, a charge kept after its
// species as "[", magnitude (or nothing), sign, "]" ("NaCl" -> "Na 1Cl 1",
// "Fe(CN)6[4-]" -> "Fe 1C  6N  6[ 4-]").
#pragma once

#include <optional>
#include <string>
#include <string_view>

// text has passed the syntax checks of analyse_formula_text and holds no
// blanks. In an ionic text a plus sign of a charge comes back as "%".
// Empty when a product of counts exceeds 99 or a group between parentheses
// is not a whole formula.
std::optional<std::string> to_composition_form(std::string_view text, bool ionic);

// Whether text is a sequence of whole groups, a capital, a lower-case
// letter or a blank, and a count of one or two digits.
bool is_composition_groups(std::string_view text);
