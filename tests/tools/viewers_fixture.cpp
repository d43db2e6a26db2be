#include "viewers_fixture.h"

namespace tools_test {

void StartedProgram::SetUp()
{
    platform::install_backend(&backend);
    start_program_with_its_parts();
    backend.clear_log();
}

void StartedProgram::TearDown()
{
    platform::install_backend(nullptr);
}

std::string StartedProgram::drawn_text() const
{
    std::string all;
    for (const std::string& line : backend.log_lines("text (")) {
        const auto open = line.find('"');
        all += line.substr(open + 1, line.size() - open - 2);
    }
    return all;
}

std::vector<std::string> StartedProgram::lines_since_last(const std::string& marker) const
{
    const std::vector<std::string> log = backend.log();
    std::size_t from = 0;
    for (std::size_t i = 0; i < log.size(); ++i)
        if (log[i].find(marker) != std::string::npos) from = i;
    return {log.begin() + static_cast<std::ptrdiff_t>(from), log.end()};
}

}  // namespace tools_test
