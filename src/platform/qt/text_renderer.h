#pragma once
// Fonts chosen by option texts and text drawn on the canvas image, without
// antialiasing, by the top-left corner of the text's cell.

#include <QFont>
#include <QImage>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend.h"

namespace platform::qt {

class TextRenderer {
public:
    // Positive handle, or -1 when the face's font family is not installed.
    std::int32_t select(const FontRequest& request);
    std::int32_t extent(std::int32_t font, std::string_view text);
    void draw(QImage& image, const DrawState& state, std::string_view text);
    // How many of the four faces (Arial, Times New Roman, Courier New,
    // Symbol) can be had.
    std::int32_t available_faces();

private:
    struct Entry {
        QFont font;
        bool symbol = false;
        std::int32_t ascent = 0;
        std::int32_t cell_height = 0;
    };
    const Entry& entry(std::int32_t font);
    QString prepare(const Entry& entry, std::string_view text) const;

    std::vector<Entry> entries_;
    std::map<std::string, std::int32_t> handles_;  // by normalised option text
};

}  // namespace platform::qt
