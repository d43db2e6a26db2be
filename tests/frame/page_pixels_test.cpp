// The page as the Qt canvas shows it: hover highlights, scheme colours and
// the level notice, read back pixel by pixel.
#include <gtest/gtest.h>

#include "frame/app_state.h"
#include "frame/frame_harness.h"
#include "frame/menus.h"
#include "frame/page_commands.h"
#include "frame/problem_index.h"
#include "frame/problem_page.h"
#include "frame/scheme_colours.h"
#include "platform/graphics.h"
#include "platform/mouse.h"
#include "platform/qt/qt_application.h"
#include "text/markup_text.h"

namespace {

constexpr std::int32_t hover_colour = qw_rgb(221, 221, 0);
constexpr std::int32_t white = qw_rgb(255, 255, 255);

class PagePixels : public ::testing::Test {
protected:
    void SetUp() override { frame_test::start_program(); }

    std::int32_t pixel(std::int32_t x, std::int32_t y) const { return session.canvas_pixel(x, y); }

    bool any_pixel(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t colour) const
    {
        for (std::int32_t y = y1; y <= y2; ++y)
            for (std::int32_t x = x1; x <= x2; ++x)
                if (pixel(x, y) == colour) return true;
        return false;
    }

    platform::qt::Session session;
};

TEST_F(PagePixels, SmallButtonLightsUpUnderThePointerAndReturnsToTheFrameColour)
{
    const std::int32_t frame = scheme_frame_colour();
    EXPECT_EQ(pixel(511, 319), frame);
    session.mouse(kMouseMove, 518, 325);
    EXPECT_EQ(pixel(511, 319), hover_colour);
    session.mouse(kMouseMove, 519, 326);  // still inside
    EXPECT_EQ(pixel(511, 319), hover_colour);
    session.mouse(kMouseMove, 300, 200);
    EXPECT_EQ(pixel(511, 319), frame);
}

TEST_F(PagePixels, StepButtonsStayLitAfterTheirClickUntilThePointerLeaves)
{
    const std::int32_t frame = scheme_frame_colour();
    session.mouse(kMouseLeftDown, 527, 325);  // clickable, but outside the hover span of "next"
    EXPECT_EQ(app_state.selected_problem, 2);
    EXPECT_EQ(pixel(511, 319), hover_colour);
    session.mouse(kMouseMove, 528, 326);
    EXPECT_EQ(pixel(511, 319), frame);

    session.mouse(kMouseLeftDown, 500, 325);  // "previous"
    EXPECT_EQ(app_state.selected_problem, 1);
    EXPECT_EQ(pixel(491, 319), hover_colour);
    session.mouse(kMouseMove, 501, 326);  // still over it
    EXPECT_EQ(pixel(491, 319), hover_colour);
    session.mouse(kMouseMove, 300, 200);
    EXPECT_EQ(pixel(491, 319), frame);
}

TEST_F(PagePixels, IndexNumberTurnsWhiteUnlessSelectedOrAboveTheLevel)
{
    const std::int32_t cell2 = index_cell_x(2);
    EXPECT_FALSE(any_pixel(cell2 - 5, 298, cell2 + 15, 307, white));
    session.mouse(kMouseMove, cell2 + 5, 302);
    EXPECT_TRUE(any_pixel(cell2 - 5, 298, cell2 + 15, 307, white));
    session.mouse(kMouseMove, 300, 200);
    EXPECT_FALSE(any_pixel(cell2 - 5, 298, cell2 + 15, 307, white));

    const std::int32_t cell1 = index_cell_x(1);  // the selected problem
    session.mouse(kMouseMove, cell1 + 5, 302);
    EXPECT_FALSE(any_pixel(cell1 - 5, 298, cell1 + 15, 307, white));

    app_state.current_level = 1;
    draw_problem_index();
    const std::int32_t cell3 = index_cell_x(3);  // problem 3 is of level 3
    session.mouse(kMouseMove, cell3 + 5, 302);
    EXPECT_FALSE(any_pixel(cell3 - 5, 298, cell3 + 15, 307, white));
}

TEST_F(PagePixels, EverySchemeRepaintsEverySchemeArea)
{
    struct Colours {
        std::int32_t page, panel, frame;
    };
    const Colours expected[] = {
        {},
        {qw_rgb(225, 150, 98), qw_rgb(210, 120, 80), qw_rgb(150, 175, 231)},
        {qw_rgb(120, 120, 225), qw_rgb(80, 100, 255), qw_rgb(120, 150, 225)},
        {qw_rgb(210, 210, 0), qw_rgb(200, 200, 0), qw_rgb(225, 170, 0)},
        {qw_rgb(70, 200, 70), qw_rgb(70, 150, 70), qw_rgb(120, 200, 120)},
        {qw_rgb(80, 80, 255), qw_rgb(50, 80, 225), qw_rgb(150, 175, 231)},
    };
    for (std::int32_t scheme : {3, 1, 4, 2, 5, 3}) {
        apply_background_scheme(scheme);
        const Colours& c = expected[scheme];
        SCOPED_TRACE(scheme);
        EXPECT_EQ(pixel(594, 295), c.page);               // problem area, out of every decoration's reach
        EXPECT_EQ(pixel(12, 20), c.panel);                // middle row of the chapter panel's title band
        EXPECT_EQ(pixel(12, 210), c.panel);               // and of the navigation panel's
        EXPECT_EQ(pixel(5, 100), c.frame);                // left column
        EXPECT_EQ(pixel(480, 360), c.frame);              // bottom band
        EXPECT_EQ(pixel(150, 306), c.frame);              // index bar
        EXPECT_EQ(pixel(491, 334), c.frame);              // ground of the previous button
        EXPECT_EQ(pixel(300, 7), qw_rgb(0, 74, 181));     // the decoration is clipped to the area
        EXPECT_EQ(pixel(583, 11), qw_rgb(187, 68, 102));  // the repeat button
    }
}

TEST_F(PagePixels, HeaderGroundFadesFromTheFrameColourTowardsWhite)
{
    // Scheme 1's frame colour (150, 175, 231); the innermost circle holding
    // a point decides its colour: radius 107 (k 0) at the left end, 307
    // (k 20) at x 300, 487 (k 38) at the right end.
    apply_background_scheme(1);
    EXPECT_EQ(pixel(2, 336), qw_rgb(150, 175, 231));
    EXPECT_EQ(pixel(300, 336), qw_rgb(196, 210, 241));
    EXPECT_EQ(pixel(486, 336), qw_rgb(238, 242, 251));
}

TEST_F(PagePixels, LevelNoticeReplacesTheProblem)
{
    app_state.current_level = 1;
    app_state.selected_problem = 5;
    show_problem_page(PageMode::as_version);
    EXPECT_EQ(pixel(330, 130), qw_rgb(255, 0, 0));
    EXPECT_EQ(pixel(365, 22), qw_rgb(140, 165, 231));
}

TEST_F(PagePixels, NewChapterLeavesNothingOfTheOldSectionTitlesBesideThePanel)
{
    // Titles as long as the longest real ones run over the left column and
    // the rule of the problem area.
    draw_markup_text(16, 40, "@T2@@C2@WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    draw_markup_text(16, 180, "@T2@@C4@WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    bool over_the_column = false;
    for (std::int32_t y = 40; y <= 54; ++y)
        for (std::int32_t x = 133; x <= 140; ++x)
            over_the_column = over_the_column || pixel(x, y) != scheme_frame_colour();
    ASSERT_TRUE(over_the_column);

    on_menu_chapter(3);
    for (std::int32_t y = 31; y <= 199; ++y) {
        for (std::int32_t x = 133; x <= 140; ++x) ASSERT_EQ(pixel(x, y), scheme_frame_colour()) << x << "," << y;
        for (std::int32_t x = 141; x <= 143; ++x) ASSERT_EQ(pixel(x, y), qw_rgb(0, 74, 181)) << x << "," << y;
    }
}

}  // namespace
