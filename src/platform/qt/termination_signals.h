// A termination signal (SIGTERM, and SIGHUP, SIGINT and SIGQUIT unless the
// program was started with them ignored) ends the program as closing its
// frame does, whenever it comes: the handler only writes the signal's
// number to a pipe, which the event loop reads once it runs, so that a
// signal during start-up waits for it rather than striking half-built
// state; the threads are then joined and the exit code is 128 plus the
// number. A second signal does what it does by default, at once, so that
// a quit that hangs can still be ended. A mask inherited from the starting
// process would hold these signals back for good: they are unblocked
// first. One watch at a time in a process.
#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace platform::qt {

class TerminationSignals {
public:
    // First thing in main, before any thread starts.
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Once the application exists, for as long as the watcher returned is
    // kept: end(128 + number) runs on the user-interface thread for the
    // first signal, come or to come.
    std::unique_ptr<QSocketNotifier> watch(std::function<void(int)> end);
};

}  // namespace platform::qt
