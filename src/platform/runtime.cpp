#include "platform/runtime.h"

#include <algorithm>
#include <chrono>

#include "platform/core_state.h"
#include "platform/events.h"

using platform::detail::core;
using platform::detail::host;
using platform::detail::throw_if_stopping;

void rt_sleep_ms(std::int32_t milliseconds)
{
    throw_if_stopping();
    host().sleep_ms(std::max(milliseconds, 0));
    throw_if_stopping();
}

double rt_timef()
{
    const double now = host().monotonic_seconds();
    auto& c = core();
    std::lock_guard lock(c.mutex);
    if (!c.clock_origin) c.clock_origin = now;
    return now - *c.clock_origin;
}

std::int32_t rt_time_seconds()
{
    return static_cast<std::int32_t>(host().unix_seconds());
}

DateAndTime rt_date_and_time()
{
    return host().date_and_time();
}

void rt_beep(std::int32_t frequency_hz, std::int32_t duration_ms)
{
    throw_if_stopping();
    host().beep(frequency_hz, std::max(duration_ms, 0));
    throw_if_stopping();
}

void rt_start_thread(std::function<void()> routine)
{
    auto& c = core();
    std::vector<std::thread> ended;
    {
        std::lock_guard lock(c.mutex);
        if (c.stopping.load() || !routine) return;
        // Threads that have ended are joined now, so that they free what they hold.
        for (auto it = c.threads.begin(); it != c.threads.end();) {
            if (it->finished->load()) {
                ended.push_back(std::move(it->thread));
                it = c.threads.erase(it);
            } else {
                ++it;
            }
        }
        auto finished = std::make_shared<std::atomic<bool>>(false);
        c.threads.push_back({std::thread([routine = std::move(routine), finished] {
                                 platform::run_guarded(routine);
                                 finished->store(true);
                             }),
                             finished});
    }
    for (std::thread& thread : ended) thread.join();
}

bool rt_stop_requested()
{
    return core().stopping.load();
}

void rt_exit(std::int32_t code)
{
    platform::request_stop();
    host().request_quit(code);
    throw platform::ProgramStopping();
}

void rt_stop(std::string_view message)
{
    host().show_stop_message(message);
    platform::request_stop();
    host().request_quit(1);
    throw platform::ProgramStopping();
}

namespace platform {

bool run_guarded(const std::function<void()>& code)
{
    try {
        code();
        return true;
    } catch (const ProgramStopping&) {
        return false;
    }
}

void notify_waiters()
{
    auto& c = core();
    {
        std::lock_guard lock(c.mutex);
    }
    c.changed.notify_all();
    host().wake_ui_waiters();
}

void request_stop()
{
    core().stopping.store(true);
    notify_waiters();
}

void stop_and_join_threads()
{
    auto& c = core();
    request_stop();
    std::vector<detail::PlatformThread> threads;
    {
        std::lock_guard lock(c.mutex);
        threads.swap(c.threads);
    }
    for (auto& [thread, finished] : threads) {
        if (thread.get_id() == std::this_thread::get_id()) {
            thread.detach();
        } else if (thread.joinable()) {
            thread.join();
        }
    }
}

bool sleep_unless_stopping(std::int32_t milliseconds)
{
    auto& c = core();
    // Waits can wake a little early; only the deadline ends the sleep.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(std::max(milliseconds, 0));
    std::unique_lock lock(c.mutex);
    while (!c.stopping.load()) {
        if (std::chrono::steady_clock::now() >= deadline) return true;
        c.changed.wait_until(lock, deadline);
    }
    return false;
}

}  // namespace platform
