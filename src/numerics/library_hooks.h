// Where the numerical library's printed lines go, and who decides what a
// "stop the run" of its error settings means. The library itself never ends
// the process: it reports the request to stop_run, which the program sets
// (by default the request is ignored and the library carries on).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct StopRequest {
    std::int32_t error_type = 0;
    std::int32_t error_code = 0;
    std::string routine;  // the routine whose error asked for the stop
};

struct LibraryHooks {
    // A line for an output unit of UMACH; unset, it goes to standard output.
    std::function<void(std::int32_t unit, const std::string& line)> write_line;
    std::function<void(const StopRequest&)> stop_run;
};
extern LibraryHooks library_hooks;

void write_library_line(std::int32_t unit, const std::string& line);
void request_stop(std::int32_t error_type, std::int32_t error_code, const std::string& routine);
