#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "frame/formatted_conversions.h"
#include "frame/formatted_decimal.h"

namespace {

constexpr int widest_field = 255;

std::string asterisks(int width) { return std::string(static_cast<std::size_t>(width), '*'); }

std::string right_aligned(const std::string& text, int width)
{
    if (static_cast<int>(text.size()) > width) return asterisks(width);
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

bool bad_width(int width) { return width <= 0 || width > widest_field; }

// NaN and the infinities, as the reference processor writes them.
std::string non_finite(double value, int width)
{
    if (std::isnan(value)) return right_aligned("NaN", width);
    const std::string sign = value < 0 ? "-" : "";
    if (width >= static_cast<int>(sign.size()) + 8) return right_aligned(sign + "Infinity", width);
    return right_aligned(sign + "Inf", width);
}

// The optional zero before the point goes in only when the field has room.
std::string with_optional_zero(const std::string& sign, const std::string& rest, int width)
{
    const std::string full = sign + "0" + rest;
    if (static_cast<int>(full.size()) <= width) return right_aligned(full, width);
    return right_aligned(sign + rest, width);
}

std::string sign_of(double value) { return std::signbit(value) ? "-" : ""; }

// The exponent part of E and ES fields; empty when it cannot be written.
std::string exponent_field(int exponent, int exponent_digits)
{
    const int magnitude = std::abs(exponent);
    const char sign = exponent < 0 ? '-' : '+';
    std::string digits = std::to_string(magnitude);
    if (exponent_digits == 0) {
        if (magnitude <= 99) return std::string("E") + sign + (magnitude < 10 ? "0" : "") + digits;
        if (magnitude <= 999) return sign + digits;
        return {};
    }
    if (static_cast<int>(digits.size()) > exponent_digits) return {};
    return std::string("E") + sign + std::string(exponent_digits - digits.size(), '0') + digits;
}

}  // namespace

std::string format_i(std::int32_t value, int width)
{
    if (bad_width(width)) return asterisks(std::max(width, 0));
    return right_aligned(std::to_string(value), width);
}

std::string format_z(std::int32_t value, int width)
{
    if (bad_width(width)) return asterisks(std::max(width, 0));
    char text[8];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<std::uint32_t>(value), 16).ptr;
    std::string hex(text, end);
    for (char& c : hex)
        if (c >= 'a') c = static_cast<char>(c - 'a' + 'A');
    return right_aligned(hex, width);
}

std::string format_f(double value, int width, int decimals)
{
    if (bad_width(width) || decimals < 0 || decimals + 1 > width) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    const double magnitude = std::fabs(value);
    // More integer digits than the field holds: no need to write them out.
    if (magnitude >= 1.0 && std::log10(magnitude) >= width) return asterisks(width);
    const FixedDigits fixed = round_fixed(magnitude, decimals);
    const std::string rest = "." + fixed.fraction;
    if (fixed.integer_part == "0" && decimals > 0) return with_optional_zero(sign_of(value), rest, width);
    return right_aligned(sign_of(value) + fixed.integer_part + rest, width);
}

std::string format_e(double value, int width, int decimals, int exponent_digits)
{
    if (bad_width(width) || decimals + 2 > width) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    // "(eW.0)" has no digit to show; one digit is the nearest sound reading.
    if (decimals < 1) decimals = 1;
    SignificantDigits rounded{std::string(static_cast<std::size_t>(decimals), '0'), 0};
    if (value != 0.0) rounded = round_significant(std::fabs(value), decimals);
    const std::string exponent = exponent_field(rounded.exponent, exponent_digits);
    if (exponent.empty()) return asterisks(width);
    return with_optional_zero(sign_of(value), "." + rounded.digits + exponent, width);
}

std::string format_es(double value, int width, int decimals)
{
    if (bad_width(width) || decimals < 0 || decimals + 2 > width) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    SignificantDigits rounded{std::string(static_cast<std::size_t>(decimals) + 1, '0'), 1};
    if (value != 0.0) rounded = round_significant(std::fabs(value), decimals + 1);
    const std::string exponent = exponent_field(rounded.exponent - 1, 0);
    if (exponent.empty()) return asterisks(width);
    return right_aligned(sign_of(value) + rounded.digits.substr(0, 1) + "." +
                             rounded.digits.substr(1) + exponent,
                         width);
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
