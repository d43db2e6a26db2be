#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/graphics.h"
#include "recorded_drawing.h"
#include "text/fonts_colours.h"
#include "text/justified_text.h"
#include "text/line_breaks.h"
#include "text/line_ink.h"
#include "text/markup_text.h"

// Body text is 8 pixels a character on the recording backend.
using JustifiedText = RecordedDrawing;

TEST_F(JustifiedText, SpareSpaceGoesToTheFirstGapsOnePixelMore)
{
    // Five words fill 112 of 126 pixels: 14 spare over 4 gaps is 4, 4, 3, 3.
    draw_justified_text(0, 126, 10, "aa bb cc dd ee ff");
    const auto t = texts();
    ASSERT_EQ(t.size(), 6u);
    const std::vector<std::pair<std::int32_t, std::string>> expected = {
        {0, "aa "}, {28, "bb "}, {56, "cc "}, {83, "dd "}, {110, "ee"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(t[i].x, expected[i].first) << i;
        EXPECT_EQ(t[i].y, 10) << i;
        EXPECT_EQ(t[i].text, expected[i].second) << i;
    }
    EXPECT_EQ(t[5].x, 0);
    EXPECT_EQ(t[5].y, 26);
    EXPECT_EQ(t[5].text, "ff");  // the last line stays ragged
}

TEST_F(JustifiedText, ALineWhoseGapsWouldWidenByALetterOrMoreStaysRagged)
{
    // "aa bb" (40 pixels) before a word too long for the line: its one gap
    // widens by 7 spare pixels (a letter is 8), not by 8; and a letter is the
    // line's own, not one of the heading's font a paragraph may start in
    // (font 9, 18 pixels).
    const struct {
        std::int32_t font_before, width;
        bool spread;
    } cases[] = {{1, 47, true}, {1, 48, false}, {9, 52, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        mark();
        select_font(c.font_before);
        draw_justified_text(0, c.width, 0, "@T1@aa bb " + std::string(40, 'c'));
        const auto t = texts();
        ASSERT_EQ(t.size(), c.spread ? 3u : 2u);
        EXPECT_EQ(t[0].text, c.spread ? "aa " : "aa bb");
        if (c.spread) {
            EXPECT_EQ(t[1].x, 24 + 7);
        }
        EXPECT_EQ(t.back().y, 16);
    }
}

TEST_F(JustifiedText, WordWiderThanTheLimitsLeavesTheRestOnOneLine)
{
    draw_justified_text(20, 50, 0, "abcdefghij klm nop");
    const auto t = texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].x, 20);
    EXPECT_EQ(t[0].text, "abcdefghij klm nop");
}

TEST_F(JustifiedText, BlanksInsideCodesAreNotBreaks)
{
    // "@x 5@" holds a blank; breaking there would print the code's halves.
    draw_justified_text(0, 80, 0, "ab@x 5@cd efgh ijkl");
    const auto t = texts();
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1].text, "cd ");
    EXPECT_EQ(t[1].x, 21);
    EXPECT_EQ(t[3].text, "ijkl");
    EXPECT_EQ(t[3].y, 16);
}

TEST_F(JustifiedText, ManyWordsAllGetDrawn)
{
    std::string text;
    for (int i = 0; i < 300; ++i) text += "w ";
    draw_justified_text(0, 200, 0, text);
    std::size_t words = 0;
    std::int32_t last_y = 0;
    for (const DrawnText& t : texts()) {
        for (char c : t.text) words += c == 'w';
        last_y = t.y;
    }
    EXPECT_EQ(words, 300u);
    // 300 one-letter words at 16 pixels each (13 fit in 200 pixels a line).
    EXPECT_EQ(last_y, 16 * (300 / 13));
}

TEST_F(JustifiedText, NumberedFontAndColourCarryToTheNextLineDirectOnesDoNot)
{
    draw_justified_text(0, 100, 0, "@C3@@T4@aa @c00FF00@bb cc dd ee ff gg hh");
    const auto t = texts();
    ASSERT_GE(t.size(), 2u);
    const DrawnText& next_line = t.back();
    EXPECT_EQ(next_line.y, 16);
    EXPECT_EQ(next_line.colour, 0x0000DD);
    EXPECT_EQ(next_line.font, "t'Arial'h16be");
}

TEST_F(JustifiedText, SubscriptsDoNotMoveTheNextLine)
{
    draw_justified_text(0, 60, 0, "H@d2@O H@d2@O H@d2@O");
    const auto t = texts();
    EXPECT_EQ(t.back().y, 16);
    EXPECT_EQ(t.back().text, "O");
}

TEST_F(JustifiedText, EmptyTextDrawsNothing)
{
    draw_justified_text(0, 100, 40, "");
    draw_justified_text(0, 100, 40, "   ");
    EXPECT_TRUE(texts(true).empty());
    EXPECT_EQ(qw_get_current_position(), (QwPoint{0, 40}));
}

