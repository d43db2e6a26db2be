// The project's programs run as a script would run them: headless, and
// without a runtime directory, of which Qt would complain on start-up.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

enum class Stream { out, err };

struct ToolRun {
    int status = -1;     // the exit status; -1 when the program could not run or did not exit by itself
    std::string output;  // what it wrote on the stream read
};

// Runs program with the arguments as they are, blanks and all (no shell
// reads them). environment: "NAME=value" entries set for the run only, over
// the headless defaults.
ToolRun run_tool(const std::string& program, const std::vector<std::string>& arguments, Stream read = Stream::err,
                 const std::vector<std::string>& environment = {});

// A new empty folder of the system's temporary one, named for what it holds
// and for this process, so that two test runs on one machine never share it.
std::filesystem::path private_folder(std::string_view name);

// Options written as one line, "--chapter 1 --problem 2", parted at blanks.
std::vector<std::string> words(std::string_view options);

}  // namespace testing_support
