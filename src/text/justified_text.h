// Paragraphs of markup text, wrapped between two x limits where line_breaks
// allows and fully justified, 16 pixels per line (more where the letters of
// two lines would meet, so that a blank pixel parts them); the last line, a
// line holding a single piece and one whose gaps would widen by a letter or
// more are ragged. A first piece wider than the limits takes the rest of
// the paragraph on its line.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/graphics.h"
#include "text/fonts_colours.h"
#include "text/markup_text.h"

// What measuring a piece of text as a line of its own, started in a
// numbered font, left behind: the platform's position and the pen, and the
// fonts and colours it chose.
struct LineEnd {
    QwPoint position;
    MarkupPen pen;
    RendererState renderer;
    std::int32_t colour = 0;
};

// A line of a paragraph as it starts: its text, and the fonts and colours
// in force.
struct LineStart {
    std::string text;
    RendererState renderer;
    std::int32_t font = 0;
    std::int32_t colour = 0;
    bool operator==(const LineStart&) const = default;
};

// One paragraph as laid out, and its pieces measured so far by font and
// place: a piece is [begin, end) of the paragraph as laid out. Given another
// paragraph, the memo forgets the last one.
class LineMemo {
public:
    // The text as laid out: a blank before it, none after it.
    std::string_view serve(std::string_view text);
    const LineEnd* find(std::int32_t font_number, std::size_t begin, std::size_t end) const;
    void remember(std::int32_t font_number, std::size_t begin, std::size_t end, const LineEnd& line_end);
    // The rows of a line's letters' ink, from the row of its pen, as a
    // pass over the paragraph found them; none for a line with a piece set
    // at a row of its own ("@Y").
    const QwInkColumn* find_rows(const LineStart& line) const;
    void remember_rows(const LineStart& line, const QwInkColumn& rows);
    // Where the text may break for a line room pixels wide started in a
    // numbered font: found by find the first time. A copy, which no later
    // call can move.
    std::vector<std::size_t> breaks(std::int32_t room, std::int32_t font_number,
                                    const std::function<std::vector<std::size_t>()>& find);

private:
    static std::uint64_t key(std::int32_t font_number, std::size_t begin, std::size_t end);

    std::string text_;
    std::string work_;
    std::unordered_map<std::uint64_t, LineEnd> lines_;
    std::vector<std::pair<LineStart, QwInkColumn>> rows_;  // a paragraph has few lines
    struct Breaks {
        std::int32_t room, font_number;
        std::vector<std::size_t> at;
    };
    std::vector<Breaks> breaks_;  // a paragraph is laid out at few widths
};

// Draws text with its first line at y and returns where the paragraph
// ends: y the top of its last line, x the end of that line.
QwPoint draw_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text);

// Lays the paragraph out as draw_justified_text would, without drawing it,
// and returns where the platform's current position then stands (as after
// drawing it): y the top of the last line, x the end of that line.
QwPoint measure_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text);

// As above, keeping in the memo what was measured: passes over the same
// text that share one memo measure its lines once.
QwPoint draw_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                            LineMemo& memo);
QwPoint measure_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                               LineMemo& memo);
