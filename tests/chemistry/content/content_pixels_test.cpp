// The Lewis structures and the periodic table on the real canvas.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "chemistry/lewis_structures.h"
#include "chemistry/periodic_table_drawing.h"
#include "platform/graphics.h"
#include "platform/qt/qt_application.h"
#include "text/fonts_colours.h"

namespace {

class ContentPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(init_fonts_and_colours(), 0.0f);
        qw_set_color_rgb(0xFFFFFF);
        qw_rectangle(QwControl::filled, 0, 0, 1999, 999);
    }
    // Set BRUNATEL_GALLERY_DIR to keep the pictures for a look.
    void keep(const char* name)
    {
        session.process_events();
        if (const char* dir = std::getenv("BRUNATEL_GALLERY_DIR")) {
            EXPECT_TRUE(session.save_png(std::string(dir) + "/" + name, 1200, 400));
        }
    }
    platform::qt::Session session;
};

}  // namespace

TEST_F(ContentPixels, PeriodicTableCellsAndHighlight)
{
    draw_periodic_table(1, 26);
    keep("periodic_table.png");
    EXPECT_EQ(session.canvas_pixel(196, 116), 0x404040);  // background
    EXPECT_EQ(session.canvas_pixel(341, 181), 0x00FFFF);  // iron, highlighted
    EXPECT_EQ(session.canvas_pixel(201, 121), 0xDE8463);  // hydrogen
    EXPECT_EQ(session.canvas_pixel(547, 287), 0xDE8463);  // lawrencium's far corner
    EXPECT_EQ(session.canvas_pixel(548, 288), 0x404040);
    int white = 0;  // the title, in the empty top row
    for (int x = 260; x < 500; ++x) white += session.canvas_pixel(x, 128) == 0xFFFFFF;
    EXPECT_GT(white, 10);
    // Each symbol's letters clear of both sides of its cell, as far from
    // the one as from the other within two pixels; their capitals' tops on
    // one row, as in one size (Pm, Am and Cm too).
    std::int32_t first_top = -1;
    for (std::int32_t z = 1; z <= 103; ++z) {
        const PeriodicCell cell = periodic_table_cell(z);
        std::int32_t left = cell.x + 17, right = cell.x, top = cell.y + 17;
        for (std::int32_t y = cell.y; y <= cell.y + 17; ++y)
            for (std::int32_t x = cell.x; x <= cell.x + 17; ++x)
                if (session.canvas_pixel(x, y) == 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                }
        ASSERT_LE(left, right) << z;
        if (first_top < 0) first_top = top - cell.y;
        EXPECT_EQ(top - cell.y, first_top) << z;
        EXPECT_GE(left - cell.x, 1) << z;
        EXPECT_GE(cell.x + 17 - right, 1) << z;
        EXPECT_LE(std::abs((left - cell.x) - (cell.x + 17 - right)), 2) << z;
    }
}

TEST_F(ContentPixels, LewisBondsAreRedAndAtomsBlack)
{
    draw_lewis_structure("NH@d3@;", 60, 60);
    EXPECT_EQ(session.canvas_pixel(75, 68), 0x0000DD);  // N-H to the right
    EXPECT_EQ(session.canvas_pixel(64, 60), 0x0000DD);  // lone pair above N
    EXPECT_EQ(session.canvas_pixel(64, 79), 0x0000DD);  // N-H downwards
    int black = 0;
    for (int y = 60; y < 76; ++y) {
        for (int x = 60; x < 70; ++x) black += session.canvas_pixel(x, y) == 0;
    }
    EXPECT_GT(black, 5);  // the N
    // A gallery of every structure, for a chemist to look at.
    int x = 40, y = 160;
    for (const LewisEntry& entry : lewis_entries()) {
        int width = 0;
        for (const LewisStep& step : entry.steps) width = std::max(width, step.dx);
        width += 80;
        if (x + width > 1200) {
            x = 40;
            y += 80;
        }
        draw_lewis_structure(entry.key, x, y);
        x += width;
    }
    session.process_events();
    if (const char* dir = std::getenv("BRUNATEL_GALLERY_DIR")) {
        EXPECT_TRUE(session.save_png(std::string(dir) + "/lewis_structures.png", 1200, 600));
    }
}
