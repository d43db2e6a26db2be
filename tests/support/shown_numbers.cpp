#include "support/shown_numbers.h"

#include <algorithm>
#include <cmath>

#include "support/text_patterns.h"

namespace testing_support {

double Shown::unit() const
{
    return std::pow(10.0, last_place);
}

Shown shown(std::string_view markup)
{
    Shown s;
    std::string text(markup);
    if (!match_whole(text, "NUM")) {
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
    // Powers of ten survive the blanking of the codes as "e" exponents.
    std::string text = replace_all(std::string(markup), R"(•10@u(-?[0-9]+)@)", "e$1");
    text = replace_all(text, R"(@[^@]*@)", " ");
    std::vector<Shown> numbers;
    for (const Found& n : find_all(text, R"((-?(?:[0-9]+\.?[0-9]*|\.[0-9]+))(?:e(-?[0-9]+))?)"))
        numbers.push_back(shown(n[1] + (n.matched(2) ? "•10@u" + n[2] + "@" : "")));
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

::testing::AssertionResult within_data_rounding(const Shown& answer,
                                                const std::function<double(const std::vector<double>&)>& exact_of,
                                                const std::vector<Shown>& data)
{
    std::vector<double> values;
    for (const Shown& datum : data) values.push_back(datum.value);
    const double exact = exact_of(values);
    double tolerance = 0.51 * std::pow(10.0, answer.last_place) + 1e-5 * std::fabs(exact);
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::vector<double> moved = values;
        moved[i] += 0.5 * std::pow(10.0, data[i].last_place);
        tolerance += std::fabs(exact_of(moved) - exact);
    }
    if (std::fabs(answer.value - exact) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown " << answer.value << ", exact " << exact << ", tolerance "
                                         << tolerance;
}

::testing::AssertionResult digits_of_data(const Shown& answer,
                                          const std::function<double(const std::vector<double>&)>& exact_of,
                                          const std::vector<Shown>& data)
{
    std::vector<double> values;
    for (const Shown& d : data) values.push_back(d.value);
    const double exact = exact_of(values);
    double uncertainty = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::vector<double> moved = values;
        moved[i] -= std::copysign(3.0 * data[i].unit(), moved[i]);
        uncertainty += std::fabs(exact_of(moved) - exact);
    }
    if (!(uncertainty > 0.0) || !std::isfinite(uncertainty)) return ::testing::AssertionFailure() << "no uncertainty";
    const auto place = static_cast<std::int32_t>(std::floor(std::log10(uncertainty)));
    if (answer.last_place == place || answer.last_place == place + 1) return ::testing::AssertionSuccess();
    // An answer the data leave uncertain by more than itself still shows one digit.
    if (answer.first_place < place && answer.digits == 1) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "last digit at 10^" << answer.last_place << ", the data carry 10^" << place
                                         << " (uncertainty " << uncertainty << ")";
}

std::int32_t digits_for_uncertainty(double value, double u)
{
    const auto exponent = [](double x) { return static_cast<std::int32_t>(std::floor(std::log10(std::abs(x)))); };
    return std::max(1, exponent(value) - exponent(u) + 1);
}

std::int32_t digits_data_leave(const std::function<double(const std::vector<double>&)>& result_of,
                               const std::vector<Shown>& data)
{
    std::vector<double> values;
    for (const Shown& datum : data) values.push_back(datum.value);
    const double result = result_of(values);
    double u = 0.0;
    for (std::size_t i = 0; i < data.size(); ++i) {
        std::vector<double> moved = values;
        const double step = 3.0 * data[i].unit();
        moved[i] = moved[i] > 0.0 ? std::max(moved[i] - step, 0.0) : std::min(moved[i] + step, 0.0);
        const double change = std::abs(result_of(moved) - result);
        u += std::isfinite(change) ? change : std::abs(result);
    }
    return digits_for_uncertainty(result, u);
}

}  // namespace testing_support
