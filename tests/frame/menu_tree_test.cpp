// The menu bar and the dialogs of its options exactly as the user reads
// them, and the chapter names of the status header.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/app_state.h"
#include "frame/frame_harness.h"
#include "frame/generator_protocol.h"
#include "frame/menu_flags.h"
#include "frame/menus.h"
#include "platform/dialogs.h"
#include "platform/recording_backend.h"

namespace {

class MenuTreeTest : public frame_test::StartedProgramTest {
protected:
    std::vector<std::string> item_texts(std::size_t menu) const
    {
        const auto menus = backend.menus();
        std::vector<std::string> texts;
        for (const auto& item : menus.at(menu - 1).items) texts.push_back(item.text);
        return texts;
    }

    // The resource of the dialog a menu item opens (closed at once with 2).
    DialogResource dialog_of(std::int32_t menu, std::int32_t item)
    {
        DialogResource shown;
        backend.push_dialog_script([&shown](Dialog& dialog) {
            shown = dialog.resource;
            return 2;
        });
        backend.click_menu_item(menu, item);
        return shown;
    }

    static std::vector<std::string> visible_texts(const DialogResource& resource, DialogControlKind kind)
    {
        std::vector<std::string> texts;
        for (const DialogControl& control : resource.controls)
            if (control.kind == kind && control.visible) texts.push_back(control.text);
        return texts;
    }

    static std::vector<std::int32_t> ids(const DialogResource& resource, DialogControlKind kind)
    {
        std::vector<std::int32_t> found;
        for (const DialogControl& control : resource.controls)
            if (control.kind == kind) found.push_back(control.id);
        return found;
    }

    bool drew_text(const std::string& text) const
    {
        const auto lines = backend.log_lines("text");
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find("\"" + text + "\"") != std::string::npos; });
    }
};

TEST_F(MenuTreeTest, EveryMenuHoldsItsItemsInOrder)
{
    struct Menu {
        const char* title;
        std::vector<std::string> items;
    };
    const std::vector<Menu> expected = {
        {"&Indice",
         {"&1: Nozioni di base", "&2: Elementi e composti", "&3: Stechiometria", "&4: Stati di aggregazione",
          "&5: Soluzioni", "&6: Termodinamica e Cinetica", "&7: Equilibri chimici", "&8: Elettrochimica",
          "&9: Problemi finali", "E&sci"}},
        {"&Versione",
         {"Versione &Testo", "Versione &1", "Versione &2", "Versione &3", "Versione &4", "Versione &5",
          "&Altra Versione", "&Nessuna Versione"}},
        {"&Livello", {"&1: Introduttivo", "&2: Elementare", "&3: Medio", "&4: Buono", "&5: Eccellente"}},
        {"&Dati",
         {"&Unità di misura", "&Costanti fisiche", "&Proprietà degli Elementi", "&Tavola Periodica",
          "&Dati Termodinamici"}},
        {"&Strumenti",
         {"&Calcolatrice", "&Grafici", "&Masse molari", "&Bilanciatore", "&Equilibratore", "&Visualizzatore"}},
        {"&Simulazioni", {"&Leggi dei gas", "&Sistemi in equilibrio", "&Titolazioni acido/base"}},
        {"&Giochi", {"Chem &Poker", "Chem &Slot", "Chem &Buster"}},
        {"&Opzioni", {"&Sfondo", "&Stampa"}},
        {"&?", {}},
    };
    const auto menus = backend.menus();
    ASSERT_EQ(menus.size(), expected.size());
    for (std::size_t m = 0; m < expected.size(); ++m) {
        SCOPED_TRACE(expected[m].title);
        EXPECT_EQ(menus[m].text, expected[m].title);
        EXPECT_EQ(item_texts(m + 1), expected[m].items);
    }
}

