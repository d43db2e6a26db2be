#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "recorded_drawing.h"
#include "text/graph_plotter.h"

namespace {
const std::vector<float> none;
}

using GraphPlotter = RecordedDrawing;

TEST(GraphOptionsText, ReadsAreaAndFlags)
{
    const GraphOptions lines("200400120270l  ");
    EXPECT_EQ(lines.left, 200);
    EXPECT_EQ(lines.right, 400);
    EXPECT_EQ(lines.top, 120);
    EXPECT_EQ(lines.bottom, 270);
    EXPECT_TRUE(lines.lines);
    EXPECT_FALSE(lines.points);
    EXPECT_FALSE(lines.no_labels);
    const GraphOptions points("200580030270 pa");
    EXPECT_EQ(points.top, 30);
    EXPECT_FALSE(points.lines);
    EXPECT_TRUE(points.points);
    EXPECT_TRUE(points.no_labels);
    const GraphOptions cut("200400");  // missing columns read as blank
    EXPECT_EQ(cut.top, 0);
    EXPECT_FALSE(cut.lines);
}

TEST_F(GraphPlotter, TicksInsideTheRangeOnlyWithLabels)
{
    set_up_graph(none, none, 0, 0, 10, 2, "(f8.0)", 0, 1, 0, "", "200400120270l  ", 0xFF, 0);
    std::vector<DrawnShape> ticks;
    for (const DrawnShape& s : shapes("line")) ticks.push_back(s);
    // 0 is not strictly inside 0..10: no axis; ticks at 2, 4, 6 and 8 only.
    const std::vector<DrawnShape> expected = {{"line", 240, 270, 240, 275, 0},
                                              {"line", 280, 270, 280, 275, 0},
                                              {"line", 320, 270, 320, 275, 0},
                                              {"line", 360, 270, 360, 275, 0}};
    EXPECT_EQ(ticks, expected);
    const auto t = texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].text, "2.");
    EXPECT_EQ(t[0].x, 240 - 8 + 6);
    EXPECT_EQ(t[0].y, 275);
    EXPECT_EQ(t[0].font, "t'Arial'h14b");
    // No y labels: the background starts 10 pixels left of the area.
    EXPECT_EQ(shapes("rect")[0], (DrawnShape{"rect filled", 190, 110, 410, 287, 0xFFEFEF}));
    EXPECT_EQ(shapes("rect")[1], (DrawnShape{"rect outline", 200, 120, 400, 270, 0}));
}

TEST_F(GraphPlotter, AxesThroughZeroAndRoomForYLabels)
{
    set_up_graph(none, none, 0, -5, 5, 1, "(f8.0)", -1, 1, 0.5, "(f8.1)", "200400120270l  ", 0xFF, 0);
    const auto lines = shapes("line");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], (DrawnShape{"line", 300, 120, 300, 270, 0}));
    EXPECT_EQ(lines[1], (DrawnShape{"line", 200, 195, 400, 195, 0}));
    // The sample -2.3456 written "(f8.1)" is "-2.3": 4 + 2 characters of 5 pixels.
    EXPECT_EQ(shapes("rect")[0].x1, 200 - 10 - 30);
    // y ticks at -0.5, 0 and 0.5, labelled left of the area.
    std::vector<std::string> labels;
    for (const DrawnText& t : texts()) {
        if (t.x < 200) labels.push_back(t.text);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"-0.5", "0.0", "0.5"}));
    EXPECT_EQ(texts().back().x, 200 - 10 - 5 * 3);
    EXPECT_EQ(texts().back().y, 157 - 7);  // row of 0.5: 270 - 1.5 * 75, truncated
}

TEST_F(GraphPlotter, LeadingPointGetsItsZero)
{
    set_up_graph(none, none, 0, 0, 1, 0.5, "(f2.1)", -1, 0, 0.5, "(f3.1)", "200400120270   ", 0, 0);
    EXPECT_EQ(strings(), (std::vector<std::string>{"0.5", "-0.5"}));
}

TEST_F(GraphPlotter, NoTicksForStepsOfZeroOrLessNorLabelsWithOptionA)
{
    set_up_graph(none, none, 0, 0, 10, 0, "(f8.0)", 0, 10, -1, "(f8.0)", "200400120270l  ", 0, 0);
    EXPECT_TRUE(shapes("line").empty());
    mark();
    set_up_graph(none, none, 0, 0, 10, 2, "(f8.0)", 0, 10, 2, "(f8.0)", "200400120270l a", 0, 0);
    EXPECT_EQ(shapes("line").size(), 8u);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(shapes("rect")[0].x1, 190);
}

TEST_F(GraphPlotter, TickCountIsBounded)
{
    set_up_graph(none, none, 0, 0, 10, 1e-6f, "", 0, 10, 1e-6f, "", "200400120270l  ", 0, 0);
    EXPECT_LE(shapes("line").size(), 2000u);
}

TEST_F(GraphPlotter, SeriesMapsClipsAndRestoresTheClip)
{
    const std::vector<float> x = {-5, 0, 2.5f};
    const std::vector<float> y = {-5, 0, 5};
    set_up_graph(x, y, 3, -5, 5, 0, "", -5, 5, 0, "", "200400120270lp ", 0x0000FF, 0xFF0000);
    const auto lines = shapes("line");
    ASSERT_EQ(lines.size(), 4u);  // two axes, two segments
    EXPECT_EQ(lines[2], (DrawnShape{"line", 200, 270, 300, 195, 0x0000FF}));
    EXPECT_EQ(lines[3], (DrawnShape{"line", 300, 195, 350, 120, 0x0000FF}));
    const auto dots = shapes("ellipse");
    ASSERT_EQ(dots.size(), 3u);
    EXPECT_EQ(dots[2], (DrawnShape{"ellipse filled", 348, 118, 352, 122, 0xFF0000}));
    EXPECT_EQ(lines_from_mark("clip"),
              (std::vector<std::string>{"clip (200,120)-(400,270)", "clip (0,0)-(1600,1600)"}));

    // A further series uses the same scales and only its own flags.
    mark();
    plot_graph_series(std::vector<float>{5}, std::vector<float>{-5}, 1, "000000000000 p ", 0, 0x00FF00);
    EXPECT_EQ(shapes(), (std::vector<DrawnShape>{{"ellipse filled", 398, 268, 402, 272, 0x00FF00}}));
}

