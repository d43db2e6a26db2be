// "Leggi dei gas" driven as a user would: from the menu through an
// exercise and its results back to the problem page, and quits in a wait
// and in an animation.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "frame/app_state.h"
#include "frame/program_services.h"
#include "frame/screen_lease.h"
#include "platform/events.h"
#include "platform/recording_backend.h"
#include "simulations/gas_laws/gas_laws_simulation.h"
#include "simulations/gas_laws/gas_state.h"
#include "support/program_start.h"

namespace {

// A recording backend that lets a test act at a given pause of an animation.
class PausingBackend : public platform::RecordingBackend {
public:
    std::function<void(std::int32_t)> at_pause;  // with the count of pauses so far
    std::int32_t pauses = 0;
    void sleep_ms(std::int32_t milliseconds) override
    {
        ++pauses;
        if (at_pause) at_pause(pauses);
        RecordingBackend::sleep_ms(milliseconds);
    }
};

constexpr MouseEvent click(std::int32_t x, std::int32_t y)
{
    return {kMouseLeftDown, kMouseStateLeftButton, x, y};
}
constexpr MouseEvent exercise_1 = click(450, 180), result = click(450, 150), close = click(540, 275);
constexpr MouseEvent exit_button = close;  // "Esci" lies where "Chiudi" does
constexpr MouseEvent next_problem = click(518, 325);

std::atomic<std::int32_t> launches{0};
void count_launch(ScreenLease&)
{
    ++launches;
}

class GasSession : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install_backend(&backend);
        testing_support::start_program_with_its_parts(testing_support::Decoration::initial);
    }
    void TearDown() override { platform::install_backend(nullptr); }

    bool menus_greyed() const
    {
        const auto menus = backend.menus();
        for (const auto& menu : menus)
            if (!(menu.flags & kQwMenuGreyed)) return false;
        return true;
    }
    bool menus_enabled() const
    {
        const auto menus = backend.menus();
        for (const auto& menu : menus)
            if (menu.flags & kQwMenuGreyed) return false;
        return true;
    }
    std::int32_t count_text(const std::string& fragment) const
    {
        std::int32_t n = 0;
        for (const std::string& line : backend.log_lines("text")) n += line.find(fragment) != std::string::npos;
        return n;
    }
    // The texts of the problem's statement, where the simulation draws,
    // without the font handles (the fact box below follows the clock).
    std::vector<std::string> statement_texts() const
    {
        std::vector<std::string> texts;
        for (const std::string& line : backend.log_lines("text (")) {
            std::int32_t x = 0, y = 0;
            if (std::sscanf(line.c_str(), "text (%d,%d)", &x, &y) != 2 || x < 150 || y < 12 || y > 175) continue;
            texts.push_back(line.substr(0, line.find(" font")) + line.substr(line.find(" 0x")));
        }
        return texts;
    }
    // The menu item, as the launcher runs it, with a routine that ends at
    // once and gives its page back; then the page leased again for the
    // simulation run here, as the launcher leases it.
    void launch_from_the_menu()
    {
        ASSERT_EQ(program_services.simulations[0], &run_gas_laws_simulation);
        ASSERT_FALSE(backend.menus().at(5).items.at(0).flags & kQwMenuGreyed);
        program_services.simulations[0] = count_launch;
        const std::int32_t before = launches;
        backend.click_menu_item(6, 1);
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (launches == before && std::chrono::steady_clock::now() < give_up) std::this_thread::yield();
        ASSERT_EQ(launches, before + 1);
        ASSERT_TRUE(menus_greyed());
        while (menus_greyed() && std::chrono::steady_clock::now() < give_up) backend.run_posted_tasks();
        ASSERT_FALSE(menus_greyed());
        lease.emplace();
        ASSERT_TRUE(menus_greyed());
    }

    PausingBackend backend;
    std::optional<ScreenLease> lease;
};

