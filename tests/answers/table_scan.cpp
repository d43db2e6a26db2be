// The scan for tables that hold measured numbers, read as a reader of the
// source reads them: comments set aside, texts kept whole.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
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

bool digit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool space(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// A text that is a number alone ("373", "-1.5e-3").
bool written_number(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    if (i == text.size() || !digit(text[i])) return false;
    for (; i < text.size(); ++i)
        if (std::string(".eE+- ").find(text[i]) == std::string::npos && !digit(text[i])) return false;
    return true;
}

// Whether a unit follows a whole number at `at` ("1538 °C", "373 K",
// "25@uo@C", "5%"): a space, then the unit as a word of its own; a
// degree or a percent sign right after it.
bool unit_follows(std::string_view text, std::size_t at)
{
    const std::string_view rest = text.substr(at);
    if (rest.starts_with("@uo@") || rest.starts_with("°") || rest.starts_with("%")) return true;
    if (!rest.starts_with(" ")) return false;
    ++at;
    constexpr std::string_view units[] = {"°",  "K",  "atm", "torr", "mmHg", "Pa",  "kPa", "bar",  "g",
                                          "kg", "mg", "L",   "mL",   "J",    "kJ",  "cal", "kcal", "mol",
                                          "nm", "pm", "cm",  "m",    "s",    "min", "h",   "anni", "%"};
    for (const std::string_view unit : units) {
        if (!text.substr(at).starts_with(unit)) continue;
        const std::size_t end = at + unit.size();
        if (unit == "°" || unit == "%" || end == text.size() || !identifier_char(text[end])) return true;
    }
    return false;
}

// The figures a text holds: a text that is a number alone, else each
// number written with a decimal point or a power of ten ("19.5 °C",
// "6.8•10@u-4@", "7•10@u3@", records packed in one text), or whole with a
// unit ("1538 °C"). Digits after a letter or '@' are names and markup
// ("H@d2@O", "@T1@").
std::int32_t figures_in_text(std::string_view text)
{
    if (written_number(text)) return 1;
    std::int32_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!digit(text[i]) || (i > 0 && (identifier_char(text[i - 1]) || text[i - 1] == '@'))) continue;
        const std::size_t start = i;
        while (i < text.size() && digit(text[i])) ++i;
        const bool decimal = i + 1 < text.size() && text[i] == '.' && digit(text[i + 1]);
        while (i < text.size() && (digit(text[i]) || text[i] == '.')) ++i;
        const bool zero = text.substr(start, i - start).find_first_not_of("0.") == std::string_view::npos;
        if (!zero && (decimal || text.substr(i).starts_with("•10@u") || unit_follows(text, i))) ++count;
        if (i < text.size() && identifier_char(text[i]))
            while (i < text.size() && identifier_char(text[i])) ++i;
    }
    return count;
}

// Words that open a statement, never a declaration.
bool statement_word(std::string_view w)
{
    constexpr std::string_view words[] = {"return",  "case",     "else",   "goto",     "throw",     "delete",
                                          "new",     "using",    "struct", "class",    "union",     "enum",
                                          "if",      "for",      "while",  "do",       "switch",    "namespace",
                                          "typedef", "template", "friend", "operator", "co_return", "static_assert"};
    return std::ranges::find(words, w) != std::end(words);
}

// Past the bracketed run that opens at `i` ('<', '[' or '('), or npos
// where it does not close on a declaration's terms.
std::size_t past_brackets(const std::string& s, std::size_t i)
{
    const char open = s[i], close = open == '<' ? '>' : open == '(' ? ')' : ']';
    std::int32_t depth = 0;
    for (; i < s.size(); ++i) {
        if (s[i] == ';' || s[i] == '{' || s[i] == '}') return std::string::npos;
        if (s[i] == open) ++depth;
        if (s[i] == close && --depth == 0) return i + 1;
    }
    return std::string::npos;
}

