// The numbers layer: the random stream, Fortran-exact formatted conversions,
// value slots and column reading; this kit gathers the draws most problems
// make, numbers passed through value slots and small texts built from numbers.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// --- Draws ------------------------------------------------------------------

// The REAL 10.0 raised to the INTEGER e.
float power_of_ten(std::int32_t e);

// random_real (1.0, 9.99): the mantissa of a number in scientific notation.
inline constexpr float mantissa_top = 9.99f;
float draw_mantissa();

// m · 10^e with e drawn in [lo, hi] before the mantissa m = random_real
// (1.0, top); some problems draw shorter mantissas than draw_mantissa's.
float draw_scaled_exponent_first(std::int32_t lo, std::int32_t hi, float top = mantissa_top);
// m · 10^e with the mantissa m drawn before e in [lo, hi].
float draw_scaled_mantissa_first(std::int32_t lo, std::int32_t hi);

// Draws random_int (1, 2) and returns -value when the draw equals
// negating_draw, else value.
float apply_random_sign(float value, std::int32_t negating_draw = 1);

// --- Value slots ------------------------------------------------------------

// No count of digits set by the book: as many as the uncertainty leaves.
inline constexpr std::int32_t every_digit = 99;

// value, then convert_data_slot (slot, digits).
void set_slot_digits(std::int32_t slot, float value, std::int32_t digits);
// value and uncertainty, then convert_data_slot (slot, slot_digits_from_uncertainty).
void set_slot_uncertainty(std::int32_t slot, float value, float uncertainty);
// input_text, then convert_data_slot (slot, 0): a datum read from a table
// text, with the digits the text writes.
void set_slot_text(std::int32_t slot, std::string_view text);
// value_of (the values of data_slots as shown, in that order) into slot,
// with the uncertainty that three units of each datum's last digit add to it,
// summed to first order; the digits follow from that uncertainty. A mass or
// a concentration does not cross zero: a datum's three units stop there.
void set_slot_from_data(std::int32_t slot, std::initializer_list<std::int32_t> data_slots,
                        const std::function<double(const std::vector<double>&)>& value_of);
// The same with `most` digits at most, for an answer that the book shows
// with a fixed count; the first-order sum still decides a redraw.
void set_slot_from_data(std::int32_t slot, std::initializer_list<std::int32_t> data_slots,
                        const std::function<double(const std::vector<double>&)>& value_of, std::int32_t most);
// The same where the data of signed_slots (among data_slots) are signed, a
// temperature in °C or a potential: their three units count in full, "0.0
// °C" uncertain by 0.3 and "2 °C" by 3.
void set_slot_from_data(std::int32_t slot, std::initializer_list<std::int32_t> data_slots,
                        std::initializer_list<std::int32_t> signed_slots,
                        const std::function<double(const std::vector<double>&)>& value_of,
                        std::int32_t most = every_digit);
float slot_value(std::int32_t slot);
// The value as the slot's text shows it, rounded to its digits: what a
// student computes with (the value itself may hold more).
float slot_value_as_shown(std::int32_t slot);
float slot_uncertainty(std::int32_t slot);
// uncertainty / value, with the value's sign.
float relative_uncertainty(std::int32_t slot);
// A temperature's uncertainty relative to its absolute value, the slot
// holding it in °C: 62.4 °C is 335.55 ± 0.3 K, not 0.5 % uncertain.
float kelvin_relative_uncertainty(std::int32_t celsius_slot);
// The power of ten of x's first digit: 2 for 345, -3 for 0.00345. x must be
// finite and not zero, which has no first digit: every caller rules zero
// out, and the test build asserts it.
std::int32_t exponent_of(float x);
// The value rounded at 10^place, with the digits down to it.
void set_slot_to_place(std::int32_t slot, float value, std::int32_t place);
// The datum slot shows plus hundredths/100, worked as exact decimals and
// rounded half away from zero at the place of the first digit of the
// uncertainty the slot holds (1093.85 to the tenths is 1093.9), shown down to
// that place: a conversion between °C and kelvin as a student works it.
void set_slot_to_exact_sum(std::int32_t slot, std::int32_t datum_slot, std::int64_t hundredths);
// A temperature in °C worked out in kelvin, shown down to the place the
// kelvin value's uncertainty leaves, near 0 °C too.
void set_celsius_from_kelvin(std::int32_t slot, float kelvin, float uncertainty);
// True where the slot's own uncertainty, or for one worked from its data
// (set_slot_from_data) the first-order sum, exceeds its magnitude: such an answer
// says nothing (not even its sign), and its data are drawn again. An exact
// zero (no uncertainty) is an answer.
bool uncertainty_exceeds_value(std::int32_t slot);
std::int32_t slot_digits(std::int32_t slot);
// The slot's display text, left-adjusted and without trailing blanks.
std::string slot_text(std::int32_t slot);
// The slot's text and "°C": a power of ten stands a thin space from the
// degree sign, which would otherwise read as part of its exponent.
std::string celsius_text(std::int32_t slot);
// A whole number of degrees from 100 to 9999 shown in fewer digits than
// its whole part ("1.1•10@u2@"), written plainly ("110") as statements
// give temperatures; the value stays.
void show_whole_degrees(std::int32_t slot);

// --- Texts ------------------------------------------------------------------

// Appends piece after dropping the trailing blanks of text; a leading blank
// of the piece stays.
void append_piece(std::string& text, std::string_view piece);

// "•10@u<e>@", the power of ten as the value slots write it.
std::string power_of_ten_markup(std::int32_t e);

// A whole number as "(i5)" writes it, left-adjusted.
std::string whole_number_text(std::int32_t n);

// True when the markup holds a superscript, as a power of ten has.
bool contains_power_of_ten(std::string_view markup);
