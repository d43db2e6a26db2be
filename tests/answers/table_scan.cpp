// The scan for tables that hold measured numbers, read as a reader of the
// source reads them: comments set aside, texts kept whole.
#include <cctype>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "table_registry.h"

namespace table_checks {

namespace {

bool identifier_char(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The source with its comments blanked, texts and line breaks kept.
std::string without_comments(std::string_view source)
{
    std::string out(source);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == '"' || out[i] == '\'') {
            const char quote = out[i];
            for (++i; i < out.size() && out[i] != quote; ++i)
                if (out[i] == '\\') ++i;
        } else if (out.compare(i, 2, "//") == 0) {
            for (; i < out.size() && out[i] != '\n'; ++i) out[i] = ' ';
        } else if (out.compare(i, 2, "/*") == 0) {
            const std::size_t end = out.find("*/", i + 2);
            const std::size_t stop = end == std::string::npos ? out.size() : end + 2;
            for (; i < stop; ++i)
                if (out[i] != '\n') out[i] = ' ';
            --i;
        }
    }
    return out;
}

bool written_number(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size() || std::isdigit(static_cast<unsigned char>(text[i])) == 0) return false;
    for (; i < text.size(); ++i)
        if (std::string(".eE+- ").find(text[i]) == std::string::npos &&
            std::isdigit(static_cast<unsigned char>(text[i])) == 0)
            return false;
    return true;
}

// Where a table's initialiser opens on the line that starts at `at`, and
// the table's name; npos where the line declares no initialised constant.
std::size_t initialiser(const std::string& s, std::size_t at, std::string& name)
{
    std::size_t i = at;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    const auto word = [&](std::string_view w) {
        if (s.compare(i, w.size(), w) != 0 || i + w.size() >= s.size() || identifier_char(s[i + w.size()]))
            return false;
        i += w.size();
        while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])) != 0) ++i;
        return true;
    };
    while (word("static") || word("inline") || word("extern")) {}
    if (!word("constexpr") && !word("const")) return std::string::npos;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == ';' || c == '(' || c == ')' || c == '}') return std::string::npos;
        if (c == '{' || c == '=') break;
        if (c == '[') {
            const std::size_t close = s.find(']', i);
            if (close == std::string::npos) return std::string::npos;
            i = close;
        } else if (identifier_char(c)) {
            const std::size_t start = i;
            while (i + 1 < s.size() && identifier_char(s[i + 1])) ++i;
            name = s.substr(start, i + 1 - start);
        }
    }
    if (i >= s.size() || name.empty()) return std::string::npos;
    if (s[i] == '{') return i;
    for (++i; i < s.size() && std::isspace(static_cast<unsigned char>(s[i])) != 0;) ++i;
    if (s.compare(i, 1, "{") == 0) return i;
    if (s.compare(i, 2, "[]") == 0) {
        for (i += 2; i < s.size() && std::isspace(static_cast<unsigned char>(s[i])) != 0;) ++i;
        if (s.compare(i, 1, "{") == 0) return i;
    }
    return std::string::npos;
}

// The measured numbers of the initialiser that opens at `open`.
std::int32_t measured_numbers(const std::string& s, std::size_t open, bool whole_groups)
{
    struct Group {
        bool numbers_alone = true;
        std::int32_t members = 0, large = 0;
    };
    std::vector<Group> groups;
    std::int32_t count = 0;
    for (std::size_t i = open; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '{') {
            if (!groups.empty()) groups.back().numbers_alone = false;
            groups.emplace_back();
        } else if (c == '}') {
            const Group g = groups.back();
            groups.pop_back();
            if (whole_groups && g.numbers_alone && g.members >= 2) count += g.large;
            if (groups.empty()) return count;
        } else if (c == '"' || c == '\'') {
            const std::size_t start = i + 1;
            for (++i; i < s.size() && s[i] != c; ++i)
                if (s[i] == '\\') ++i;
            if (c == '"' && written_number(std::string_view(s).substr(start, i - start))) ++count;
            if (!groups.empty()) groups.back().numbers_alone = false;
        } else if ((std::isdigit(static_cast<unsigned char>(c)) != 0 ||
                    (c == '.' && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])) != 0)) &&
                   (i == 0 || (!identifier_char(s[i - 1]) && s[i - 1] != '.' && s[i - 1] != '@'))) {
            const std::size_t start = i;
            bool decimal = false;
            while (i < s.size() &&
                   (std::isdigit(static_cast<unsigned char>(s[i])) != 0 || s[i] == '.' ||
                    ((s[i] == 'e' || s[i] == 'E') && i + 1 < s.size() &&
                     (std::isdigit(static_cast<unsigned char>(s[i + 1])) != 0 || s[i + 1] == '-' || s[i + 1] == '+')) ||
                    ((s[i] == '-' || s[i] == '+') && (s[i - 1] == 'e' || s[i - 1] == 'E')))) {
                if (s[i] == '.' || s[i] == 'e' || s[i] == 'E') decimal = true;
                ++i;
            }
            const std::size_t digits = i - start;
            if (i < s.size() && (s[i] == 'f' || s[i] == 'F')) ++i;
            const bool number = i == s.size() || !identifier_char(s[i]);
            if (number && decimal) ++count;
            if (!groups.empty()) {
                Group& g = groups.back();
                if (number && !decimal) {
                    ++g.members;
                    if (digits >= 3) ++g.large;
                } else {
                    g.numbers_alone = false;
                }
            }
            --i;
        } else if (!groups.empty() && c != ',' && c != '-' && c != '+' &&
                   std::isspace(static_cast<unsigned char>(c)) == 0) {
            groups.back().numbers_alone = false;
        }
    }
    return count;
}

}  // namespace

std::vector<std::string> tables_in(std::string_view source, bool whole_groups)
{
    const std::string s = without_comments(source);
    std::vector<std::string> found;
    for (std::size_t line = 0; line < s.size();
         line = s.find('\n', line) == std::string::npos ? s.size() : s.find('\n', line) + 1) {
        std::string name;
        const std::size_t open = initialiser(s, line, name);
        if (open != std::string::npos && measured_numbers(s, open, whole_groups) >= 3) found.push_back(name);
    }
    return found;
}

}  // namespace table_checks
