// Drawing primitives on the raster canvas, through the qw_* calls.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <thread>
#include <vector>

#include "platform/graphics.h"
#include "support/platform_fixtures.h"

namespace {

using testing_support::RecordingTest;

constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;
constexpr std::int32_t kGround = 0x112233;

class DrawingTest : public RecordingTest {
protected:
    void SetUp() override
    {
        qw_set_color_rgb(kGround);
        qw_rectangle(QwControl::filled, 0, 0, 199, 199);
    }
    // Pixels of a colour inside (0, 0)-(199, 199).
    int count(std::int32_t colour)
    {
        int n = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) n += qw_get_pixel_rgb(x, y) == colour;
        return n;
    }
};

TEST(Colours, PackAndSplit)
{
    EXPECT_EQ(qw_rgb(99, 132, 222), 99 + 256 * 132 + 65536 * 222);
    EXPECT_EQ(qw_rgb(255, 255, 0), 0x00FFFF);
    EXPECT_EQ(qw_rgb(256 + 1, -1, 0), 0x00FF01);  // components wrap to a byte
    const QwRgb rgb = qw_split_rgb(0xDDDDE8);
    EXPECT_EQ(rgb.red, 0xE8);
    EXPECT_EQ(rgb.green, 0xDD);
    EXPECT_EQ(rgb.blue, 0xDD);
}

TEST_F(DrawingTest, FilledRectangleCornersInclusiveInAnyOrder)
{
    const std::array<std::array<int, 4>, 4> orders{
        {{10, 20, 30, 40}, {30, 40, 10, 20}, {30, 20, 10, 40}, {10, 40, 30, 20}}};
    for (const auto& o : orders) {
        SetUp();
        qw_set_color_rgb(kRed);
        qw_rectangle(QwControl::filled, o[0], o[1], o[2], o[3]);
        EXPECT_EQ(count(kRed), 21 * 21);
        EXPECT_EQ(qw_get_pixel_rgb(10, 20), kRed);
        EXPECT_EQ(qw_get_pixel_rgb(30, 40), kRed);
        EXPECT_EQ(qw_get_pixel_rgb(9, 20), kGround);
        EXPECT_EQ(qw_get_pixel_rgb(30, 41), kGround);
    }
}

TEST_F(DrawingTest, OutlineRectangleIsOnePixelBorder)
{
    qw_set_color_rgb(kRed);
    qw_rectangle(QwControl::outline, 10, 10, 19, 14);
    EXPECT_EQ(count(kRed), 2 * 10 + 2 * 3);
    EXPECT_EQ(qw_get_pixel_rgb(15, 12), kGround);
    EXPECT_EQ(qw_get_pixel_rgb(19, 14), kRed);
}

TEST_F(DrawingTest, DegenerateRectanglesAreLinesAndPoints)
{
    qw_set_color_rgb(kRed);
    qw_rectangle(QwControl::filled, 489, 318, 489, 337);  // a one-pixel rule
    qw_rectangle(QwControl::outline, 5, 5, 5, 5);
    EXPECT_EQ(qw_get_pixel_rgb(5, 5), kRed);
    EXPECT_EQ(count(kRed), 1);
    EXPECT_EQ(qw_get_pixel_rgb(489, 318), kRed);
    EXPECT_EQ(qw_get_pixel_rgb(489, 337), kRed);
    EXPECT_NE(qw_get_pixel_rgb(490, 337), kRed);
}

TEST_F(DrawingTest, NegativeAndHugeCoordinatesClipToTheCanvas)
{
    qw_set_color_rgb(kRed);
    qw_rectangle(QwControl::filled, -50, -50, 4, 4);
    EXPECT_EQ(count(kRed), 25);
    const std::int32_t big = std::numeric_limits<std::int32_t>::max();
    const std::int32_t small = std::numeric_limits<std::int32_t>::min();
    qw_rectangle(QwControl::filled, small, small, big, big);
    qw_ellipse(QwControl::outline, small, small, big, big);
    qw_move_to(small, small);
    qw_line_to(big, big);
    EXPECT_EQ(qw_get_pixel_rgb(1999, 999), kRed);
    EXPECT_EQ(qw_get_pixel_rgb(-1, 0), -1);
    EXPECT_EQ(qw_get_pixel_rgb(2000, 0), -1);
}

