// A page of typical chemistry drawn on the real offscreen canvas and checked
// at chosen pixels. The picture is kept in the build folder for a look.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "support/platform_fixtures.h"
#include "text/button_widgets.h"
#include "text/drawing_kit.h"
#include "text/fonts_colours.h"
#include "text/graph_plotter.h"
#include "text/justified_text.h"
#include "text/markup_text.h"
#include "text/page_regions.h"

namespace {

constexpr std::int32_t white = 0xFFFFFF;

struct Box {
    std::int32_t x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
    bool empty() const { return x2 < 0; }
    bool operator==(const Box&) const = default;
};

class Gallery : public testing_support::QtSessionTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(init_fonts_and_colours(), 0.0f);
        // The boxes drawn claim their places on the page: a test before may
        // have claimed these.
        clear_page_regions();
        qw_set_clip_region(0, 0, 1600, 1600);
        qw_set_color_rgb(white);
        qw_rectangle(QwControl::filled, 0, 0, 604, 387);
    }

    // Bounding box of the pixels of one colour within a rectangle.
    Box ink(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
    {
        Box b;
        for (std::int32_t y = y1; y <= y2; ++y) {
            for (std::int32_t x = x1; x <= x2; ++x) {
                if (session().canvas_pixel(x, y) != colour) continue;
                b.x1 = std::min(b.x1, x);
                b.y1 = std::min(b.y1, y);
                b.x2 = std::max(b.x2, x);
                b.y2 = std::max(b.y2, y);
            }
        }
        return b;
    }

    // Count of pixels of a colour along one row.
    std::int32_t run_on_row(std::int32_t colour, std::int32_t y, std::int32_t x1, std::int32_t x2)
    {
        std::int32_t n = 0;
        for (std::int32_t x = x1; x <= x2; ++x) n += session().canvas_pixel(x, y) == colour;
        return n;
    }

    std::int32_t width_of(const std::string& markup) { return measure_markup_text(1000, 1000, markup).x - 1000; }
};

TEST_F(Gallery, ChemistryLooksHandWritten)
{
    // Formulas and ions: each piece's place comes from the renderer's own measure.
    draw_markup_text(20, 10, "@T1@@C1@H@d2@SO@d4@");
    const std::int32_t h = width_of("@T1@H");
    const std::int32_t h2 = width_of("@T1@H@d2@");
    const Box big_h = ink(0, 20, 10, 20 + h - 1, 40);
    const Box sub_2 = ink(0, 20 + h + 1, 10, 20 + h2 - 1, 40);
    ASSERT_FALSE(big_h.empty());
    ASSERT_FALSE(sub_2.empty());
    EXPECT_GT(sub_2.y2, big_h.y2);                        // below the line
    EXPECT_LT(sub_2.y2 - sub_2.y1, big_h.y2 - big_h.y1);  // and smaller

    draw_markup_text(150, 10, "@T1@@C1@Cl@u-@");
    const std::int32_t cl = width_of("@T1@Cl");
    const Box letters = ink(0, 150, 10, 150 + cl - 1, 40);
    const Box minus = ink(0, 150 + cl, 0, 150 + cl + 12, 40);
    ASSERT_FALSE(minus.empty());
    EXPECT_LT(minus.y2, letters.y2 - 4);  // a raised minus, not an underscore
    EXPECT_EQ(minus.y1, minus.y2);        // one stroke thick

    draw_markup_text(220, 10, "@T1@@C1@Fe@u3+@");
    const std::int32_t fe = width_of("@T1@Fe");
    const Box fe_letters = ink(0, 220, 10, 220 + fe - 1, 40);
    const Box charge = ink(0, 220 + fe + 1, 0, 220 + fe + 25, 40);
    EXPECT_LT(charge.y1, fe_letters.y1 + 2);
    EXPECT_LT(charge.y2, fe_letters.y2);

    // A Greek capital delta: a triangle, narrow at the top and wide at the foot.
    draw_markup_text(300, 10, "@T1@@C1@@bD@H@uo@");
    const std::int32_t delta = width_of("@T1@@bD@");
    const Box d = ink(0, 300, 0, 300 + delta - 1, 40);
    ASSERT_FALSE(d.empty());
    EXPECT_LT(run_on_row(0, d.y1, d.x1, d.x2) * 3, run_on_row(0, d.y2, d.x1, d.x2));

    // An italic K leans: its top starts further right than its foot.
    draw_markup_text(400, 10, "@T1@@C1@@iK@ = 3");
    const Box k = ink(0, 400, 0, 420, 40);
    std::int32_t top_left = -1;
    std::int32_t foot_left = -1;
    for (std::int32_t x = k.x1; x <= k.x2 && (top_left < 0 || foot_left < 0); ++x) {
        if (top_left < 0 && session().canvas_pixel(x, k.y1) == 0) top_left = x;
        if (foot_left < 0 && session().canvas_pixel(x, k.y2) == 0) foot_left = x;
    }
    EXPECT_GT(top_left, foot_left);

    // A fraction: numerator, a one-pixel bar 30 wide, denominator.
    draw_markup_text(500, 10, "@T1@@C1@@x8@n@X500@@Y28@@r000000030000@@Y32@RT");
    EXPECT_EQ(run_on_row(0, 28, 495, 540), 31);
    EXPECT_EQ(run_on_row(0, 27, 500, 530) + run_on_row(0, 29, 500, 530), 0);

    // The statement box: justified lines reach the right limit.
    draw_statement_box(160, 440, 80,
                       "Calcolare la massa di H@d2@SO@d4@ che reagisce con 10,0 g di NaOH secondo "
                       "la reazione H@d2@SO@d4@ + 2NaOH = Na@d2@SO@d4@ + 2H@d2@O, sapendo che il "
                       "@bD@H@uo@ vale -57 kJ/mol.",
                       "Problema 2.14", 3);
    EXPECT_EQ(session().canvas_pixel(200, 70), 0xCCCCCC);           // header band
    EXPECT_EQ(session().canvas_pixel(440 - 15 + 3, 69), 0x00AA00);  // first level dot
    const Box first_line = ink(0, 160, 82, 445, 94);
    EXPECT_GE(first_line.x2, 436);
    EXPECT_LE(first_line.x2, 440);
    EXPECT_EQ(session().canvas_pixel(445, 90), 0x009000);  // green border

    draw_answer_box(170, 440, 160, "m = 12,3 g");
    EXPECT_EQ(session().canvas_pixel(167, 165), qw_rgb(250, 250, 0));
    EXPECT_FALSE(ink(0x000090, 170, 160, 185, 178).empty());  // the red "R"

    // A graph with a red line and blue points.
    const std::vector<float> x = {-4, -2, 0, 2, 4};
    const std::vector<float> y = {-4, -2, 0, 2, 4};
    set_up_graph(x, y, 5, -5, 5, 1, "(f8.0)", -5, 5, 1, "(f8.0)", "250400200330lp ", 0x0000FF, 0xFF0000);
    EXPECT_EQ(session().canvas_pixel(252, 328), qw_rgb(239, 239, 255));  // inside, off the line
    EXPECT_EQ(session().canvas_pixel(250, 250), 0);                      // frame
    EXPECT_EQ(session().canvas_pixel(325, 265), 0xFF0000);               // the point at the origin
    EXPECT_FALSE(ink(0x0000FF, 300, 280, 310, 300).empty());
    EXPECT_EQ(session().canvas_pixel(250, 189), white);  // the background ends above the area

    // A button with its label.
    handle_button_descriptor("C");
    handle_button_descriptor("da34567845036010002000009900FFFF@T4@@c00FFFF@@y-18@Spin");
    EXPECT_EQ(session().canvas_pixel(455, 351), 0x000099);    // fill, left of the label
    EXPECT_EQ(session().canvas_pixel(500, 350), 0x00FFFF);    // top edge
    EXPECT_FALSE(ink(0x00FFFF, 480, 352, 520, 368).empty());  // the label
    EXPECT_EQ(handle_button_descriptor("?", 500, 360), 1);

    // A hint balloon whose label stays on one line.
    draw_hint_balloon(60, 300, "Set. 06");
    EXPECT_EQ(session().canvas_pixel(64, 315), qw_rgb(220, 220, 40));
    const Box label = ink(0x0000D0, 60, 300, 140, 330);
    ASSERT_FALSE(label.empty());
    EXPECT_GT(label.x2, 60 + 30);  // beyond the right limit, as one line
    EXPECT_LT(label.y2, 300 + 7 + 16);

    // Kept for a look by eye, beside the test's other temporary files.
    ASSERT_TRUE(session().save_png(::testing::TempDir() + "text_gallery.png", 605, 388));
}

