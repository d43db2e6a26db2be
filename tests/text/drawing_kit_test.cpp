#include <gtest/gtest.h>

#include <string>

#include "platform/backend.h"
#include "platform/dialogs.h"
#include "recorded_drawing.h"
#include "text/drawing_kit.h"
#include "text/message_dialog.h"
#include "text/page_regions.h"

// Body text is 8 pixels a character on the recording backend.
class DrawingKit : public RecordedDrawing {};

TEST_F(DrawingKit, OneLineStatementBoxIsAtLeast250PixelsWide)
{
    draw_statement_box(160, 580, 45, "Breve testo      ", "Problema 1.5", 3);
    // The text ends at 248, short of 160 + 250: the box is stretched to 410.
    const std::vector<DrawnShape> expected = {
        {"rect filled", 159, 28, 419, 69, 0x555555},   // shadow
        {"rect filled", 155, 24, 415, 65, 0xFFF8F8},   // box
        {"rect outline", 155, 24, 415, 65, 0x009000},  // green border
        {"rect filled", 156, 25, 414, 41, 0xCCCCCC},   // header band
        {"ellipse filled", 395, 31, 401, 37, 0x00AA00}, {"ellipse filled", 380, 31, 386, 37, 0x00AA00},
        {"ellipse filled", 365, 31, 371, 37, 0x00AA00},
    };
    EXPECT_EQ(shapes(), expected);
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "Breve testo");
    EXPECT_EQ(t[0].x, 160);
    EXPECT_EQ(t[0].y, 45);
    EXPECT_EQ(t[0].font, "t'Arial'h16b");
    EXPECT_EQ(t[0].colour, 0x000000);
    EXPECT_EQ(t[1].text, "Problema 1.5");
    EXPECT_EQ(t[1].x, 160);
    EXPECT_EQ(t[1].y, 25);
    EXPECT_EQ(t[1].font, "t'Arial'h16be");
    EXPECT_EQ(t[1].colour, 0x000090);
}

TEST_F(DrawingKit, StatementBoxFollowsItsText)
{
    // One line of 40 characters ends at 480: the box ends 5 pixels later.
    draw_statement_box(160, 580, 45, std::string(40, 'x'), "Problema 1.5", 0);
    auto box = shapes("rect")[1];
    EXPECT_EQ(box.x2, 485);
    EXPECT_EQ(box.y2, 65);

    // Two lines (four words of 80 pixels fit in 420): the box spans the
    // limits and reaches below the second line.
    mark();
    std::string words;
    for (int i = 0; i < 6; ++i) words += std::string(10, 'w') + " ";
    draw_statement_box(160, 580, 45, words, "Problema 1.5", 0);
    box = shapes("rect")[1];
    EXPECT_EQ(box.x2, 585);
    EXPECT_EQ(box.y2, 45 + 16 + 20);
    EXPECT_TRUE(shapes("ellipse").empty());
}

TEST_F(DrawingKit, StatementInACallerSizedBox)
{
    draw_statement_frame_box(160, 560, 40, 195, "T@d1@", "Problema 1.5", 2);
    const std::vector<DrawnShape> frame = {
        {"rect filled", 159, 23, 569, 219, 0x555555},   {"rect filled", 155, 19, 565, 215, 0xFFF8F8},
        {"rect outline", 155, 19, 565, 215, 0x000000},  {"rect filled", 156, 20, 564, 36, 0xCCCCCC},
        {"ellipse filled", 545, 26, 551, 32, 0x00AA00}, {"ellipse filled", 530, 26, 536, 32, 0x00AA00},
    };
    EXPECT_EQ(shapes(), frame);
    EXPECT_EQ(strings(), (std::vector<std::string>{"T", "1", "Problema 1.5"}));
}

