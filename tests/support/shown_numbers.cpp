#include "support/shown_numbers.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>

#include "support/text_patterns.h"

namespace testing_support {

namespace {

std::vector<double> values_of(const std::vector<Shown>& data)
{
    std::vector<double> values;
    for (const Shown& datum : data) values.push_back(datum.value);
    return values;
}

// What result_of moves at most when each datum alone moves by each of
// `units` units of its last digit, away from zero (towards it for negative
// units, never past it), summed over the data; a move that leaves the
// result no value adds the whole result.
double summed_moves(const ResultOf& result_of, const std::vector<Shown>& data, std::initializer_list<double> units)
{
    const std::vector<double> values = values_of(data);
    const double result = result_of(values);
    double sum = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        double largest = 0.0;
        for (const double u : units) {
            std::vector<double> moved = values;
            moved[i] = std::copysign(std::max(std::abs(values[i]) + u * data[i].unit(), 0.0), values[i]);
            const double change = std::abs(result_of(moved) - result);
            largest = std::max(largest, std::isfinite(change) ? change : std::abs(result));
        }
        sum += largest;
    }
    return sum;
}

// Shown numbers are read by hand rather than by regular expressions: the
// sweeps read every page they draw, and a regex with its allocations cost
// them a tenth of their time. Each reader gives the end of what it reads
// from `at`, or npos where nothing is there.
constexpr std::string_view times_ten = "•10@u";

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t end_of_digits(std::string_view text, std::size_t at)
{
    while (at < text.size() && is_digit(text[at])) ++at;
    return at;
}

// "-?[0-9]+": a power of ten's exponent.
std::size_t end_of_exponent(std::string_view text, std::size_t at)
{
    if (at < text.size() && text[at] == '-') ++at;
    const std::size_t end = end_of_digits(text, at);
    return end == at ? std::string_view::npos : end;
}

// "-?(?:[0-9]+\.?[0-9]*|\.[0-9]+)": a number's digits, point and sign.
std::size_t end_of_decimal(std::string_view text, std::size_t at)
{
    if (at < text.size() && text[at] == '-') ++at;
    if (at < text.size() && is_digit(text[at])) {
        at = end_of_digits(text, at);
        return at < text.size() && text[at] == '.' ? end_of_digits(text, at + 1) : at;
    }
    if (at + 1 < text.size() && text[at] == '.' && is_digit(text[at + 1])) return end_of_digits(text, at + 1);
    return std::string_view::npos;
}

// A whole number_group: the decimal, then "•10@u", the exponent and "@".
bool is_shown_number(std::string_view text)
{
    const std::size_t end = end_of_decimal(text, 0);
    if (end == text.size()) return true;
    if (end == std::string_view::npos || !text.substr(end).starts_with(times_ten)) return false;
    const std::size_t exponent_end = end_of_exponent(text, end + times_ten.size());
    return exponent_end != std::string_view::npos && exponent_end + 1 == text.size() && text[exponent_end] == '@';
}

// The text with each "•10@u<exponent>@" written "e<exponent>", so that a
// power of ten survives the blanking of the codes.
std::string exponents_as_e(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at).starts_with(times_ten)) {
            const std::size_t start = at + times_ten.size();
            const std::size_t end = end_of_exponent(text, start);
            if (end != std::string_view::npos && end < text.size() && text[end] == '@') {
                out += 'e';
                out.append(text.substr(start, end - start));
                at = end + 1;
                continue;
            }
        }
        out += text[at++];
    }
    return out;
}

// The text with each markup code "@...@" a blank.
std::string codes_blanked(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        if (text[at] == '@')
            if (const std::size_t close = text.find('@', at + 1); close != std::string_view::npos) {
                out += ' ';
                at = close + 1;
                continue;
            }
        out += text[at++];
    }
    return out;
}

// The digits from value's leading one down to u's, one at least; value
// rounded at u's leading place first, so that a carry into a new power of
// ten (9.986 to the tenths is 10.0) adds the digit that keeps the place.
std::int32_t digits_for_uncertainty(double value, double u)
{
    const auto exponent = [](double x) { return static_cast<std::int32_t>(std::floor(std::log10(std::abs(x)))); };
    const std::int32_t place = exponent(u);
    const std::int32_t digits = exponent(value) - place + 1;
    if (digits < 1) return 1;
    const double step = std::pow(10.0, place);
    return exponent(std::round(std::abs(value) / step) * step) - place + 1;
}

}  // namespace

double Shown::unit() const
{
    return std::pow(10.0, last_place);
}

Shown shown(std::string_view markup)
{
    Shown s;
    std::string text(markup);
    if (!is_shown_number(text)) {
        ADD_FAILURE() << "not a number: \"" << text << "\"";
        s.value = std::nan("");
        return s;
    }
    std::int32_t exponent = 0;
    if (const auto dot = text.find("•10@u"); dot != std::string::npos) {
        exponent = std::stoi(text.substr(dot + std::string("•10@u").size()));
        text.resize(dot);
    }
    const bool negative = text[0] == '-';
    if (negative) text.erase(0, 1);
    const auto point = text.find('.');
    const std::int32_t decimals = point == std::string::npos ? 0 : static_cast<std::int32_t>(text.size() - point - 1);
    std::string digits = text;
    if (point != std::string::npos) digits.erase(point, 1);
    const std::int32_t integer_digits = static_cast<std::int32_t>(point == std::string::npos ? text.size() : point);
    const auto first = digits.find_first_not_of('0');
    s.significand = first == std::string::npos ? "0" : digits.substr(first);
    s.digits = static_cast<std::int32_t>(s.significand.size());
    s.last_place = exponent - decimals;
    s.first_place =
        first == std::string::npos ? s.last_place : exponent + integer_digits - 1 - static_cast<std::int32_t>(first);
    s.value = std::stod(text) * std::pow(10.0, exponent) * (negative ? -1.0 : 1.0);
    return s;
}

