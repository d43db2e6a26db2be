#include "games/game_harness.h"

#include "frame/page_mouse.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "frame/app_state.h"
#include "platform/core_state.h"
#include "platform/events.h"
#include "platform/window.h"

namespace games_test {

bool eventually(const std::function<bool()>& condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

void GameTest::SetUp()
{
    platform::install_backend(&backend);
    start_program_with_its_parts();
    backend.clear_log();
}

void GameTest::TearDown()
{
    platform::install_backend(nullptr);
    set_page_mouse_owner(nullptr);
    game_mouse_modes.slot_game_active = false;
    game_mouse_modes.poker_game_active = false;
    game_mouse_modes.buster_game_active = false;
}

void GameTest::script_click(std::int32_t x, std::int32_t y)
{
    backend.push_mouse_event({kMouseLeftDown, kMouseStateLeftButton, x, y});
}

bool game_waiting_now()
{
    auto& core = platform::detail::core();
    std::lock_guard lock(core.mutex);
    return std::any_of(core.mouse_waiters.begin(), core.mouse_waiters.end(),
                       [](const platform::detail::MouseWaiter* w) { return !w->event.has_value(); });
}

bool game_waits()
{
    return eventually(game_waiting_now);
}

bool GameTest::click_when_waiting(std::int32_t x, std::int32_t y)
{
    if (!game_waits()) return false;
    platform::deliver_mouse_event({kMouseLeftDown, kMouseStateLeftButton, x, y});
    return true;
}

std::vector<ButtonRegistry::Entry> GameTest::offered_buttons() const
{
    if (!game_waits()) return {};
    std::lock_guard lock(button_registry.lock);
    return {button_registry.entry.begin() + 1, button_registry.entry.begin() + 1 + button_registry.count};
}

bool GameTest::click_button(std::int32_t k)
{
    const auto buttons = offered_buttons();
    if (k < 1 || k > static_cast<std::int32_t>(buttons.size())) return false;
    const ButtonRegistry::Entry& b = buttons[static_cast<std::size_t>(k - 1)];
    platform::deliver_mouse_event({kMouseLeftDown, kMouseStateLeftButton, (b.x1 + b.x2) / 2, (b.y1 + b.y2) / 2});
    return true;
}

bool GameTest::page_handed_back(const std::atomic<bool>& running_flag)
{
    return eventually([&] {
        backend.run_posted_tasks();
        return !running_flag;
    });
}

bool GameTest::menus_enabled() const
{
    const auto menus = backend.menus();
    return std::none_of(menus.begin(), menus.end(), [](const auto& menu) { return (menu.flags & kQwMenuGreyed) != 0; });
}

std::string GameTest::drawn_text() const
{
    std::string all;
    for (const std::string& line : backend.log_lines("text (")) {
        const auto open = line.find('"');
        all += line.substr(open + 1, line.size() - open - 2);
    }
    return all;
}

std::size_t GameTest::log_count(const std::string& text) const
{
    const auto log = backend.log();
    return static_cast<std::size_t>(std::count_if(
        log.begin(), log.end(), [&](const std::string& line) { return line.find(text) != std::string::npos; }));
}

}  // namespace games_test
