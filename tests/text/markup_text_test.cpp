#include <gtest/gtest.h>

#include <string>

#include "platform/graphics.h"
#include "recorded_drawing.h"
#include "text/fonts_colours.h"
#include "text/markup_text.h"

// The recording backend draws every character h / 2 pixels wide: 8 in the
// body font (h16), 7 in the subscript font (h14), 10 in the Greek font (h20).
namespace {
const std::string body = "t'Arial'h16b";
const std::string small = "t'Arial'h14b";
const std::string italic = "t'Arial'h16bi";
const std::string greek = "t'Symbol'h20bi";
const std::string bold_italic = "t'Arial'h16bei";

void expect_text(const DrawnText& t, std::int32_t x, std::int32_t y, const std::string& font, const std::string& text)
{
    EXPECT_EQ(t.x, x) << t.text;
    EXPECT_EQ(t.y, y) << t.text;
    EXPECT_EQ(t.font, font) << t.text;
    EXPECT_EQ(t.text, text);
}
}  // namespace

using MarkupText = RecordedDrawing;

TEST_F(MarkupText, SubscriptDropsFourPixelsShiftsOneAndReturnsToBodyFont)
{
    EXPECT_EQ(draw_markup_text(10, 20, "H@d2@O"), 20.0f);
    const auto t = texts();
    ASSERT_EQ(t.size(), 3u);
    expect_text(t[0], 10, 20, body, "H");
    expect_text(t[1], 19, 24, small, "2");
    expect_text(t[2], 26, 20, body, "O");
    EXPECT_EQ(qw_get_current_position(), (QwPoint{34, 20}));
}

TEST_F(MarkupText, RewritingCodesExpandAsWrittenConventions)
{
    draw_markup_text(0, 100, "SO@d4@@u2-@");
    auto t = texts();
    ASSERT_EQ(t.size(), 4u);
    expect_text(t[1], 17, 104, small, "4");
    expect_text(t[2], 24, 99, small, "2");
    expect_text(t[3], 31, 92, small, "_");  // a charge's minus is the raised one too

    mark();
    draw_markup_text(0, 100, "Cl@u-@ e");
    t = texts();
    ASSERT_EQ(t.size(), 3u);
    expect_text(t[1], 16, 92, small, "_");  // the raised minus
    expect_text(t[2], 23, 100, body, " e");

    mark();
    draw_markup_text(0, 100, "s@u-1@");
    t = texts();
    ASSERT_EQ(t.size(), 2u);
    expect_text(t[1], 8, 99, small, "-1");

    mark();
    draw_markup_text(0, 100, "25 @uo@C");
    t = texts();
    ASSERT_EQ(t.size(), 3u);
    expect_text(t[1], 24, 99, small, "o");
    expect_text(t[2], 31, 100, body, "C");

    mark();
    draw_markup_text(0, 100, "@bD@H@uo@ e @iK@");
    t = texts();
    ASSERT_EQ(t.size(), 5u);
    expect_text(t[0], 0, 97, greek, "D");
    expect_text(t[1], 10, 100, body, "H");
    expect_text(t[2], 18, 99, small, "o");
    expect_text(t[3], 25, 100, body, " e ");
    expect_text(t[4], 49, 100, italic, "K");
}

TEST_F(MarkupText, RewritingCodeEndsInBodyFontWhateverWasSelected)
{
    draw_markup_text(0, 0, "@T7@R@d2@x");
    const auto t = texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].font, bold_italic);
    EXPECT_EQ(t[2].font, body);
    EXPECT_EQ(renderer_state.current_font_number, 1);
}

TEST_F(MarkupText, LoneAtSigns)
{
    draw_markup_text(0, 0, "abc@");
    EXPECT_EQ(strings(), (std::vector<std::string>{"abc"}));
    mark();
    draw_markup_text(0, 0, "@abc");
    EXPECT_EQ(strings(), (std::vector<std::string>{"@abc"}));
    mark();
    draw_markup_text(0, 0, "x @ y");
    EXPECT_EQ(strings(), (std::vector<std::string>{"x ", "@ y"}));
    mark();
    draw_markup_text(0, 0, "@");
    EXPECT_TRUE(texts().empty());
}

