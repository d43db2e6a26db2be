#pragma once
// The platform's one shared block: the installed backend, the quit state,
// the mouse and key bindings and the platform's threads. Internal to the
// platform layer.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/backend.h"
#include "platform/mouse.h"
#include "platform/window.h"

namespace platform::detail {

struct MouseWaiter {
    std::int32_t mask = 0;
    std::optional<MouseEvent> event;
};

struct PlatformThread {
    std::thread thread;
    std::shared_ptr<std::atomic<bool>> finished;
};

struct PlatformCore {
    std::mutex mutex;
    std::condition_variable changed;  // any waiter's condition may hold now
    std::atomic<Backend*> backend{nullptr};
    std::atomic<std::uint64_t> generation{1};  // bumped at every install
    std::atomic<bool> stopping{false};
    std::map<std::int32_t, MouseCallback> mouse_callbacks;  // by event bit
    std::vector<MouseWaiter*> mouse_waiters;
    KeyHandler key_handler;
    std::deque<std::int32_t> typed_keys;
    std::vector<PlatformThread> threads;
    std::optional<double> clock_origin;
};

// Inline: every drawing call asks for it.
inline PlatformCore& core()
{
    static PlatformCore instance;
    return instance;
}
// The installed backend, or one that does nothing and reports failure.
Backend& host();

// Blocks until done() holds (checked under core().mutex) or quitting begins:
// a nested event loop on the user-interface thread, a sleep elsewhere.
// Throws ProgramStopping when it ends without done().
void wait_for(const std::function<bool()>& done);
void throw_if_stopping();

}  // namespace platform::detail