TEST_F(DrawingKit, OneLineAnswerBoxEndsTwoPixelsAfterItsText)
{
    draw_answer_box(410, 550, 270, "x = 5   ");
    // "R" and ": x = 5" take 64 pixels: the text ends at 474.
    const std::vector<DrawnShape> expected = {
        {"rect filled", 405, 268, 476, 290, 0x00FAFA},
        {"rect outline", 405, 268, 476, 290, 0x000000},
    };
    EXPECT_EQ(shapes(), expected);
    const auto t = texts();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "R");
    EXPECT_EQ(t[0].font, "t'Arial'h16bei");
    EXPECT_EQ(t[0].colour, 0x000090);
    EXPECT_EQ(t[1].text, ": x = 5");
    EXPECT_EQ(t[1].x, 418);
    EXPECT_EQ(t[1].y, 270);  // still one line, though the box is narrower than it
    EXPECT_EQ(t[1].colour, 0x000000);
}

TEST_F(DrawingKit, LongAnswerFillsTheLimits)
{
    draw_answer_box(170, 340, 220, "una risposta lunga che va a capo almeno una volta");
    const auto box = shapes("rect")[0];
    EXPECT_EQ(box.x1, 165);
    EXPECT_EQ(box.x2, 345);
    EXPECT_GT(box.y2, 220 + 20);
}

TEST_F(DrawingKit, AnAnswerAtTheFootOfTheAreaKeepsClearOfTheTabBar)
{
    clear_page_regions();
    // Three lines from 250 would end at 302: the box moves up, ending 3
    // pixels above the area's foot, where the tab bar starts.
    std::string answer(12, 'a');
    for (int k = 0; k < 12; ++k) answer += " bbbbbbbbb";
    draw_answer_box(160, 580, 250, answer);
    const DrawnShape box = shapes("rect")[0];
    EXPECT_EQ(box.y2, problem_area.y2 - 3);
    EXPECT_GT(box.y2 - box.y1, 50);
}

TEST_F(DrawingKit, PanelAndHintBalloon)
{
    draw_panel(10, 20, 200, 100);
    EXPECT_EQ(shapes(), (std::vector<DrawnShape>{{"rect filled", 10, 20, 200, 100, 0xCCCCCC},
                                                 {"rect outline", 15, 24, 195, 96, 0xFF0000}}));
    mark();
    draw_hint_balloon(300, 150, "Set. 06 e altro");
    EXPECT_EQ(shapes(), (std::vector<DrawnShape>{{"ellipse filled", 300, 150, 355, 180, 0x28DCDC}}));
    const auto t = texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "Set. 06");  // cut to 8 characters, kept on one line
    EXPECT_EQ(t[0].x, 307);
    EXPECT_EQ(t[0].y, 157);
    EXPECT_EQ(t[0].colour, 0x0000D0);
    EXPECT_EQ(t[0].font, "t'Arial'h16bei");
}

TEST_F(DrawingKit, MessageDialogShowsItsLinesAndReportsTheButton)
{
    std::vector<std::string> shown;
    backend.push_dialog_script([&](Dialog& d) {
        EXPECT_EQ(d.resource.id, 149);
        EXPECT_EQ(d.resource.title, "Attenzione!");
        for (std::int32_t id : {1114, 1115, 1116}) shown.push_back(dlg_get_char(d, id));
        return kDialogOk;
    });
    EXPECT_EQ(show_message_dialog("Impossibile stampare!   ", "", "riga tre"), 0);
    EXPECT_EQ(shown, (std::vector<std::string>{"Impossibile stampare!", "", "riga tre"}));

    backend.push_dialog_script([](Dialog&) { return kDialogCancel; });
    EXPECT_EQ(show_message_dialog("   ", "   ", "   "), -1);
    EXPECT_EQ(show_message_dialog("nessuna risposta", "", ""), -1);  // closed without a button
}

TEST(MessageDialog, DialogThatCannotBeShownCountsAsCancel)
{
    platform::install_backend(nullptr);
    EXPECT_EQ(show_message_dialog("a", "b", "c"), -1);
}
