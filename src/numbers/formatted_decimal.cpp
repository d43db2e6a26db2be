#include "numbers/formatted_decimal.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// std::to_chars breaks exact ties to even; the writes break them away from
// zero. A tie is only possible where the exact binary value ends, so it is
// found from the value's bits and then settled on the exact digits.

// The value as odd_mantissa * 2^exponent.
struct BinaryParts {
    std::uint64_t odd_mantissa;
    int exponent;
};

BinaryParts binary_parts(double magnitude)
{
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    constexpr std::uint64_t hidden_bit = std::uint64_t{1} << 52;
    const auto biased = static_cast<int>(bits >> 52);
    std::uint64_t m = bits & (hidden_bit - 1);
    int e = -1074;  // subnormal numbers
    if (biased != 0) {
        m |= hidden_bit;
        e = biased - 1075;
    }
    const int zeros = std::countr_zero(m);
    return {m >> zeros, e + zeros};
}

// Whether keeping digits down to the place 10^place drops exactly one half
// of that place. With m odd, m 2^k ends in a 5 at the place 10^k when k < 0;
// an integer m 2^k with k >= 0 ends in 5 10^k when 5^(k+1) divides m.
bool is_exact_half(double magnitude, int place)
{
    const auto [m, k] = binary_parts(magnitude);
    if (place != k + 1) return false;
    if (k < 0) return true;
    if (k + 1 > 27) return false;  // 5^28 exceeds any 53-bit mantissa
    std::uint64_t power = 1;
    for (int i = 0; i <= k; ++i) power *= 5;
    return m % power == 0;
}

// Adds one unit in the last digit; returns true when the carry ran out of
// the left end (the digits were all nines and are now all zeros).
bool increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// Sizes: 309 integer digits of the largest double, the decimals the callers
// ask (never beyond their field widths) and sign, point and exponent.
using Buffer = std::array<char, 512>;

std::string_view write_chars(Buffer& buffer, double magnitude, std::chars_format form, int precision)
{
    const auto result = precision < 0
                            ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, form)
                            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, form, precision);
    if (result.ec != std::errc{}) return {};
    return {buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data())};
}

// "d.ddde+XX" split into its digits and its scientific exponent.
SignificantDigits split_scientific(std::string_view text)
{
    SignificantDigits out;
    const auto e = text.find('e');
    out.digits.reserve(e);
    out.digits.push_back(text.front());
    if (e > 1) out.digits.append(text.substr(2, e - 2));
    int exponent = 0;
    const char* first = text.data() + e + 1;
    if (*first == '+') ++first;
    std::from_chars(first, text.data() + text.size(), exponent);
    out.exponent = exponent;
    return out;
}

// The exponent of the leading digit. log10 is trusted away from a power of
// ten; next to one the shortest form decides, as it never rounds up to it.
int leading_exponent(double magnitude)
{
    const double l = std::log10(magnitude);
    const double below = std::floor(l);
    if (l - below > 1e-9 && below + 1.0 - l > 1e-9) return static_cast<int>(below);
    Buffer buffer;
    return split_scientific(write_chars(buffer, magnitude, std::chars_format::scientific, -1)).exponent;
}

bool is_one_and_zeros(const std::string& digits)
{
    return digits.front() == '1' && digits.find_first_not_of('0', 1) == std::string::npos;
}

// Most numbers shown are rounded in exact integer arithmetic instead:
// magnitude * 10^s as the fraction numerator / denominator, whose quotient
// holds the digits and whose remainder decides the rounding.
using Wide = unsigned __int128;
// Numerators and denominators stay below 2^126, so twice a remainder fits.
constexpr int wide_bits = 126;
constexpr int widest_count = 19;  // 10^19 still fits in 64 bits
constexpr std::size_t wide_powers = 39;

constexpr std::array<Wide, wide_powers> wide_powers_of_ten = [] {
    std::array<Wide, wide_powers> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
    return powers;
}();

constexpr std::array<int, wide_powers> bits_of_powers_of_ten = [] {
    std::array<int, wide_powers> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i)
        for (Wide power = wide_powers_of_ten[i]; power != 0; power >>= 1) ++bits[i];
    return bits;
}();

struct Fraction {
    Wide numerator;
    Wide denominator;
};

// m 2^k 10^shift, or nothing when a part could pass wide_bits (a product
// has at most the bits of its factors together).
std::optional<Fraction> scaled(std::uint64_t m, int k, int shift)
{
    const auto up_tens = static_cast<std::size_t>(std::max(shift, 0));
    const auto down_tens = static_cast<std::size_t>(std::max(-shift, 0));
    if (up_tens >= wide_powers || down_tens >= wide_powers) return std::nullopt;
    const int up_bits = std::max(k, 0);
    const int down_bits = std::max(-k, 0);
    if (std::bit_width(m) + up_bits + bits_of_powers_of_ten[up_tens] > wide_bits ||
        1 + down_bits + bits_of_powers_of_ten[down_tens] > wide_bits)
        return std::nullopt;
    return Fraction{(Wide{m} << up_bits) * wide_powers_of_ten[up_tens],
                    (Wide{1} << down_bits) * wide_powers_of_ten[down_tens]};
}

