// Regular expressions over page texts, compiled here once: std::regex costs
// every file that instantiates it seconds of compile time, so test files
// reach it only through these functions. A pattern's token NUM stands for
// a shown number (number_group in shown_numbers.h).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// One match: group 0 the whole match, a group that took no part "".
struct Found {
    std::vector<std::string> groups;
    std::vector<bool> took_part;
    std::string prefix;  // the text before the match (after the previous one, for find_all)
    std::string suffix;  // the text after the match

    const std::string& operator[](std::size_t i) const { return groups.at(i); }
    bool matched(std::size_t i) const { return took_part.at(i); }
};

// The first match of pattern in text.
std::optional<Found> find_first(const std::string& text, const std::string& pattern);
// A match of pattern with the whole text.
std::optional<Found> match_whole(const std::string& text, const std::string& pattern);
// Every match of pattern in text, in order, none overlapping.
std::vector<Found> find_all(const std::string& text, const std::string& pattern);
// Whether pattern matches somewhere in text.
bool contains_match(const std::string& text, const std::string& pattern);
// The text with every match replaced by format ("$1" a group, "$&" the match).
std::string replace_all(const std::string& text, const std::string& pattern, const std::string& format);

}  // namespace testing_support
