// The outside probe of the start-up comparison: starts a program and times
// from its exec to the moment the X server maps its first top-level window,
// as a user would see it appear. Prints "visible_ms <milliseconds>", then
// ends the program. Usage: bench_startup_visible PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "uso: %s PROGRAMMA [ARGOMENTI...]\n", argv[0]);
        return 2;
    }
    // A server busy with the last run's ending clients may refuse for a moment.
    Display* display = XOpenDisplay(nullptr);
    for (int attempt = 0; display == nullptr && attempt < 100; ++attempt) {
        usleep(20000);
        display = XOpenDisplay(nullptr);
    }
    if (display == nullptr) {
        std::fprintf(stderr, "nessun display X\n");
        return 2;
    }
    // Listening before the exec, so that no map can come unseen.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) break;
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    std::printf("visible_ms %.1f\n", took.count());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return 0;
}
