#include "platform/qt/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace platform::qt {
namespace {

constexpr int handled[] = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};

// The pipe a handler writes to: the one state a handler may touch.
int signal_pipe[2] = {-1, -1};

void on_signal(int number)
{
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const auto written = write(signal_pipe[1], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals()
{
    if (pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int number : handled) {
        sigaddset(&blocked, number);
        struct sigaction before {};
        sigaction(number, nullptr, &before);
        if (number != SIGTERM && before.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = on_signal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(number, &action, nullptr);
    }
    pthread_sigmask(SIG_UNBLOCK, &blocked, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    // From here on a signal ends the program at once, as by default.
    for (const int number : handled) {
        struct sigaction now {};
        sigaction(number, nullptr, &now);
        if (now.sa_handler == on_signal) signal(number, SIG_DFL);
    }
    for (int& end : signal_pipe) {
        if (end >= 0) close(end);
        end = -1;
    }
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
