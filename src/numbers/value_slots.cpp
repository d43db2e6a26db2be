#include "numbers/value_slots.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"

ValueSlotTable value_slots;

namespace {

// The most digits that every field below can hold: "(e20.bb)", "(ES20.bb)"
// and a negative "(f15.bb)" two places below the point.
constexpr std::int32_t max_digits = 12;
constexpr std::string_view multiplication_dot = "\u2022";

std::int32_t clamp_digits(std::int32_t digits)
{
    return std::clamp(digits, 1, max_digits);
}

// Where the exponent of an E or ES field begins: at its "E", or, for an
// exponent of three digits, which takes the letter's place, at its sign.
std::optional<std::size_t> exponent_start(std::string_view text)
{
    if (const auto e = text.find('E'); e != std::string_view::npos) return e;
    const auto sign = text.find_last_of("+-");
    if (sign == std::string_view::npos || sign == 0) return std::nullopt;
    return sign;
}

// The exponent written at the end of an E or ES field.
std::optional<std::int32_t> exponent_after_e(std::string_view text)
{
    const auto start = exponent_start(text);
    if (!start) return std::nullopt;
    return read_i(strip_blanks(text.substr(text[*start] == 'E' ? *start + 1 : *start)));
}

// 10^n in single precision, by squaring.
float power_of_ten(std::int32_t n)
{
    float base = 10.0f;
    float result = 1.0f;
    for (auto m = static_cast<std::uint32_t>(n < 0 ? -static_cast<std::int64_t>(n) : n); m != 0; m >>= 1) {
        if (m & 1u) result *= base;
        base *= base;
    }
    // Past 10^38 the REAL overflows, but a smaller negative power still has one.
    if (n < 0 && std::isinf(result)) return static_cast<float>(std::pow(10.0, static_cast<double>(n)));
    return n < 0 ? 1.0f / result : result;
}

// Digits of a typed number: sign, exponent and point dropped, leading zeros
// not counted, trailing zeros counted. Empty when the text is not a number.
std::optional<std::int32_t> typed_digit_count(std::string_view text)
{
    std::string mantissa(strip_blanks(text));
    if (!mantissa.empty() && mantissa.front() == '-') mantissa.erase(0, 1);
    if (const auto e = mantissa.find_first_of("Ee"); e != std::string::npos && e > 0) mantissa.erase(e);
    if (const auto point = mantissa.find('.'); point != std::string::npos) mantissa.erase(point, 1);
    std::string_view item = strip_blanks(mantissa);
    item = item.substr(0, item.find_first_of(" ,/"));
    if (!item.empty() && item.front() == '+') item.remove_prefix(1);
    if (item.empty() || item.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
    const auto first = item.find_first_not_of('0');
    if (first == std::string_view::npos) return 1;
    return static_cast<std::int32_t>(item.size() - first);
}

std::string display_text_for(double value, std::int32_t digits)
{
    const std::string scientific_field = format_es(value, 20, digits - 1);
    const std::string_view scientific = strip_blanks(scientific_field);
    const auto e = exponent_after_e(scientific);
    if (!e) return "?";
    std::string text;
    if ((*e >= 0 && *e <= digits - 1 && *e <= 4) || *e == -1 || *e == -2)
        text = strip_blanks(format_f(value, 15, digits - 1 - *e));
    else
        text = scientific;
    if (text.starts_with('.'))
        text.insert(0, "0");
    else if (text.starts_with("-."))
        text.insert(1, "0");
    if (const auto mark = exponent_start(text); mark && text.find('.') < *mark) {
        char exponent[12];
        const auto end = std::to_chars(exponent, exponent + sizeof exponent, *e).ptr;
        text.resize(*mark);
        text.append(multiplication_dot).append("10@u").append(exponent, end).push_back('@');
    }
    if (text.ends_with('.')) text.pop_back();
    return text;
}

// A zero that a computation left negative is shown and kept as plain 0.
float without_negative_zero(float value)
{
    return value == 0.0f ? 0.0f : value;
}

void round_to_digits(ValueSlot& slot, std::int32_t n)
{
    slot.digits = clamp_digits(n);
    const float value = without_negative_zero(slot.value);
    slot.input_text = format_e(value, 20, slot.digits);
    if (!std::isfinite(value)) {
        slot.display_text = "?";
        return;
    }
    slot.value = read_f(slot.input_text, slot.digits).value_or(value);
    const std::int32_t exponent = read_i(record_columns(slot.input_text, 18, 20)).value_or(0);
    slot.uncertainty = 3.0f * power_of_ten(exponent - slot.digits);
    slot.display_text = display_text_for(slot.value, slot.digits);
}

// True where value rounded to `digits` significant digits carries into a
// new power of ten (9.986 to two digits is 10). Never at the most digits a
// slot shows.
bool rounding_carries(float value, std::int32_t digits)
{
    if (!std::isfinite(value) || value == 0.0f || digits >= max_digits) return false;
    const auto before = exponent_after_e(format_e(value, 20, 8));
    const auto after = exponent_after_e(format_e(value, 20, clamp_digits(digits)));
    return before && after && *after > *before;
}

void digits_from_uncertainty(ValueSlot& slot)
{
    const float value = without_negative_zero(slot.value);
    if (!std::isfinite(value) || !std::isfinite(slot.uncertainty)) {
        slot.digits = 1;
        slot.input_text = format_e(value, 20, slot.digits);
        slot.display_text = "?";
        return;
    }
    const std::int32_t e1 = exponent_after_e(format_e(value, 20, 8)).value_or(0);
    const std::int32_t e2 = exponent_after_e(format_e(slot.uncertainty, 20, 8)).value_or(0);
    slot.digits = clamp_digits(e1 - e2 + 1);
    slot.input_text = format_e(value, 20, slot.digits);
    // The last digit stands at the place of the uncertainty's first: where
    // rounding there carries into a new power of ten (9.986 to the tenths is
    // 10.0), the count takes the digit that keeps that place.
    if (e1 - e2 + 1 == slot.digits && rounding_carries(value, slot.digits)) {
        const float rounded = read_f(slot.input_text, slot.digits).value_or(value);
        ++slot.digits;
        slot.input_text = format_e(rounded, 20, slot.digits);
        slot.display_text = display_text_for(rounded, slot.digits);
        return;
    }
    slot.display_text = display_text_for(value, slot.digits);
}

}  // namespace

std::string significant_markup(double value, std::int32_t digits)
{
    if (!std::isfinite(value)) return "?";
    return display_text_for(value == 0.0 ? 0.0 : value, clamp_digits(digits));
}

void convert_data_slot(std::int32_t slot, std::int32_t mode)
{
    ValueSlot& s = value_slots[slot];
    s.first_order_uncertainty = 0.0f;
    if (mode <= slot_digits_from_uncertainty) {
        digits_from_uncertainty(s);
        return;
    }
    if (mode == slot_digits_from_text) {
        const auto value = read_list_real(s.input_text);
        const auto digits = typed_digit_count(s.input_text);
        // Not a number: shown as a plain 0 rather than stopping the program.
        s.value = value && digits ? *value : 0.0f;
        mode = value && digits ? *digits : 1;
    }
    round_to_digits(s, mode);
}
