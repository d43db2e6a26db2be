#include "frame/launchers.h"

#include <memory>

#include "frame/program_services.h"
#include "frame/screen_lease.h"
#include "platform/runtime.h"

namespace {

// The lease is taken here, before the thread starts, and ends on the thread
// as its routine returns: the thread's copy is the only one, so the page is
// always given back from there.
void start_screen_thread(void (*routine)(ScreenLease&))
{
    rt_start_thread([lease = std::make_shared<ScreenLease>(), routine]() mutable {
        routine(*lease);
        lease.reset();
    });
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
