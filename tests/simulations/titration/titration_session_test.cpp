// Scripted sessions of the simulation over the started program: a whole
// titration to the empty burette and back to the page, a second opening
// that goes on from the first, and a quit in the middle of a run of steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "frame/app_state.h"
#include "frame/page_mouse.h"
#include "frame/screen_lease.h"
#include "numbers/value_kit.h"
#include "platform/events.h"
#include "platform/recording_backend.h"
#include "platform/window.h"
#include "simulations/titration/titration_simulation.h"
#include "simulations/titration/titration_state.h"
#include "support/program_start.h"

namespace {

// Stops the program at the n-th pause, as a quit would during a run.
class QuittingBackend : public platform::RecordingBackend {
public:
    std::int32_t quit_at_pause = -1;
    std::int32_t pauses = 0;
    void sleep_ms(std::int32_t milliseconds) override
    {
        RecordingBackend::sleep_ms(milliseconds);
        if (++pauses == quit_at_pause) platform::request_stop();
    }
};

class TitrationSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install_backend(&backend);
        testing_support::start_program_with_its_parts();
        titration_state = {};
        backend.clear_log();
    }
    void TearDown() override { platform::install_backend(nullptr); }

    void click(std::int32_t x, std::int32_t y) { backend.push_mouse_event({kMouseLeftDown, 1, x, y}); }

    // The thread's routine here, on a page leased as the launcher leases it
    // and given back at its end.
    void run_simulation()
    {
        ScreenLease lease;
        run_titration_simulation(lease);
    }

    std::int32_t count(const std::string& prefix) const
    {
        return static_cast<std::int32_t>(backend.log_lines(prefix).size());
    }
    bool drew_text(const std::string& text) const
    {
        const auto lines = backend.log_lines("text (");
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.ends_with("\"" + text + "\""); });
    }
    bool menus_enabled() const
    {
        const auto menus = backend.menus();
        return std::none_of(menus.begin(), menus.end(), [](const auto& m) { return (m.flags & kQwMenuGreyed) != 0; });
    }

    QuittingBackend backend;
};

// Clicks of the screens.
constexpr std::int32_t exit_x = 555, exit_y = 270;
constexpr std::int32_t ok_x = 535, ok_y = 200;
constexpr std::int32_t twenty_ml_x = 300, twenty_ml_y = 188;
constexpr std::int32_t one_drop_x = 250, one_drop_y = 222;

TEST_F(TitrationSession, TitratesToTheEmptyBuretteRepeatsRevealsAndGivesThePageBack)
{
    EXPECT_EQ(backend.menus().at(5).items.at(2).flags & kQwMenuGreyed, 0);  // the menu item is in
    const std::int32_t problem = app_state.selected_problem;
    click(ok_x, ok_y);  // HCl as drawn at the first start
    click(ok_x, ok_y);  // its titrant
    click(400, 122);    // phenolphthalein, row 4
    click(ok_x, ok_y);
    click(440, 70);  // "Eseguire la titolazione"
    for (int k = 0; k < 3; ++k) click(twenty_ml_x, twenty_ml_y);
    click(one_drop_x, one_drop_y);  // the burette is empty: nothing
    click(300, 197);                // on a cell border: nothing
    click(450, 110);                // "Concentrazione incognita"
    click(450, 80);                 // "Ripetere la titolazione"
    click(one_drop_x, one_drop_y);
    click(exit_x, exit_y);  // back to the menu
    click(exit_x, exit_y);  // and out
    backend.clear_log();
    run_simulation();

    // 0.1 mL steps: the 512th passes 51.15 mL and is not shown; one drop after the repeat.
    EXPECT_EQ(count("sleep 20"), 511 + 1);
    EXPECT_EQ(count("text (220,115)"), 1);
    EXPECT_TRUE(drew_text("Buretta vuota"));
    const TitrationState& s = titration_state;
    EXPECT_EQ(s.indicator_choice, 4);
    EXPECT_EQ(s.added_volume, 0.0f);
    // The first set-up reaches equivalence between 20 and 30 mL, and the
    // reveal shows its concentration with 4 digits.
    const float equivalence = s.analyte_concentration * s.analyte_volume / s.titrant_concentration;
    EXPECT_GE(equivalence, 20.0f);
    EXPECT_LE(equivalence, 30.0f);
    set_slot_digits(20, s.analyte_concentration, 4);
    EXPECT_TRUE(drew_text(slot_text(20) + " M"));

    // The page, its mouse handler and the menus are back.
    EXPECT_TRUE(menus_enabled());
    EXPECT_TRUE(drew_text("Problema 1.1"));
    platform::deliver_mouse_event({kMouseLeftDown, 1, 518, 325});
    EXPECT_NE(app_state.selected_problem, problem);
}