TEST_F(GraphPlotter, DotsUpTo150PointsSinglePixelsBeyond)
{
    std::vector<float> x(151), y(151, 0.5f);
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<float>(i) / 151.0f;
    set_up_graph(x, y, 150, 0, 1, 0, "", 0, 1, 0, "", "200400120270 p ", 0, 0xFF);
    EXPECT_EQ(shapes("ellipse").size(), 150u);
    EXPECT_TRUE(lines_from_mark("pixel").empty());
    mark();
    plot_graph_series(x, y, 151, "200400120270 p ", 0, 0xFF);
    EXPECT_TRUE(shapes("ellipse").empty());
    EXPECT_EQ(lines_from_mark("pixel").size(), 151u);
}

TEST_F(GraphPlotter, CrowdedSeriesIsDrawnByPixelColumns)
{
    // A 10-pixel area with 6 points in each column: lo, hi and last of each.
    std::vector<float> x, y;
    for (int column = 0; column < 10; ++column) {
        for (int k = 0; k < 6; ++k) {
            x.push_back(static_cast<float>(column) + 0.1f * static_cast<float>(k) + 0.05f);
            y.push_back(k == 2 ? 1.0f : (k == 4 ? 9.0f : 5.0f));
        }
    }
    set_up_graph(x, y, static_cast<std::int32_t>(x.size()), 0, 10, 0, "", 0, 10, 0, "", "100110100200l  ", 0xFF, 0);
    const auto lines = shapes("line");
    // Nine column changes of four strokes each; the last column is not drawn.
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(lines[0], (DrawnShape{"line", 100, 150, 100, 190, 0xFF}));  // down to lo
    EXPECT_EQ(lines[1], (DrawnShape{"line", 100, 190, 100, 110, 0xFF}));  // up to hi
    EXPECT_EQ(lines[2], (DrawnShape{"line", 100, 110, 100, 150, 0xFF}));  // back to last
    EXPECT_EQ(lines[3], (DrawnShape{"line", 100, 150, 101, 150, 0xFF}));  // on to the next column
}

TEST_F(GraphPlotter, NaNPointsAreSkippedAndHugeValuesClamped)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<float> x = {0, 1, nan, 3, 4, 5};
    const std::vector<float> y = {0, nan, 5, 3, 1e30f, -inf};
    set_up_graph(x, y, 6, 0, 10, 0, "", 0, 10, 0, "", "200400120270lp ", 0xFF, 0xFF);
    const auto lines = shapes("line");
    ASSERT_EQ(lines.size(), 3u);  // 0 -> 3 -> 4 -> 5
    EXPECT_EQ(lines[0], (DrawnShape{"line", 200, 270, 260, 225, 0xFF}));
    EXPECT_EQ(lines[1].y2, -1000000);
    EXPECT_EQ(lines[2].y2, 1000000);
    EXPECT_EQ(shapes("ellipse").size(), 4u);
}

TEST_F(GraphPlotter, EmptyRangeDrawsOnlyBackgroundAndFrame)
{
    const std::vector<float> v = {1, 2};
    set_up_graph(v, v, 2, 3, 3, 1, "(f8.0)", 0, 10, 1, "(f8.0)", "200400120270lp ", 0xFF, 0xFF);
    const auto drawn = shapes();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].kind, "rect filled");
    EXPECT_EQ(drawn[1].kind, "rect outline");
    EXPECT_TRUE(texts().empty());
    plot_graph_series(v, v, 2, "200400120270lp ", 0xFF, 0xFF);
    EXPECT_EQ(shapes().size(), 2u);
    EXPECT_TRUE(lines_from_mark("clip").empty());
}

TEST_F(GraphPlotter, CountIsCutToTheArrays)
{
    const std::vector<float> v = {1, 2};
    set_up_graph(v, v, 50, 0, 10, 0, "", 0, 10, 0, "", "200400120270 p ", 0, 0xFF);
    EXPECT_EQ(shapes("ellipse").size(), 2u);
    mark();
    plot_graph_series(v, v, -3, "200400120270 p ", 0, 0xFF);
    EXPECT_TRUE(shapes().empty());
}

TEST_F(GraphPlotter, RoomForYLabelsCountsTheSampleAsWritten)
{
    // "(e8.2)" writes the sample -2.3456 as "-.23E+01", 8 characters: the
    // zero that labels get in front of a point is not part of the room.
    set_up_graph(none, none, 0, 0, 1, 0, "", -1, 1, 0, "(e8.2)", "200400120270l  ", 0, 0);
    EXPECT_EQ(shapes("rect")[0].x1, 200 - 10 - 5 * (8 + 2));
    mark();
    set_up_graph(none, none, 0, 0, 1, 0, "", -1, 1, 0, "(f3.1)", "200400120270l  ", 0, 0);
    EXPECT_EQ(shapes("rect")[0].x1, 200 - 10 - 5 * (3 + 2));  // "***" still takes its room
}
