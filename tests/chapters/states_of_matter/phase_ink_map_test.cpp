// The phase figure's ink map answers as a look at every pixel would.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "chapters/states_of_matter/phase_ink_map.h"
#include "platform/raster_canvas.h"

namespace states_of_matter_test {
namespace {

namespace ink_area = states_of_matter::figure_area;
using states_of_matter::InkMap;

// The plot area's pixels, each inked or not.
class Pixels {
public:
    void mark(std::int64_t x, std::int64_t y)
    {
        if (x >= ink_area::left && x <= ink_area::right && y >= ink_area::top && y <= ink_area::bottom)
            ink_[index(x, y)] = true;
    }
    void mark_rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    {
        for (std::int32_t y = y1; y <= y2; ++y)
            for (std::int32_t x = x1; x <= x2; ++x) mark(x, y);
    }
    // The last column of the rectangle with ink, or one left of the area.
    std::int32_t last_column(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) const
    {
        for (std::int32_t x = std::min(x2, ink_area::right); x >= std::max(x1, ink_area::left); --x)
            for (std::int32_t y = std::max(y1, ink_area::top); y <= std::min(y2, ink_area::bottom); ++y)
                if (ink_[index(x, y)]) return x;
        return ink_area::left - 1;
    }

private:
    static std::size_t index(std::int64_t x, std::int64_t y)
    {
        return static_cast<std::size_t>((y - ink_area::top) * ink_area::columns + (x - ink_area::left));
    }
    std::vector<bool> ink_ = std::vector<bool>(static_cast<std::size_t>(ink_area::columns) * ink_area::rows, false);
};

TEST(PhaseInkMap, AnswersAsEveryPixelCounted)
{
    std::mt19937 random(63);
    const auto between = [&random](std::int32_t lo, std::int32_t hi) {
        return lo + static_cast<std::int32_t>(random() % static_cast<std::uint32_t>(hi - lo + 1));
    };
    const auto point = [&] {
        return QwPoint{between(ink_area::left - 30, ink_area::right + 30),
                       between(ink_area::top - 30, ink_area::bottom + 30)};
    };
    // Filled rectangles, lines drawn, boxes kept beside them and lines kept
    // as boxes, some reaching past the area; with boxes or without.
    const auto draw = [&](InkMap& ink, Pixels& truth, std::int32_t shapes, bool boxes) {
        for (std::int32_t s = 0; s < shapes; ++s) {
            const QwPoint a = point();
            QwPoint b = point();
            const std::int32_t x1 = std::min(a.x, b.x), x2 = std::max(a.x, b.x);
            const std::int32_t y1 = std::min(a.y, b.y);
            switch (between(0, boxes ? 3 : 1)) {
            case 0: {
                const std::int32_t height = between(0, 3);
                ink.fill(x1, y1, x2, y1 + height);
                truth.mark_rectangle(x1, y1, x2, y1 + height);
                break;
            }
            case 1:
                ink.line(a, b);
                platform::line_pixels(a, b, ink_area::left, ink_area::top, ink_area::right, ink_area::bottom,
                                      [&](std::int64_t x, std::int64_t y) { truth.mark(x, y); });
                break;
            case 2:
                ink.add_box(x1, y1, x1 + 4, y1 + 4);
                truth.mark_rectangle(x1, y1, x1 + 4, y1 + 4);
                break;
            default:
                if (between(0, 1) == 0) b.y = a.y;
                ink.add_line(a, b);
                platform::line_pixels(a, b, ink_area::left, ink_area::top, ink_area::right, ink_area::bottom,
                                      [&](std::int64_t x, std::int64_t y) { truth.mark(x, y); });
            }
        }
    };
    for (std::int32_t map = 0; map < 8; ++map) {
        InkMap ink;
        Pixels truth;
        const bool boxes = map % 2 == 1;
        draw(ink, truth, 1 + 3 * map, boxes);
        // The first looks take the pixels one by one, the later ones the counts.
        for (std::int32_t k = 0; k < 64; ++k) {
            const QwPoint q = point();
            const std::int32_t reach = between(0, 8);
            EXPECT_EQ(ink.ink_within(q.x, q.y, reach),
                      truth.last_column(q.x - reach, q.y - reach, q.x + reach, q.y + reach) >= ink_area::left)
                << map << " " << k;
        }
        for (std::int32_t round = 0; round < 2; ++round) {
            for (std::int32_t k = 0; k < 400; ++k) {
                const QwPoint a = point();
                const QwPoint b = point();
                const std::int32_t x1 = std::min(a.x, b.x), x2 = std::max(a.x, b.x);
                const std::int32_t y1 = std::min(a.y, b.y), y2 = y1 + (std::max(a.y, b.y) - y1) % 20;
                const std::int32_t last = truth.last_column(x1, y1, x2, y2);
                ASSERT_EQ(ink.inked(x1, y1, x2, y2), last >= ink_area::left) << map << " " << k;
                if (last >= ink_area::left) {
                    EXPECT_EQ(ink.last_inked_column(x1, y1, x2, y2), last) << map << " " << k;
                }
            }
            // Ink added after a count is counted again.
            draw(ink, truth, 2, boxes);
        }
    }
}

}  // namespace
}  // namespace states_of_matter_test
