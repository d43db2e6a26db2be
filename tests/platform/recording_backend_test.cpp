// The recording backend other layers test against: its log, text metric,
// menus and dialog scripts.
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "platform/graphics.h"
#include "platform/window.h"
#include "support/platform_fixtures.h"

namespace {

using testing_support::RecordingTest;

DialogResource version_dialog()
{
    return {144,
            "Altra Versione",
            220,
            90,
            {{10, DialogControlKind::static_text, "Digitare la Versione (6-10000000)", 10, 10, 200, 16},
             {1073, DialogControlKind::edit, "", 10, 30, 100, 20},
             {1, DialogControlKind::button, "OK", 10, 60, 60, 22},
             {2, DialogControlKind::button, "Cancel", 80, 60, 60, 22}}};
}

TEST_F(RecordingTest, LogsDrawingWithColourAndPlace)
{
    qw_set_color_rgb(qw_rgb(0, 74, 181));
    qw_rectangle(QwControl::outline, 148, 7, 595, 309);
    qw_move_to(10, 20);
    qw_line_to(30, 20);
    ASSERT_GT(qw_set_font("t'Arial'h16b"), 0);
    qw_move_to(160, 100);
    qw_out_text("Acqua");
    qw_set_clip_region(0, 0, 1600, 1600);
    EXPECT_EQ(recorder().log_text(), "rect outline (148,7)-(595,309) 0xB54A00\n"
                                     "line (10,20)-(30,20) 0xB54A00\n"
                                     "font t'Arial'h16b -> 1\n"
                                     "text (160,100) font 1 0xB54A00 \"Acqua\"\n"
                                     "clip (0,0)-(1600,1600)");
}

TEST_F(RecordingTest, TextMetricIsHalfTheCellHeightPerCharacter)
{
    EXPECT_EQ(qw_get_text_extent("abcd"), 4 * 8);  // no font yet
    qw_set_font("t'Arial'h14b");
    EXPECT_EQ(qw_get_text_extent("abcd"), 4 * 7);
    EXPECT_EQ(qw_get_text_extent("µ×•"), 3 * 7);  // characters, not bytes
    qw_set_font("t'Arial'h1");
    EXPECT_EQ(qw_get_text_extent("ab"), 2);
    // Text drawn off the canvas still advances the position by its extent.
    qw_set_font("t'Arial'h20");
    qw_move_to(0, 2000);
    qw_out_text("H2O");
    EXPECT_EQ(qw_get_current_position(), (QwPoint{30, 2000}));
}

TEST_F(RecordingTest, UnknownFaceKeepsTheCurrentFont)
{
    ASSERT_EQ(qw_set_font("t'Arial'h10"), 1);
    EXPECT_LE(qw_set_font("t'Wingdings'h16"), 0);
    EXPECT_LE(qw_set_font("garbage"), 0);
    EXPECT_EQ(qw_get_text_extent("ab"), 10);
}

TEST_F(RecordingTest, MenusFollowAppendInsertAndFlags)
{
    int exits = 0;
    ASSERT_TRUE(qw_append_menu_item(1, kQwMenuEnabled, "&Indice", qw_no_action));
    ASSERT_TRUE(qw_append_menu_item(1, kQwMenuEnabled, "E&sci", [&] { ++exits; }));
    ASSERT_TRUE(qw_append_menu_item(2, kQwMenuEnabled, "&Versione", qw_no_action));
    ASSERT_TRUE(qw_insert_menu_item(1, 1, kQwMenuEnabled, "&1: Nozioni di base", qw_no_action));
    ASSERT_TRUE(qw_insert_menu_item(3, 0, kQwMenuEnabled, "&?", qw_no_action));
    EXPECT_FALSE(qw_append_menu_item(5, kQwMenuEnabled, "gap", qw_no_action));
    EXPECT_FALSE(qw_insert_menu_item(1, 4, kQwMenuEnabled, "gap", qw_no_action));
    EXPECT_FALSE(qw_modify_menu_flags(9, 0, kQwMenuGreyed));
    ASSERT_TRUE(qw_modify_menu_flags(1, 1, kQwMenuTicked));
    ASSERT_TRUE(qw_modify_menu_flags(2, 0, kQwMenuGreyed));

    const auto menus = recorder().menus();
    ASSERT_EQ(menus.size(), 3u);
    EXPECT_EQ(menus[0].items[0].text, "&1: Nozioni di base");
    EXPECT_EQ(menus[0].items[0].flags, kQwMenuEnabled | kQwMenuTicked);
    EXPECT_EQ(menus[0].items[1].text, "E&sci");
    EXPECT_EQ(menus[1].flags, kQwMenuGreyed);
    EXPECT_EQ(menus[2].text, "&?");
    ASSERT_TRUE(recorder().click_menu_item(1, 2));
    EXPECT_EQ(exits, 1);
    ASSERT_TRUE(qw_modify_menu_flags(1, 1, kQwMenuUnticked | kQwMenuGreyed));
    EXPECT_EQ(recorder().menus()[0].items[0].flags, kQwMenuGreyed);
}

TEST_F(RecordingTest, DialogScriptTypesAndPresses)
{
    Dialog dialog;
    ASSERT_TRUE(dlg_init(version_dialog(), dialog));
    dlg_set_char(dialog, 1073, "1234");
    recorder().push_dialog_script([](Dialog& d) {
        EXPECT_EQ(dlg_get_char(d, 1073), "1234");
        dlg_set_char(d, 1073, "77");
        dlg_press(d, 1);
        return 0;
    });
    EXPECT_EQ(dlg_modal(dialog), 1);
    EXPECT_EQ(dlg_get_char(dialog, 1073), "77");  // readable after it closed
    EXPECT_EQ(dlg_modal(dialog), kDialogCancel);  // no script left: cancelled
    EXPECT_EQ(recorder().log_lines("dialog"), (std::vector<std::string>{"dialog 144 -> 1", "dialog 144 -> 2"}));
}

TEST(DialogLogic, PressesFollowTheControlKinds)
{
    Dialog dialog;
    DialogResource resource = version_dialog();
    resource.controls.push_back({1118, DialogControlKind::check_box, "Default", 10, 90, 80, 16});
    ASSERT_TRUE(dlg_init(resource, dialog));
    EXPECT_EQ(dlg_get_char(dialog, 10), "Digitare la Versione (6-10000000)");
    EXPECT_FALSE(dlg_set_char(dialog, 999, "x"));
    EXPECT_EQ(dlg_get_char(dialog, 999), "");
    EXPECT_FALSE(dlg_set_logical(dialog, 1073, true));  // not a check box

    // A check box toggles and runs its callback; the dialog stays open.
    int clicks = 0;
    dlg_set_callback(dialog, 1118, [&](Dialog& d, std::int32_t id, std::int32_t) {
        ++clicks;
        EXPECT_EQ(id, 1118);
        EXPECT_TRUE(dlg_get_logical(d, 1118));
    });
    EXPECT_FALSE(dlg_press(dialog, 1118));
    EXPECT_EQ(clicks, 1);

    // A button with a callback keeps the dialog open, unless the callback exits it.
    dlg_set_callback(dialog, 1, [](Dialog& d, std::int32_t, std::int32_t) { dlg_set_char(d, 1073, "done"); });
    EXPECT_FALSE(dlg_press(dialog, 1));
    EXPECT_EQ(dlg_get_char(dialog, 1073), "done");
    dlg_set_callback(dialog, 1, [](Dialog& d, std::int32_t, std::int32_t) { dlg_exit(d, 7); });
    EXPECT_TRUE(dlg_press(dialog, 1));
    EXPECT_EQ(dialog.closing_id, 7);

    // A button without one closes with its id; Enter and Esc close even
    // a dialog that lacks buttons 1 and 2.
    dialog.closing_id = 0;
    EXPECT_TRUE(dlg_press(dialog, 2));
    EXPECT_EQ(dialog.closing_id, 2);
    Dialog bare;
    dlg_init({150, "Sfondo", 100, 100, {}}, bare);
    EXPECT_TRUE(dlg_press(bare, 2));
    EXPECT_FALSE(dlg_press(bare, 3));
}

}  // namespace
