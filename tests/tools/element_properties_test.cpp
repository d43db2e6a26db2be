// Dialog 135: an element named by number, symbol or the start of its name,
// "<" and ">", and the card drawn for it.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "tools/element_properties.h"
#include "viewers_fixture.h"

namespace tools_test {
namespace {

constexpr std::int32_t name_field = 1075;
constexpr std::int32_t status_field = 1076;
constexpr std::int32_t previous_button = 1082;
constexpr std::int32_t next_button = 1083;

class ElementDialog : public StartedProgram {
protected:
    // Opens the dialog from the menu and runs the user's part in it.
    void open(const std::function<void(Dialog&)>& user)
    {
        backend.push_dialog_script([user](Dialog& dialog) {
            user(dialog);
            return 2;
        });
        ASSERT_TRUE(backend.click_menu_item(4, 3));
    }
};

TEST_F(ElementDialog, FindsAnElementByNumberSymbolOrTheStartOfItsName)
{
    struct Case {
        const char* typed;
        std::int32_t element;  // 0: nothing found
        const char* field;     // the name field afterwards
    };
    const Case cases[] = {
        {"6", 6, "Carbonio"},    {" 6", 6, "Carbonio"},   {"C", 6, "C"},
        {"carb", 6, "Carbonio"}, {"Carb", 6, "Carbonio"}, {"carbonio", 6, "Carbonio"},
        {"Fe", 26, "Fe"},        {"c", 0, "c"},           {"CARB", 0, "CARB"},
        {"104", 0, "104"},       {"0", 0, "0"},           {"", 0, ""},
        {"  ", 0, "  "},         {"6a", 0, "6a"},         {"103", 103, "Laurenzio"},
        {"ferro", 26, "Ferro"},  {"H", 1, "H"},           {"zzz", 0, "zzz"},
        {"+6", 6, "Carbonio"},   {"-6", 0, "-6"},
    };
    open([&](Dialog& dialog) {
        for (const Case& c : cases) {
            element_viewer_state.current_element = 50;
            dlg_set_char(dialog, name_field, c.typed);
            backend.clear_log();
            dlg_press(dialog, 1);
            SCOPED_TRACE(std::string("\"") + c.typed + "\"");
            EXPECT_EQ(dlg_get_char(dialog, status_field), c.element == 0 ? "???" : "");
            EXPECT_EQ(element_viewer_state.current_element, c.element == 0 ? 50 : c.element);
            EXPECT_EQ(dlg_get_char(dialog, name_field), c.field);
            // The card of the element found, and none when nothing is.
            EXPECT_EQ(backend.log_lines("rect filled (320,240)-(580,290)").size(), c.element == 0 ? 0u : 1u);
            if (c.element != 0) {
                EXPECT_NE(drawn_text().find(std::to_string(c.element)), std::string::npos);
            }
        }
    });
}

TEST_F(ElementDialog, StepsStayWithinTheTableAndEveryOpeningStartsAtHydrogen)
{
    std::vector<std::string> names;
    open([&](Dialog& dialog) {
        EXPECT_EQ(dlg_get_char(dialog, name_field), "Idrogeno");
        dlg_press(dialog, previous_button);  // on hydrogen: searches the name shown
        names.push_back(dlg_get_char(dialog, name_field));
        EXPECT_EQ(element_viewer_state.current_element, 1);
        dlg_press(dialog, next_button);
        dlg_press(dialog, next_button);
        names.push_back(dlg_get_char(dialog, name_field));
        dlg_set_char(dialog, name_field, "103");
        dlg_press(dialog, 1);
        dlg_press(dialog, next_button);  // on lawrencium: stays
        EXPECT_EQ(element_viewer_state.current_element, 103);
        dlg_press(dialog, previous_button);
        names.push_back(dlg_get_char(dialog, name_field));
    });
    open([&](Dialog& dialog) {
        EXPECT_EQ(element_viewer_state.current_element, 1);
        dlg_press(dialog, next_button);
        names.push_back(dlg_get_char(dialog, name_field));
    });
    EXPECT_EQ(names, (std::vector<std::string>{"Idrogeno", "Litio", "Nobelio", "Elio"}));
}

TEST_F(ElementDialog, AnyTypedTextFindsAnElementOrSaysSo)
{
    // A short fuzz run over texts of letters, digits, blanks, signs and
    // bytes of UTF-8, up to past the field's 50 characters.
    const std::string alphabet = "aCcOoHh0169 -+.@\xc3\xa0\xe2\x80\xa2zZ";
    std::uint32_t state = 12345;
    const auto next = [&state](std::uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    };
    open([&](Dialog& dialog) {
        for (int run = 0; run < 2000; ++run) {
            std::string typed;
            for (std::uint32_t k = next(60); k > 0; --k) typed += alphabet[next(alphabet.size())];
            dlg_set_char(dialog, name_field, typed);
            const std::int32_t buttons[] = {1, previous_button, next_button};
            dlg_press(dialog, buttons[next(3)]);
            const std::string status = dlg_get_char(dialog, status_field);
            EXPECT_TRUE(status.empty() || status == "???") << typed;
            EXPECT_GE(element_viewer_state.current_element, 1);
            EXPECT_LE(element_viewer_state.current_element, 103);
        }
    });
}

TEST_F(ElementDialog, TheCardShowsWhatTheTableHolds)
{
    draw_element_properties(6);
    const std::string carbon = drawn_text();
    EXPECT_NE(carbon.find("C6"), std::string::npos) << carbon;
    for (const char* piece :
         {"12.01115 u.m.a.", "d = 2.266 g/cm3", "Ei = 1086 kJ/mol", "Ae = 122 kJ/mol", "[He]2s22p2", "2.5"})
        EXPECT_NE(carbon.find(piece), std::string::npos) << piece << " in " << carbon;
    // The gas symbol in colour 3 above its grey shadow, a solid's in colour 2.
    const auto drawn_at = [this](const char* at, const char* colour_and_text) {
        const auto lines = backend.log_lines(at);
        return lines.size() == 1 && lines[0].ends_with(colour_and_text);
    };
    EXPECT_TRUE(drawn_at("text (335,256)", "0x808080 \"C\""));
    EXPECT_TRUE(drawn_at("text (333,254)", "0xAA0000 \"C\""));
    backend.clear_log();
    draw_element_properties(8);
    EXPECT_TRUE(drawn_at("text (333,254)", "0x0000DD \"O\""));
    // Lawrencium has no density, ionisation energy or affinity: no lines for them.
    backend.clear_log();
    draw_element_properties(103);
    const std::string lawrencium = drawn_text();
    EXPECT_EQ(lawrencium.find("d = "), std::string::npos) << lawrencium;
    EXPECT_EQ(lawrencium.find("kJ/mol"), std::string::npos) << lawrencium;
}

}  // namespace
}  // namespace tools_test
