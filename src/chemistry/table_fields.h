// Fields of the element and compound records as texts ready for a problem:
// the readers the statements and the chapters share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Element z's name (lower case) and symbol ("H", "He"), without trailing
// blanks, and its name with the tail of an articulated preposition, to
// follow a "d" or the like ("ello zinco", "ell'ossigeno").
std::string element_name(std::int32_t z);
std::string element_symbol(std::int32_t z);
std::string articulated_element_name(std::int32_t z);
// Columns first..last of element z's record, without any blanks around.
std::string element_field(std::int32_t z, int first, int last);
// The element of a two-character symbol (a one-letter symbol with or
// without its blank), or 0 when no element has it.
std::int32_t symbol_search(std::string_view symbol);
// Its electron configuration in markup: core and subshells, "[Ne]3s@u2@3p@u1@".
std::string electron_configuration(std::int32_t z);

// Compound k: whether its slot is filled (its name column), its name,
// formula, alternative name and composition without trailing blanks, and
// its class letter.
bool compound_present(std::int32_t k);
std::string compound_name(std::int32_t k);
std::string compound_formula(std::int32_t k);
std::string compound_alternative_name(std::int32_t k);
char compound_class(std::int32_t k);
std::string compound_composition(std::int32_t k);
// Columns first..last of compound k's record, without trailing blanks.
std::string compound_columns(std::int32_t k, int first, int last);