// The quotient, rounded half away from zero.
Wide rounded_quotient(const Fraction& f, Wide& floor)
{
    Wide remainder = 0;
    if ((f.numerator >> 64) == 0 && (f.denominator >> 64) == 0) {
        // Most fractions fit in 64 bits, where dividing is much cheaper.
        const auto numerator = static_cast<std::uint64_t>(f.numerator);
        const auto denominator = static_cast<std::uint64_t>(f.denominator);
        floor = numerator / denominator;
        remainder = numerator % denominator;
    } else {
        floor = f.numerator / f.denominator;
        remainder = f.numerator - floor * f.denominator;
    }
    return 2 * remainder >= f.denominator ? floor + 1 : floor;
}

// Fills `out` and says true when the numbers involved fit.
bool round_significant_exactly(double magnitude, int count, SignificantDigits& out)
{
    if (count > widest_count) return false;
    const auto [m, k] = binary_parts(magnitude);
    // 2^e2 <= magnitude < 2^(e2 + 1): about e2 log10 2 (78913 / 2^18 is
    // log10 2 to 7 digits) is the leading exponent, or one off it.
    const int e2 = k + static_cast<int>(std::bit_width(m)) - 1;
    int leading = (e2 * 78913) >> 18;
    const Wide lowest = wide_powers_of_ten[static_cast<std::size_t>(count - 1)];
    const Wide limit = wide_powers_of_ten[static_cast<std::size_t>(count)];
    for (int attempt = 0; attempt < 3; ++attempt) {
        const auto fraction = scaled(m, k, count - 1 - leading);
        if (!fraction) return false;
        Wide floor = 0;
        Wide quotient = rounded_quotient(*fraction, floor);
        if (floor >= limit || floor < lowest) {
            leading += floor >= limit ? 1 : -1;
            continue;
        }
        if (quotient == limit) {
            quotient = lowest;
            ++leading;
        }
        char text[widest_count + 1];
        const auto end = std::to_chars(text, text + sizeof text, static_cast<std::uint64_t>(quotient)).ptr;
        out.digits.assign(text, end);
        out.exponent = leading + 1;
        return true;
    }
    return false;
}

// magnitude * 10^decimals rounded to a whole number into `out`, when that
// fits in 64 bits; magnitude greater than 0.
bool round_fixed_exactly(double magnitude, int decimals, FixedDigits& out)
{
    const auto [m, k] = binary_parts(magnitude);
    const auto fraction = scaled(m, k, decimals);
    if (!fraction) return false;
    Wide floor = 0;
    const Wide quotient = rounded_quotient(*fraction, floor);
    if ((quotient >> 64) != 0) return false;
    char text[widest_count + 2];
    const auto end = std::to_chars(text, text + sizeof text, static_cast<std::uint64_t>(quotient)).ptr;
    std::string digits(text, end);
    const auto kept = static_cast<std::size_t>(decimals);
    if (digits.size() <= kept) digits.insert(0, kept + 1 - digits.size(), '0');
    out.integer_part.assign(digits, 0, digits.size() - kept);
    out.fraction.assign(digits, digits.size() - kept);
    return true;
}

}  // namespace

SignificantDigits round_significant(double magnitude, int count)
{
    SignificantDigits out;
    if (round_significant_exactly(magnitude, count, out)) return out;
    // The rest goes through to_chars, its ties settled on the exact digits.
    Buffer buffer;
    out = split_scientific(write_chars(buffer, magnitude, std::chars_format::scientific, count - 1));
    // Unless the rounding carried into a new leading digit, its exponent is
    // the exponent of the leading digit; the shortest form never carries.
    int leading = out.exponent;
    if (is_one_and_zeros(out.digits)) leading = leading_exponent(magnitude);
    if (is_exact_half(magnitude, leading - count + 1)) {
        out = split_scientific(write_chars(buffer, magnitude, std::chars_format::scientific, count));
        out.digits.pop_back();  // the exact 5
        if (increment(out.digits)) {
            out.digits.front() = '1';
            ++out.exponent;
        }
    }
    ++out.exponent;  // from d.ddd to 0.dddd
    return out;
}

FixedDigits round_fixed(double magnitude, int decimals)
{
    FixedDigits out;
    if (magnitude > 0.0 && round_fixed_exactly(magnitude, decimals, out)) return out;
    // Through the scientific form, which is much faster than the fixed one:
    // rounded to the digits down to 10^-decimals.
    const int count = magnitude > 0.0 ? leading_exponent(magnitude) + 1 + decimals : 0;
    if (count >= 1) {
        SignificantDigits rounded = round_significant(magnitude, count);
        // A carry into a new leading digit leaves one zero to add.
        rounded.digits.resize(static_cast<std::size_t>(rounded.exponent + decimals), '0');
        if (rounded.exponent > 0) {
            out.integer_part = rounded.digits.substr(0, static_cast<std::size_t>(rounded.exponent));
            out.fraction = rounded.digits.substr(static_cast<std::size_t>(rounded.exponent));
        } else {
            out.integer_part.assign(1, '0');
            out.fraction = std::string(static_cast<std::size_t>(-rounded.exponent), '0') + rounded.digits;
        }
        return out;
    }
    // Below the last decimal place: zero or one unit of it.
    Buffer buffer;
    const bool half = magnitude > 0.0 && is_exact_half(magnitude, -decimals);
    std::string text(write_chars(buffer, magnitude, std::chars_format::fixed, half ? decimals + 1 : decimals));
    const auto point = text.find('.');
    out.integer_part = text.substr(0, point);
    if (point != std::string::npos) out.fraction = text.substr(point + 1);
    if (half) {
        out.fraction.pop_back();
        if (increment(out.fraction) && increment(out.integer_part))
            out.integer_part.insert(out.integer_part.begin(), '1');
    }
    return out;
}
