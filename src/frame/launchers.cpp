#include "frame/launchers.h"

#include "frame/menus.h"
#include "frame/page_mouse.h"
#include "frame/problem_page.h"
#include "frame/program_services.h"
#include "platform/runtime.h"
#include "platform/window.h"

namespace {

void start_screen_thread(void (*routine)())
{
    set_top_menus_enabled(false);
    disable_page_mouse();
    rt_start_thread(routine);
}

}  // namespace

void launch_tool(std::size_t index)
{
    if (index < program_services.tools.size() && program_services.tools[index]) program_services.tools[index]();
}

void launch_simulation(std::size_t index)
{
    if (index >= program_services.simulations.size() || !program_services.simulations[index]) return;
    start_screen_thread(program_services.simulations[index]);
}

void launch_game(std::size_t index)
{
    if (index >= program_services.games.size() || !program_services.games[index]) return;
    if (program_services.confirm_games_chapter && program_services.confirm_games_chapter() < 0.0f) return;
    start_screen_thread(program_services.games[index]);
}

void hand_back_page(std::atomic<bool>* running_flag)
{
    qw_post_to_ui_thread([running_flag] {
        if (running_flag) *running_flag = false;
        enable_page_mouse();
        show_problem_page(PageMode::repeat);
        set_top_menus_enabled(true);
    });
}
