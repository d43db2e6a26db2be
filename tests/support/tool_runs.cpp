#include "support/tool_runs.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <string>

extern char** environ;

namespace testing_support {

namespace {

std::string name_of(const std::string& entry)
{
    return entry.substr(0, entry.find('='));
}

// The test's environment without a runtime directory, headless, then the
// entries given, each replacing one of the same name.
std::vector<std::string> environment_of(const std::vector<std::string>& given)
{
    std::vector<std::string> entries;
    for (char** e = environ; *e != nullptr; ++e) entries.emplace_back(*e);
    const auto set = [&entries](const std::string& assignment) {
        std::erase_if(entries, [&assignment](const std::string& e) { return name_of(e) == name_of(assignment); });
        entries.push_back(assignment);
    };
    std::erase_if(entries, [](const std::string& e) { return name_of(e) == "XDG_RUNTIME_DIR"; });
    set("QT_QPA_PLATFORM=offscreen");
    for (const std::string& assignment : given) set(assignment);
    return entries;
}

std::vector<char*> pointers(std::vector<std::string>& strings)
{
    std::vector<char*> p;
    for (std::string& s : strings) p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

}  // namespace

ToolRun run_tool(const std::string& program, const std::vector<std::string>& arguments, Stream read,
                 const std::vector<std::string>& environment)
{
    std::vector<std::string> argv = {program};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    std::vector<std::string> envp = environment_of(environment);
    std::array<int, 2> pipe_ends{};
    if (pipe(pipe_ends.data()) != 0) return {};
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) {
        close(pipe_ends[0]);
        close(pipe_ends[1]);
        return {};
    }
    const int read_fd = read == Stream::out ? STDOUT_FILENO : STDERR_FILENO;
    const int other_fd = read == Stream::out ? STDERR_FILENO : STDOUT_FILENO;
    // A child whose streams are not where the run reads them is no run: its
    // silence would read as an empty output.
    const bool arranged = posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], read_fd) == 0 &&
                          posix_spawn_file_actions_addopen(&actions, other_fd, "/dev/null", O_WRONLY, 0) == 0 &&
                          posix_spawn_file_actions_addclose(&actions, pipe_ends[0]) == 0 &&
                          posix_spawn_file_actions_addclose(&actions, pipe_ends[1]) == 0;
    pid_t child = 0;
    const int spawned =
        arranged ? posix_spawn(&child, program.c_str(), &actions, nullptr, pointers(argv).data(), pointers(envp).data())
                 : -1;
    posix_spawn_file_actions_destroy(&actions);
    close(pipe_ends[1]);
    ToolRun run;
    if (spawned != 0) {
        close(pipe_ends[0]);
        return run;
    }
    std::array<char, 256> buffer{};
    for (;;) {
        const ssize_t n = ::read(pipe_ends[0], buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        run.output.append(buffer.data(), static_cast<std::size_t>(n));
    }
    close(pipe_ends[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::string> words(std::string_view options)
{
    std::vector<std::string> found;
    for (std::size_t at = 0; at < options.size();) {
        const std::size_t end = std::min(options.find(' ', at), options.size());
        if (end > at) found.emplace_back(options.substr(at, end - at));
        at = end + 1;
    }
    return found;
}

std::filesystem::path private_folder(std::string_view name)
{
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (std::string(name) + " " + std::to_string(getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

}  // namespace testing_support
