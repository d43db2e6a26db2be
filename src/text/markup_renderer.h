// The renderer behind draw_markup_text, for the text engine's own layout
// routines: it can lay a text out without drawing it, and can remember the
// widths of pieces of text while one paragraph is laid out (a paragraph
// measures the same pieces again and again as its lines grow).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/graphics.h"

// Widths of text pieces in the font last selected through the text engine.
// The font is unknown until one is selected, and nothing is remembered then.
class ExtentMemo {
public:
    void font_selected(std::string_view options);
    std::int32_t extent(std::string_view text);

private:
    // Looked up by the piece itself: no key is built for a lookup.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    template <class Value>
    using ByText = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

    ByText<ByText<std::int32_t>> fonts_;  // widths by font options, then by text
    // The selected font's entry in fonts_ (whose entries never move); null: unknown.
    ByText<ByText<std::int32_t>>::value_type* font_ = nullptr;
};

enum class MarkupPass {
    draw,     // draw the text
    measure,  // only move the current position to where drawing would leave it
};

float render_markup(std::int32_t x, std::int32_t y, std::string_view text, MarkupPass pass, ExtentMemo* memo);

// Draws or measures a justified paragraph (see draw_justified_text) and
// returns the platform's current position afterwards. Passes over the same
// text can share one memo.
QwPoint lay_out_paragraph(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                          MarkupPass pass, ExtentMemo& memo);

// The width of the widest piece of a paragraph that no line break parts
// (equations taken as breakable): a narrower box makes a piece overflow.
std::int32_t widest_unbreakable_piece(std::string_view text, ExtentMemo& memo);
