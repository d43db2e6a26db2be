#pragma once
// The entry points through which a backend hands host events and host-side
// calls of program code to the platform.

#include <cstdint>
#include <ctime>
#include <functional>

#include "platform/mouse.h"
#include "platform/runtime.h"
#include "platform/window.h"

namespace platform {

// On the user-interface thread: runs the callback bound to the event, then
// wakes the waiters whose mask holds it.
void deliver_mouse_event(const MouseEvent& event);
// On the user-interface thread: the key handler first; characters then
// feed qw_get_key.
void deliver_key_event(const KeyEvent& event);

// Runs program code called by the host (menu, dialog and mouse callbacks,
// start-up routines): a ProgramStopping thrown inside ends it quietly.
// Returns false when it ended that way.
bool run_guarded(const std::function<void()>& code);

// Begins quitting: from now on every wait, sleep and beep returns at once
// (throwing ProgramStopping). Safe on any thread.
void request_stop();
// Begins quitting and joins the platform's threads. Call on the user-
// interface thread once its event loop has ended (never from inside a task
// that a worker may be waiting for).
void stop_and_join_threads();

// Wakes every thread blocked in a platform wait, after the caller changed
// what such a wait checks.
void notify_waiters();

// Sleeps, returning early once the program quits; false when cut short.
bool sleep_unless_stopping(std::int32_t milliseconds);

// The local date and time from the system clock.
DateAndTime local_date_and_time();
// A calendar moment and its milliseconds as the stamp writes them.
DateAndTime date_and_time_stamp(const std::tm& moment, int millis);

}  // namespace platform
