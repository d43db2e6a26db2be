// The project's programs run as from a shell: headless, and without a
// runtime directory, of which Qt would complain on start-up.
#pragma once

#include <string>

namespace testing_support {

enum class Stream { out, err };

struct ToolRun {
    int status = -1;     // the exit status; -1 when the program did not exit by itself
    std::string output;  // what it wrote on the stream read
};

// environment: assignments set for the run only, as "NAME=value NAME2=value".
ToolRun run_tool(const std::string& program, const std::string& arguments, Stream read = Stream::err,
                 const std::string& environment = "");

}  // namespace testing_support
