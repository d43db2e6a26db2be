// Numbers to text and back, exactly as the Fortran edit descriptors write and
// read them: right-aligned fields of the given width, a field too narrow is
// all asterisks, halves round away from zero on the exact binary value.
// A float argument converts exactly to double, as the formatted write does.
//
// Writes follow the processor that serves as reference: the optional zero
// before the point is written when the field has room for it, so an E field
// shows "0.12E+03" in a wide field and ".12E+03" in a tight one.
// Fields are 1 to 255 characters; a wider one comes back as asterisks.
//
// Reads return std::nullopt on text that is not a number of the required
// form; a blank field reads as 0 (blanks inside a field are ignored).
// A list-directed whole number written left-adjusted is std::to_string.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// "(iW)"
std::string format_i(std::int32_t value, int width);
// "(zW)": upper-case hexadecimal of the 32-bit pattern.
std::string format_z(std::int32_t value, int width);
// "(fW.D)"
std::string format_f(double value, int width, int decimals);
// "(eW.D)" with mantissa 0.ddd; exponent_digits 0 is the default exponent
// form (E+dd, or +ddd without the letter above 99); "(eW.DeX)" passes X.
// D = 0 has no digit to show and writes one.
std::string format_e(double value, int width, int decimals, int exponent_digits = 0);
// "(esW.D)": mantissa d.ddd, 1 <= |mantissa| < 10.
std::string format_es(double value, int width, int decimals);
// "(gW.D)": fixed form followed by four blanks within 0.1 <= |x| < 10^D
// (after rounding to D digits), the E form outside.
std::string format_g(double value, int width, int decimals);

// "(iW)" and "(zW)" on a field already cut to its width.
std::optional<std::int32_t> read_i(std::string_view field);
std::optional<std::int32_t> read_z(std::string_view field);
// "(fW.D)" (also "(eW.D)", which reads the same): a field without a point
// takes its last `decimals` digits as decimals; an exponent may follow.
std::optional<float> read_f(std::string_view field, int decimals);
std::optional<double> read_f_double(std::string_view field, int decimals);

// List-directed reads of the first item of a text (items end at a blank,
// a comma or a slash); an empty text has no item and reads as nullopt.
std::optional<std::int32_t> read_list_int(std::string_view text);
std::optional<float> read_list_real(std::string_view text);
std::optional<double> read_list_double(std::string_view text);
