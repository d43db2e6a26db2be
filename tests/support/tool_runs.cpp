#include "support/tool_runs.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>

namespace testing_support {

ToolRun run_tool(const std::string& program, const std::string& arguments, Stream read, const std::string& environment)
{
    const std::string command = "env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=offscreen " + environment + " " + program +
                                " " + arguments + (read == Stream::err ? " 2>&1 >/dev/null" : " 2>/dev/null");
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    ToolRun run;
    std::array<char, 256> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) run.output.append(buffer.data(), n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace testing_support
