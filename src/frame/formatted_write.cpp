#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "frame/formatted_conversions.h"
#include "frame/formatted_decimal.h"

namespace {

constexpr int widest_field = 255;

std::string asterisks(int width) { return std::string(static_cast<std::size_t>(width), '*'); }

std::string right_aligned(std::string_view text, int width)
{
    if (static_cast<int>(text.size()) > width) return asterisks(width);
    std::string field(static_cast<std::size_t>(width), ' ');
    field.replace(field.size() - text.size(), text.size(), text);
    return field;
}

// The text of a field before it is aligned; no field exceeds widest_field.
class FieldText {
public:
    FieldText& operator<<(std::string_view part)
    {
        const std::size_t n = std::min(part.size(), text_.size() - size_);
        part.copy(text_.data() + size_, n);
        size_ += n;
        return *this;
    }
    FieldText& operator<<(char c) { return *this << std::string_view(&c, 1); }
    std::string_view view() const { return {text_.data(), size_}; }
    std::size_t size() const { return size_; }

private:
    std::array<char, widest_field + 1> text_;  // only the first size_ are used
    std::size_t size_ = 0;
};

std::string_view sign_of(double value) { return std::signbit(value) ? "-" : ""; }

bool bad_width(int width) { return width <= 0 || width > widest_field; }

// NaN and the infinities, as the reference processor writes them.
std::string non_finite(double value, int width)
{
    if (std::isnan(value)) return right_aligned("NaN", width);
    const bool negative = value < 0;
    if (width >= 8 + negative) return right_aligned(negative ? "-Infinity" : "Infinity", width);
    return right_aligned(negative ? "-Inf" : "Inf", width);
}

// The optional zero before the point goes in only when the field has room.
std::string with_optional_zero(double value, std::string_view digits_from_point,
                               std::string_view exponent, int width)
{
    const bool zero_fits = static_cast<int>(sign_of(value).size() + 1 + digits_from_point.size() +
                                            exponent.size()) <= width;
    FieldText text;
    text << sign_of(value) << (zero_fits ? "0" : "") << digits_from_point << exponent;
    return right_aligned(text.view(), width);
}

// The exponent part of E and ES fields; empty when it cannot be written.
FieldText exponent_field(int exponent, int exponent_digits)
{
    const int magnitude = std::abs(exponent);
    const char sign = exponent < 0 ? '-' : '+';
    char digits[12];
    const auto length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
    int shown = exponent_digits;
    FieldText field;
    if (exponent_digits == 0) {
        if (magnitude > 999) return field;
        shown = magnitude <= 99 ? 2 : 3;
        if (magnitude <= 99) field << 'E';
    } else {
        if (length > exponent_digits) return field;
        field << 'E';
    }
    field << sign;
    for (int i = length; i < shown; ++i) field << '0';
    field << std::string_view(digits, static_cast<std::size_t>(length));
    return field;
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
    FieldText rest;
    rest << '.' << fixed.fraction;
    if (fixed.integer_part == "0" && decimals > 0) return with_optional_zero(value, rest.view(), "", width);
    FieldText text;
    text << sign_of(value) << fixed.integer_part << rest.view();
    return right_aligned(text.view(), width);
}

std::string format_e(double value, int width, int decimals, int exponent_digits)
{
    if (bad_width(width) || decimals + 2 > width) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    // "(eW.0)" has no digit to show; one digit is the nearest sound reading.
    if (decimals < 1) decimals = 1;
    SignificantDigits rounded{std::string(static_cast<std::size_t>(decimals), '0'), 0};
    if (value != 0.0) rounded = round_significant(std::fabs(value), decimals);
    const FieldText exponent = exponent_field(rounded.exponent, exponent_digits);
    if (exponent.size() == 0) return asterisks(width);
    FieldText rest;
    rest << '.' << rounded.digits;
    return with_optional_zero(value, rest.view(), exponent.view(), width);
}

std::string format_es(double value, int width, int decimals)
{
    if (bad_width(width) || decimals < 0 || decimals + 2 > width) return asterisks(std::max(width, 0));
    if (!std::isfinite(value)) return non_finite(value, width);
    SignificantDigits rounded{std::string(static_cast<std::size_t>(decimals) + 1, '0'), 1};
    if (value != 0.0) rounded = round_significant(std::fabs(value), decimals + 1);
    const FieldText exponent = exponent_field(rounded.exponent - 1, 0);
    if (exponent.size() == 0) return asterisks(width);
    const std::string_view digits = rounded.digits;
    FieldText text;
    text << sign_of(value) << digits.front() << '.' << digits.substr(1) << exponent.view();
    return right_aligned(text.view(), width);
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