TEST_F(MenuTreeTest, OnlyTheCurrentChapterVersionAndLevelAreTicked)
{
    const auto ticked_items = [this](std::size_t menu) {
        std::vector<std::size_t> ticked;
        const auto menus = backend.menus();
        const auto& items = menus.at(menu - 1).items;
        for (std::size_t i = 0; i < items.size(); ++i)
            if ((items[i].flags & kQwMenuTicked) != 0) ticked.push_back(i + 1);
        return ticked;
    };
    EXPECT_EQ(ticked_items(1), std::vector<std::size_t>{1});
    EXPECT_EQ(ticked_items(2), std::vector<std::size_t>{1});
    EXPECT_EQ(ticked_items(3), std::vector<std::size_t>{5});

    backend.click_menu_item(1, 3);
    backend.click_menu_item(2, 8);
    backend.click_menu_item(3, 2);
    EXPECT_EQ(ticked_items(1), std::vector<std::size_t>{3});
    EXPECT_EQ(ticked_items(2), std::vector<std::size_t>{8});
    EXPECT_EQ(ticked_items(3), std::vector<std::size_t>{2});
    for (std::size_t menu = 4; menu <= 8; ++menu) EXPECT_TRUE(ticked_items(menu).empty()) << menu;

    // Versions 1 to 5 tick their own item, whatever came before.
    for (std::int32_t item = 2; item <= 6; ++item) {
        backend.click_menu_item(2, item);
        EXPECT_EQ(app_state.version_number, item - 1);
        EXPECT_EQ(ticked_items(2), std::vector<std::size_t>{static_cast<std::size_t>(item)});
    }
    backend.click_menu_item(2, 1);
    EXPECT_EQ(app_state.version_number, text_version);
}

TEST_F(MenuTreeTest, VersionItemsAreGreyedAndEnabledTogetherButTheTextVersion)
{
    set_version_menu_enabled(false);
    const auto flags = [this](std::size_t item) {
        const auto menus = backend.menus();
        return menus.at(1).items.at(item - 1).flags;
    };
    EXPECT_EQ(flags(1) & kQwMenuGreyed, 0);
    for (std::size_t item = 2; item <= 8; ++item) EXPECT_NE(flags(item) & kQwMenuGreyed, 0) << item;
    backend.click_menu_item(1, 3);  // a chapter choice enables them again
    for (std::size_t item = 2; item <= 8; ++item) EXPECT_EQ(flags(item) & kQwMenuGreyed, 0) << item;
}

TEST_F(MenuTreeTest, DialogsShowTheirOwnTexts)
{
    const DialogResource other = dialog_of(2, 7);
    EXPECT_EQ(other.id, 144);
    EXPECT_EQ(other.title, "Altra Versione");
    // The second line stays empty until a refusal says what is accepted.
    EXPECT_EQ(visible_texts(other, DialogControlKind::static_text),
              (std::vector<std::string>{"Digitare la Versione (6-10000000)", ""}));
    EXPECT_EQ(ids(other, DialogControlKind::edit), std::vector<std::int32_t>{1073});
    EXPECT_EQ(visible_texts(other, DialogControlKind::button), (std::vector<std::string>{"OK", "Cancel"}));

    const DialogResource background = dialog_of(8, 1);
    EXPECT_EQ(background.id, 150);
    EXPECT_EQ(background.title, "Sfondo");
    EXPECT_EQ(visible_texts(background, DialogControlKind::check_box),
              (std::vector<std::string>{"Default", "Azzurro", "Giallo", "Verde", "Blu"}));
    EXPECT_EQ(ids(background, DialogControlKind::check_box), (std::vector<std::int32_t>{1118, 1119, 1120, 1121, 1122}));
    EXPECT_TRUE(visible_texts(background, DialogControlKind::button).empty());
    EXPECT_EQ(ids(background, DialogControlKind::button), (std::vector<std::int32_t>{1, 2}));

    const DialogResource print = dialog_of(8, 2);
    EXPECT_EQ(print.id, 153);
    EXPECT_EQ(print.title, "Stampa su file");
    EXPECT_EQ(
        visible_texts(print, DialogControlKind::check_box),
        (std::vector<std::string>{"Stampa i risultati dopo il problema", "Stampa i risultati in un file separato"}));
    EXPECT_EQ(ids(print, DialogControlKind::check_box), (std::vector<std::int32_t>{1118, 1119}));
    EXPECT_TRUE(visible_texts(print, DialogControlKind::button).empty());

    const DialogResource about = dialog_of(9, 0);
    EXPECT_EQ(about.id, 182);
    EXPECT_EQ(about.title, "Brunatel 1.0 - Luglio 2008");
}

