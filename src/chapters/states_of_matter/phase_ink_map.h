// What is inked on the phase figure's plot area, its lines drawn by the
// canvas's own rasteriser, and whether any rectangle of it holds ink.
#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

#include "chapters/states_of_matter/phase_figure_pixels.h"
#include "platform/graphics.h"

namespace states_of_matter {

class InkMap {
public:
    void fill(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    void line(QwPoint a, QwPoint b);

    // A filled box kept beside the drawn pixels, which leaves the counts of what
    // is drawn standing: the marks, and the letters placed while the next is
    // sought.
    void add_box(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
    // A line, kept as a box when it runs along a row or a column.
    void add_line(QwPoint a, QwPoint b);

    // Whether ink lies in the rectangle (corners in order).
    bool inked(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const;
    // The last column of the rectangle that holds ink, which it must hold.
    std::int32_t last_inked_column(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const;
    // Whether ink lies within `reach` whole pixels of (x, y) along rows,
    // columns or diagonals. The first few are looked up pixel by pixel: a
    // mark that stands clear where it was drawn needs no counts.
    bool ink_within(std::int32_t x, std::int32_t y, std::int32_t reach) const;

private:
    struct Box {
        std::int32_t x1, y1, x2, y2;
    };
    static std::size_t at(std::int32_t x, std::int32_t y);
    static std::size_t pixel(std::int32_t x, std::int32_t y);
    // The inked pixels above and left of each corner.
    void count() const;

    std::vector<std::uint8_t> inked_ =
        std::vector<std::uint8_t>(static_cast<std::size_t>(figure_area::columns) * figure_area::rows, 0);
    std::vector<Box> boxes_;
    // The area holds fewer pixels than a 16-bit count reaches.
    static_assert(figure_area::columns * figure_area::rows <= std::numeric_limits<std::int16_t>::max());
    mutable std::unique_ptr<std::int16_t[]> counts_ = std::make_unique_for_overwrite<std::int16_t[]>(
        static_cast<std::size_t>(figure_area::columns + 1) * (figure_area::rows + 1));
    mutable bool counted_ = false;
    mutable std::int32_t looked_up_ = 0;
};

}  // namespace states_of_matter