TEST_F(JustifiedText, MeasuringOffThePageGivesTheLastLine)
{
    draw_justified_text(1000, 1126, 30, "aa bb cc dd ee ff gg");
    EXPECT_EQ(qw_get_current_position(), (QwPoint{1000 + 40, 46}));
}

TEST_F(JustifiedText, MeasuringAgreesWithDrawing)
{
    LineMemo shared;  // serves one paragraph after another
    for (const char* text : {"", "aa bb cc dd ee ff gg", "@T4@aa bb @T1@cc dd ee ff gg hh ii",
                             "H@d2@O H@d2@O H@d2@O H@d2@O", "abcdefghij klm nop", "aa @y20@bb cc dd ee ff gg"}) {
        draw_justified_text(1000, 1100, 30, text);
        const QwPoint drawn = qw_get_current_position();
        EXPECT_EQ(measure_justified_text(1000, 1100, 30, text), drawn) << text;
        EXPECT_EQ(measure_justified_text(1000, 1100, 30, text, shared), drawn) << text;
    }
}

// A paragraph measured and then drawn with one memo, each pass started in
// another font, draws as a fresh drawing does.
TEST_F(JustifiedText, ADrawingAfterAMeasureFromAnotherFontDrawsAsAFreshOne)
{
    struct Row {
        const char* text;
        std::int32_t measured_from, drawn_from;
    };
    for (const Row& row : {Row{"@T1@@C1@aa bb cc dd ee ff gg hh ii jj H@d2@O kk", 2, 1},
                           Row{"@C6@@T4@aa bb cc dd ee ff gg hh", 4, 8}, Row{"@T7@@C6@R@T1@@C1@: aa bb cc dd ee", 1, 2},
                           Row{"aa @T4@bb cc dd ee ff gg hh ii", 2, 1}, Row{"@T99@aa bb cc dd ee ff gg", 2, 1}}) {
        SCOPED_TRACE(row.text);
        select_font(row.drawn_from);
        select_colour(1);
        draw_justified_text(0, 100, 0, row.text);
        const std::vector<DrawnText> fresh = texts();
        const QwPoint fresh_end = qw_get_current_position();
        SetUp();
        LineMemo memo;
        select_font(row.measured_from);
        measure_justified_text(0, 100, 0, row.text, memo);
        select_font(row.drawn_from);
        select_colour(1);
        draw_justified_text(0, 100, 0, row.text, memo);
        const std::vector<DrawnText> shared = texts();
        ASSERT_EQ(shared.size(), fresh.size());
        for (std::size_t k = 0; k < fresh.size(); ++k) {
            EXPECT_EQ(shared[k].text, fresh[k].text);
            EXPECT_EQ(shared[k].font, fresh[k].font);
            EXPECT_EQ(shared[k].colour, fresh[k].colour);
            EXPECT_EQ((QwPoint{shared[k].x, shared[k].y}), (QwPoint{fresh[k].x, fresh[k].y}));
        }
        EXPECT_EQ(qw_get_current_position(), fresh_end);
        SetUp();
    }
}

TEST_F(JustifiedText, AParagraphEndingInASuperscriptEndsOnItsLastLine)
{
    // The raised minus is drawn above the line; the paragraph still ends on it.
    EXPECT_EQ(measure_justified_text(1000, 1126, 30, "aa bb cc dd ee ff OH@u-@").y, 46);
    EXPECT_EQ(measure_justified_text(1000, 1126, 30, "aa bb cc dd ee ff H@d2@").y, 46);
    EXPECT_EQ(measure_justified_text(1000, 1126, 30, "aa OH@u-@").y, 30);
}