// Where a table's initialiser opens on the line that starts at `at`, and
// the table's name; npos where the line declares no initialised variable.
// A declaration is a type and a name, in any order of its specifiers and
// attributes (alignas, decltype), then its braces, or '=' and braces, a
// type's braces or a call on braces (std::to_array), or a lambda called at
// once.
std::size_t initialiser(const std::string& s, std::size_t at, std::string& name)
{
    std::size_t i = at;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    if (i == s.size() || s[i] == '\n') return std::string::npos;
    std::int32_t identifiers = 0;
    for (;;) {
        while (i < s.size() && space(s[i])) ++i;
        if (i >= s.size()) return std::string::npos;
        const char c = s[i];
        if (c == '{' || c == '=') break;
        if (c == '<' || c == '[') {
            i = past_brackets(s, i);
            if (i == std::string::npos) return std::string::npos;
        } else if (c == ':' || c == '*' || c == '&') {
            ++i;
        } else if (identifier_char(c) && !digit(c)) {
            const std::size_t start = i;
            while (i < s.size() && identifier_char(s[i])) ++i;
            const std::string_view w = std::string_view(s).substr(start, i - start);
            if (identifiers == 0 && statement_word(w)) return std::string::npos;
            // alignas(16) specifies, decltype(x) names a type: past their parentheses.
            if (w == "alignas" || w == "decltype") {
                while (i < s.size() && space(s[i])) ++i;
                i = i < s.size() && s[i] == '(' ? past_brackets(s, i) : std::string::npos;
                if (i == std::string::npos) return std::string::npos;
                if (w == "decltype") ++identifiers;
                continue;
            }
            if (w == "const" || w == "constexpr" || w == "constinit" || w == "static" || w == "inline" ||
                w == "extern" || w == "thread_local")
                continue;
            name = std::string(w);
            ++identifiers;
        } else {
            return std::string::npos;
        }
    }
    if (identifiers < 2) return std::string::npos;
    if (s[i] == '{') return i;
    for (++i; i < s.size() && space(s[i]);) ++i;
    if (s.compare(i, 2, "[]") == 0) {
        // A lambda called at once: its parameters and specifiers before its body.
        for (i += 2; i < s.size() && space(s[i]);) ++i;
        if (i < s.size() && s[i] == '(') {
            i = past_brackets(s, i);
            if (i == std::string::npos) return std::string::npos;
        }
        while (i < s.size() && s[i] != '{' && s[i] != ';') ++i;
        // Its body, then the call: a lambda kept to call later is no table.
        std::size_t end = i;
        for (std::int32_t depth = 0; end < s.size(); ++end) {
            if (s[end] == '{') ++depth;
            if (s[end] == '}' && --depth == 0) break;
        }
        for (++end; end < s.size() && space(s[end]);) ++end;
        if (end >= s.size() || s[end] != '(') return std::string::npos;
        return i;
    }
    if (s.compare(i, 1, "\"") == 0) return i;
    std::size_t callee = i;
    while (i < s.size() && (identifier_char(s[i]) || s[i] == ':' || s[i] == '<')) {
        if (s[i] == '<') {
            i = past_brackets(s, i);
            if (i == std::string::npos) return std::string::npos;
        } else {
            if (s[i] == ':') callee = i + 1;
            ++i;
        }
    }
    while (i < s.size() && space(s[i])) ++i;
    if (s.compare(i, 1, "(") == 0) {
        if (s.compare(callee, 9, "to_array(") != 0 && s.compare(callee, 9, "to_array<") != 0) return std::string::npos;
        for (++i; i < s.size() && space(s[i]);) ++i;
    }
    return s.compare(i, 1, "{") == 0 ? i : std::string::npos;
}