TEST_F(DrawingTest, FilledEllipseStaysInItsBoxAndTouchesEverySide)
{
    qw_set_color_rgb(kBlue);
    qw_ellipse(QwControl::filled, 20, 30, 60, 50);
    bool left = false, right = false, top = false, bottom = false;
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 200; ++x) {
            if (qw_get_pixel_rgb(x, y) != kBlue) continue;
            EXPECT_TRUE(x >= 20 && x <= 60 && y >= 30 && y <= 50) << x << "," << y;
            left |= x == 20;
            right |= x == 60;
            top |= y == 30;
            bottom |= y == 50;
        }
    }
    EXPECT_TRUE(left && right && top && bottom);
    EXPECT_EQ(qw_get_pixel_rgb(40, 40), kBlue);
    EXPECT_EQ(qw_get_pixel_rgb(20, 30), kGround);  // the corners stay out
}

TEST_F(DrawingTest, EllipseOutlineIsTheBorderOfTheFilledShape)
{
    qw_set_color_rgb(kBlue);
    qw_ellipse(QwControl::filled, 20, 20, 80, 60);
    const int filled = count(kBlue);
    SetUp();
    qw_set_color_rgb(kRed);
    qw_ellipse(QwControl::outline, 20, 20, 80, 60);
    EXPECT_EQ(qw_get_pixel_rgb(50, 40), kGround);
    // Filling the inside up to the outline gives back the filled shape.
    qw_set_color_rgb(kBlue);
    EXPECT_EQ(qw_flood_fill_rgb(50, 40, kRed), 1);
    EXPECT_EQ(count(kBlue) + count(kRed), filled);
}

TEST_F(DrawingTest, CircleIsSymmetric)
{
    qw_set_color_rgb(kRed);
    qw_ellipse(QwControl::filled, 10, 10, 37, 37);  // even diameter
    for (int y = 10; y <= 37; ++y) {
        for (int x = 10; x <= 37; ++x) {
            const std::int32_t p = qw_get_pixel_rgb(x, y);
            EXPECT_EQ(p, qw_get_pixel_rgb(47 - x, y));
            EXPECT_EQ(p, qw_get_pixel_rgb(y, x));
        }
    }
}

TEST_F(DrawingTest, LinesIncludeBothEndsAndMoveThePosition)
{
    qw_set_color_rgb(kRed);
    qw_move_to(10, 10);
    qw_line_to(20, 15);
    EXPECT_EQ(qw_get_current_position(), (QwPoint{20, 15}));
    EXPECT_EQ(qw_get_pixel_rgb(10, 10), kRed);
    EXPECT_EQ(qw_get_pixel_rgb(20, 15), kRed);
    EXPECT_EQ(count(kRed), 11);  // one pixel per step of the longer axis
    qw_line_to(20, 100);
    EXPECT_EQ(count(kRed), 11 + 85);
    const QwPoint previous = qw_move_to(1, 2);
    EXPECT_EQ(previous, (QwPoint{20, 100}));
}

TEST_F(DrawingTest, PolygonFilledAndOutlined)
{
    const std::array<QwPoint, 3> triangle{{{10, 10}, {50, 10}, {10, 50}}};
    qw_set_color_rgb(kRed);
    qw_polygon(QwControl::outline, triangle);
    EXPECT_EQ(qw_get_pixel_rgb(20, 20), kGround);
    EXPECT_EQ(qw_get_pixel_rgb(30, 30), kRed);  // on the slanted edge
    qw_polygon(QwControl::filled, triangle);
    EXPECT_EQ(qw_get_pixel_rgb(20, 20), kRed);
    EXPECT_EQ(qw_get_pixel_rgb(40, 40), kGround);
    EXPECT_EQ(qw_polygon(QwControl::filled, std::span<const QwPoint>{}), 0);
}

