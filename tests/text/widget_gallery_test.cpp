// Panels, counters, standing buttons, hand-drawn strokes and a crowded graph
// drawn on the real offscreen canvas, checked at chosen pixels. The picture
// is kept in the temporary folder for a look.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "support/platform_fixtures.h"
#include "text/button_widgets.h"
#include "text/drawing_kit.h"
#include "text/fonts_colours.h"
#include "text/graph_plotter.h"
#include "text/markup_text.h"

namespace {

constexpr std::int32_t background = 0xFFFFFF;

class WidgetGallery : public testing_support::QtSessionTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(init_fonts_and_colours(), 0.0f);
        qw_set_clip_region(0, 0, 1600, 1600);
        qw_set_color_rgb(background);
        qw_rectangle(QwControl::filled, 0, 0, 604, 387);
    }

    std::int32_t pixel(std::int32_t x, std::int32_t y) { return session().canvas_pixel(x, y); }

    std::int32_t count(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    {
        std::int32_t n = 0;
        for (std::int32_t y = y1; y <= y2; ++y)
            for (std::int32_t x = x1; x <= x2; ++x) n += pixel(x, y) == colour;
        return n;
    }
};

TEST_F(WidgetGallery, PanelsCountersButtonsStrokesAndCrowdedGraphs)
{
    // A grey panel with its blue inner border.
    draw_panel(10, 10, 200, 120);
    EXPECT_EQ(pixel(12, 12), 0xCCCCCC);
    EXPECT_EQ(pixel(15, 60), 0xFF0000);
    EXPECT_EQ(pixel(195, 60), 0xFF0000);
    EXPECT_EQ(pixel(100, 14), 0xFF0000);
    EXPECT_EQ(pixel(100, 116), 0xFF0000);
    EXPECT_EQ(pixel(100, 60), 0xCCCCCC);

    // A four-cell counter showing 7 as 0007: grey separators split the
    // white digit panel into equal cells, each with one dark blue digit.
    draw_counter_panel("da345674030030080024000099FFFFFF@T4@@C2@", 7);
    EXPECT_EQ(pixel(26, 26), 0x000099);  // the frame around the panel
    EXPECT_EQ(pixel(31, 31), 0xFFFFFF);  // the panel itself
    for (std::int32_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(pixel(30 + 20 * k, 31), 0x888888) << k;
        EXPECT_EQ(pixel(30 + 20 * k + 1, 31), 0x888888) << k;
    }
    for (std::int32_t k = 0; k < 4; ++k) EXPECT_GT(count(0xAA0000, 30 + 20 * k, 30, 30 + 20 * k + 19, 54), 10) << k;

    // A standing arrow button: its body and caps in the fill colour, a
    // white label centred on it, and a click on the body finds it.
    handle_button_descriptor("C");
    handle_button_descriptor("da345678250040020041BB8888FFFFFF@T4@@cFFFFFF@@x-16@@y-7@<");
    EXPECT_EQ(pixel(245, 60), 0xBB8888);
    EXPECT_EQ(pixel(250, 33), 0xBB8888);              // the top cap
    EXPECT_EQ(pixel(240, 60), 0xFFFFFF);              // the body's long edge in the border colour
    EXPECT_GT(count(0xFFFFFF, 241, 45, 259, 75), 5);  // the label
    EXPECT_EQ(handle_button_descriptor("?", 250, 60), 1);
    EXPECT_EQ(handle_button_descriptor("?", 250, 35), 0);  // on the cap

    // Hand-drawn marks: one red stroke down to the right, two parallel ones.
    draw_markup_text(300, 40, "@c000000@@L130045@");
    EXPECT_EQ(pixel(300, 40), 0x0000FF);
    EXPECT_EQ(pixel(310, 50), 0x0000FF);
    EXPECT_EQ(pixel(320, 60), 0x0000FF);
    draw_markup_text(350, 40, "@L230000@");
    EXPECT_EQ(count(0x0000FF, 350, 40, 380, 40), 31);
    EXPECT_EQ(count(0x0000FF, 350, 43, 380, 43), 31);
    EXPECT_EQ(count(0x0000FF, 350, 41, 380, 42), 0);

    // The statement frame that the caller sizes, black-edged, with its header.
    draw_statement_frame_box(40, 300, 170, 230, "Osservare il grafico", "Problema 4.7", 2);
    EXPECT_EQ(pixel(35, 200), 0x000000);  // black outline
    EXPECT_EQ(pixel(305, 200), 0x000000);
    EXPECT_EQ(pixel(302, 252), 0x555555);               // the shadow below right
    EXPECT_EQ(pixel(100, 200), 0xFFF8F8);               // the box below its one line
    EXPECT_GT(count(0x000090, 36, 150, 150, 166), 20);  // the dark red header
    EXPECT_EQ(pixel(300 - 15 + 3, 159), 0x00AA00);
    EXPECT_EQ(pixel(300 - 30 + 3, 159), 0x00AA00);
    EXPECT_EQ(pixel(300 - 45 + 3, 159), 0xCCCCCC);  // only two dots

    // A function sampled far more densely than the pixel columns: drawn by
    // columns, the curve stays one unbroken line inside the frame.
    std::vector<float> x;
    std::vector<float> y;
    for (int i = 0; i <= 2000; ++i) {
        x.push_back(static_cast<float>(i) / 2000.0f);
        y.push_back(std::sin(6.2831853f * x.back()));
    }
    set_up_graph(x, y, static_cast<std::int32_t>(x.size()), 0.0f, 1.0f, 0.1f, "", -1.0f, 1.0f, 0.5f, "",
                 "350580270370l  ", 0xFF0000, 0);
    EXPECT_EQ(pixel(340, 300), qw_rgb(239, 239, 255));  // no room for labels
    EXPECT_EQ(pixel(339, 300), background);
    for (std::int32_t column = 352; column < 578; ++column)
        EXPECT_GT(count(0xFF0000, column, 270, column, 370), 0) << column;
    EXPECT_EQ(count(0xFF0000, 340, 260, 590, 269), 0);  // clipped at the frame

    ASSERT_TRUE(session().save_png(::testing::TempDir() + "widget_gallery.png", 605, 388));
}

}  // namespace
