#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string_view>

#include "numbers/formatted_conversions.h"
#include "numbers/formatted_decimal.h"

namespace {

constexpr int widest_field = 255;

std::string asterisks(int width)
{
    return std::string(static_cast<std::size_t>(width), '*');
}

// The parts of a field written one after the other, right-aligned; a field
// is built in one go, as most are longer than a short string holds inline.
std::string right_aligned(std::initializer_list<std::string_view> parts, int width)
{
    std::size_t size = 0;
    for (const std::string_view part : parts) size += part.size();
    if (size > static_cast<std::size_t>(width)) return asterisks(width);
    std::string field(static_cast<std::size_t>(width), ' ');
    char* end = field.data() + (field.size() - size);
    for (const std::string_view part : parts) end = std::copy(part.begin(), part.end(), end);
    return field;
}

std::string_view sign_of(double value)
{
    return std::signbit(value) ? "-" : "";
}

bool bad_width(int width)
{
    return width <= 0 || width > widest_field;
}

// NaN and the infinities, as the reference processor writes them.
std::string non_finite(double value, int width)
{
    if (std::isnan(value)) return right_aligned({"NaN"}, width);
    const bool negative = value < 0;
    if (width >= 8 + negative) return right_aligned({negative ? "-Infinity" : "Infinity"}, width);
    return right_aligned({negative ? "-Inf" : "Inf"}, width);
}

// The optional zero before the point goes in only when the field has room.
std::string with_optional_zero(double value, std::string_view digits_after_point, std::string_view exponent, int width)
{
    const std::string_view sign = sign_of(value);
    const bool zero_fits = static_cast<int>(sign.size() + 2 + digits_after_point.size() + exponent.size()) <= width;
    return right_aligned({sign, zero_fits ? "0." : ".", digits_after_point, exponent}, width);
}

// Room for the letter, the sign and as many digits as any field holds.
using ExponentText = std::array<char, widest_field + 2>;

// The exponent part of E and ES fields; empty when it cannot be written.
std::string_view exponent_field(int exponent, int exponent_digits, ExponentText& field)
{
    const int magnitude = std::abs(exponent);
    char digits[12];
    const auto length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
    int shown = exponent_digits;
    std::size_t size = 0;
    if (exponent_digits == 0) {
        if (magnitude > 999) return {};
        shown = magnitude <= 99 ? 2 : 3;
        if (magnitude <= 99) field[size++] = 'E';
    } else {
        if (length > exponent_digits || exponent_digits > widest_field) return {};
        field[size++] = 'E';
    }
    field[size++] = exponent < 0 ? '-' : '+';
    for (int i = length; i < shown; ++i) field[size++] = '0';
    for (int i = 0; i < length; ++i) field[size++] = digits[i];
    return {field.data(), size};
}

}  // namespace

std::string format_i(std::int32_t value, int width)
{
    if (bad_width(width)) return asterisks(std::max(width, 0));
    char digits[12];
    const char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return right_aligned({std::string_view(digits, static_cast<std::size_t>(end - digits))}, width);
}

std::string format_z(std::int32_t value, int width)
{
    if (bad_width(width)) return asterisks(std::max(width, 0));
    char text[8];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<std::uint32_t>(value), 16).ptr;
    std::string hex(text, end);
    for (char& c : hex)
        if (c >= 'a') c = static_cast<char>(c - 'a' + 'A');
    return right_aligned({hex}, width);
}

std::string format_f(double value, int width, int decimals)
{
    if (bad_width(width) || decimals < 0 || decimals + 1 > width) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    const double magnitude = std::fabs(value);
    // More integer digits than the field holds: no need to write them out.
    if (magnitude >= 1.0 && std::log10(magnitude) >= width) return asterisks(width);
    const FixedDigits fixed = round_fixed(magnitude, decimals);
    if (fixed.integer_part == "0" && decimals > 0) return with_optional_zero(value, fixed.fraction, "", width);
    return right_aligned({sign_of(value), fixed.integer_part, ".", fixed.fraction}, width);
}

std::string format_e(double value, int width, int decimals, int exponent_digits)
{
    if (bad_width(width) || decimals + 2 > width) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    // "(eW.0)" has no digit to show; one digit is the nearest sound reading.
    if (decimals < 1) decimals = 1;
    SignificantDigits rounded{std::string(static_cast<std::size_t>(decimals), '0'), 0};
    if (value != 0.0) rounded = round_significant(std::fabs(value), decimals);
    ExponentText text;
    const std::string_view exponent = exponent_field(rounded.exponent, exponent_digits, text);
    if (exponent.empty()) return asterisks(width);
    return with_optional_zero(value, rounded.digits, exponent, width);
}

std::string format_es(double value, int width, int decimals)
{
    if (bad_width(width) || decimals < 0 || decimals + 2 > width) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    SignificantDigits rounded{std::string(static_cast<std::size_t>(decimals) + 1, '0'), 1};
    if (value != 0.0) rounded = round_significant(std::fabs(value), decimals + 1);
    ExponentText text;
    const std::string_view exponent = exponent_field(rounded.exponent - 1, 0, text);
    if (exponent.empty()) return asterisks(width);
    const std::string_view digits = rounded.digits;
    return right_aligned({sign_of(value), digits.substr(0, 1), ".", digits.substr(1), exponent}, width);
}

std::string format_g(double value, int width, int decimals)
{
    if (bad_width(width) || decimals < 1) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    constexpr int trailing_blanks = 4;
    const std::string blanks(trailing_blanks, ' ');
    if (value == 0.0) {
        if (width <= trailing_blanks) return asterisks(width);
        return format_f(value, width - trailing_blanks, decimals - 1) + blanks;
    }
    // The form is chosen on the value rounded to its shown digits.
    const int exponent = round_significant(std::fabs(value), decimals).exponent;
    if (exponent < 0 || exponent > decimals) return format_e(value, width, decimals);
    if (width <= trailing_blanks) return asterisks(width);
    const std::string fixed = format_f(value, width - trailing_blanks, decimals - exponent);
    if (fixed.front() == '*') return asterisks(width);
    return fixed + blanks;
}
