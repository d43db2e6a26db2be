// Scripted sessions of "Sistemi in equilibrio" in the started program: the
// presses of the waits come from the recording backend's script, the
// presses during a run from a backend that acts in the run's pauses.
#include <gtest/gtest.h>

#include <optional>

#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "frame/app_state.h"
#include "frame/program_services.h"
#include "frame/screen_lease.h"
#include "platform/events.h"
#include "platform/recording_backend.h"
#include "simulations/equilibrium/equilibrium_model.h"
#include "simulations/equilibrium/equilibrium_simulation.h"
#include "support/program_start.h"

namespace {

// Runs an action in the n-th pause from the time it was queued.
class PausingBackend : public platform::RecordingBackend {
public:
    void in_pause(int n, std::function<void()> action) { actions_.emplace_back(n, std::move(action)); }
    void sleep_ms(std::int32_t milliseconds) override
    {
        RecordingBackend::sleep_ms(milliseconds);
        if (actions_.empty() || --actions_.front().first > 0) return;
        const auto action = std::move(actions_.front().second);
        actions_.pop_front();
        action();
    }

private:
    std::deque<std::pair<int, std::function<void()>>> actions_;
};

void press(std::int32_t x, std::int32_t y)
{
    platform::deliver_mouse_event({kMouseLeftDown, 1, x, y});
}

class EquilibriumSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install_backend(&backend);
        testing_support::start_program_with_its_parts();
        // The page leased as the menu item leases it; the routine itself
        // runs here, on the scripted thread.
        ASSERT_EQ(program_services.simulations[1], &run_equilibrium_simulation);
        ASSERT_EQ(backend.menus()[5].items.at(1).flags & kQwMenuGreyed, 0);
        lease.emplace();
        backend.clear_log();
    }
    void TearDown() override { platform::install_backend(nullptr); }

    void script(std::initializer_list<std::pair<std::int32_t, std::int32_t>> presses)
    {
        for (const auto& [x, y] : presses) backend.push_mouse_event({kMouseLeftDown, 1, x, y});
    }
    bool drew(const std::string& text) const { return backend.log_text().find(text) != std::string::npos; }
    bool menus_greyed() const
    {
        bool any = false;
        for (const auto& menu : backend.menus()) any |= (menu.flags & kQwMenuGreyed) != 0;
        return any;
    }
    // A press in the "Stop" zone reaches the run's callback only while it is bound.
    bool run_callback_bound()
    {
        equilibrium_model.run_flag = run_going;
        press(275, 275);
        const bool bound = equilibrium_model.run_flag == run_stop;
        equilibrium_model.run_flag = run_going;
        return bound;
    }

    PausingBackend backend;
    std::optional<ScreenLease> lease;
};

constexpr std::pair<std::int32_t, std::int32_t> continue_press{425, 225}, exit_press{545, 275},
    equilibrate_press{275, 275};

TEST_F(EquilibriumSession, CardTemperatureConcentrationsRunStopResultsAndExit)
{
    EquilibriumModel& m = equilibrium_model;
    const std::string problem = problem_texts.problem_text;
    const std::int32_t first_problem = app_state.selected_problem;
    script({continue_press,
            {490, 80},
            {450, 199},
            {535, 200},  // "Temperatura ": 450 C, "OK"
            {490, 110},
            {330, 90},
            {400, 90},
            {530, 230},  // no A and no B: "OK" refused
            {400, 171},
            {460, 235},
            {530, 230},  // B 0.05, C 0.09 mol/L: accepted
            equilibrate_press,
            {490, 140},
            exit_press});
    backend.in_pause(3, [] { press(275, 275); });
    run_equilibrium_simulation(*lease);

    EXPECT_EQ(m.temperature, 450.0f);
    const double t = 723.15;
    EXPECT_NEAR(m.equilibrium_constant / std::exp(-(m.delta_h - m.delta_s * t) / (8.314 * t)), 1.0, 1e-4);
    EXPECT_EQ(m.concentration_rows, (std::array<std::int32_t, 3>{1, 6, 10}));
    EXPECT_EQ(m.count_a + m.count_b + m.count_c, 112);
    EXPECT_EQ(m.count_b - m.count_c, 40 - 72);  // reactions change B and C together
    EXPECT_EQ(backend.log_lines("sleep").size(), 3u);
    EXPECT_TRUE(drew("Scegliere la temperatura"));
    EXPECT_TRUE(drew("\"[A]\""));
    char results[64];
    std::snprintf(results, sizeof results, " = %.1f kJ", m.delta_h / 1000.0);
    EXPECT_TRUE(drew(results)) << results;
    std::snprintf(results, sizeof results, " = %.1f J/K", m.delta_s);
    EXPECT_TRUE(drew(results)) << results;
    for (const ReactionFlash& flash : m.flashes) EXPECT_EQ(flash.frames_left, 0);

    // Until the routine's end gives the page back nothing changes.
    EXPECT_TRUE(menus_greyed());
    EXPECT_FALSE(run_callback_bound());
    lease.reset();
    EXPECT_FALSE(menus_greyed());
    EXPECT_EQ(problem_texts.problem_text, problem);
    press(518, 325);  // the page's "next" button works again
    EXPECT_NE(app_state.selected_problem, first_problem);

    // A new opening shows the card over the model as it was left.
    const float x1 = m.x[0];
    lease.emplace();
    script({exit_press});
    run_equilibrium_simulation(*lease);
    EXPECT_EQ(m.temperature, 450.0f);
    EXPECT_EQ(m.x[0], x1);
    EXPECT_TRUE(drew("Continua"));
}

TEST_F(EquilibriumSession, ExitDuringARunEndsAfterTheFrameWithTheCallbackUnbound)
{
    script({continue_press, equilibrate_press});
    backend.in_pause(2, [this] {
        EXPECT_TRUE(run_callback_bound());
        press(545, 275);
    });
    run_equilibrium_simulation(*lease);
    EXPECT_EQ(backend.log_lines("sleep").size(), 2u);
    EXPECT_FALSE(run_callback_bound());
    lease.reset();
    EXPECT_FALSE(menus_greyed());
}

TEST_F(EquilibriumSession, QuittingDuringARunUnwindsAtOnceWithTheCallbackUnbound)
{
    script({continue_press, equilibrate_press});
    backend.in_pause(1, [] { platform::request_stop(); });
    EXPECT_THROW(run_equilibrium_simulation(*lease), platform::ProgramStopping);
    EXPECT_EQ(backend.log_lines("sleep").size(), 1u);
    EXPECT_FALSE(run_callback_bound());
}

}  // namespace