TEST_F(DrawingTest, FloodFillStopsAtTheBoundaryAndTheClip)
{
    qw_set_color_rgb(kRed);
    qw_rectangle(QwControl::outline, 10, 10, 50, 50);
    qw_set_color_rgb(kBlue);
    EXPECT_EQ(qw_flood_fill_rgb(30, 30, kRed), 1);
    EXPECT_EQ(count(kBlue), 39 * 39);
    EXPECT_EQ(qw_get_pixel_rgb(60, 60), kGround);
    EXPECT_EQ(qw_flood_fill_rgb(10, 10, kRed), 0);  // starts on the boundary
    EXPECT_EQ(qw_flood_fill_rgb(30, 30, kRed), 1);  // already in the fill colour: ends
    EXPECT_EQ(count(kBlue), 39 * 39);

    qw_set_clip_region(100, 100, 149, 119);
    EXPECT_EQ(qw_flood_fill_rgb(120, 110, kRed), 1);
    qw_set_clip_region(0, 0, 1600, 1600);
    EXPECT_EQ(count(kBlue), 39 * 39 + 50 * 20);
    EXPECT_EQ(qw_get_pixel_rgb(150, 110), kGround);
}

TEST_F(DrawingTest, FloodFillFollowsAConcaveShape)
{
    // A U shape: the fill must turn around the inner wall.
    qw_set_color_rgb(kRed);
    qw_rectangle(QwControl::outline, 10, 10, 60, 60);
    qw_rectangle(QwControl::filled, 30, 10, 40, 50);
    qw_set_color_rgb(kBlue);
    qw_flood_fill_rgb(20, 20, kRed);
    EXPECT_EQ(qw_get_pixel_rgb(50, 20), kBlue);
    EXPECT_EQ(qw_get_pixel_rgb(35, 55), kBlue);
}

TEST_F(DrawingTest, ClipRegionLimitsEveryPrimitiveAndPixelReads)
{
    qw_set_clip_region(40, 40, 20, 20);  // corners in any order
    qw_set_color_rgb(kRed);
    qw_rectangle(QwControl::filled, 0, 0, 100, 100);
    qw_ellipse(QwControl::filled, 0, 0, 100, 100);
    qw_move_to(0, 30);
    qw_line_to(100, 30);
    const std::array<QwPoint, 3> triangle{{{0, 0}, {100, 0}, {0, 100}}};
    qw_polygon(QwControl::filled, triangle);
    EXPECT_EQ(qw_set_pixel_rgb(5, 5, kRed), -1);
    EXPECT_EQ(qw_get_pixel_rgb(19, 30), -1);  // outside the clip region
    EXPECT_EQ(qw_get_pixel_rgb(20, 20), kRed);
    qw_set_clip_region(0, 0, 1600, 1600);
    EXPECT_EQ(count(kRed), 21 * 21);
}

// Narrow boxes (a background's specks) take their own path: each width,
// whole or cut by the clip region, sets exactly its pixels.
TEST_F(DrawingTest, NarrowBoxesSetExactlyTheirPixels)
{
    struct Row {
        QwColourBox box;
        std::array<std::int32_t, 4> clip;
    };
    constexpr std::array<std::int32_t, 4> open{0, 0, 1600, 1600};
    const std::array<Row, 10> rows{{{{kRed, 10, 10, 10, 12}, open},
                                    {{kRed, 10, 10, 11, 10}, open},
                                    {{kRed, 12, 12, 10, 10}, open},
                                    {{kRed, 10, 10, 13, 13}, open},
                                    {{kRed, 10, 10, 14, 11}, open},
                                    {{kRed, 10, 10, 15, 15}, open},
                                    {{kRed, 8, 10, 12, 12}, {10, 11, 40, 40}},
                                    {{kRed, 10, 10, 14, 12}, {0, 0, 12, 10}},
                                    {{kRed, 10, 10, 12, 12}, {11, 11, 11, 11}},
                                    {{kRed, 10, 10, 12, 12}, {13, 0, 40, 40}}}};
    for (const Row& row : rows) {
        SetUp();
        const auto [cx1, cy1, cx2, cy2] = row.clip;
        qw_set_clip_region(cx1, cy1, cx2, cy2);
        EXPECT_EQ(qw_fill_rectangles(std::array<QwColourBox, 1>{row.box}), 1);
        qw_set_clip_region(0, 0, 1600, 1600);
        const QwColourBox& b = row.box;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x) {
                const bool inside = x >= std::min(b.x1, b.x2) && x <= std::max(b.x1, b.x2) &&
                                    y >= std::min(b.y1, b.y2) && y <= std::max(b.y1, b.y2) && x >= cx1 && x <= cx2 &&
                                    y >= cy1 && y <= cy2;
                EXPECT_EQ(qw_get_pixel_rgb(x, y), inside ? kRed : kGround)
                    << b.x1 << "," << b.y1 << " " << x << "," << y;
            }
    }
}

