// A number the user typed into a field, read as the field shows it. A
// decimal comma is a decimal point, so "1,5" is 1.5. A field that holds more
// than the one number (a second value, a comma beside a point as in
// "1.000,5", a repeat count) does not read at all: nothing is computed with a
// number other than the one the student sees.
#pragma once

#include <optional>
#include <string_view>

std::optional<double> read_typed_double(std::string_view text);
std::optional<float> read_typed_real(std::string_view text);
