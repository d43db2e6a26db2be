#include "chemistry/table_fields.h"

#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "text/article_name.h"

namespace {

std::string element_columns(std::int32_t z, int first, int last)
{
    return std::string(strip_trailing_blanks(record_columns(element_record(z), first, last)));
}

}  // namespace

std::string element_name(std::int32_t z)
{
    return element_columns(z, 1, 15);
}

std::string element_symbol(std::int32_t z)
{
    return element_columns(z, 16, 17);
}

std::string articulated_element_name(std::int32_t z)
{
    return join_article_to_name(element_name(z));
}

std::string element_field(std::int32_t z, int first, int last)
{
    return std::string(strip_blanks(record_columns(element_record(z), first, last)));
}

std::string compound_columns(std::int32_t k, int first, int last)
{
    return std::string(strip_trailing_blanks(record_columns(compound_record(k), first, last)));
}

std::int32_t symbol_search(std::string_view symbol)
{
    // Element 0 is a blank record: a symbol outside the table names nothing.
    return find_element_by_symbol(symbol).value_or(0);
}

std::string electron_configuration(std::int32_t z)
{
    const std::string_view record = element_record(z);
    std::string text(strip_trailing_blanks(record_columns(record, 51, 54)));
    const std::string_view shells = strip_trailing_blanks(record_columns(record, 55, 70));
    for (std::size_t g = 0; g + 4 <= shells.size(); g += 4) {
        text += std::string(shells.substr(g, 2)) + "@u" + std::string(strip_blanks(shells.substr(g + 2, 2))) + "@";
    }
    return text;
}

bool compound_present(std::int32_t k)
{
    return !strip_blanks(record_columns(compound_record(k), 1, 1)).empty();
}

std::string compound_name(std::int32_t k)
{
    return compound_columns(k, 1, 40);
}

std::string compound_formula(std::int32_t k)
{
    return compound_columns(k, 41, 70);
}

std::string compound_alternative_name(std::int32_t k)
{
    return compound_columns(k, 101, 130);
}

char compound_class(std::int32_t k)
{
    const std::string_view column = record_columns(compound_record(k), 71, 71);
    return column.empty() ? ' ' : column.front();
}

std::string compound_composition(std::int32_t k)
{
    return compound_columns(k, 81, 100);
}