double shown_value(std::string_view markup)
{
    return shown(markup).value;
}

std::vector<Shown> shown_numbers(std::string_view markup)
{
    const std::string text = codes_blanked(exponents_as_e(markup));
    std::vector<Shown> numbers;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = end_of_decimal(text, at);
        if (end == std::string::npos) {
            ++at;
            continue;
        }
        std::string number = text.substr(at, end - at);
        if (end < text.size() && text[end] == 'e')
            if (const std::size_t exponent_end = end_of_exponent(text, end + 1); exponent_end != std::string::npos) {
                number += std::string(times_ten) + text.substr(end + 1, exponent_end - end - 1) + "@";
                end = exponent_end;
            }
        numbers.push_back(shown(number));
        at = end;
    }
    return numbers;
}

std::vector<std::string> match(const std::string& text, const std::string& pattern)
{
    const std::optional<Found> found = find_first(text, pattern);
    if (!found) {
        ADD_FAILURE() << "no match for " << pattern << " in " << text;
        return std::vector<std::string>(20);
    }
    std::vector<std::string> result(found->groups.begin() + 1, found->groups.end());
    result.resize(20);
    return result;
}

::testing::AssertionResult within_last_digit(const Shown& answer, double exact, double units, double relative,
                                             double absolute)
{
    const double tolerance = units * answer.unit() + relative * std::fabs(exact) + absolute;
    if (std::isfinite(exact) && std::fabs(answer.value - exact) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown " << answer.value << ", exact " << exact << ", tolerance "
                                         << tolerance;
}

::testing::AssertionResult within_rounding(const Shown& answer, double exact, std::initializer_list<Shown> data)
{
    double relative = 1e-5;
    for (const Shown& datum : data)
        if (datum.value != 0.0) relative += 0.5 * std::pow(10.0, datum.last_place) / std::fabs(datum.value);
    const double tolerance = 0.51 * std::pow(10.0, answer.last_place) + relative * std::fabs(exact);
    if (std::fabs(answer.value - exact) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown " << answer.value << ", exact " << exact << ", tolerance "
                                         << tolerance;
}

::testing::AssertionResult within_data_rounding(const Shown& answer, const ResultOf& result_of,
                                                const std::vector<Shown>& data)
{
    const double exact = result_of(values_of(data));
    const double tolerance = 0.51 * answer.unit() + 1e-5 * std::fabs(exact) + summed_moves(result_of, data, {0.5});
    if (std::fabs(answer.value - exact) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown " << answer.value << ", exact " << exact << ", tolerance "
                                         << tolerance;
}

double rounding_spread(const ResultOf& result_of, const std::vector<Shown>& data)
{
    return summed_moves(result_of, data, {-0.5, 0.5});
}

::testing::AssertionResult digits_for(const Shown& answer, double value, double u, std::int32_t most)
{
    if (!std::isfinite(value) || value == 0.0 || !std::isfinite(u) || !(u > 0.0))
        return ::testing::AssertionFailure() << "no digits to count for " << value << " uncertain by " << u;
    constexpr double reach = 1e-6;
    std::int32_t fewest = most, most_found = 1;
    for (const double v : {value * (1.0 - reach), value * (1.0 + reach)})
        for (const double w : {u * (1.0 - reach), u * (1.0 + reach)}) {
            const std::int32_t d = std::min(most, digits_for_uncertainty(v, w));
            fewest = std::min(fewest, d);
            most_found = std::max(most_found, d);
        }
    if (answer.digits >= fewest && answer.digits <= most_found) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << answer.significand << " shows " << answer.digits << " digits, " << value
                                         << " uncertain by " << u << " keeps " << fewest
                                         << (fewest == most_found ? "" : " or " + std::to_string(most_found));
}

std::vector<double> first_order_parts(const ResultOf& result_of, const std::vector<Shown>& data,
                                      const std::vector<bool>& signed_data)
{
    const std::vector<double> values = values_of(data);
    const double value = result_of(values);
    std::vector<double> parts;
    for (std::size_t i = 0; i < data.size(); ++i) {
        const bool is_signed = i < signed_data.size() && signed_data[i];
        const double u = is_signed ? data[i].uncertainty() : std::min(data[i].uncertainty(), std::abs(values[i]));
        parts.push_back(0.0);
        if (u == 0.0) continue;
        // One side only: the sweeps run each formula once a datum, and the
        // two sides part by a hundredth of the curvature over u.
        const double step = 0.01 * u;
        std::vector<double> moved = values;
        moved[i] = values[i] + step;
        double slope = (result_of(moved) - value) / step;
        if (!std::isfinite(slope)) {
            moved[i] = values[i] - step;
            slope = (value - result_of(moved)) / step;
        }
        parts.back() = std::isfinite(slope) ? std::abs(slope) * u : std::abs(value);
    }
    return parts;
}

::testing::AssertionResult digits_of_data(const Shown& answer, const ResultOf& result_of,
                                          const std::vector<Shown>& data, std::int32_t most,
                                          const std::vector<bool>& signed_data)
{
    double u = 0.0;
    for (const double part : first_order_parts(result_of, data, signed_data)) u += part;
    const double value = result_of(values_of(data));
    // A slope's estimate, as the program's: the two part by a hundredth.
    for (const double scale : {0.99, 1.01})
        if (digits_for(answer, value, scale * u, most)) return ::testing::AssertionSuccess();
    return digits_for(answer, value, u, most);
}

}  // namespace testing_support