// Whether the initialiser that opens at `open` holds measured numbers: two
// figures at least (a row of two, or two rows of one). Zeros measure nothing.
bool holds_measured_numbers(const std::string& s, std::size_t open)
{
    if (s[open] == '"') {
        std::int32_t figures = 0;
        for (std::size_t i = open; i < s.size() && s[i] != ';'; ++i) {
            if (s[i] != '"') continue;
            const std::size_t start = i + 1;
            for (++i; i < s.size() && s[i] != '"'; ++i)
                if (s[i] == '\\') ++i;
            figures += figures_in_text(std::string_view(s).substr(start, i - start));
        }
        return figures >= 2;
    }
    // A group's whole numbers of three digits or more count where its other
    // members are numbers alone (a row of figures) or names ({"acqua", 373}).
    struct Group {
        bool numbers_alone = true, named_row = true, named = false;
        std::int32_t members = 0, large = 0;
    };
    std::vector<Group> groups;
    std::int32_t count = 0;
    for (std::size_t i = open; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '{') {
            if (!groups.empty()) groups.back().numbers_alone = groups.back().named_row = false;
            groups.emplace_back();
        } else if (c == '}') {
            const Group g = groups.back();
            groups.pop_back();
            if ((g.numbers_alone && g.members >= 2) || (g.named_row && g.named)) count += g.large;
            if (groups.empty()) return count >= 2;
        } else if (c == '"' || c == '\'') {
            const std::size_t start = i + 1;
            for (++i; i < s.size() && s[i] != c; ++i)
                if (s[i] == '\\') ++i;
            if (c == '"') count += figures_in_text(std::string_view(s).substr(start, i - start));
            if (!groups.empty()) {
                groups.back().numbers_alone = false;
                groups.back().named = true;
            }
        } else if ((digit(c) || (c == '.' && i + 1 < s.size() && digit(s[i + 1]))) &&
                   (i == 0 || (!identifier_char(s[i - 1]) && s[i - 1] != '.' && s[i - 1] != '@'))) {
            const std::size_t start = i;
            bool decimal = false;
            while (i < s.size() && (digit(s[i]) || s[i] == '.' ||
                                    ((s[i] == 'e' || s[i] == 'E') && i + 1 < s.size() &&
                                     (digit(s[i + 1]) || s[i + 1] == '-' || s[i + 1] == '+')) ||
                                    ((s[i] == '-' || s[i] == '+') && (s[i - 1] == 'e' || s[i - 1] == 'E')))) {
                if (s[i] == '.' || s[i] == 'e' || s[i] == 'E') decimal = true;
                ++i;
            }
            const std::size_t digits = i - start;
            if (i < s.size() && (s[i] == 'f' || s[i] == 'F')) ++i;
            const bool number = i == s.size() || !identifier_char(s[i]);
            const bool zero = std::string_view(s).substr(start, digits).find_first_not_of("0.") == std::string::npos;
            if (number && decimal && !zero) ++count;
            if (!groups.empty()) {
                Group& g = groups.back();
                if (number && !decimal) {
                    ++g.members;
                    if (digits >= 3) ++g.large;
                } else {
                    g.numbers_alone = g.named_row = false;
                }
            }
            --i;
        } else if (!groups.empty() && c == '.' && i + 1 < s.size() && identifier_char(s[i + 1])) {
            // A designated member (".kelvin = 373") names what follows.
            groups.back().numbers_alone = false;
            groups.back().named = true;
            while (i + 1 < s.size() && identifier_char(s[i + 1])) ++i;
            while (i + 1 < s.size() && (space(s[i + 1]) || s[i + 1] == '=')) ++i;
        } else if (!groups.empty() && c != ',' && c != '-' && c != '+' && !space(c)) {
            groups.back().numbers_alone = false;
            if (!identifier_char(c) && c != ':') groups.back().named_row = false;
        }
    }
    return false;
}

// A figure of a named constant: its value and the unit of its last digit,
// and whether a literal is taken for it only where it is the same number
// (exact). Otherwise a literal of three significant figures or more is taken
// for it where it is the constant cut or rounded to the literal's last digit
// (8.3144, 8.31, 0.0820, 6.023e23), or, its ending zeros dropped, rounded
// (273.0 for 273.15, 96500.0 for 96485).
struct NamedFigure {
    double value, unit;
    bool exact;
};
constexpr NamedFigure named_figures[] = {
    {760.0, 1.0, true},         {101325.0, 1.0, true},      {101.325, 1e-3, true},    {0.101325, 1e-6, true},
    {1.01325, 1e-5, false},     {22.41, 0.01, false},       {24.465, 1e-3, false},    {24.45, 0.01, false},
    {0.04464, 1e-5, false},     {2.3026, 1e-4, false},      {0.4342945, 1e-7, false}, {3.1416, 1e-4, false},
    {6.2832, 1e-4, false},      {8.3145, 1e-4, false},      {0.082057, 1e-6, false},  {62.364, 1e-3, false},
    {0.0083145, 1e-7, false},   {1.987204, 1e-6, false},    {273.15, 0.01, false},    {298.15, 0.01, false},
    {4.184, 1e-3, false},       {96485.0, 1.0, false},      {6.0221e23, 1e19, false}, {1.3806e-23, 1e-27, false},
    {6.6261e-34, 1e-38, false}, {1.6022e-19, 1e-23, false}, {2.9979e8, 1e4, false},   {1.6605e-27, 1e-31, false},
    {1.6605e-24, 1e-28, false}, {18.02, 0.01, false},       {55.51, 0.01, false},     {133.32, 0.01, false},
    {0.0013158, 1e-7, false},
};

// The literal's figure: value, significant digits and the unit of its
// last one. Zeros after the point are digits of it (0.0820 is written to
// the ten-thousandth), unless `trimmed`; zeros that end a whole number
// never are: 96500 is written to the hundred.
struct Literal {
    double value;
    std::int32_t digits;
    double unit;
};

Literal literal_at(const std::string& s, std::size_t start, std::size_t end, bool trimmed)
{
    const std::string text = s.substr(start, end - start);
    const std::size_t e = text.find_first_of("eE");
    std::string mantissa = text.substr(0, e);
    const std::int32_t exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
    if (mantissa.find('.') == std::string::npos) mantissa += '.';
    const std::size_t point = mantissa.find('.');
    std::string digits = mantissa;
    std::erase(digits, '.');
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {0.0, 0, 1.0};
    const std::size_t last = trimmed || point == digits.size() ? digits.find_last_not_of('0') : digits.size() - 1;
    // The place of the last digit, counted from the point.
    const auto place = static_cast<std::int32_t>(point) - static_cast<std::int32_t>(last) - 1;
    return {std::stod(text), static_cast<std::int32_t>(last - first + 1), std::pow(10.0, exponent + place)};
}

