#include <set>

#include "chemistry/periodic_table_drawing.h"
#include "content_fixture.h"

namespace {

constexpr std::int32_t yellow = 0x00FFFF;
constexpr std::int32_t cell_colour = 0xDE8463;  // red 99, green 132, blue 222

struct Placed {
    std::int32_t z, period, group;
};

}  // namespace

// Period and group as a chemist reads them off the table.
TEST(PeriodicTable, MainTableCellsStandInTheirPeriodAndGroup)
{
    const Placed known[] = {{1, 1, 1},   {2, 1, 18},  {3, 2, 1},   {4, 2, 2},   {5, 2, 13},  {10, 2, 18},
                            {11, 3, 1},  {13, 3, 13}, {18, 3, 18}, {19, 4, 1},  {21, 4, 3},  {26, 4, 8},
                            {30, 4, 12}, {36, 4, 18}, {37, 5, 1},  {47, 5, 11}, {54, 5, 18}, {55, 6, 1},
                            {57, 6, 3},  {72, 6, 4},  {79, 6, 11}, {86, 6, 18}, {87, 7, 1},  {89, 7, 3}};
    for (const Placed& p : known) {
        const PeriodicCell cell = periodic_table_cell(p.z);
        EXPECT_EQ(cell.x, 200 + 20 * (p.group - 1)) << p.z;
        EXPECT_EQ(cell.y, 120 + 20 * (p.period - 1)) << p.z;
    }
}

TEST(PeriodicTable, LanthanidesAndActinidesRunInTwoRowsBelow)
{
    for (std::int32_t i = 0; i < 14; ++i) {
        EXPECT_EQ(periodic_table_cell(58 + i).x, 270 + 20 * i);
        EXPECT_EQ(periodic_table_cell(58 + i).y, 250);
        EXPECT_EQ(periodic_table_cell(90 + i).x, 270 + 20 * i);
        EXPECT_EQ(periodic_table_cell(90 + i).y, 270);
    }
    std::set<std::pair<std::int32_t, std::int32_t>> places;
    for (std::int32_t z = 1; z <= 103; ++z) places.insert({periodic_table_cell(z).x, periodic_table_cell(z).y});
    EXPECT_EQ(places.size(), 103u);
}

class PeriodicTableDrawing : public ContentTest {};

TEST_F(PeriodicTableDrawing, OnlyTheHighlightedCellIsYellowAndModeZeroWritesNoSymbol)
{
    draw_periodic_table(0, 26);
    const std::vector<Drawn> rects = drawn("rect filled");
    ASSERT_EQ(rects.size(), 104u);  // the background, then one cell per element
    EXPECT_EQ(rects[0].colour, 0x404040);
    int yellow_cells = 0;
    for (std::size_t i = 1; i < rects.size(); ++i) {
        EXPECT_EQ(rects[i].x2 - rects[i].x1, 17);
        if (rects[i].colour == yellow) {
            ++yellow_cells;
            EXPECT_EQ(std::make_pair(rects[i].x1, rects[i].y1), std::make_pair(340, 180));  // iron
        } else {
            EXPECT_EQ(rects[i].colour, cell_colour);
        }
    }
    EXPECT_EQ(yellow_cells, 1);
    const std::vector<Drawn> texts = drawn("text");
    ASSERT_FALSE(texts.empty());
    for (const Drawn& t : texts) EXPECT_NE(t.text.size(), 2u) << t.text;
}

TEST_F(PeriodicTableDrawing, HighlightOutsideTheElementsHighlightsNothing)
{
    for (std::int32_t highlight : {0, -1, 104}) {
        mark();
        draw_periodic_table(0, highlight);
        for (const Drawn& r : drawn("rect filled")) EXPECT_NE(r.colour, yellow) << highlight;
    }
}

TEST_F(PeriodicTableDrawing, SymbolsAreCentredInTheirCellsUnderTheTitle)
{
    draw_periodic_table(1, 0);
    std::map<std::string, Drawn> by_text;
    for (const Drawn& t : drawn("text")) by_text[t.text] = t;
    ASSERT_TRUE(by_text.count("Lr"));
    // The recording metric makes a 13-pixel font's characters 6 wide: "Lr"
    // is 12, "H" 6, in a cell 18 wide.
    EXPECT_EQ(by_text["Lr"].x1, 530 + 3);
    EXPECT_EQ(by_text["Lr"].y1, 273);
    EXPECT_EQ(by_text["Lr"].colour, 0);
    EXPECT_EQ(by_text["H"].x1, 200 + 6);

    ASSERT_TRUE(by_text.count("Tavola Periodica degli Elementi"));
    EXPECT_EQ(by_text["Tavola Periodica degli Elementi"].x1, 260);
    EXPECT_EQ(by_text["Tavola Periodica degli Elementi"].y1, 120);
    EXPECT_EQ(by_text["Tavola Periodica degli Elementi"].colour, 0xFFFFFF);
}
