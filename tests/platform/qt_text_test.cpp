// Text and fonts on the offscreen Qt canvas.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "platform/graphics.h"
#include "support/platform_fixtures.h"

namespace {

using testing_support::QtSessionTest;

constexpr std::int32_t kWhite = 0xFFFFFF;
constexpr std::int32_t kInk = 0x0000AA;

class QtTextTest : public QtSessionTest {
protected:
    void SetUp() override
    {
        qw_set_color_rgb(kWhite);
        qw_rectangle(QwControl::filled, 0, 0, 1999, 999);
        qw_set_color_rgb(kInk);
    }
    struct Box {
        int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1, ink = 0, other = 0;
    };
    // Where ink landed in (x1, y1)-(x2, y2), and how many pixels are neither ink nor ground.
    Box inked(int x1, int y1, int x2, int y2)
    {
        Box b;
        for (int y = y1; y <= y2; ++y) {
            for (int x = x1; x <= x2; ++x) {
                const std::int32_t p = session().canvas_pixel(x, y);
                if (p == kInk) {
                    ++b.ink;
                    b.x1 = std::min(b.x1, x);
                    b.y1 = std::min(b.y1, y);
                    b.x2 = std::max(b.x2, x);
                    b.y2 = std::max(b.y2, y);
                } else if (p != kWhite) {
                    ++b.other;
                }
            }
        }
        return b;
    }
    std::string pattern(int x1, int y1, int x2, int y2)
    {
        std::string s;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) s += session().canvas_pixel(x, y) == kInk ? '#' : '.';
        return s;
    }
};

TEST_F(QtTextTest, FontsOfTheTwoFacesTheProgramCarriesAreAvailable)
{
    EXPECT_EQ(qw_initialize_fonts(), 2);
    for (const char* options : {"t'Arial'h16b", "t'Arial'h16bei", "t'Arial'h12e", "t'Symbol'h20bi"}) {
        EXPECT_GT(qw_set_font(options), 0) << options;
    }
    // Not carried, though a machine may have a font for them.
    EXPECT_LE(qw_set_font("t'Times New Roman'h14"), 0);
    EXPECT_LE(qw_set_font("t'Courier New'h12"), 0);
    EXPECT_LE(qw_set_font("t'No Such Face'h16"), 0);
    EXPECT_LE(qw_set_font("t'Arial'"), 0);
}

TEST_F(QtTextTest, TextSitsInItsCellAndAdvancesByItsExtent)
{
    ASSERT_GT(qw_set_font("t'Arial'h16b"), 0);
    const std::int32_t extent = qw_get_text_extent("Ég Hp");
    EXPECT_GT(extent, 20);
    qw_move_to(100, 50);
    qw_out_text("Ég Hp");
    EXPECT_EQ(qw_get_current_position(), (QwPoint{100 + extent, 50}));
    const Box b = inked(80, 30, 200, 90);
    EXPECT_EQ(b.other, 0);  // no antialiasing: every pixel is ink or ground
    EXPECT_GT(b.ink, 30);
    EXPECT_GE(b.x1, 100);
    EXPECT_LE(b.x2, 100 + extent);
    EXPECT_GE(b.y1, 50);
    EXPECT_LE(b.y2, 50 + 15);  // h is the whole cell: ascent + descent
    EXPECT_LE(b.y1, 53);       // the accent reaches the top of the cell
}

TEST_F(QtTextTest, CellHeightScalesTheGlyphs)
{
    ASSERT_GT(qw_set_font("t'Arial'h40"), 0);
    qw_move_to(10, 10);
    qw_out_text("H");
    const Box b = inked(0, 0, 100, 100);
    EXPECT_GE(b.y2 - b.y1 + 1, 24);  // a capital fills most of the ascent
    EXPECT_LE(b.y2, 10 + 39);
}

TEST_F(QtTextTest, TextOffTheCanvasDrawsNothingButAdvances)
{
    ASSERT_GT(qw_set_font("t'Arial'h16"), 0);
    const std::int32_t extent = qw_get_text_extent("CO2 + H2O");
    qw_move_to(0, 2000);
    qw_out_text("CO2 + H2O");
    EXPECT_EQ(qw_get_current_position(), (QwPoint{extent, 2000}));
    qw_move_to(1990, 100);
    qw_out_text("CO2 + H2O");
    EXPECT_EQ(qw_get_current_position(), (QwPoint{1990 + extent, 100}));
    EXPECT_EQ(inked(0, 0, 1999, 999).ink, inked(1990, 100, 1999, 120).ink);
}

TEST_F(QtTextTest, ClipRegionCutsText)
{
    ASSERT_GT(qw_set_font("t'Arial'h20e"), 0);
    // Cut at the sides, at the top of the letters, at their foot.
    constexpr std::array<std::array<std::int32_t, 4>, 3> clips{
        {{100, 100, 110, 200}, {0, 105, 300, 300}, {0, 0, 300, 112}}};
    for (const auto& [x1, y1, x2, y2] : clips) {
        SetUp();
        qw_set_clip_region(x1, y1, x2, y2);
        qw_move_to(90, 100);
        qw_out_text("MMMM");
        qw_set_clip_region(0, 0, 1600, 1600);
        const Box b = inked(0, 0, 300, 300);
        EXPECT_GT(b.ink, 0);
        EXPECT_GE(b.x1, x1);
        EXPECT_LE(b.x2, x2);
        EXPECT_GE(b.y1, y1);
        EXPECT_LE(b.y2, y2);
    }
}

TEST_F(QtTextTest, FacesKeepTheirCharacter)
{
    ASSERT_GT(qw_set_font("t'Arial'h16"), 0);
    EXPECT_LT(qw_get_text_extent("iiii"), qw_get_text_extent("WWWW"));
    const std::int32_t plain = qw_get_text_extent("Bromo");
    ASSERT_GT(qw_set_font("t'Arial'h16e"), 0);
    EXPECT_GT(qw_get_text_extent("Bromo"), plain);  // bold is wider
    EXPECT_EQ(qw_get_text_extent(""), 0);
}

TEST_F(QtTextTest, SymbolDrawsGreekLetters)
{
    ASSERT_GT(qw_set_font("t'Symbol'h20"), 0);
    qw_move_to(10, 10);
    qw_out_text("D");
    qw_move_to(60, 10);
    qw_out_text("Δ");
    EXPECT_EQ(pattern(10, 10, 40, 30), pattern(60, 10, 90, 30));
    ASSERT_GT(qw_set_font("t'Arial'h20"), 0);
    qw_move_to(110, 10);
    qw_out_text("D");
    EXPECT_NE(pattern(10, 10, 40, 30), pattern(110, 10, 140, 30));
    EXPECT_GT(inked(10, 10, 40, 30).ink, 10);
}

TEST_F(QtTextTest, BadTextAndDefaultFontDoNoHarm)
{
    qw_move_to(10, 10);
    qw_out_text("\xff\xfe broken \x80 utf8");  // before any font is chosen
    EXPECT_GT(qw_get_current_position().x, 10);
    EXPECT_EQ(inked(0, 0, 400, 60).other, 0);
}

}  // namespace