// Lines are fitted by measuring each longer candidate on from the shorter
// one. Worked out again here by measuring every candidate line whole, over
// generated paragraphs of words with codes, at many widths.
TEST_F(JustifiedText, LinesFitAsWhenEveryCandidateIsMeasuredWhole)
{
    const std::vector<std::string> words = {"H@d2@O",
                                            "10@u-3@",
                                            "@T5@K@T1@c",
                                            "@C3@rosso@C1@",
                                            "@s9@ABC@s0@",
                                            "@s7@fisso",
                                            "Δ",
                                            "la",
                                            "soluzione",
                                            "@T4@grassa",
                                            "@T1@",
                                            "Ca@u2+@",
                                            "(a)",
                                            "@x3@x",
                                            "@y2@y@y-2@",
                                            "SO@d4@@u2-@",
                                            "@T2@piccolo@T1@",
                                            "e"};
    const auto measured = [](std::int32_t font, std::string_view text) {
        select_font(font);
        return measure_markup_text(0, 2000, text).x;
    };
    std::uint32_t seed = 7;
    const auto next = [&seed](std::uint32_t n) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % n;
    };
    for (int paragraph = 0; paragraph < 40; ++paragraph) {
        std::string text = words[next(words.size())];
        const std::uint32_t count = 4 + next(30);
        for (std::uint32_t k = 0; k < count; ++k) {
            // The word is drawn before its gap, as the paragraphs were first made.
            const std::string& word = words[next(words.size())];
            text += next(6) == 0 ? "  " : " ";
            text += word;
        }
        for (std::int32_t room = 30; room <= 400; room += 37) {
            SCOPED_TRACE(text + " in " + std::to_string(room));
            select_font(1);
            select_colour(1);
            const std::string work = " " + text;
            const std::vector<std::size_t> breaks = line_breaks(work, room, [](std::size_t, std::size_t) { return 0; });
            const auto span = [&](std::size_t from, std::size_t to) {
                return std::string_view(work).substr(breaks[from] + 1, breaks[to] - breaks[from] - 1);
            };
            std::int32_t font = 1;
            std::int32_t lines = 0;
            std::size_t first = 0;
            for (;;) {
                std::size_t j = first + 1;
                while (j < breaks.size() && measured(font, span(first, j)) <= room) ++j;
                if (j == breaks.size() || j < first + 2) break;
                measured(font, span(first, j - 1));
                font = renderer_state.current_font_number;
                ++lines;
                first = j - 1;
            }
            select_font(font);
            const std::int32_t last_x = measure_markup_text(1000, 2000, work.substr(breaks[first] + 1)).x;

            select_font(1);
            select_colour(1);
            const QwPoint end = measure_justified_text(1000, 1000 + room, 30, text);
            EXPECT_EQ(end.y, 30 + 16 * lines);
            EXPECT_EQ(end.x, last_x);
        }
    }
}

// Two lines' ink, the second below the first: the room the second must go
// lower by so that a blank row, diagonals included, parts them, and whether
// the two lines' rows alone say that they may need any.
TEST(LineInkTest, RoomBelowALineAndWhetherTheRowsAloneMayMeet)
{
    struct Text {
        std::int32_t x, y;
        std::vector<QwInkColumn> columns;
    };
    struct Row {
        const char* what;
        std::vector<Text> high;
        std::int32_t high_lowered;
        Text low;
        std::int32_t room;
        bool may_meet;
    };
    const QwInkColumn none{};
    const Row rows[] = {
        {"meeting on a row", {{0, 0, {{2, 9}}}}, 0, {0, 9, {{0, 5}}}, 2, true},
        {"touching", {{0, 0, {{2, 9}}}}, 0, {0, 10, {{0, 5}}}, 1, true},
        {"one blank row", {{0, 0, {{2, 9}}}}, 0, {0, 11, {{0, 5}}}, 0, false},
        {"one blank row, the line above lowered", {{0, 0, {{2, 9}}}}, 2, {0, 11, {{0, 5}}}, 2, true},
        {"diagonal", {{0, 0, {{2, 9}, none}}}, 0, {1, 10, {{0, 5}}}, 1, true},
        {"a blank column between", {{0, 0, {{2, 9}}}}, 0, {2, 10, {{0, 5}}}, 0, true},
        {"no overlap", {{0, 0, {{2, 9}}}}, 0, {0, 20, {{0, 5}}}, 0, false},
        {"a line without ink", {{0, 0, {none}}}, 0, {0, 0, {{0, 5}}}, 0, false},
        {"a text left of the first",
         {{3, 0, {{2, 9}}}, {0, 0, {{0, 1}}}},
         0,
         {0, 2, {{0, 1}, none, none, {7, 8}}},
         2,
         true},
    };
    const auto rows_of = [](const std::vector<Text>& line, std::int32_t lowered) {
        QwInkColumn all{};
        for (const Text& text : line)
            for (const QwInkColumn& c : text.columns)
                if (c.top <= c.bottom)
                    all = all.top > all.bottom
                              ? QwInkColumn{text.y + c.top, text.y + c.bottom}
                              : QwInkColumn{std::min(all.top, text.y + c.top), std::max(all.bottom, text.y + c.bottom)};
        return all.top > all.bottom ? all : QwInkColumn{all.top + lowered, all.bottom + lowered};
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        LineInk high, low;
        for (const Text& text : row.high) high.add(text.x, text.y, text.columns);
        high.move_down(row.high_lowered);
        low.add(row.low.x, row.low.y, row.low.columns);
        EXPECT_EQ(high.room_above(low), row.room);
        EXPECT_EQ(rows_may_meet(rows_of(row.high, row.high_lowered), rows_of({row.low}, 0)), row.may_meet);
    }
}
