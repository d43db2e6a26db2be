#include "text/line_breaks.h"

#include <algorithm>
#include <array>
#include <string>

namespace {

struct Word {
    std::size_t begin = 0, end = 0;  // in the text; end excluded
};

// Words: runs of characters between blanks outside codes (a blank preceded
// by an odd number of at signs lies inside a code's argument).
std::vector<Word> words_of(std::string_view text)
{
    std::vector<Word> words;
    bool inside_code = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || (text[i] == ' ' && !inside_code);
        if (i < text.size() && text[i] == '@') inside_code = !inside_code;
        if (!blank) continue;
        if (i > start) words.push_back({start, i});
        start = i + 1;
    }
    return words;
}

// What a word shows: codes dropped, the argument of a sub- or superscript,
// italic or Greek code kept. A word without codes is itself; others are
// written into shown.
std::string_view visible(std::string_view word, std::string& shown)
{
    if (word.find('@') == std::string_view::npos) return word;
    shown.clear();
    for (std::size_t i = 0; i < word.size();) {
        const std::size_t close = word[i] == '@' ? word.find('@', i + 1) : std::string_view::npos;
        if (close == std::string_view::npos) {
            shown.push_back(word[i++]);
            continue;
        }
        const char code = close > i + 1 ? word[i + 1] : '@';
        if (code == 'd' || code == 'u' || code == 'i' || code == 'b') shown.append(word.substr(i + 2, close - i - 2));
        i = close + 1;
    }
    return shown;
}

// The text with every `from` written as `to`.
std::string replaced(std::string_view text, std::string_view from, std::string_view to)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, from.size()) == from) {
            out.append(to);
            at += from.size();
        } else {
            out.push_back(text[at++]);
        }
    }
    return out;
}

// The word without the punctuation and brackets that may close it.
std::string_view unclosed(std::string_view shown)
{
    return shown.substr(0, shown.find_last_not_of(".,;:?!)]") + 1);
}

// Symbols of units, as they stand between the "/", "•", brackets and
// exponents of a compound unit.
constexpr std::array<std::string_view, 60> unit_symbols = {
    "g",   "kg",   "mg",  "µg",  "ng",  "pg",   "M",      "F",    "N",   "mol", "L",   "mL",  "dm",   "cm", "mm",
    "m",   "km",   "nm",  "pm",  "µm",  "Å",    "atm",    "torr", "bar", "Pa",  "kPa", "MPa", "mmHg", "J",  "kJ",
    "cal", "kcal", "eV",  "keV", "K",   "oC",   "°C",     "C",    "V",   "mV",  "A",   "mA",  "s",    "ms", "µs",
    "ns",  "ps",   "min", "h",   "ore", "anni", "giorni", "ohm",  "Ω",   "W",   "kW",  "Hz",  "%"};

}  // namespace

// "1.35", "-0.5", "2.08•10-3;" (the exponent raised), "=21.8" (a value
// written against its "="): signs, then a digit, then digits, points, commas
// and signs, "•" anywhere. Read in place: it is asked of every word of every
// paragraph.
bool is_number_word(std::string_view shown)
{
    constexpr std::string_view bullet = "•";
    std::string_view s = unclosed(shown);
    if (s.starts_with('=')) s.remove_prefix(1);
    std::size_t read = 0;  // characters read, "•" left out
    bool digit_seen = false;
    for (std::size_t i = 0; i < s.size();) {
        if (s.substr(i, bullet.size()) == bullet) {
            i += bullet.size();
            continue;
        }
        const char c = s[i++];
        const bool digit = c >= '0' && c <= '9';
        if (!digit && c != '.' && c != ',' && c != '+' && c != '-') return false;
        if (!digit_seen && c != '+' && c != '-') {
            if (read > 1 || !digit) return false;
            digit_seen = true;
        }
        ++read;
    }
    return digit_seen;
}

// "mol/L", "J/(K•mol)", "(mol/L)-1", "kPa;", "oC" (the degree raised); not
// "[Cu2+]".
bool is_operator_word(std::string_view shown)
{
    return shown == "+" || shown == "-" || shown == "=" || shown == "×" || shown == "/";
}

bool is_unit_word(std::string_view shown)
{
    const std::string_view s = unclosed(shown);
    if (s == "u.m.a") return true;
    const std::string spaced = replaced(s, "•", "/");
    std::size_t symbols = 0;
    for (std::size_t i = 0; i < spaced.size();) {
        const std::size_t j = std::min(spaced.find_first_of("/()[]-+^.0123456789", i), spaced.size());
        if (j > i) {
            const std::string_view symbol(spaced.data() + i, j - i);
            if (std::find(unit_symbols.begin(), unit_symbols.end(), symbol) == unit_symbols.end()) return false;
            ++symbols;
        }
        i = j + 1;
    }
    return symbols > 0 && spaced.find('[') == std::string::npos;
}

std::vector<std::size_t> line_breaks(std::string_view text, std::int32_t room,
                                     const std::function<std::int32_t(std::size_t, std::size_t)>& width)
{
    const std::vector<Word> words = words_of(text);
    const std::size_t n = words.size();
    // What each word shows, read once.
    struct Reading {
        bool number, unit, op, label, value;
    };
    std::vector<Reading> read(n);
    std::string buffer;
    for (std::size_t k = 0; k < n; ++k) {
        const std::string_view shown = visible(text.substr(words[k].begin, words[k].end - words[k].begin), buffer);
        const bool number = is_number_word(shown);
        // "@iV@ =21.8": the value's "=" keeps the name it gives the value to.
        read[k] = {number, k > 0 && read[k - 1].number && is_unit_word(shown), is_operator_word(shown),
                   !shown.empty() && shown.back() == ':', shown.size() > 1 && shown.starts_with('=')};
    }
    // bound[k]: no break between words k and k + 1.
    std::vector<bool> bound(n, false);
    for (std::size_t k = 0; k + 1 < n; ++k)
        bound[k] = (read[k].label && read[k + 1].number) || read[k + 1].unit || read[k + 1].value;
    // Formulas: terms joined by operators ("A + B = C", "K = 1.8•10@u-5@",
    // "-5.13•10@u19@ - 8.6•10@u18@", "2.7256 / 0.21"). A line ending in an
    // operator leaves the formula half read (one ending in "=" reads as a
    // finished one): a wider formula breaks only before its operators.
    for (std::size_t k = 1; k + 1 < n;) {
        if (!read[k].op || read[k - 1].op || read[k + 1].op) {
            ++k;
            continue;
        }
        const std::size_t first = k - 1;
        std::size_t last = k + 1;
        while (last + 2 < n && read[last + 1].op && !read[last + 2].op) last += 2;
        const bool fits = width(words[first].begin, words[last].end) <= room;
        for (std::size_t j = first; j < last; ++j)
            if (fits || !read[j + 1].op) bound[j] = true;
        k = last + 1;
    }
    std::vector<std::size_t> breaks;
    std::size_t w = 0;
    bool inside_code = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '@') inside_code = !inside_code;
        if (text[i] != ' ' || inside_code) continue;
        while (w < n && words[w].end <= i) ++w;
        // A run of blanks is one break, at its end, so that a line gains one
        // gap there; blanks before the first word stay part of it.
        const bool run_goes_on = i + 1 < text.size() && text[i + 1] == ' ';
        if (i == 0 || (w > 0 && w < n && !bound[w - 1] && !run_goes_on)) breaks.push_back(i);
    }
    breaks.push_back(text.size());
    return breaks;
}
