// The balancer, the molar masses and the equilibrator in their dialogs:
// first openings, texts kept for the run, the callbacks' answers and
// messages, and the real dialogs typed into with Enter and Esc.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "platform/dialogs.h"
#include "support/platform_fixtures.h"
#include "tools/equilibrator.h"
#include "tools/formula_dialogs.h"

namespace {

using testing_support::QtSessionTest;
using testing_support::RecordingTest;

using Fields = std::map<std::int32_t, std::string>;

// The equilibrator's fields: reactants, products, their results and K.
constexpr std::array<std::int32_t, 6> coefficient_ids{1097, 1100, 1101, 1104, 1106, 1107};
constexpr std::array<std::int32_t, 6> concentration_ids{1098, 1102, 1103, 1105, 1108, 1109};
constexpr std::array<std::int32_t, 6> result_ids{1099, 1110, 1111, 1112, 1113, 1114};

class ChemistryToolDialogs : public RecordingTest {
protected:
    void SetUp() override
    {
        balancer_texts = {};
        molar_mass_texts = {};
        equilibrator_record = {};
    }

    // Opens a dialog through run, lets the user type the fields and press
    // button 1 (when typed is not empty), and returns what it showed at
    // opening and after the press.
    std::pair<Fields, Fields> open_and_press(void (*run)(), const Fields& typed)
    {
        std::pair<Fields, Fields> shown;
        recorder().push_dialog_script([&](Dialog& dialog) {
            shown.first = dialog.texts;
            if (typed.empty()) return kDialogCancel;
            for (const auto& [id, text] : typed) dlg_set_char(dialog, id, text);
            EXPECT_FALSE(dlg_press(dialog, kDialogOk));  // the dialog stays open
            shown.second = dialog.texts;
            return kDialogCancel;
        });
        run();
        return shown;
    }
};

TEST_F(ChemistryToolDialogs, BalancerAndMolarMassesKeepTheirTextsForTheRun)
{
    auto [opening, after] = open_and_press(run_balancer_dialog, {{1084, "H2 + O2 = H2O  "}});
    EXPECT_EQ(opening[1084], "Cl2 = ClO[-] b");
    EXPECT_EQ(opening[1085], "4OH[-]+Cl2=2ClO[-]+2H2O+2e");
    EXPECT_EQ(after[1085], "2H2+O2=2H2O");
    opening = open_and_press(run_balancer_dialog, {}).first;
    EXPECT_EQ(opening[1084], "H2 + O2 = H2O");
    EXPECT_EQ(opening[1085], "2H2+O2=2H2O");

    std::tie(opening, after) = open_and_press(run_molar_mass_dialog, {{1090, "Ca(OH)2"}});
    EXPECT_EQ(opening[1090], "");
    EXPECT_EQ(opening[1091], "");
    EXPECT_EQ(after[1091], "74.09 g");
    after = open_and_press(run_molar_mass_dialog, {{1090, "h2o"}}).second;
    EXPECT_EQ(after[1091], "Sintassi errata");
    EXPECT_EQ(open_and_press(run_molar_mass_dialog, {}).first[1090], "h2o");
}

TEST_F(ChemistryToolDialogs, EquilibratorOpensOnTheExampleAndSolvesItAgain)
{
    auto [opening, after] = open_and_press(run_equilibrator_dialog, {{1097, "1"}});
    const std::array<const char*, 6> coefficients{"1", "0", "0", "1", "1", "0"};
    const std::array<const char*, 6> concentrations{"  1.00E-01", " 0", " 0", " 0", " 0", " 0"};
    const std::array<const char*, 6> results{"  8.39E-03", "", "", "  9.16E-02", "  9.16E-02", ""};
    for (std::size_t s = 0; s < 6; ++s) {
        EXPECT_EQ(opening[coefficient_ids[s]], coefficients[s]);
        EXPECT_EQ(opening[concentration_ids[s]], concentrations[s]);
        EXPECT_EQ(opening[result_ids[s]], results[s]) << s;
        EXPECT_EQ(after[result_ids[s]], results[s]) << s;
    }
    EXPECT_EQ(opening[1115], "  1.00E+00");
    // x^2 / (0.1 - x) = 1: x = 0.0916079, 0.1 - x = 0.0083921.
    EXPECT_NEAR(equilibrator_record.equilibrium[0], 0.0083921f, 2e-6f);
    EXPECT_NEAR(equilibrator_record.equilibrium[3], 0.0916079f, 2e-6f);
}

TEST_F(ChemistryToolDialogs, EquilibratorMessages)
{
    const struct {
        Fields typed;
        std::int32_t field;
        const char* text;
        const char* message_1110;
        const char* message_1111;
    } cases[] = {
        {{{1097, "12"}}, 1097, "*", "", "Impossibile equilibrare"},
        // A refused field keeps what was typed, as do the fields after it, and is named.
        {{{1097, "9.96"}, {1108, "0.5"}}, 1097, "9.96", "Coefficiente errato:", "reagente 1, solo cifre"},
        {{{1097, "1,5"}, {1115, "2"}}, 1115, "2", "Coefficiente errato:", "reagente 1, solo cifre"},
        {{{1104, "-1"}, {1106, "2"}}, 1104, "-1", "Coefficiente errato:", "prodotto 1, solo cifre"},
        {{{1100, ""}}, 1100, "", "Coefficiente errato:", "reagente 2, solo cifre"},
        // Values the solver cannot take are refused as typed, not altered.
        {{{1115, "0"}}, 1115, "0", "Costante errata:", "tra 1E-38 e 1E+38"},
        {{{1115, "-5"}}, 1115, "-5", "Costante errata:", "tra 1E-38 e 1E+38"},
        {{{1115, "1e300"}}, 1115, "1e300", "Costante errata:", "tra 1E-38 e 1E+38"},
        {{{1102, "-0.2"}, {1115, "-5"}}, 1102, "-0.2", "Concentrazione negativa:", "reagente 2"},
        {{{1115, "abc"}}, 1115, "abc", "Costante errata:", "scrivere un numero"},
        {{{1115, "1.000,5"}}, 1115, "1.000,5", "Costante errata:", "scrivere un numero"},
        {{{1098, "abc"}, {1105, "7"}}, 1105, "7", "Concentrazione errata:", "reagente 1"},
        {{{1108, "0,5 0,7"}, {1115, "2"}}, 1115, "2", "Concentrazione errata:", "prodotto 2"},
        {{{1098, "0"}}, 1098, " 0", "", "Impossibile equilibrare"},
        {{{1097, "0"}, {1104, "0"}, {1106, "0"}}, 1097, "0", "", "Impossibile equilibrare"},
    };
    for (const auto& c : cases) {
        equilibrator_record = {};
        const Fields after = open_and_press(run_equilibrator_dialog, c.typed).second;
        EXPECT_EQ(after.at(c.field), c.text) << c.field;
        EXPECT_EQ(after.at(1110), c.message_1110);
        EXPECT_EQ(after.at(1111), c.message_1111);
        EXPECT_EQ(after.at(1099), "");
        EXPECT_EQ(equilibrator_record.K, 1.0);  // the example's, kept
        for (const float initial : equilibrator_record.initial) EXPECT_GE(initial, 0.0f);
    }
}

TEST_F(ChemistryToolDialogs, EquilibratorKeepsWhatWasTypedAndShownForTheNextOpening)
{
    // 2 A = B with [A]0 = 1 and K = 4: x / (1 - 2x)^2 = 4, x = (17 - sqrt 33) / 32 = 0.351732.
    open_and_press(run_equilibrator_dialog,
                   {{1097, "2"}, {1104, "1"}, {1106, "0"}, {1098, "1"}, {1115, "4"}, {1108, "0.5"}});
    const Fields opening = open_and_press(run_equilibrator_dialog, {}).first;
    EXPECT_EQ(opening.at(1097), "2");
    EXPECT_EQ(opening.at(1106), "0");
    EXPECT_EQ(opening.at(1108), "  5.00E-01");  // kept, though the species takes no part
    EXPECT_EQ(opening.at(1115), "  4.00E+00");
    EXPECT_EQ(opening.at(1099), "  2.97E-01");
    EXPECT_EQ(opening.at(1112), "  3.52E-01");
    EXPECT_EQ(opening.at(1113), "");

    // A decimal comma is a decimal point: [A]0 = 1.5 and K = 0.5.
    const Fields after = open_and_press(run_equilibrator_dialog, {{1098, "1,5"}, {1115, "0,5"}}).second;
    EXPECT_EQ(after.at(1098), "  1.50E+00");
    EXPECT_EQ(after.at(1115), "  5.00E-01");
}

class ChemistryToolWindows : public QtSessionTest {
protected:
    // What the user does once the modal dialog is open, queued before it opens.
    void when_dialog_open(std::function<void()> action)
    {
        qw_post_to_ui_thread([this, action] {
            if (!session().dialog_open()) return when_dialog_open(action);
            action();
        });
    }
};

TEST_F(ChemistryToolWindows, TypingEnterAndEscInTheRealDialogs)
{
    balancer_texts = {true, "", ""};  // opened before, with the fields emptied
    std::string answer;
    when_dialog_open([&] {
        session().dialog_type(1084, "Fe[2+] = Fe[3+] e");
        session().dialog_key(13);
        answer = balancer_texts.answer;
        EXPECT_TRUE(session().dialog_open());
        session().dialog_key(27);
    });
    run_balancer_dialog();
    EXPECT_EQ(answer, "Fe[2+]=Fe[3+]+e");
    EXPECT_EQ(balancer_texts.typed, "Fe[2+] = Fe[3+] e");

    bool whole = false;
    when_dialog_open([&] {
        session().dialog_type(1084, "K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O");
        session().dialog_key(13);
        answer = balancer_texts.answer;
        whole = session().dialog_text_fits(1085);
        session().dialog_key(27);
    });
    run_balancer_dialog();
    EXPECT_EQ(answer, "10K4Fe(CN)6+122KMnO4+299H2SO4=162KHSO4+5Fe2(SO4)3+122MnSO4+60HNO3+60CO2+188H2O");
    EXPECT_TRUE(whole);  // the longest answer on as many lines as it needs

    equilibrator_record = {};
    when_dialog_open([&] {
        session().dialog_type(1115, "abc");  // after "  1.00E+00"
        session().dialog_key(13);
        session().dialog_key(27);
    });
    run_equilibrator_dialog();
    EXPECT_EQ(equilibrator_record.status, EquilibratorStatus::input_not_read);
}

}  // namespace
