#pragma once
// Threads, sleep, clocks, date and time, beep, quitting, and sequential
// text files. Clock, sleep and beep go through the installed backend, so
// tests can run them on a virtual clock.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <string_view>

namespace platform {
// Thrown by waits, sleeps and beeps once the program is quitting, and by
// rt_exit/rt_stop; caught where the platform runs program code (threads,
// callbacks, start-up), so that the running routine unwinds at once.
class ProgramStopping : public std::exception {
public:
    const char* what() const noexcept override { return "program stopping"; }
};
}  // namespace platform

// --- Time ---
void rt_sleep_ms(std::int32_t milliseconds);
// Seconds elapsed since the first call (in this process).
double rt_timef();
// Whole seconds since 00:00:00 on 1 January 1970.
std::int32_t rt_time_seconds();
struct DateAndTime {
    std::string date;  // CCYYMMDD
    std::string time;  // hhmmss.sss
};
DateAndTime rt_date_and_time();

// A sine tone of the given frequency; always lasts its duration.
void rt_beep(std::int32_t frequency_hz, std::int32_t duration_ms);

// --- Threads ---
// Starts a thread that the platform keeps and joins when the program quits.
void rt_start_thread(std::function<void()> routine);
// True once the program has begun to quit.
bool rt_stop_requested();

// --- Ending the program ---
// Ends the program at once: the frame closes, threads are stopped and joined.
[[noreturn]] void rt_exit(std::int32_t code = 0);
// The run-time STOP: shows the message, then ends the program with code 1.
[[noreturn]] void rt_stop(std::string_view message = "Stop - Program terminated.");

// --- Sequential text files ---
// A file of records (lines ending in "\n"), written at its end. Bytes are
// written as given. An append that must not leave half a change can take
// position() first and truncate_to() it when a later write fails.
class TextFile {
public:
    enum class Mode { create, append };  // create: empty the file or make it

    TextFile() = default;
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;
    ~TextFile();

    bool open(const std::string& path, Mode mode);
    bool is_open() const { return file_ != nullptr; }
    bool write_record(std::string_view record);
    // Steps back over the last record: the next write replaces it.
    bool backspace();
    std::int64_t position() const;
    bool truncate_to(std::int64_t position);
    bool close();

private:
    std::FILE* file_ = nullptr;
    std::int64_t position_ = 0;
};
