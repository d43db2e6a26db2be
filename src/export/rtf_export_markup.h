// Problem markup as RTF text for the export documents.
#pragma once

#include <string>
#include <string_view>

// Subscript, superscript, Greek (Symbol font) and italic codes become RTF
// control words around their argument, each Greek letter written as its
// Unicode escape followed by its Symbol letter ("\u916 D"); every other code
// vanishes. An at sign with no closing one stays as text, as it is drawn,
// except a lone one at the end.
std::string convert_markup_to_rtf(std::string_view source);

// UTF-8 text as RTF text: "\", "{" and "}" escaped, characters of the
// documents' Windows-1252 code page as "\'hh", any other as "\uN?" (N the
// signed 16-bit code unit, "?" what a reader without Unicode shows), control
// characters as blanks and malformed bytes as the replacement character.
std::string rtf_text(std::string_view text);
