// Fixed-width records read by column, counted from 1 as the tables are
// written. Columns past the end of a record read as blanks (empty).
#pragma once

#include <string_view>

// Columns first..last (inclusive) of record.
std::string_view record_columns(std::string_view record, int first, int last);

// Record v (from 1) of width w in a text of consecutive records: it starts
// at column w v - (w - 1).
std::string_view record_at(std::string_view text, int width, int v);

// Without leading and trailing blanks (Fortran's adjustl then trim).
std::string_view strip_blanks(std::string_view text);
// Without trailing blanks only.
std::string_view strip_trailing_blanks(std::string_view text);
