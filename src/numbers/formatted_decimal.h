// Decimal digits of a binary number rounded half away from zero, the
// rounding of the formatted writes. Internal to the formatted conversions.
#pragma once

#include <string>

// magnitude = 0.d1 d2 ... dn x 10^exponent, d1 != 0.
struct SignificantDigits {
    std::string digits;
    int exponent = 0;
};

// magnitude = integer_part.fraction; integer_part is "0" below 1.
struct FixedDigits {
    std::string integer_part;
    std::string fraction;
};

// magnitude must be finite and greater than 0; count at least 1.
SignificantDigits round_significant(double magnitude, int count);
// magnitude finite and not negative; decimals at least 0.
FixedDigits round_fixed(double magnitude, int decimals);
