// The renderer behind draw_markup_text, for the text engine's own layout
// routines: it can lay a text out without drawing it, and can remember how
// pieces of a paragraph measured as lines (a paragraph measured and then
// drawn, or laid out in several widths, measures the same pieces each time).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/graphics.h"
#include "text/fonts_colours.h"

// What measuring a piece of text as a line of its own, started in a
// numbered font, left behind: the pen, and the fonts and colours it chose.
struct LineEnd {
    QwPoint position;
    RendererState renderer;
    std::int32_t colour = 0;
};

class LineMemo {
public:
    const LineEnd* find(std::int32_t font_number, std::string_view piece) const;
    void remember(std::int32_t font_number, std::string_view piece, const LineEnd& end);

private:
    // Looked up by the piece itself: no key is built for a lookup.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::unordered_map<std::int32_t, std::unordered_map<std::string, LineEnd, TextHash, std::equal_to<>>> lines_;
};

enum class MarkupPass {
    draw,     // draw the text
    measure,  // only move the current position to where drawing would leave it
};

float render_markup(std::int32_t x, std::int32_t y, std::string_view text, MarkupPass pass);

// Draws or measures a justified paragraph (see draw_justified_text) and
// returns the platform's current position afterwards. Passes over the same
// text can share one memo.
QwPoint lay_out_paragraph(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                          MarkupPass pass, LineMemo& memo);

// The width of the widest piece of a paragraph that no line break parts
// (equations taken as breakable): a narrower box makes a piece overflow.
std::int32_t widest_unbreakable_piece(std::string_view text, LineMemo& memo);