TEST_F(DrawingTest, SetPixelGivesThePreviousColour)
{
    EXPECT_EQ(qw_set_pixel_rgb(3, 4, kBlue), kGround);
    EXPECT_EQ(qw_get_pixel_rgb(3, 4), kBlue);
    qw_set_color_rgb(kRed);
    EXPECT_EQ(qw_set_pixel(3, 4), kBlue);
    EXPECT_EQ(qw_get_pixel_rgb(3, 4), kRed);
    EXPECT_EQ(qw_set_color_rgb(kBlue), kRed);
}

TEST_F(DrawingTest, DrawingStateBelongsToEachThread)
{
    qw_set_color_rgb(kRed);
    qw_move_to(7, 8);
    qw_set_clip_region(0, 0, 10, 10);
    QwPoint worker_position;
    std::int32_t worker_colour = -1;
    std::int32_t worker_pixel = -1;
    std::thread([&] {
        worker_position = qw_get_current_position();
        worker_colour = qw_get_color_rgb();
        worker_pixel = qw_get_pixel_rgb(100, 100);  // the worker is not clipped
    }).join();
    EXPECT_EQ(worker_position, (QwPoint{0, 0}));
    EXPECT_EQ(worker_colour, 0);
    EXPECT_EQ(worker_pixel, kGround);
    EXPECT_EQ(qw_get_current_position(), (QwPoint{7, 8}));
}

// Boxes filled in one call land as the same boxes filled one by one: order,
// corners in any order, the clip region, the canvas edge, colours taken
// modulo 2^24, and the current colour left as the last box's.
void expect_batch_fills_as_single_fills()
{
    const std::array<QwColourBox, 6> boxes{{{kRed, 10, 10, 60, 60},
                                            {kBlue, 50, 50, 20, 20},
                                            {0x7F00FF00, 100, 0, 120, 300},
                                            {0x445566, -40, -40, 35, 45},
                                            {kRed, 150, 150, 150, 150},
                                            {0x0A0B0C, 45, 45, 46, 46}}};
    const auto picture = [&](bool batched) {
        qw_set_clip_region(0, 0, 1600, 1600);
        qw_set_color_rgb(kGround);
        qw_rectangle(QwControl::filled, 0, 0, 199, 199);
        qw_set_clip_region(5, 5, 160, 180);
        if (batched) {
            EXPECT_EQ(qw_fill_rectangles(boxes), 1);
        } else {
            for (const QwColourBox& b : boxes) {
                qw_set_color_rgb(b.colour);
                qw_rectangle(QwControl::filled, b.x1, b.y1, b.x2, b.y2);
            }
        }
        const std::int32_t colour = qw_get_color_rgb();
        qw_set_clip_region(0, 0, 1600, 1600);
        std::vector<std::int32_t> pixels{colour};
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) pixels.push_back(qw_get_pixel_rgb(x, y));
        return pixels;
    };
    const std::vector<std::int32_t> one_by_one = picture(false);
    EXPECT_EQ(picture(true), one_by_one);
    EXPECT_EQ(one_by_one.front(), 0x0A0B0C);
    qw_set_color_rgb(kBlue);
    EXPECT_EQ(qw_fill_rectangles({}), 1);
    EXPECT_EQ(qw_get_color_rgb(), kBlue);
}

TEST_F(DrawingTest, ManyBoxesInOneCallAsOneByOne)
{
    expect_batch_fills_as_single_fills();
}

class QtDrawingTest : public testing_support::QtSessionTest {};

TEST_F(QtDrawingTest, ManyBoxesInOneCallAsOneByOne)
{
    expect_batch_fills_as_single_fills();
}

TEST_F(DrawingTest, BadControlDrawsNothing)
{
    EXPECT_EQ(qw_rectangle(static_cast<QwControl>(7), 0, 0, 10, 10), 0);
    EXPECT_EQ(qw_ellipse(static_cast<QwControl>(0), 0, 0, 10, 10), 0);
    EXPECT_EQ(count(kGround), 200 * 200);
}

}  // namespace
