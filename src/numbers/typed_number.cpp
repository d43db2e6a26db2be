#include "numbers/typed_number.h"

#include <algorithm>
#include <string>

#include "numbers/formatted_conversions.h"

namespace {

// The field's one number with a point for its comma; nullopt when the field
// holds anything a list-directed read would take only in part.
std::optional<std::string> single_number(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.find_first_of(" \t/*") != std::string_view::npos) return std::nullopt;
    std::string number(text);
    const auto commas = std::count(number.begin(), number.end(), ',');
    if (commas > 1 || (commas == 1 && number.find('.') != std::string::npos)) return std::nullopt;
    std::replace(number.begin(), number.end(), ',', '.');
    return number;
}

}  // namespace

std::optional<double> read_typed_double(std::string_view text)
{
    const auto number = single_number(text);
    return number ? read_list_double(*number) : std::nullopt;
}

std::optional<float> read_typed_real(std::string_view text)
{
    const auto number = single_number(text);
    return number ? read_list_real(*number) : std::nullopt;
}
