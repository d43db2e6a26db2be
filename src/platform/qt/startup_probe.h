// For the start-up comparison of bench/startup.sh only: a build configured
// with BRUNATEL_STARTUP_PROBE ends at its first paint, once the frame has
// been flushed to the screen, printing its peak resident memory.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <QTimer>
#include <cstdio>

inline void end_after_first_paint()
{
    static bool scheduled = false;
    if (scheduled) return;
    scheduled = true;
    QTimer::singleShot(0, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("max_rss_kb %ld\n", usage.ru_maxrss);
        std::fflush(stdout);
        _exit(0);
    });
}
