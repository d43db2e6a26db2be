// Every dialog's fixed labels stand whole in their boxes in the real window,
// and a long answer breaks where a student would break it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "frame/menu_dialogs.h"
#include "games/chapter_notice.h"
#include "support/dialog_label_check.h"
#include "support/platform_fixtures.h"
#include "text/message_dialog.h"
#include "tools/calculator.h"
#include "tools/element_properties.h"
#include "tools/equilibrator.h"
#include "tools/formula_dialogs.h"
#include "tools/function_plotter.h"
#include "tools/tool_messages.h"

namespace {

using testing_support::RecordingTest;

class DialogLabels : public RecordingTest {};

TEST_F(DialogLabels, EveryFixedLabelWhole)
{
    const std::vector<std::pair<const char*, std::function<void()>>> openers{
        {"Calcolatrice", [] { run_calculator_dialog(); }},
        {"Grafici", [] { open_plot_dialog(); }},
        {"Equilibratore", [] { run_equilibrator_dialog(); }},
        {"Bilanciatore", [] { run_balancer_dialog(); }},
        {"Massa molare", [] { run_molar_mass_dialog(); }},
        {"Elementi", [] { show_element_properties(); }},
        {"Versione", [] { ask_other_version(); }},
        {"Sfondo", [] { choose_background(); }},
        {"Stampa", [] { choose_print_mode(); }},
        {"Informazioni", [] { show_about_box(); }},
        {"Messaggio", [] { show_message_dialog("Una riga", "", ""); }},
        {"Giochi", [] { confirm_games_chapter(); }},
    };
    for (const auto& [name, open] : openers) {
        std::vector<std::string> faults;
        bool opened = false;
        recorder().push_dialog_script([&](Dialog& dialog) {
            opened = true;
            faults = testing_support::labels_cut(dialog);
            return kDialogCancel;
        });
        open();
        EXPECT_TRUE(opened) << name;
        EXPECT_EQ(faults, std::vector<std::string>{}) << name;
    }
}

}  // namespace

namespace {

// Every message of the calculator stands on the one line its field holds.
TEST_F(DialogLabels, CalculatorMessagesOnOneLine)
{
    const struct {
        std::string expression;
        const char* x;
    } typed[] = {
        {"2x", "0"},
        {"ln(x)", "-1"},
        {"x", "abc"},
        {"x^2+1", "0><2"},
        {"1+" + std::string(188, '1'), "0"},
        {"ln(exp(x))-x", "1><2"},
    };
    for (const auto& [expression, x] : typed) {
        std::vector<std::string> lines;
        // Structured bindings captured by name: Clang 14 captures none by default.
        recorder().push_dialog_script([&, &expression = expression, &x = x](Dialog& dialog) {
            dlg_set_char(dialog, 1100, expression);
            dlg_set_char(dialog, 1102, x);
            dlg_press(dialog, kDialogOk);
            lines = testing_support::label_lines(dialog, 1101);
            return kDialogCancel;
        });
        run_calculator_dialog();
        EXPECT_EQ(lines.size(), 1u) << expression << " at " << x << ": " << testing::PrintToString(lines);
    }
    // Shown only without the ball library beside the program.
    std::vector<std::string> lines;
    recorder().push_dialog_script([&](Dialog& dialog) {
        dlg_set_char(dialog, 1101, uncertified_text);
        lines = testing_support::label_lines(dialog, 1101);
        return kDialogCancel;
    });
    run_calculator_dialog();
    EXPECT_EQ(lines.size(), 1u) << testing::PrintToString(lines);
}

// Every message of the plotter stands in the two rows its field holds.
TEST_F(DialogLabels, PlotterMessagesInTwoRows)
{
    for (const std::string& typed : {std::string("2x"), std::string("x-1e309"), "1+" + std::string(188, '1')}) {
        std::vector<std::string> lines;
        recorder().push_dialog_script([&](Dialog& dialog) {
            dlg_set_char(dialog, 1108, typed);
            dlg_press(dialog, kDialogOk);
            lines = testing_support::label_lines(dialog, 1110);
            return kDialogCancel;
        });
        open_plot_dialog();
        EXPECT_LE(lines.size(), 2u) << typed << ": " << testing::PrintToString(lines);
    }
}

// The longest balanced answer parts its lines between terms only.
TEST_F(DialogLabels, LongEquationBreaksBetweenTerms)
{
    std::vector<std::string> lines;
    recorder().push_dialog_script([&](Dialog& dialog) {
        dlg_set_char(dialog, 1084, "K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O");
        dlg_press(dialog, kDialogOk);
        lines = testing_support::label_lines(dialog, 1085);
        return kDialogCancel;
    });
    run_balancer_dialog();
    std::string joined;
    for (const std::string& line : lines) joined += line;
    EXPECT_EQ(joined, "10K4Fe(CN)6+122KMnO4+299H2SO4=162KHSO4+5Fe2(SO4)3+122MnSO4+60HNO3+60CO2+188H2O");
    ASSERT_GT(lines.size(), 1u);
    for (std::size_t k = 0; k + 1 < lines.size(); ++k)
        EXPECT_TRUE(lines[k].ends_with('+') || lines[k].ends_with('=')) << lines[k] << " / " << lines[k + 1];
}

}  // namespace
