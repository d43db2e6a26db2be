#include "support/table_lookups.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"

namespace testing_support {

namespace {

std::string_view element_columns(std::int32_t z, int first, int last)
{
    return strip_trailing_blanks(record_columns(element_record(z), first, last));
}

std::string_view compound_columns(std::int32_t k, int first, int last)
{
    return strip_trailing_blanks(record_columns(compound_record(k), first, last));
}

// The first of records 1 to `records` whose columns first..last hold key, 0 if none.
std::int32_t first_record(std::string_view (*columns)(std::int32_t, int, int), std::int32_t records, int first,
                          int last, std::string_view key)
{
    for (std::int32_t i = 1; i <= records; ++i)
        if (columns(i, first, last) == key) return i;
    return 0;
}

// Element z's atomic mass; z 0 (the element looked up as `key` was not
// found) is a test failure and weighs 0.
double atomic_mass_found(std::int32_t z, std::string_view key)
{
    if (z == 0) ADD_FAILURE() << "no element " << key;
    return z == 0 ? 0.0 : atomic_mass(z);
}

}  // namespace

std::int32_t element_named(std::string_view name)
{
    return first_record(element_columns, element_count, 1, 15, name);
}

std::int32_t element_with_symbol(std::string_view symbol)
{
    return first_record(element_columns, element_count, 16, 17, symbol);
}

std::string symbol_of(std::int32_t z)
{
    return std::string(element_columns(z, 16, 17));
}

std::string symbol_named(std::string_view name)
{
    const std::int32_t z = element_named(name);
    if (z == 0) ADD_FAILURE() << "no element named " << name;
    return z == 0 ? "" : symbol_of(z);
}

double atomic_mass(std::int32_t z)
{
    return std::stod(std::string(record_columns(element_record(z), 21, 30)));
}

double atomic_mass(std::string_view symbol)
{
    return atomic_mass_found(element_with_symbol(symbol), symbol);
}

double atomic_mass_named(std::string_view name)
{
    return atomic_mass_found(element_named(name), name);
}

std::int32_t compound_named(std::string_view name)
{
    return first_record(compound_columns, compound_slots, 1, 40, name);
}

std::int32_t compound_with_formula(std::string_view formula)
{
    return first_record(compound_columns, compound_slots, 41, 70, formula);
}

std::string composition_of(std::int32_t k)
{
    return std::string(compound_columns(k, 81, 100));
}

std::map<std::string, std::int32_t> atoms_of(std::string_view composition)
{
    std::map<std::string, std::int32_t> atoms;
    const std::string_view text = strip_trailing_blanks(composition);
    for (std::size_t at = 0; at + 4 <= text.size(); at += 4)
        atoms[std::string(strip_blanks(text.substr(at, 2)))] += std::stoi(std::string(text.substr(at + 2, 2)));
    return atoms;
}

double composition_mass(std::string_view composition)
{
    double mass = 0.0;
    for (const auto& [symbol, count] : atoms_of(composition)) {
        const std::int32_t z = element_with_symbol(symbol);
        if (z == 0) return 0.0;
        mass += count * atomic_mass(z);
    }
    return mass;
}

WrittenFigure written_figure(std::string_view text)
{
    const std::string written(text);
    const std::size_t e = written.find_first_of("eE");
    const std::string mantissa = written.substr(0, e);
    const int exponent = e == std::string::npos ? 0 : std::stoi(written.substr(e + 1));
    const std::size_t point = mantissa.find('.');
    const auto decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    return {std::stod(written), std::pow(10.0, exponent - decimals)};
}

}  // namespace testing_support
