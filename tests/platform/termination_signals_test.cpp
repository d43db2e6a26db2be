// The termination signals, each tried in a child process of its own, which
// only the calls a signal handler may make run before it ends.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

#include "platform/qt/termination_signals.h"

namespace {

using platform::qt::TerminationSignals;

// How the child ended: the signal that ended it, or 0 with its exit code.
struct Ending {
    int signal = 0;
    int code = -1;
};

Ending in_a_child(const std::function<int()>& body)
{
    const pid_t child = fork();
    if (child == 0) _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFSIGNALED(status)) return {WTERMSIG(status), 0};
    return {0, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// The descriptors open in this process.
int open_descriptors()
{
    int open = 0;
    for (int fd = 0; fd < 1024; ++fd) open += fcntl(fd, F_GETFD) != -1;
    return open;
}

// The first signal is the program's to end by its own quit; a second, of
// any of the kinds, ends it at once, as if none were handled.
TEST(TerminationSignals, ASecondSignalEndsTheProgramAtOnce)
{
    for (const int second : {SIGTERM, SIGINT}) {
        const Ending ending = in_a_child([second] {
            const TerminationSignals handlers;
            raise(SIGTERM);
            raise(second);
            return 0;
        });
        EXPECT_EQ(ending.signal, second);
    }
    EXPECT_EQ(in_a_child([] {
                  const TerminationSignals handlers;
                  raise(SIGTERM);
                  return 7;
              }).code,
              7);
}

// Once the watch has ended a signal ends the program by default, and no
// descriptor a late handler on another thread could still write to has been
// closed, to be opened anew for something else.
TEST(TerminationSignals, AfterTheWatchASignalEndsTheProgramAndThePipeStays)
{
    const Ending ending = in_a_child([] {
        int during = 0;
        {
            const TerminationSignals handlers;
            during = open_descriptors();
        }
        if (open_descriptors() != during) return 1;
        raise(SIGTERM);
        return 2;
    });
    EXPECT_EQ(ending.signal, SIGTERM) << "exit code " << ending.code;
}

}  // namespace