TEST_F(TitrationSession, CellsAndButtonsShowGreyWhileAnAdditionRuns)
{
    // Clicks during a run are not taken: the cells and the buttons beside
    // them say so until it ends; a concentration revealed stays as shown.
    click(ok_x, ok_y);
    click(ok_x, ok_y);
    click(ok_x, ok_y);
    click(440, 70);
    click(250, 188);  // "1 mL": 20 steps
    click(450, 110);  // "Concentrazione incognita"
    click(250, 188);
    click(one_drop_x, one_drop_y);
    click(exit_x, exit_y);
    click(exit_x, exit_y);
    backend.clear_log();
    run_simulation();
    // Each label drawn, white or not, and the runs of pauses, in order.
    const auto seen = [&](const std::string& label) {
        std::string order;
        for (const std::string& line : backend.log_lines("")) {
            if (line.starts_with("sleep 20") && !order.ends_with('.')) order += '.';
            if (line.ends_with("\"" + label + "\"")) order += line.find("0xFFFFFF") != std::string::npos ? 'W' : 'd';
        }
        return order;
    };
    EXPECT_EQ(seen("1 mL"), "Wd.Wd.W.");  // then the drop, white
    EXPECT_EQ(seen("Ripetere la titolazione"), "Wd.Wd.W.");
    EXPECT_EQ(seen("Concentrazione incognita"), "Wd.W.");
    EXPECT_EQ(seen("Esci"), "Wd.Wd.W.");
    // The concentration revealed: white, on a grey dark enough to read.
    set_slot_digits(20, titration_state.analyte_concentration, 4);
    EXPECT_EQ(seen(slot_text(20) + " M"), ".W.");
    EXPECT_EQ(backend.log_lines("rect filled (360,101)-(540,119)").back(), "rect filled (360,101)-(540,119) 0x666666");
}

TEST_F(TitrationSession, ASecondOpeningGoesOnFromTheFirst)
{
    click(exit_x, exit_y);  // Esci in the analyte chooser at the first start
    run_simulation();
    const TitrationState first = titration_state;
    EXPECT_EQ(first.initialised, 1);

    click(exit_x, exit_y);
    run_simulation();
    EXPECT_EQ(titration_state.analyte_concentration, first.analyte_concentration);
    EXPECT_EQ(titration_state.titrant_concentration, first.titrant_concentration);
    EXPECT_TRUE(menus_enabled());

    // A new analyte keeps 1.5 to 5.25 mmol of equivalents whatever the row.
    click(400, 75);  // HCl
    click(400, 91);  // H2SO4
    click(ok_x, ok_y);
    click(exit_x, exit_y);
    run_simulation();
    const TitrationState& s = titration_state;
    EXPECT_EQ(s.analyte_choice, 2);
    const float mmol = 2.0f * s.analyte_concentration * s.analyte_volume;
    EXPECT_GE(mmol, 1.4999f);
    EXPECT_LE(mmol, 5.2501f);
    for (const std::int32_t k : {generic_acid, generic_base}) {
        EXPECT_GE(s.dissociation_constants[k - 1], 0.99e-8f);
        EXPECT_LE(s.dissociation_constants[k - 1], 9.9e-4f);
    }
}

TEST_F(TitrationSession, QuittingDuringARunEndsAtOnce)
{
    click(ok_x, ok_y);
    click(ok_x, ok_y);
    click(ok_x, ok_y);
    click(440, 70);
    click(twenty_ml_x, twenty_ml_y);
    backend.quit_at_pause = 50;
    EXPECT_THROW(
        {
            ScreenLease lease;
            run_titration_simulation(lease);
        },
        platform::ProgramStopping);
    EXPECT_EQ(backend.pauses, 50);
    backend.run_posted_tasks();  // nothing is handed back to a quitting program
    EXPECT_FALSE(menus_enabled());
    EXPECT_NEAR(titration_state.added_volume, 5.0f, 1e-4f);
}

}  // namespace
