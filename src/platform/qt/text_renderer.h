#pragma once
// Fonts chosen by option texts and text drawn on the canvas image, without
// antialiasing, by the top-left corner of the text's cell. Each character's
// glyph is measured and drawn by the toolkit once per font; texts are put
// together from them.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/backend.h"

namespace platform::qt {

// Not thread-safe: the backend calls it under the canvas lock.
class TextRenderer {
public:
    // Positive handle, or -1 when the face's font family is not installed.
    std::int32_t select(const FontRequest& request);
    std::int32_t extent(std::int32_t font, std::string_view text);
    // Gives the text's extent.
    std::int32_t draw(QImage& image, const DrawState& state, std::string_view text);
    // The pixels draw would set, column by column (see qw_get_text_ink).
    std::vector<QwInkColumn> ink(std::int32_t font, std::string_view text);
    // Their extent and rows (see qw_get_text_rows).
    QwTextRows rows(std::int32_t font, std::string_view text);
    // The font that a handle draws with.
    const QFont& font(std::int32_t handle) { return entry(resolve(handle)).font; }
    // How many of the two faces the program draws with (Arial, Symbol) can
    // be had.
    static std::int32_t available_faces();

private:
    // A row's run of the pixels that a glyph sets, from the top-left corner
    // of its cell at the pen's position.
    struct Span {
        std::int32_t y, x1, x2;
    };
    struct Glyph {
        bool known = false;
        bool rendered = false;
        std::int32_t advance = 0;
        std::vector<Span> spans;  // once the glyph is drawn
        // The rows and columns the spans reach, from the cell's corner.
        std::int32_t top = 0, bottom = -1, left = 0, right = -1;
        // Its ink inside the rows of the text's box, kept with the spans:
        // the columns from ink_left on, and the rows of them all.
        std::int32_t ink_left = 0;
        std::vector<QwInkColumn> ink;
        QwInkColumn rows;
        // The same rows for a text to widen its own by min and max alone:
        // {max, min} when blank. And whether the ink keeps within the
        // advance and one column more (only once it is drawn).
        QwInkColumn reach;
        bool within = false;
    };
    struct Entry {
        QFont font;
        QFontMetrics metrics;
        bool symbol = false;
        std::int32_t ascent = 0;
        std::int32_t cell_height = 0;
        std::vector<Glyph> latin;  // by code point, below kLatinGlyphs
        std::unordered_map<char32_t, Glyph> others;
    };
    // A handle that names an entry: the font asked for, else the default
    // face, else 0 for the plain font.
    std::int32_t resolve(std::int32_t font);
    Entry& entry(std::int32_t handle);
    Glyph& glyph(Entry& entry, char32_t c);
    std::int32_t width(Entry& entry, std::string_view text);
    struct Fresh {
        char32_t c;
        Glyph* glyph;
    };
    void render(const Entry& entry, std::span<const Fresh> fresh) const;
    static void keep_ink(Glyph& glyph, std::int32_t cell_height);
    // Puts the text's glyphs, drawn, in line_ and gives its extent.
    std::int32_t line_up(Entry& entry, std::string_view text);
    // Calls f with each character's glyph, in order.
    template <class F>
    void for_each_glyph(Entry& entry, std::string_view text, F f);

    std::vector<Entry> entries_;
    std::map<std::string, std::int32_t> handles_;  // by normalised option text
    std::string key_;                              // the option text being looked up
    std::optional<Entry> plain_;                   // when no face at all can be had
    std::vector<const Glyph*> line_;               // the glyphs of the text being drawn
    std::vector<Fresh> fresh_;                     // those of them to be drawn first
};

}  // namespace platform::qt
