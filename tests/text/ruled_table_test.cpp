#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recorded_drawing.h"
#include "text/ruled_table.h"

class RuledTable : public RecordedDrawing {};

TEST_F(RuledTable, HeadersRulesAndRowsStandAtTheirPlaces)
{
    const RuledTableColumn columns[] = {{20, "@T1@@C1@[A]", 10}, {90, "@T1@[B]", 80}, {170, "@T1@@iv@", 150}};
    std::vector<std::string> cells;
    for (int r = 1; r <= 5; ++r)
        for (const char* c : {"a", "b", "v"}) cells.push_back(c + std::to_string(r));
    draw_ruled_table(160, 110, columns, cells);

    const std::vector<DrawnShape> rules = {
        {"line", 170, 125, 360, 125, 0x000000},
        {"line", 220, 125, 220, 210, 0x000000},
        {"line", 300, 125, 300, 210, 0x000000},
    };
    EXPECT_EQ(shapes(), rules);
    const auto t = texts();
    ASSERT_EQ(t.size(), 18u);
    EXPECT_EQ(t[0].text, "[A]");
    EXPECT_EQ(t[0].x, 180);
    EXPECT_EQ(t[1].text, "[B]");
    EXPECT_EQ(t[1].x, 250);
    EXPECT_EQ(t[2].text, "v");
    EXPECT_EQ(t[2].x, 330);
    EXPECT_EQ(t[2].y, 110);
    // Row 1 at y 130, row 5 at y 194.
    EXPECT_EQ(t[3].text, "a1");
    EXPECT_EQ(t[3].x, 170);
    EXPECT_EQ(t[3].y, 130);
    EXPECT_EQ(t[17].text, "v5");
    EXPECT_EQ(t[17].x, 310);
    EXPECT_EQ(t[17].y, 194);
}

TEST_F(RuledTable, AShortLastRowAndNoColumnsDrawNoStrayCells)
{
    const RuledTableColumn columns[] = {{20, "@T1@@C1@@it@ (s)", 10}, {80, "@T1@[A] (mol/L)", 80}};
    const std::vector<std::string> cells = {"0", "1.00", "5"};
    draw_ruled_table(160, 122, columns, cells);
    // The italic t of the first header is a piece of its own.
    const auto t = texts();
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[5].text, "5");
    EXPECT_EQ(t[5].x, 170);
    EXPECT_EQ(t[5].y, 122 + 32 + 4);

    mark();
    draw_ruled_table(160, 122, {}, cells);
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(shapes().size(), 3u);
}

TEST_F(RuledTable, ARuleMovesRightToKeepClearOfTheTextsAtItsLeftAndTakesTheRestAlong)
{
    // "t (s)" from 180 ends at 220, on the first rule: it moves to 224 and the
    // second column 4 pixels right; "[A] (mol/L)" from 244 ends at 332, on the
    // second rule, which moves to 336, and the header rule's end with it.
    const RuledTableColumn columns[] = {{20, "@T1@@C1@@it@ (s)", 10}, {80, "@T1@[A] (mol/L)", 80}};
    const std::vector<std::string> cells = {"0", "5.11•10@u-3@"};
    draw_ruled_table(160, 122, columns, cells);
    const std::vector<DrawnShape> lines = shapes("line");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].x2, 396);
    EXPECT_EQ(lines[1].x1, 224);
    EXPECT_EQ(lines[2].x1, 336);
    const auto t = texts();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t.back().x, 244 + 8 * 7);  // the exponent, after "5.11•10"
}
