#include <charconv>
#include <cstdint>
#include <string>
#include <system_error>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"

namespace {

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// The field with its blanks taken out; most fields have blanks only around
// the number, and those need no copy.
std::string_view without_blanks(std::string_view field, std::string& copy)
{
    const std::string_view trimmed = strip_blanks(field);
    if (trimmed.find(' ') == std::string_view::npos) return trimmed;
    copy.clear();
    for (char c : trimmed)
        if (c != ' ') copy += c;
    return copy;
}

// Room the rewritten number needs beyond the text's own characters: a sign,
// the letter and the exponent of a long.
constexpr std::size_t number_overhead = 24;

// The number of a real field as from_chars reads it ("-12345e-2") written
// to `out`, which holds text.size() + number_overhead characters; 0 when
// the text is not a number. Without a point the last `decimals` digits are
// the decimals.
std::size_t normalised_real(std::string_view text, int decimals, char* out)
{
    std::size_t i = 0;
    std::size_t size = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out[size++] = '-';
        ++i;
    }
    const std::size_t digits_start = size;
    int point_shift = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (is_digit(text[i])) {
            out[size++] = text[i];
            if (point) --point_shift;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (size == digits_start) return 0;
    long exponent = 0;
    if (i < text.size()) {
        const char letter = text[i];
        if (letter == 'e' || letter == 'E' || letter == 'd' || letter == 'D' || letter == 'q' || letter == 'Q')
            ++i;
        else if (letter != '+' && letter != '-')
            return 0;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        if (i == text.size()) return 0;
        for (; i < text.size(); ++i) {
            if (!is_digit(text[i])) return 0;
            // Beyond any float's range already; keep counting without overflow.
            if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    if (!point) point_shift = -decimals;
    out[size++] = 'e';
    return static_cast<std::size_t>(
        std::to_chars(out + size, out + text.size() + number_overhead, exponent + point_shift).ptr - out);
}

// Overflow is an error; underflow reads as zero of the right sign.
template <typename Real>
std::optional<Real> to_real(std::string_view number)
{
    if (number.empty()) return std::nullopt;
    Real value{};
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const auto e = number.find('e');
        const auto first = number.find_first_not_of("-0");
        long written_exponent = 0;
        std::from_chars(number.data() + e + 1, number.data() + number.size(), written_exponent);
        // Position of the leading nonzero digit, as a power of ten.
        const long order = first >= e ? -1000000 : static_cast<long>(e - first) + written_exponent;
        if (order > 0) return std::nullopt;
        return number.front() == '-' ? -Real{0} : Real{0};
    }
    if (result.ec != std::errc{} || result.ptr != number.data() + number.size()) return std::nullopt;
    return value;
}

// A real field or item; short texts are rewritten on the stack.
template <typename Real>
std::optional<Real> read_real(std::string_view text, int decimals)
{
    constexpr std::size_t short_text = 64;
    char on_stack[short_text + number_overhead];
    std::string long_text;
    char* out = on_stack;
    if (text.size() > short_text) {
        long_text.resize(text.size() + number_overhead);
        out = long_text.data();
    }
    return to_real<Real>({out, normalised_real(text, decimals, out)});
}

std::optional<std::int32_t> to_int(std::string_view text, int base)
{
    const bool plus = !text.empty() && text.front() == '+';
    if (plus) text.remove_prefix(1);
    if (text.empty() || text.front() == '+' || (text.front() == '-' && (plus || base != 10))) return std::nullopt;
    if (base == 16) {
        std::uint32_t bits = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), bits, 16);
        if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
        return static_cast<std::int32_t>(bits);
    }
    std::int32_t value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc{} || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

// The first item of a list-directed record; nullopt for a null item.
std::optional<std::string_view> first_item(std::string_view text)
{
    const auto begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return std::nullopt;
    text.remove_prefix(begin);
    std::string_view item = text.substr(0, text.find_first_of(" ,/"));
    // "r*c" repeats c; only the first value is wanted.
    if (const auto star = item.find('*'); star != std::string_view::npos) {
        if (!to_int(item.substr(0, star), 10)) return std::nullopt;
        item.remove_prefix(star + 1);
    }
    if (item.empty()) return std::nullopt;
    return item;
}

}  // namespace

std::optional<std::int32_t> read_i(std::string_view field)
{
    std::string copy;
    const std::string_view text = without_blanks(field, copy);
    if (text.empty()) return 0;
    return to_int(text, 10);
}

std::optional<std::int32_t> read_z(std::string_view field)
{
    std::string copy;
    const std::string_view text = without_blanks(field, copy);
    if (text.empty()) return 0;
    return to_int(text, 16);
}

std::optional<float> read_f(std::string_view field, int decimals)
{
    std::string copy;
    const std::string_view text = without_blanks(field, copy);
    if (text.empty()) return 0.0f;
    return read_real<float>(text, decimals);
}

std::optional<double> read_f_double(std::string_view field, int decimals)
{
    std::string copy;
    const std::string_view text = without_blanks(field, copy);
    if (text.empty()) return 0.0;
    return read_real<double>(text, decimals);
}

std::optional<std::int32_t> read_list_int(std::string_view text)
{
    const auto item = first_item(text);
    if (!item) return std::nullopt;
    return to_int(*item, 10);
}

std::optional<float> read_list_real(std::string_view text)
{
    const auto item = first_item(text);
    if (!item) return std::nullopt;
    return read_real<float>(*item, 0);
}

std::optional<double> read_list_double(std::string_view text)
{
    const auto item = first_item(text);
    if (!item) return std::nullopt;
    return read_real<double>(*item, 0);
}
