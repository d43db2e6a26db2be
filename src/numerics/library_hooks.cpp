#include "numerics/library_hooks.h"

#include <cstdio>

LibraryHooks library_hooks;

void write_library_line(std::int32_t unit, const std::string& line)
{
    if (library_hooks.write_line) {
        library_hooks.write_line(unit, line);
        return;
    }
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
}

void request_stop(std::int32_t error_type, std::int32_t error_code, const std::string& routine)
{
    if (library_hooks.stop_run) library_hooks.stop_run(StopRequest{error_type, error_code, routine});
}