TEST_F(MenuTreeTest, ClosingTheOptionDialogsKeepsTheLastChoice)
{
    // Esc (2) right after a click keeps it; a dialog closed untouched changes nothing.
    backend.push_dialog_script([](Dialog& dialog) {
        dlg_press(dialog, 1122);
        return 2;
    });
    backend.click_menu_item(8, 1);
    EXPECT_EQ(screen_settings.background_scheme, 5);
    backend.push_dialog_script([](Dialog& dialog) {
        EXPECT_TRUE(dlg_get_logical(dialog, 1122));
        for (std::int32_t box = 1118; box <= 1121; ++box) EXPECT_FALSE(dlg_get_logical(dialog, box)) << box;
        return 2;
    });
    backend.click_menu_item(8, 1);
    EXPECT_EQ(screen_settings.background_scheme, 5);

    // Clicking the ticked print box again leaves it ticked and the mode as it was.
    backend.push_dialog_script([](Dialog& dialog) {
        dlg_press(dialog, 1118);
        EXPECT_TRUE(dlg_get_logical(dialog, 1118));
        EXPECT_FALSE(dlg_get_logical(dialog, 1119));
        return 2;
    });
    backend.click_menu_item(8, 2);
    EXPECT_EQ(screen_settings.print_mode, PrintMode::results_after_problem);
}

void one_section_chapter(GeneratorMode request)
{
    static constexpr ChapterSection sections[] = {{"Sola", 1, 40, 55}};
    static constexpr ProblemBlock blocks[] = {{1, nullptr, nullptr}, {1, nullptr, nullptr}};
    walk_problem_blocks(request, sections, blocks);
}

TEST_F(MenuTreeTest, HeaderNamesEveryChapter)
{
    for (std::int32_t chapter = 1; chapter <= 9; ++chapter) register_chapter_generator(chapter, one_section_chapter);
    const char* names[] = {
        "",          "Nozioni di base",          "Elementi e Composti", "Stechiometria",  "Stati di aggregazione",
        "Soluzioni", "Termodinamica e Cinetica", "Equilibri chimici",   "Elettrochimica", "Problemi finali"};
    for (std::int32_t chapter : {2, 3, 4, 5, 6, 7, 8, 9, 1}) {
        backend.clear_log();
        on_menu_chapter(chapter);
        EXPECT_TRUE(drew_text(std::string(names[chapter]) + ": Sola -")) << chapter;
    }
    // The chapter panel's title: "Capitolo" with a blank and the digit, but a name of its own for chapter 9.
    backend.clear_log();
    on_menu_chapter(9);
    EXPECT_TRUE(drew_text("Problemi finali"));
    EXPECT_FALSE(drew_text("Capitolo 9"));
    backend.clear_log();
    on_menu_chapter(8);
    EXPECT_TRUE(drew_text("Capitolo 8"));
}

TEST_F(MenuTreeTest, HeaderPartsFollowEachOtherAtTheirGaps)
{
    // The recording metric makes font 1 (cell 16) 8 pixels a character:
    // "Nozioni di base: Prima -" is 192 wide, "Livello 5 -" 88.
    const auto lines = backend.log_lines("text (");
    const auto drawn_at = [&lines](const std::string& at, const std::string& text) {
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.rfind("text " + at, 0) == 0 && line.find("\"" + text + "\"") != std::string::npos;
        });
    };
    EXPECT_TRUE(drawn_at("(10,320)", "Nozioni di base: Prima -"));
    EXPECT_TRUE(drawn_at("(207,320)", "Livello 5 -"));
    EXPECT_TRUE(drawn_at("(300,320)", "Versione Testo"));
}

}  // namespace
