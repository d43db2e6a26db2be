// Independent judges of the true-or-false statements: each reads the
// statement's words and decides from the tables and textbook chemistry.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "support/text_patterns.h"

// nullopt when the words cannot decide (a value rounded onto a limit).
using Verdict = std::optional<bool>;

Verdict judge_statement(int group, int type, const std::string& text);

namespace judges {
std::string field(const std::string& record, int first, int last);
int element_named(const std::string& name);
std::string without_article(const std::string& articulated);
int compound_named(const std::string& name, char wanted_class = 0);
double atomic_mass(const std::string& symbol);
std::map<std::string, int> composition(int k);
double molar_mass(int k);
double number(const std::string& shown);
double half_unit(const std::string& shown);
int significant_digits(const std::string& shown);
int electrons(const std::string& configuration);
bool conjugate_acid(const std::string& acid, const std::string& base);
// The groups of pattern matching the whole text; a statement of another
// form fails the test and gives empty groups.
testing_support::Found parse(const std::string& text, const char* pattern);

Verdict judge_group_1(int type, const std::string& text);
Verdict judge_group_2(int type, const std::string& text);
}  // namespace judges
