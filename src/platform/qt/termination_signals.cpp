#include "platform/qt/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>

namespace platform::qt {
namespace {

constexpr int handled[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};

// The pipe a handler writes to: the one state a handler may touch. Made
// once and never closed: a handler still running on another thread when
// the program ends its watch must not write into a descriptor the program
// has since opened anew.
int signal_pipe[2] = {-1, -1};

// Set by the first signal. Lock-free, so that a handler may touch it.
std::atomic<bool> signalled{false};
static_assert(std::atomic<bool>::is_always_lock_free);

void on_signal(int number)
{
    // A quit that hangs (a thread that does not end) gives way to a second
    // signal, which then does what it does by default. The signal is held
    // back while its handler runs, and comes as soon as the handler returns.
    if (signalled.exchange(true)) {
        struct sigaction by_default {};
        by_default.sa_handler = SIG_DFL;
        sigaction(number, &by_default, nullptr);
        raise(number);
        return;
    }
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const auto written = write(signal_pipe[1], &byte, 1);
}

sigset_t handled_set()
{
    sigset_t set;
    sigemptyset(&set);
    for (const int number : handled) sigaddset(&set, number);
    return set;
}

}  // namespace

TerminationSignals::TerminationSignals()
{
    if (signal_pipe[0] < 0 && pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    // What an earlier watch in this process left unread is not this one's.
    unsigned char stale[64];
    while (read(signal_pipe[0], stale, sizeof stale) > 0) {}
    signalled = false;
    for (const int number : handled) {
        struct sigaction before {};
        sigaction(number, nullptr, &before);
        if (number != SIGTERM && before.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = on_signal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(number, &action, nullptr);
    }
    const sigset_t unblocked = handled_set();
    pthread_sigmask(SIG_UNBLOCK, &unblocked, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    // From here on a signal ends the program at once, as by default. The
    // signals are held back on this thread while the handlers are put
    // back, and let through after; the pipe stays open.
    const sigset_t blocked = handled_set();
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &blocked, &before);
    for (const int number : handled) {
        struct sigaction now {};
        sigaction(number, nullptr, &now);
        if (now.sa_handler == on_signal) signal(number, SIG_DFL);
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

std::unique_ptr<QSocketNotifier> TerminationSignals::watch(std::function<void(int)> end)
{
    if (signal_pipe[0] < 0) return nullptr;
    auto notifier = std::make_unique<QSocketNotifier>(signal_pipe[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                     [end = std::move(end), ended = false]() mutable {
                         unsigned char byte = 0;
                         if (read(signal_pipe[0], &byte, 1) == 1 && !ended) {
                             ended = true;
                             end(128 + byte);
                         }
                     });
    return notifier;
}

}  // namespace platform::qt
