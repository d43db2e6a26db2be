// Character and text routines of the library; positions count from 1 and 0
// means "not found".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The character with code i (0..255); a negative i raises type 5, code 1 and
// gives the character with code 0. Codes above 255 keep their low byte.
char ACHAR(std::int32_t i);

// The code of c, with a..z folded to A..Z.
std::int32_t char_code_upper(char c);

// Position of the first occurrence of pattern in text; 0 when there is none
// or the pattern is empty.
std::int32_t find_substring(std::string_view text, std::string_view pattern);
std::int32_t find_substring_nocase(std::string_view text, std::string_view pattern);

// True when the two texts are equal but for the case of their letters.
bool compare_text_nocase(std::string_view a, std::string_view b);

// Position of the first character of text that is not in set; 0 when all are.
std::int32_t first_char_not_in(std::string_view text, std::string_view set);

// value right-aligned in a field of width characters (asterisks when it does
// not fit); needed receives the number of characters the value takes.
std::string int_to_text(std::int32_t value, std::int32_t width, std::int32_t& needed);

// value right-aligned in the six characters of the library's messages.
std::string field_of_six(std::int32_t value);

// Reads an optionally signed decimal whole number surrounded by blanks.
// error is 0 on success, 1 when the text is not such a number or exceeds
// IMACH(5) in magnitude (value is then 0).
void text_to_int(std::string_view text, std::int32_t& value, std::int32_t& error);

// Copies source(first..last) into target(target_first..target_last), cut to
// the target part or filled up with blanks. status 0 on success, -1 when the
// source bounds do not fit the source, -2 when the target bounds do not fit
// the target (nothing is copied then).
void copy_substring(std::string_view source, std::int32_t first, std::int32_t last, std::string& target,
                    std::int32_t target_first, std::int32_t target_last, std::int32_t& status);
