#include "platform/mouse.h"

#include <algorithm>

#include "platform/core_state.h"
#include "platform/events.h"

namespace {

constexpr std::int32_t kAllEvents = 127;
constexpr std::size_t kKeyBufferSize = 64;

bool valid_binding(std::int32_t unit, std::int32_t mask)
{
    return unit == kQwGraphicsUnit && mask > 0 && (mask & ~kAllEvents) == 0;
}

}  // namespace

std::int32_t qw_register_mouse_event(std::int32_t unit, std::int32_t mask, MouseCallback callback)
{
    if (!valid_binding(unit, mask) || !callback) return -1;
    auto& c = platform::detail::core();
    std::lock_guard lock(c.mutex);
    for (std::int32_t bit = 1; bit <= kAllEvents; bit <<= 1) {
        if (mask & bit) c.mouse_callbacks[bit] = callback;
    }
    return 0;
}

std::int32_t qw_unregister_mouse_event(std::int32_t unit, std::int32_t mask)
{
    if (!valid_binding(unit, mask)) return -1;
    auto& c = platform::detail::core();
    std::lock_guard lock(c.mutex);
    for (std::int32_t bit = 1; bit <= kAllEvents; bit <<= 1) {
        if (mask & bit) c.mouse_callbacks.erase(bit);
    }
    return 0;
}

MouseEvent qw_wait_mouse_event(std::int32_t mask)
{
    auto& c = platform::detail::core();
    platform::detail::throw_if_stopping();
    platform::detail::MouseWaiter waiter{mask & kAllEvents, std::nullopt};
    {
        std::lock_guard lock(c.mutex);
        c.mouse_waiters.push_back(&waiter);
    }
    struct Unlist {
        platform::detail::PlatformCore& c;
        platform::detail::MouseWaiter* w;
        ~Unlist()
        {
            std::lock_guard lock(c.mutex);
            std::erase(c.mouse_waiters, w);
        }
    } unlist{c, &waiter};
    platform::detail::wait_for([&] { return waiter.event.has_value(); });
    return *waiter.event;
}

namespace platform {

void deliver_mouse_event(const MouseEvent& event)
{
    auto& c = detail::core();
    MouseCallback callback;
    {
        std::lock_guard lock(c.mutex);
        if (auto it = c.mouse_callbacks.find(event.event); it != c.mouse_callbacks.end()) callback = it->second;
    }
    if (callback) {
        run_guarded([&] { callback(kQwGraphicsUnit, event.event, event.key_state, event.x, event.y); });
    }
    {
        std::lock_guard lock(c.mutex);
        for (detail::MouseWaiter* waiter : c.mouse_waiters) {
            if (!waiter->event && (waiter->mask & event.event)) waiter->event = event;
        }
    }
    notify_waiters();
}

void deliver_key_event(const KeyEvent& event)
{
    auto& c = detail::core();
    KeyHandler handler;
    {
        std::lock_guard lock(c.mutex);
        handler = c.key_handler;
    }
    if (handler) run_guarded([&] { handler(event); });
    if (event.kind == kKeyCharacter) {
        {
            std::lock_guard lock(c.mutex);
            // A keyboard buffer: characters typed while nobody reads wait here.
            if (c.typed_keys.size() < kKeyBufferSize) c.typed_keys.push_back(event.code);
        }
        notify_waiters();
    }
}

}  // namespace platform