TEST_F(MarkupText, UnknownAndEmptyCodesVanish)
{
    for (const char* text : {"ab@Q5@cd", "ab@@cd", "ab@Zanything at all@cd"}) {
        mark();
        draw_markup_text(0, 0, text);
        const auto t = texts();
        ASSERT_EQ(t.size(), 2u) << text;
        expect_text(t[1], 16, 0, body, "cd");
    }
}

TEST_F(MarkupText, BadNumbersDropTheCodeOnly)
{
    draw_markup_text(0, 0, "@T4@@C1@");  // something other than font 1 to start from
    for (const char* code : {"@Tx@", "@T0@", "@T21@", "@T-3@", "@C99@", "@C0@", "@xab@", "@Y1.5@", "@cZZ@",
                             "@r00ZZ00010010@", "@L1x0000@"}) {
        mark();
        draw_markup_text(10, 10, std::string("a") + code + "b");
        const auto t = texts();
        ASSERT_EQ(t.size(), 2u) << code;
        EXPECT_EQ(t[1].x, 18) << code;
        EXPECT_EQ(t[1].y, 10) << code;
        EXPECT_EQ(t[1].font, "t'Arial'h16be") << code;
        EXPECT_EQ(t[1].colour, 0) << code;
        EXPECT_TRUE(shapes("rect").empty()) << code;
        EXPECT_TRUE(shapes("line").empty()) << code;
    }
    EXPECT_EQ(renderer_state.current_font_number, 4);
    EXPECT_EQ(renderer_state.current_colour_number, 1);
}

TEST_F(MarkupText, PenCodesFixedPitchAndReturnedY)
{
    EXPECT_EQ(draw_markup_text(0, 0, "@X100@@Y50@a@x 5@b@y-10@c"), 40.0f);
    auto t = texts();
    ASSERT_EQ(t.size(), 3u);
    expect_text(t[0], 100, 50, body, "a");
    expect_text(t[1], 113, 50, body, "b");
    expect_text(t[2], 121, 40, body, "c");

    mark();
    draw_markup_text(0, 0, "@s20@ab c@s0@de");
    EXPECT_EQ(strings(), (std::vector<std::string>{"a", "b", " ", "c", "de"}));
    t = texts();
    EXPECT_EQ(t[3].x, 60);
    EXPECT_EQ(t[4].x, 80);
}

TEST_F(MarkupText, DirectColoursFontsAndBars)
{
    draw_markup_text(0, 0, "@t'Arial'h72be@A@c00FFFF@B@C3@C");
    auto t = texts();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[0].font, "t'Arial'h72be");
    EXPECT_EQ(t[1].colour, 0x00FFFF);
    EXPECT_EQ(t[2].colour, 0x0000DD);
    EXPECT_EQ(renderer_state.current_font_number, 1);  // t leaves the number alone
    EXPECT_EQ(renderer_state.current_colour_number, 3);
    EXPECT_EQ(renderer_state.last_direct_colour, 0x00FFFF);

    mark();
    draw_markup_text(50, 60, "@T1@1@r000000105000@x");
    EXPECT_EQ(shapes("rect"), (std::vector<DrawnShape>{{"rect filled", 58, 60, 163, 60, 0}}));
    t = texts();
    EXPECT_EQ(t[1].x, 58);  // the bar does not move the pen
    EXPECT_EQ(renderer_state.last_direct_colour, 0);
}

