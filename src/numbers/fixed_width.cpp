#include "numbers/fixed_width.h"

std::string_view record_columns(std::string_view record, int first, int last)
{
    if (first < 1) first = 1;
    if (last < first || static_cast<std::size_t>(first) > record.size()) return {};
    const std::size_t start = static_cast<std::size_t>(first) - 1;
    return record.substr(start, static_cast<std::size_t>(last - first + 1));
}

std::string_view record_at(std::string_view text, int width, int v)
{
    return record_columns(text, width * v - (width - 1), width * v);
}

std::string_view strip_trailing_blanks(std::string_view text)
{
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

std::string_view strip_blanks(std::string_view text)
{
    const auto begin = text.find_first_not_of(' ');
    return begin == std::string_view::npos ? std::string_view{} : strip_trailing_blanks(text.substr(begin));
}