// The source with each table of measured numbers blanked: the registry
// judges its rows against the handbook, where a figure near a constant's
// is a measurement of its own.
std::string without_measured_tables(std::string_view source)
{
    std::string s = without_comments(source);
    for (std::size_t line = 0; line < s.size();
         line = s.find('\n', line) == std::string::npos ? s.size() : s.find('\n', line) + 1) {
        std::string name;
        const std::size_t open = initialiser(s, line, name);
        if (open == std::string::npos || !holds_measured_numbers(s, open)) continue;
        for (std::size_t i = open; i < s.size() && s[i] != ';'; ++i) {
            if (s[i] == '"') {
                for (s[i++] = ' '; i < s.size() && s[i] != '"'; ++i) {
                    if (s[i] == '\\') s[i++] = ' ';
                    if (s[i] != '\n') s[i] = ' ';
                }
            }
            if (i < s.size() && s[i] != '\n') s[i] = ' ';
        }
    }
    return s;
}

// The source with its comments, character literals and static assertions
// blanked, its texts kept: a figure written in a text is written out too.
std::string code_and_texts(std::string_view source)
{
    std::string s = without_comments(source);
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\'' && i > 0 && identifier_char(s[i - 1])) continue;  // a digit separator
        if (s[i] != '"' && s[i] != '\'') continue;
        const char quote = s[i];
        for (++i; i < s.size() && s[i] != quote; ++i) {
            if (s[i] == '\\') {
                s[i++] = ' ';  // an escape, "\n298" among them, is no digit
                if (i < s.size() && s[i] != '\n') s[i] = ' ';
            } else if (quote == '\'' && s[i] != '\n') {
                s[i] = ' ';
            }
        }
    }
    for (std::size_t at = s.find("static_assert"); at != std::string::npos; at = s.find("static_assert", at)) {
        const std::size_t end = s.find(';', at);
        for (; at < end && at < s.size(); ++at)
            if (s[at] != '\n') s[at] = ' ';
    }
    return s;
}

}  // namespace

std::vector<std::string> constants_written_in(std::string_view source)
{
    const std::string s = code_and_texts(without_measured_tables(source));
    std::vector<std::string> found;
    std::int32_t line = 1;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\n') ++line;
        const bool starts = digit(s[i]) || (s[i] == '.' && i + 1 < s.size() && digit(s[i + 1]));
        if (!starts || (i > 0 && (identifier_char(s[i - 1]) || s[i - 1] == '.'))) continue;
        std::size_t end = i;
        while (end < s.size() && (digit(s[end]) || s[end] == '.' ||
                                  ((s[end] == 'e' || s[end] == 'E') && end + 1 < s.size() &&
                                   (digit(s[end + 1]) || s[end + 1] == '-' || s[end + 1] == '+')) ||
                                  ((s[end] == '-' || s[end] == '+') && (s[end - 1] == 'e' || s[end - 1] == 'E'))))
            ++end;
        const Literal l = literal_at(s, i, end, false), trimmed = literal_at(s, i, end, true);
        // A whole number under a thousand written without a point counts or
        // places (pixels, records) or names a temperature to the kelvin
        // ("a 298 K"); from a thousand on, or with a point, it is a figure.
        const bool whole = s.find_first_of(".eE", i) >= end && l.value < 1000.0;
        const auto within = [](const Literal& l, const NamedFigure& f, double units) {
            return l.digits >= 3 && std::abs(l.value - f.value) <= units * std::max(l.unit, f.unit) * (1.0 + 1e-9);
        };
        const bool written = std::ranges::any_of(named_figures, [&](const NamedFigure& f) {
            if (f.exact) return l.value == f.value;
            return !whole && (within(l, f, 1.0) || within(trimmed, f, 0.5));
        });
        if (written) found.push_back(std::to_string(line) + ": " + s.substr(i, end - i));
        i = end - 1;
    }
    return found;
}

std::vector<std::string> tables_in(std::string_view source)
{
    const std::string s = without_comments(source);
    std::vector<std::string> found;
    for (std::size_t line = 0; line < s.size();
         line = s.find('\n', line) == std::string::npos ? s.size() : s.find('\n', line) + 1) {
        std::string name;
        const std::size_t open = initialiser(s, line, name);
        if (open != std::string::npos && holds_measured_numbers(s, open)) found.push_back(name);
    }
    return found;
}

}  // namespace table_checks
