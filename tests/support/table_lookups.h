// The element and compound tables looked up as a student looks them up, by
// name, symbol or formula, with molar masses summed in double precision
// from the atomic masses the table writes.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace testing_support {

// The element of that name (columns 1-15) or symbol (16-17), 0 if none.
std::int32_t element_named(std::string_view name);
std::int32_t element_with_symbol(std::string_view symbol);
// Element z's symbol without the trailing blank.
std::string symbol_of(std::int32_t z);
// The symbol of the element of that name; a name the table lacks is a
// test failure.
std::string symbol_named(std::string_view name);
// The atomic mass as the table writes it (columns 21-30); by symbol, a
// symbol the table lacks is a test failure and weighs 0.
double atomic_mass(std::int32_t z);
double atomic_mass(std::string_view symbol);
// The atomic mass of the element of that name; a name the table lacks is a
// test failure and weighs 0.
double atomic_mass_named(std::string_view name);

// The compound of that name (columns 1-40) or formula (41-70), 0 if none.
std::int32_t compound_named(std::string_view name);
std::int32_t compound_with_formula(std::string_view formula);
// Compound k's composition string (columns 81-100): "Ca01O 02H 02".
std::string composition_of(std::int32_t k);
// Atoms per element symbol of a composition string.
std::map<std::string, std::int32_t> atoms_of(std::string_view composition);
// Its molar mass; 0 when a symbol is not an element's.
double composition_mass(std::string_view composition);

// A value as a data table writes it ("0.0621", "8.99e-6", "-2984."): its
// value and one unit of its last digit.
struct WrittenFigure {
    double value;
    double unit;
};
WrittenFigure written_figure(std::string_view text);

}  // namespace testing_support
