// Text drawn with what the Qt backend keeps between calls (fonts, measured
// widths, the painter on the canvas): each call must still draw as if it
// were the first, whatever font, colour, clip or thread came before it.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <thread>

#include "platform/graphics.h"
#include "platform/qt/qt_application.h"
#include "support/platform_fixtures.h"

namespace {

using testing_support::QtSessionTest;

constexpr std::int32_t kPaper = 0xFFFFFF;
constexpr std::int32_t kDarkBlue = 0xAA0000;
constexpr std::int32_t kDarkRed = 0x0000DD;
constexpr const char* kWord = "Hpgé";

void clear_canvas()
{
    qw_set_clip_region(0, 0, 1999, 999);
    qw_set_color_rgb(kPaper);
    qw_rectangle(QwControl::filled, 0, 0, 1999, 999);
}

void draw_at(std::int32_t x, std::int32_t y, const char* font, std::int32_t colour, const char* text = kWord)
{
    ASSERT_GT(qw_set_font(font), 0) << font;
    qw_set_color_rgb(colour);
    qw_move_to(x, y);
    qw_out_text(text);
}

// The 60 x 30 pixels from (x, y), '#' where ink of the colour landed, '?'
// for any other colour than the ground.
std::string picture(platform::qt::Session& session, std::int32_t x, std::int32_t y, std::int32_t colour)
{
    std::string s;
    for (std::int32_t row = y; row < y + 30; ++row) {
        for (std::int32_t column = x; column < x + 60; ++column) {
            const std::int32_t p = session.canvas_pixel(column, row);
            s += p == colour ? '#' : p == kPaper ? '.' : '?';
        }
    }
    return s;
}

class QtTextReuseTest : public QtSessionTest {
protected:
    void SetUp() override { clear_canvas(); }
};

TEST_F(QtTextReuseTest, FontAndColourOfTheLastTextDoNotLinger)
{
    draw_at(10, 10, "t'Arial'h16b", kDarkBlue);
    draw_at(110, 10, "t'Arial'h20e", kDarkRed);
    draw_at(210, 10, "t'Arial'h16b", kDarkBlue);
    draw_at(310, 10, "t'Arial'h16b", kDarkRed);
    const std::string first = picture(session(), 10, 10, kDarkBlue);
    EXPECT_NE(first.find('#'), std::string::npos);
    EXPECT_EQ(first.find('?'), std::string::npos);
    EXPECT_EQ(picture(session(), 210, 10, kDarkBlue), first);
    EXPECT_EQ(picture(session(), 310, 10, kDarkRed), first);
    const std::string other = picture(session(), 110, 10, kDarkRed);
    EXPECT_EQ(other.find('?'), std::string::npos);
    EXPECT_NE(other, first);
}

TEST_F(QtTextReuseTest, WidthsAreKeptApartByFont)
{
    ASSERT_GT(qw_set_font("t'Arial'h16b"), 0);
    const std::int32_t plain = qw_get_text_extent("Bromo");
    ASSERT_GT(qw_set_font("t'Arial'h16be"), 0);
    const std::int32_t bold = qw_get_text_extent("Bromo");
    ASSERT_GT(qw_set_font("t'Arial'h28be"), 0);
    const std::int32_t large = qw_get_text_extent("Bromo");
    EXPECT_LT(plain, bold);
    EXPECT_LT(bold, large);
    for (int round = 0; round < 3; ++round) {
        ASSERT_GT(qw_set_font("t'Arial'h16b"), 0);
        EXPECT_EQ(qw_get_text_extent("Bromo"), plain);
        qw_move_to(0, 2000);
        qw_out_text("Bromo");
        EXPECT_EQ(qw_get_current_position().x, plain);
        ASSERT_GT(qw_set_font("t'Arial'h16be"), 0);
        EXPECT_EQ(qw_get_text_extent("Bromo"), bold);
    }
    // The Symbol face measures the Greek letters it draws, not the Latin
    // ones the same text has just been measured as.
    ASSERT_GT(qw_set_font("t'Arial'h20bi"), 0);
    const std::int32_t latin = qw_get_text_extent("wwww");
    ASSERT_GT(qw_set_font("t'Symbol'h20bi"), 0);
    EXPECT_EQ(qw_get_text_extent("wwww"), qw_get_text_extent("ωωωω"));
    EXPECT_NE(qw_get_text_extent("wwww"), latin);
}

TEST_F(QtTextReuseTest, EachTextHasItsOwnClip)
{
    qw_set_clip_region(100, 100, 110, 200);
    draw_at(90, 100, "t'Arial'h20e", kDarkBlue, "MMMM");
    qw_set_clip_region(0, 0, 1999, 999);
    draw_at(90, 300, "t'Arial'h20e", kDarkBlue, "MMMM");
    const std::string clipped = picture(session(), 90, 100, kDarkBlue);
    const std::string whole = picture(session(), 90, 300, kDarkBlue);
    for (std::size_t i = 0; i < clipped.size(); ++i) {
        const auto column = static_cast<std::int32_t>(90 + i % 60);
        if (column >= 100 && column <= 110) {
            EXPECT_EQ(clipped[i], whole[i]) << "column " << column;
        } else {
            EXPECT_EQ(clipped[i], '.') << "column " << column;
        }
    }
    EXPECT_NE(whole.find('#', 30), std::string::npos);
}

TEST_F(QtTextReuseTest, WorkerThreadsDrawLikeTheUserInterfaceThread)
{
    draw_at(10, 50, "t'Arial'h16bei", kDarkRed);
    const std::string here = picture(session(), 10, 50, kDarkRed);
    ASSERT_NE(here.find('#'), std::string::npos);
    for (std::int32_t worker = 0; worker < 3; ++worker) {
        const std::int32_t x = 100 + 100 * worker;
        std::thread([x] {
            draw_at(x, 50, "t'Arial'h16bei", kDarkRed);
            draw_at(x, 150, "t'Arial'h12", kDarkBlue);
        }).join();
        session().process_events();  // a repaint reads the canvas in between
        EXPECT_EQ(picture(session(), x, 50, kDarkRed), here) << "worker " << worker;
        draw_at(x, 250, "t'Arial'h16bei", kDarkRed);
        EXPECT_EQ(picture(session(), x, 250, kDarkRed), here) << "after worker " << worker;
    }
    EXPECT_EQ(picture(session(), 100, 150, kDarkBlue), picture(session(), 300, 150, kDarkBlue));
}

// Every session installs a new backend with a new canvas and new font
// handles: nothing kept by the last one may draw into it or answer for it.
TEST(QtTextSessions, ANewSessionDrawsTextAfresh)
{
    std::string drawn[2];
    std::int32_t width[2] = {};
    for (int round = 0; round < 2; ++round) {
        platform::qt::Session session;
        clear_canvas();
        if (round == 0) draw_at(40, 100, "t'Arial'h28be", kDarkRed);  // takes the first handle
        draw_at(40, 40, "t'Arial'h16b", kDarkBlue);
        width[round] = qw_get_text_extent(kWord);
        drawn[round] = picture(session, 40, 40, kDarkBlue);
    }
    EXPECT_NE(drawn[1].find('#'), std::string::npos);
    EXPECT_EQ(drawn[1], drawn[0]);
    EXPECT_EQ(width[1], width[0]);
}

}  // namespace
