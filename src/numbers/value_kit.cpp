#include "numbers/value_kit.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

float power_of_ten(std::int32_t e)
{
    // The nearest REAL to the exact power, for every exponent a REAL can hold.
    return static_cast<float>(std::pow(10.0, static_cast<double>(e)));
}

float draw_mantissa()
{
    return random_real(1.0f, mantissa_top);
}

float draw_scaled_exponent_first(std::int32_t lo, std::int32_t hi, float top)
{
    const std::int32_t e = random_int(lo, hi);
    return random_real(1.0f, top) * power_of_ten(e);
}

float draw_scaled_mantissa_first(std::int32_t lo, std::int32_t hi)
{
    const float m = draw_mantissa();
    return m * power_of_ten(random_int(lo, hi));
}

float apply_random_sign(float value, std::int32_t negating_draw)
{
    return random_int(1, 2) == negating_draw ? -value : value;
}

void set_slot_digits(std::int32_t slot, float value, std::int32_t digits)
{
    value_slots[slot].value = value;
    convert_data_slot(slot, digits);
}

void set_slot_uncertainty(std::int32_t slot, float value, float uncertainty)
{
    value_slots[slot].value = value;
    value_slots[slot].uncertainty = uncertainty;
    convert_data_slot(slot, slot_digits_from_uncertainty);
}

void set_slot_text(std::int32_t slot, std::string_view text)
{
    value_slots[slot].input_text = std::string(text);
    convert_data_slot(slot, slot_digits_from_text);
}

namespace {

// Three units of the last digit the slot shows, as a student reads a datum:
// "0.0" shows its last digit where "1.0" does, though its 0.00E+00 writes
// the exponent of 0.1.
double printed_uncertainty(std::int32_t slot)
{
    const ValueSlot& s = value_slots[slot];
    const std::int32_t exponent =
        slot_value_as_shown(slot) == 0.0f ? 1 : read_i(record_columns(s.input_text, 18, 20)).value_or(0);
    return 3.0 * std::pow(10.0, exponent - s.digits);
}

// The value's uncertainty summed to first order: each datum's three units of
// its last digit shown (never past zero for an unsigned datum, which a mass
// or a concentration does not cross: one at zero adds nothing) times the
// value's slope in it, taken over a hundredth of that either side (one side
// where the other leaves the value's domain; a datum where neither holds
// leaves the value no digit).
double first_order_uncertainty(std::initializer_list<std::int32_t> data_slots,
                               std::initializer_list<std::int32_t> signed_slots,
                               const std::function<double(const std::vector<double>&)>& value_of,
                               const std::vector<double>& data, double value)
{
    const std::vector<std::int32_t> slots(data_slots);
    double sum = 0.0;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const bool is_signed = std::ranges::find(signed_slots, slots[i]) != signed_slots.end();
        const double printed = printed_uncertainty(slots[i]);
        const double u = is_signed ? printed : std::min(printed, std::abs(data[i]));
        if (u == 0.0) continue;
        const double step = 0.01 * u;
        std::vector<double> moved = data;
        moved[i] = data[i] + step;
        const double above = value_of(moved);
        moved[i] = data[i] - step;
        const double below = value_of(moved);
        double slope = (above - below) / (2.0 * step);
        if (!std::isfinite(slope)) slope = std::isfinite(above) ? (above - value) / step : (value - below) / step;
        sum += std::isfinite(slope) ? std::abs(slope) * u : std::abs(value);
    }
    return sum;
}

}  // namespace

void set_slot_from_data(std::int32_t slot, std::initializer_list<std::int32_t> data_slots,
                        std::initializer_list<std::int32_t> signed_slots,
                        const std::function<double(const std::vector<double>&)>& value_of, std::int32_t most)
{
    std::vector<double> data;
    for (const std::int32_t d : data_slots) data.push_back(slot_value_as_shown(d));
    const double value = value_of(data);
    assert(std::isfinite(value));
    const auto uncertainty =
        static_cast<float>(first_order_uncertainty(data_slots, signed_slots, value_of, data, value));
    set_slot_uncertainty(slot, static_cast<float>(value), uncertainty);
    value_slots[slot].first_order_uncertainty = uncertainty;
    if (slot_digits(slot) > most) {
        set_slot_digits(slot, slot_value(slot), most);
        value_slots[slot].first_order_uncertainty = uncertainty;
    }
}

void set_slot_from_data(std::int32_t slot, std::initializer_list<std::int32_t> data_slots,
                        const std::function<double(const std::vector<double>&)>& value_of)
{
    set_slot_from_data(slot, data_slots, {}, value_of);
}

void set_slot_from_data(std::int32_t slot, std::initializer_list<std::int32_t> data_slots,
                        const std::function<double(const std::vector<double>&)>& value_of, std::int32_t most)
{
    set_slot_from_data(slot, data_slots, {}, value_of, most);
}

