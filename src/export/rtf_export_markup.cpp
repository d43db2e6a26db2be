#include "export/rtf_export_markup.h"

#include <array>
#include <cstdint>
#include <optional>

#include "numbers/fixed_width.h"
#include "platform/font_options.h"

namespace {

constexpr char32_t replacement_character = 0xFFFD;

// Windows-1252 bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> cp1252_high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<unsigned> cp1252_byte(char32_t c)
{
    if (c >= 0xA0 && c <= 0xFF) return static_cast<unsigned>(c);
    for (unsigned i = 0; i < cp1252_high.size(); ++i) {
        if (cp1252_high[i] == c) return 0x80 + i;
    }
    return std::nullopt;
}

// The code point at text[at], advancing at past it; a malformed or cut
// sequence yields the replacement character and consumes one byte.
char32_t next_code_point(std::string_view text, std::size_t& at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned lead = byte(at);
    if (lead < 0x80) {
        ++at;
        return lead;
    }
    std::size_t length = 0;
    char32_t c = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, smallest = 0x10000;
    }
    if (length == 0 || at + length > text.size()) {
        ++at;
        return replacement_character;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) {
            ++at;
            return replacement_character;
        }
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++at;
        return replacement_character;
    }
    at += length;
    return c;
}

// "\uN" and what a reader without Unicode shows in its place.
void append_unicode_unit(std::string& out, std::uint32_t unit, std::string_view fallback = "?")
{
    out += "\\u" + std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit)));
    out += fallback;
}

void append_character(std::string& out, char32_t c)
{
    static constexpr char hex[] = "0123456789abcdef";
    if (c == '\\' || c == '{' || c == '}') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
        out += ' ';
    } else if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (const auto b = cp1252_byte(c)) {
        out += "\\'";
        out += hex[*b >> 4];
        out += hex[*b & 0xF];
    } else if (c <= 0xFFFF) {
        append_unicode_unit(out, c);
    } else {
        // Outside the 16-bit range readers expect a surrogate pair.
        const char32_t v = c - 0x10000;
        append_unicode_unit(out, 0xD800 + (v >> 10));
        append_unicode_unit(out, 0xDC00 + (v & 0x3FF));
    }
}

// A letter of the Symbol font as the Greek letter it stands for, followed
// by the letter itself: readers that know Unicode show the Greek letter in
// any font, older ones skip the escape and show the letter in Symbol.
void append_symbol_character(std::string& out, char32_t c)
{
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!letter) {
        append_character(out, c);
        return;
    }
    const std::string symbol(1, static_cast<char>(c));
    const std::string greek = platform::symbol_to_greek(symbol);
    std::size_t at = 0;
    append_unicode_unit(out, next_code_point(greek, at), " " + symbol);
}

std::string rtf_symbol_text(std::string_view text)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) append_symbol_character(out, next_code_point(text, at));
    return out;
}

struct RtfCode {
    char letter;
    std::string_view before;
    std::string_view after;
    std::string (*argument)(std::string_view);
};

constexpr std::array<RtfCode, 4> rtf_codes = {{
    {'d', "\\sub ", "\\nosupersub ", rtf_text},
    {'u', "\\super ", "\\nosupersub ", rtf_text},
    {'b', "\\i\\f1 ", "\\i0\\f0 ", rtf_symbol_text},
    {'i', "\\i ", "\\i0 ", rtf_text},
}};

}  // namespace

std::string rtf_text(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) append_character(out, next_code_point(text, at));
    return out;
}

std::string convert_markup_to_rtf(std::string_view source)
{
    std::string out;
    out.reserve(source.size() + source.size() / 2);
    std::size_t at = 0;
    while (at < source.size()) {
        const std::size_t p = source.find('@', at);
        if (p == std::string_view::npos) {
            out += rtf_text(source.substr(at));
            break;
        }
        out += rtf_text(source.substr(at, p - at));
        const std::size_t q = source.find('@', p + 1);
        if (q == std::string_view::npos) {
            if (!strip_trailing_blanks(source.substr(p + 1)).empty()) out += rtf_text(source.substr(p));
            break;
        }
        const char letter = source[p + 1];
        for (const RtfCode& code : rtf_codes) {
            if (code.letter != letter) continue;
            out += code.before;
            out += code.argument(source.substr(p + 2, q - p - 2));
            out += code.after;
        }
        at = q + 1;
    }
    return out;
}
