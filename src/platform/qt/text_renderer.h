#pragma once
// Fonts chosen by option texts and text drawn on the canvas image, without
// antialiasing, by the top-left corner of the text's cell.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
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
    // How many of the four faces (Arial, Times New Roman, Courier New,
    // Symbol) can be had.
    static std::int32_t available_faces();

private:
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    // A row's run of the pixels that a text sets, from the top-left corner of its cell.
    struct Span {
        std::int32_t y, x1, x2;
    };
    struct Shaped {
        std::int32_t width = 0;
        bool rendered = false;
        std::vector<Span> spans;  // once the text is drawn
    };
    struct Entry {
        QFont font;
        QFontMetrics metrics;
        bool symbol = false;
        std::int32_t ascent = 0;
        std::int32_t cell_height = 0;
        // Texts measured or drawn so far; the same words come back on every redraw.
        std::unordered_map<std::string, Shaped, TextHash, std::equal_to<>> shaped;
    };
    // A handle that names an entry: the font asked for, else the default
    // face, else 0 for the plain font.
    std::int32_t resolve(std::int32_t font);
    Entry& entry(std::int32_t handle);
    Shaped& shaped(Entry& entry, std::string_view text);
    void render(const Entry& entry, std::string_view text, Shaped& shaped) const;
    QString prepare(const Entry& entry, std::string_view text) const;

    std::vector<Entry> entries_;
    std::map<std::string, std::int32_t> handles_;  // by normalised option text
    std::string key_;                              // the option text being looked up
    std::optional<Entry> plain_;                   // when no face at all can be had
};

}  // namespace platform::qt