float slot_value(std::int32_t slot)
{
    return value_slots[slot].value;
}

float slot_value_as_shown(std::int32_t slot)
{
    return read_list_real(value_slots[slot].input_text).value_or(slot_value(slot));
}

float slot_uncertainty(std::int32_t slot)
{
    return value_slots[slot].uncertainty;
}

float relative_uncertainty(std::int32_t slot)
{
    return slot_uncertainty(slot) / slot_value(slot);
}

float kelvin_relative_uncertainty(std::int32_t celsius_slot)
{
    return slot_uncertainty(celsius_slot) / (slot_value(celsius_slot) + celsius_zero_f);
}

std::int32_t exponent_of(float x)
{
    assert(std::isfinite(x) && x != 0.0f);
    return static_cast<std::int32_t>(std::floor(std::log10(std::fabs(x))));
}

void set_slot_to_place(std::int32_t slot, float value, std::int32_t place)
{
    const float step = power_of_ten(place);
    const float rounded = std::round(value / step) * step;
    set_slot_digits(slot, rounded, rounded == 0.0f ? 1 : std::max(exponent_of(rounded) - place + 1, 1));
}

void set_slot_to_exact_sum(std::int32_t slot, std::int32_t datum_slot, std::int64_t hundredths)
{
    // The datum as "(e20.n)" writes it: sign, 0.ddd mantissa and exponent.
    const std::string_view text = strip_blanks(value_slots[datum_slot].input_text);
    const auto point = text.find('.');
    const auto e = text.find('E');
    if (point == std::string_view::npos || e == std::string_view::npos) return;
    std::int64_t units = 0;
    for (const char digit : text.substr(point + 1, e - point - 1)) units = 10 * units + (digit - '0');
    if (text.front() == '-') units = -units;
    std::int32_t last = read_i(text.substr(e + 1)).value_or(0) - static_cast<std::int32_t>(e - point - 1);
    // Both at the finer of the two last places.
    while (last > -2) {
        units *= 10;
        --last;
    }
    for (std::int32_t p = last; p < -2; ++p) hundredths *= 10;
    const std::int64_t sum = units + hundredths;
    const std::int32_t place = exponent_of(slot_uncertainty(slot));
    std::int64_t step = 1;
    for (std::int32_t p = last; p < place; ++p) step *= 10;
    const std::int64_t whole = std::abs(sum) / step + (2 * (std::abs(sum) % step) >= step ? 1 : 0);
    const double rounded = static_cast<double>(sum < 0 ? -whole : whole) * std::pow(10.0, place);
    set_slot_to_place(slot, static_cast<float>(rounded), place);
}

void set_celsius_from_kelvin(std::int32_t slot, float kelvin, float uncertainty)
{
    set_slot_uncertainty(slot, kelvin, uncertainty);
    set_slot_to_place(slot, kelvin - celsius_zero_f, exponent_of(slot_value_as_shown(slot)) - slot_digits(slot) + 1);
}

bool uncertainty_exceeds_value(std::int32_t slot)
{
    const float magnitude = std::fabs(slot_value(slot));
    // The first-order sum is a slope's estimate: one within its rounding of
    // the magnitude holds (a datum uncertain by its whole self, converted,
    // sums to the value itself).
    // A fixed count rewrites the uncertainty of a slot worked from its data,
    // and a caller may add to it a part its data do not hold.
    const float first_order = value_slots[slot].first_order_uncertainty;
    if (first_order > 0.0f) return std::max(first_order, slot_uncertainty(slot)) > 1.00001f * magnitude;
    return slot_uncertainty(slot) > magnitude;
}

std::int32_t slot_digits(std::int32_t slot)
{
    return value_slots[slot].digits;
}

std::string slot_text(std::int32_t slot)
{
    return std::string(strip_blanks(value_slots[slot].display_text));
}

std::string celsius_text(std::int32_t slot)
{
    const std::string text = slot_text(slot);
    return text + (contains_power_of_ten(text) ? "@x2@@uo@C" : "@uo@C");
}

void show_whole_degrees(std::int32_t slot)
{
    const float value = slot_value(slot);
    if (value < 100.0f || value >= 10000.0f || value != std::round(value)) return;
    const std::int32_t whole_digits = value < 1000.0f ? 3 : 4;
    if (slot_digits(slot) < whole_digits) convert_data_slot(slot, whole_digits);
}

void append_piece(std::string& text, std::string_view piece)
{
    text.resize(strip_trailing_blanks(text).size());
    text += piece;
}

std::string power_of_ten_markup(std::int32_t e)
{
    return "•10@u" + whole_number_text(e) + "@";
}

std::string whole_number_text(std::int32_t n)
{
    return std::string(strip_blanks(format_i(n, 5)));
}

bool contains_power_of_ten(std::string_view markup)
{
    return markup.find("@u") != std::string_view::npos;
}
