#pragma once
// Mouse events of the graphics window. Callbacks run on the user-interface
// thread; for each event the callback bound to it runs first, then the
// waiters wake. A wait ends only on an event that came after it began.

#include <cstdint>
#include <functional>

// Event bits (also used as masks).
inline constexpr std::int32_t kMouseLeftDown = 1;
inline constexpr std::int32_t kMouseLeftUp = 2;
inline constexpr std::int32_t kMouseLeftDoubleClick = 4;
inline constexpr std::int32_t kMouseRightDown = 8;
inline constexpr std::int32_t kMouseRightUp = 16;
inline constexpr std::int32_t kMouseRightDoubleClick = 32;
inline constexpr std::int32_t kMouseMove = 64;

// Key-state bits passed with each event.
inline constexpr std::int32_t kMouseStateLeftButton = 1;
inline constexpr std::int32_t kMouseStateRightButton = 2;
inline constexpr std::int32_t kMouseStateShift = 4;
inline constexpr std::int32_t kMouseStateControl = 8;

struct MouseEvent {
    std::int32_t event = 0;  // the event bit that happened
    std::int32_t key_state = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
};

using MouseCallback =
    std::function<void(std::int32_t unit, std::int32_t event, std::int32_t key_state, std::int32_t x, std::int32_t y)>;

// Binds the callback to every event of the mask on the unit, replacing the
// earlier binding of those events. Returns 0, or -1 for a bad unit or mask.
std::int32_t qw_register_mouse_event(std::int32_t unit, std::int32_t mask, MouseCallback callback);
std::int32_t qw_unregister_mouse_event(std::int32_t unit, std::int32_t mask);

// Blocks until one of the masked events happens in the graphics window. On a
// worker thread it sleeps; on the user-interface thread it keeps dispatching
// events (callbacks still run). When the program quits it throws
// platform::ProgramStopping (see runtime.h).
MouseEvent qw_wait_mouse_event(std::int32_t mask);