TEST_F(MarkupText, StrokesAtZeroAndNinetyDegrees)
{
    draw_markup_text(0, 0, "@c00AA00@");
    mark();
    draw_markup_text(100, 50, "@L210000@");
    EXPECT_EQ(shapes("line"),
              (std::vector<DrawnShape>{{"line", 100, 50, 110, 50, 0x0000FF}, {"line", 100, 53, 110, 53, 0x0000FF}}));
    mark();
    draw_markup_text(100, 50, "@L210090@");
    EXPECT_EQ(shapes("line"),
              (std::vector<DrawnShape>{{"line", 100, 50, 100, 60, 0x0000FF}, {"line", 103, 50, 103, 60, 0x0000FF}}));
    mark();
    draw_markup_text(100, 50, "@L110-60@x");
    const auto lines = shapes("line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (DrawnShape{"line", 100, 50, 105, 41, 0x0000FF}));  // up and to the right
    EXPECT_EQ(texts()[0].colour, 0x00AA00);                                 // the last direct colour comes back
}

TEST_F(MarkupText, TextBeyondAThousandCharactersIsNotDrawn)
{
    draw_markup_text(0, 0, std::string(1200, 'a'));
    ASSERT_EQ(texts().size(), 1u);
    EXPECT_EQ(texts()[0].text.size(), 1000u);

    mark();  // counted in characters, not bytes
    draw_markup_text(0, 0, std::string(999, 'a') + "\xC3\xA8\xC3\xA8");
    EXPECT_EQ(texts()[0].text, std::string(999, 'a') + "\xC3\xA8");

    // The subscript's expansion pushes its own end and the tail past the limit.
    mark();
    draw_markup_text(0, 0, "@d" + std::string(990, 'x') + "@tail");
    const auto t = texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, std::string(988, 'x'));
    EXPECT_EQ(t[0].font, small);
}

TEST_F(MarkupText, EmptyTextDrawsNothingAndMeasuresZero)
{
    EXPECT_EQ(draw_markup_text(5, 7, ""), 7.0f);
    EXPECT_TRUE(texts(true).empty());
    EXPECT_EQ(measure_markup_text(1000, 1000, "@T4@").x, 1000);
    EXPECT_EQ(measure_markup_text(1000, 1000, "ab@d2@").x, 1000 + 16 + 1 + 7);
}

TEST(FirstCharacters, CutsAtCharacterBoundaries)
{
    EXPECT_EQ(first_characters("abc", 2), "ab");
    EXPECT_EQ(first_characters("abc", 5), "abc");
    EXPECT_EQ(first_characters("\xE2\x80\xA2"
                               "10",
                               1),
              "\xE2\x80\xA2");
    EXPECT_EQ(first_characters("", 3), "");
}

// Laying a text out without drawing it must leave the same position and
// state as drawing it, or boxes would not fit their texts.
TEST_F(MarkupText, MeasuringAgreesWithDrawing)
{
    for (const char* text :
         {"", "plain text  ", "H@d2@O", "@T7@R@T1@@C1@: 5", "ab@x-40@", "@s12@abc", "@s12@ab@s0@c", "x@r0000FF010010@y",
          "@c00AA00@a@L110045@", "@t'Arial'h24b@Big@T2@", "tail @", "@open", "@T4@only codes@X5@@Y9@"}) {
        draw_markup_text(0, 0, "@T1@@C1@");
        qw_move_to(1000, 1000);
        draw_markup_text(1000, 1000, text);
        const QwPoint drawn = qw_get_current_position();
        const RendererState after_drawing = renderer_state;
        draw_markup_text(0, 0, "@T1@@C1@");
        const QwPoint measured = measure_markup_text(1000, 1000, text);
        EXPECT_EQ(measured, drawn) << text;
        EXPECT_EQ(renderer_state.current_font_number, after_drawing.current_font_number) << text;
        EXPECT_EQ(renderer_state.last_direct_colour, after_drawing.last_direct_colour) << text;
        // The next text comes out in the same font.
        mark();
        draw_markup_text(0, 0, "z");
        const std::string font_after_measuring = texts().back().font;
        draw_markup_text(1000, 1000, text);
        mark();
        draw_markup_text(0, 0, "z");
        EXPECT_EQ(texts().back().font, font_after_measuring) << text;
    }
}
