// The thermodynamic data viewer: pages turned by clicks that the page mouse
// handler records, "OK" back to the problem page, and its wait inside the
// menu callback on the interface thread, which a quit ends.
#include <gtest/gtest.h>

#include <string>

#include "frame/app_state.h"
#include "platform/events.h"
#include "platform/mouse.h"
#include "platform/qt/qt_application.h"
#include "platform/runtime.h"
#include "platform/window.h"
#include "tools/thermo_data_viewer.h"
#include "viewers_fixture.h"

namespace tools_test {
namespace {

// The capsules' middles, and a point between two of them.
constexpr MouseEvent previous_click{kMouseLeftDown, kMouseStateLeftButton, 530, 172};
constexpr MouseEvent ok_click{kMouseLeftDown, kMouseStateLeftButton, 530, 217};
constexpr MouseEvent next_click{kMouseLeftDown, kMouseStateLeftButton, 530, 262};
constexpr MouseEvent between_click{kMouseLeftDown, kMouseStateLeftButton, 530, 195};

constexpr const char* title = "Dati Termodinamici a 298 K";

using ThermoViewer = StartedProgram;

TEST_F(ThermoViewer, PagesThroughTheListAndGivesTheProblemPageBack)
{
    const std::string problem = problem_texts.problem_text;
    backend.push_mouse_event(previous_click);  // first page: nothing
    for (int k = 0; k < 10; ++k) backend.push_mouse_event(next_click);
    backend.push_mouse_event(next_click);  // last page: nothing
    backend.push_mouse_event(between_click);
    backend.push_mouse_event(ok_click);
    ASSERT_TRUE(backend.click_menu_item(4, 5));

    const std::vector<std::string> log = backend.log();
    std::size_t pages = 0;
    for (const std::string& line : log) pages += line.find(title) != std::string::npos;
    EXPECT_EQ(pages, 11u);
    // The last page holds only lead sulphide, in its first row.
    std::string last_page;
    for (const std::string& line : lines_since_last(title))
        if (line.starts_with("text (") && line.find("Problema") != std::string::npos)
            break;
        else if (line.starts_with("text (175,"))
            last_page += line;
    EXPECT_NE(last_page.find("text (175,200)"), std::string::npos) << last_page;
    EXPECT_NE(last_page.find("\"PbS\""), std::string::npos) << last_page;
    EXPECT_EQ(last_page.find("(175,216)"), std::string::npos) << last_page;
    // Menus greyed while it ran, enabled and the page back afterwards.
    EXPECT_FALSE(backend.log_lines("menu flags 1 0 1").empty());
    for (std::size_t menu = 0; menu < 9; ++menu) EXPECT_EQ(backend.menus()[menu].flags & kQwMenuGreyed, 0) << menu;
    EXPECT_EQ(problem_texts.problem_text, problem);
    EXPECT_NE(drawn_text().rfind("Problema 1.1"), std::string::npos);
}

TEST_F(ThermoViewer, FirstPageAndBothWaters)
{
    for (int k = 0; k < 3; ++k) backend.push_mouse_event(next_click);
    backend.push_mouse_event(ok_click);
    ASSERT_TRUE(backend.click_menu_item(4, 5));
    const std::string drawn = drawn_text();
    for (const char* row :
         {"H2(g)", "N2(g)", "O2(g)", "P4(s)", "Cl2(g)", "H2O(l)  -285.8  -237.1  70.0  75.3", "H2O(g)"})
        EXPECT_NE(drawn.find(row), std::string::npos) << row << " in " << drawn;
}

TEST_F(ThermoViewer, AWaitThatNoClickEndsStopsWithTheProgram)
{
    backend.push_mouse_event(next_click);
    EXPECT_THROW(show_thermo_data(), platform::ProgramStopping);
}

TEST(ThermoViewerWindow, ItsWaitKeepsTheWindowAliveIgnoresEarlierClicksAndEndsAtQuit)
{
    platform::qt::Session session;
    start_program_with_its_parts();
    // A stale "OK" from before the viewer opened must not end its wait.
    thermo_view_mouse.hit = 2;
    session.mouse(kMouseLeftDown, ok_click.x, ok_click.y, kMouseStateLeftButton);
    bool turned = false;
    qw_post_to_ui_thread([&] {
        session.mouse(kMouseLeftDown, next_click.x, next_click.y, kMouseStateLeftButton);
        turned = true;
        session.mouse(kMouseLeftDown, ok_click.x, ok_click.y, kMouseStateLeftButton);
    });
    show_thermo_data();
    EXPECT_TRUE(turned);
    EXPECT_EQ(session.menu_flags(4, 0) & kQwMenuGreyed, 0);
    // Quitting while it waits ends the wait at once.
    qw_post_to_ui_thread([] { rt_exit(0); });
    EXPECT_THROW(show_thermo_data(), platform::ProgramStopping);
    platform::stop_and_join_threads();
}

}  // namespace
}  // namespace tools_test