TEST_F(GasSession, ExerciseResultsAndExitHandThePageBack)
{
    const std::vector<std::string> page = statement_texts();
    ASSERT_FALSE(page.empty());
    const std::int32_t problem = app_state.selected_problem;
    const std::string statement = problem_texts.problem_text;
    launch_from_the_menu();
    backend.clear_log();

    GasState during{};
    backend.at_pause = [&](std::int32_t pause) {
        if (pause != 3) return;
        during = gas_state;
        // Clicks while the mercury moves are lost, not kept for the question.
        platform::deliver_mouse_event(close);
        platform::deliver_mouse_event(result);
    };
    backend.push_mouse_event(click(405, 180));  // the button's rounded end: nothing
    backend.push_mouse_event(exercise_1);
    backend.push_mouse_event(result);
    backend.push_mouse_event(result);  // the same results again
    backend.push_mouse_event(close);
    backend.push_mouse_event(exit_button);
    run_gas_laws_simulation(*lease);

    // One torr every 10 ms from 60 to 300 torr away.
    EXPECT_GE(backend.pauses, 61);
    EXPECT_LE(backend.pauses, 301);
    EXPECT_NEAR(backend.virtual_seconds(), backend.pauses * 0.01, 1e-6);
    EXPECT_EQ(count_text("Risultato"), 1);
    EXPECT_EQ(count_text("\"iniziale:"), 2);
    EXPECT_EQ(count_text("\"finale:"), 2);
    // A results line that wraps pushes the next one down: each line starts
    // below every word of the line before.
    const auto texts = backend.log_lines("text");
    const auto y_of = [](const std::string& entry) { return std::stoi(entry.substr(entry.find(',') + 1)); };
    std::int32_t results_blocks = 0;
    for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        if (texts[i + 1].find("\"iniziale:") == std::string::npos) continue;
        ++results_blocks;
        std::int32_t lowest = y_of(texts[i]);
        for (std::size_t j = i + 1; j < texts.size() && y_of(texts[j]) >= 170; ++j) {
            const bool starts_line = texts[j].find("\"Pressione") != std::string::npos ||
                                     texts[j].find("\"Aggiunte") != std::string::npos ||
                                     texts[j].find("\"Sottratte") != std::string::npos;
            if (starts_line) {
                EXPECT_GT(y_of(texts[j]), lowest) << texts[j];
            }
            lowest = std::max(lowest, y_of(texts[j]));
        }
    }
    EXPECT_EQ(results_blocks, 2);
    EXPECT_EQ(count_text("Esercitazione 1"), 2);  // the menu again after "Chiudi"
    EXPECT_EQ(count_text("Leggi dei gas"), 2);
    EXPECT_NE(gas_state.pressure, during.pressure);  // with a new state

    // "Esci" ends the routine and its thread: the page comes back.
    EXPECT_TRUE(menus_greyed());
    backend.clear_log();
    lease.reset();
    EXPECT_TRUE(menus_enabled());
    EXPECT_EQ(statement_texts(), page);
    EXPECT_EQ(problem_texts.problem_text, statement);
    EXPECT_EQ(app_state.selected_problem, problem);
    platform::deliver_mouse_event(next_problem);
    EXPECT_EQ(app_state.selected_problem, problem + 1);
}

TEST_F(GasSession, QuitDuringTheAnimationEndsAtOnce)
{
    launch_from_the_menu();
    backend.at_pause = [](std::int32_t pause) {
        if (pause == 5) platform::request_stop();
    };
    backend.push_mouse_event(exercise_1);
    EXPECT_THROW(run_gas_laws_simulation(*lease), platform::ProgramStopping);
    EXPECT_EQ(backend.pauses, 5);
    lease.reset();
    backend.run_posted_tasks();
    EXPECT_TRUE(menus_greyed());  // no hand-back while quitting
}

TEST_F(GasSession, QuitDuringAWaitEndsTheSimulationThread)
{
    backend.clear_log();
    backend.click_menu_item(6, 1);  // the real thread
    ASSERT_TRUE(menus_greyed());
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (count_text("Esci") == 0 && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(count_text("Esci"), 1);
    platform::stop_and_join_threads();  // returns only once the thread has ended
    backend.run_posted_tasks();
    EXPECT_TRUE(menus_greyed());
}

}  // namespace
