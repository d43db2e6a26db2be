#pragma once
// Font option texts such as "t'Arial'h16be" and the faces they may name.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

struct FontRequest {
    std::string face;              // as written, e.g. "Arial"
    std::int32_t cell_height = 0;  // pixels, ascent + descent
    bool best_fit = false;
    bool bold = false;
    bool italic = false;
};

// Parses t'face', hN, b, e, i in any order, ignoring NUL and blank padding.
// A missing face or height, a height outside 1..1000, an unterminated quote
// or an unknown option letter gives nullopt.
std::optional<FontRequest> parse_font_options(std::string_view options);

// The option text that parses back to request: "t'face'hN", then b, e, i.
std::string font_options_text(const FontRequest& request);

// The font family that draws a face ("Arial" -> "Liberation Sans", ...);
// empty for a face that cannot be had. Case-insensitive.
std::string font_family_for_face(std::string_view face);

// True for the Symbol face, whose Latin letters stand for Greek ones.
bool is_symbol_face(std::string_view face);

// Maps a text in the Symbol encoding to UTF-8 Greek (a -> alpha, D -> Delta,
// ...); characters without a Greek counterpart are kept.
std::string symbol_to_greek(std::string_view text);

}  // namespace platform