TEST_F(Gallery, LinesOfAParagraphKeepABlankPixelBetweenTheirLetters)
{
    constexpr std::int32_t red = 0x0000DD;
    // Whether a red pixel has a black one beside it, diagonals included.
    const auto meet = [this] {
        for (std::int32_t y = 80; y <= 160; ++y)
            for (std::int32_t x = 20; x <= 300; ++x)
                if (session().canvas_pixel(x, y) == red && !ink(0, x - 1, y - 1, x + 1, y + 1).empty()) return true;
        return false;
    };
    const auto clear = [] {
        qw_set_color_rgb(white);
        qw_rectangle(QwControl::filled, 0, 60, 400, 200);
    };
    // Two lines 16 pixels apart whose letters meet (an accent under a
    // descender, an exponent under a state's "(g)", a Greek letter under a
    // "p"), and two that do not.
    const struct {
        const char* upper;
        const char* lower;
        bool meeting;
    } pairs[] = {
        {"grandezza", "È ragionevole", true},
        {"3A@d(g)@", "•10@u6@", true},
        {"parametri:", "@x-4@@bb@ = 90°", true},
        {"grandezza", "E ragionevole", false},
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.upper);
        clear();
        draw_markup_text(40, 100, std::string("@T1@@C1@") + p.upper);
        draw_markup_text(40, 116, std::string("@T1@@C3@") + p.lower);
        ASSERT_EQ(meet(), p.meeting);
        const Box plain = ink(red, 20, 100, 300, 160);
        clear();
        select_font(1);
        const std::int32_t right = 40 + width_of(std::string("@T1@") + p.upper) + 4;
        const std::string paragraph = std::string("@C1@") + p.upper + " @C3@" + p.lower;
        const QwPoint end = draw_justified_text(40, right, 100, paragraph);
        EXPECT_FALSE(meet());
        // As low as the blank pixel needs, no lower.
        const Box laid = ink(red, 20, 100, 300, 160);
        EXPECT_EQ(laid.x1, plain.x1);
        EXPECT_GE(laid.y1 - plain.y1, p.meeting ? 1 : 0);
        EXPECT_LE(laid.y1 - plain.y1, p.meeting ? 2 : 0);
        // Measured first off the page, as a box measures its text, then drawn
        // with what the measure kept: the same rows.
        LineMemo memo;
        select_font(1);
        EXPECT_EQ(measure_justified_text(1040, right + 1000, 100, paragraph, memo).y, end.y);
        clear();
        select_font(1);
        EXPECT_EQ(draw_justified_text(40, right, 100, paragraph, memo), end);
        EXPECT_EQ(ink(red, 20, 100, 300, 160), laid);
    }
}

}  // namespace
