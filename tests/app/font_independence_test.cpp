// The pages have the same pixels whatever fonts the machine has, a
// program whose own fonts are damaged says so in Italian and exits cleanly,
// and a termination signal ends the program cleanly whenever it comes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/qt/qt_application.h"
#include "support/tool_runs.h"

namespace font_independence_test {
namespace {

namespace fs = std::filesystem;
using testing_support::run_tool;

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class FontIndependence : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = testing_support::private_folder(
            "brunatel fonts " + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    }
    void TearDown() override { fs::remove_all(folder); }

    // A font configuration that sees only the given folders' fonts.
    std::string configuration(const std::string& name, const std::vector<fs::path>& font_folders) const
    {
        const fs::path path = folder / (name + ".conf");
        std::ofstream out(path);
        out << "<?xml version=\"1.0\"?>\n<fontconfig>\n";
        for (const fs::path& f : font_folders) out << "  <dir>" << f.string() << "</dir>\n";
        out << "  <cachedir>" << (folder / "cache").string() << "</cachedir>\n</fontconfig>\n";
        return "FONTCONFIG_FILE=" + path.string();
    }

    // The page as the snapshot tool draws it on a stopped clock.
    std::string page(const std::string& page_options, const std::string& environment, const std::string& name) const
    {
        const fs::path png = folder / (name + ".png");
        std::vector<std::string> arguments = testing_support::words(page_options + " --answer --clock 1700000000");
        arguments.insert(arguments.end(), {"--png", png.string()});
        const auto run = run_tool(BRUNATEL_SNAPSHOT, arguments, testing_support::Stream::err,
                                  environment.empty() ? std::vector<std::string>{} : std::vector{environment});
        EXPECT_EQ(run.status, 0) << name << ": " << run.output;
        return contents(png);
    }

    fs::path folder;
};

TEST_F(FontIndependence, PagesHaveTheSamePixelsWhateverFontsTheMachineHas)
{
    // Other versions of the same families, where the machine has them.
    std::vector<std::pair<std::string, std::string>> machines = {{"none", configuration("none", {})}};
    std::vector<fs::path> all;
    for (const char* name : {"liberation", "liberation2", "dejavu"}) {
        const fs::path f = fs::path("/usr/share/fonts/truetype") / name;
        if (!fs::is_directory(f)) continue;
        all.push_back(f);
        machines.emplace_back(name, configuration(name, {f}));
    }
    machines.emplace_back("all", configuration("all", all));
    // Pages that draw every carried face: body, italics, bold, Greek, graphs.
    for (const char* options :
         {"--chapter 1 --problem 39 --version 2", "--chapter 2 --problem 20 --version 3",
          "--chapter 6 --problem 33 --version 10000001", "--chapter 4 --problem 39 --version 1"}) {
        SCOPED_TRACE(options);
        const std::string usual = page(options, "", "usual");
        ASSERT_FALSE(usual.empty());
        for (const auto& [name, environment] : machines) {
            EXPECT_TRUE(page(options, environment, name) == usual) << "fonts of the machine: " << name;
        }
    }
}

// The program with one byte of its bold face's table directory spoiled.
fs::path with_a_damaged_face(const fs::path& program, const fs::path& copy)
{
    std::string bytes = contents(program);
    const std::string face = contents(fs::path(BRUNATEL_OWN_FONTS_DIR) / "LiberationSans-Bold.ttf");
    const std::size_t at = bytes.find(face.substr(0, 4096));
    if (at == std::string::npos || bytes.find(face.substr(0, 4096), at + 1) != std::string::npos) return {};
    bytes.replace(at, 64, std::string(64, '\0'));
    std::ofstream(copy, std::ios::binary) << bytes;
    fs::permissions(copy, fs::perms::owner_all);
    return copy;
}

TEST_F(FontIndependence, ADamagedFaceIsNamedInItalianAndEndsTheProgramCleanly)
{
    for (const char* path : {BRUNATEL_SNAPSHOT, BRUNATEL_PROGRAM}) {
        const fs::path program(path);
        SCOPED_TRACE(program.filename().string());
        const fs::path damaged = with_a_damaged_face(program, folder / program.filename());
        ASSERT_FALSE(damaged.empty()) << "the face is not carried once, uncompressed";
        const auto run = run_tool(damaged.string(), testing_support::words("--chapter 1 --problem 1 --version 1"));
        EXPECT_EQ(run.status, platform::qt::cannot_draw_exit_code);
        EXPECT_NE(run.output.find("Liberation Sans grassetto"), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("danneggiati"), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find("terminate"), std::string::npos) << run.output;
    }
}

// SIGTERM at once and after the start, from a starter that handed its
// blocked mask down (the signal then waits, and must not be lost): the
// program ends through its own quit, with 128 + 15.
TEST_F(FontIndependence, ATerminationSignalEndsTheProgramWheneverItComes)
{
    for (const int after_ms : {0, 500}) {
        sigset_t term;
        sigemptyset(&term);
        sigaddset(&term, SIGTERM);
        sigset_t before;
        pthread_sigmask(SIG_BLOCK, &term, &before);
        const pid_t child = fork();
        if (child == 0) {
            execl(BRUNATEL_PROGRAM, BRUNATEL_PROGRAM, static_cast<char*>(nullptr));
            _exit(127);
        }
        pthread_sigmask(SIG_SETMASK, &before, nullptr);
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(after_ms));
        kill(child, SIGTERM);
        int status = 0;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > end) {
                kill(child, SIGKILL);
                waitpid(child, &status, 0);
                ADD_FAILURE() << "still running 60 s after SIGTERM, sent " << after_ms << " ms after the start";
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGTERM)
            << "status " << status << ", SIGTERM " << after_ms << " ms after the start";
    }
}

// A sweep's step fails when the tool does not check: a tool that cannot
// draw, one that ends without its count, or with a count its exit code
// denies. A clean page passes.
TEST_F(FontIndependence, TheLayoutSweepsStepFailsWhenTheToolCouldNotCheck)
{
    const fs::path damaged = with_a_damaged_face(BRUNATEL_SNAPSHOT, folder / "snapshot");
    ASSERT_FALSE(damaged.empty());
    const auto fake = [this](const std::string& name, const std::string& body) {
        const fs::path tool = folder / name;
        std::ofstream(tool) << "#!/bin/sh\n" << body << "\n";
        fs::permissions(tool, fs::perms::owner_all);
        return tool.string();
    };
    const struct {
        std::string tool;
        bool checked;
        const char* says;
    } cases[] = {
        {BRUNATEL_SNAPSHOT, true, ""},
        {damaged.string(), false, "exited with 3"},
        {fake("silent", "exit 0"), false, "no \"layout: N defects\" line"},
        {fake("denying", "echo 'layout: 2 defects'"), false, "2 defects, exit code 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tool);
        const auto run = run_tool(fs::path(BRUNATEL_SCRIPT_DIR) / "check-layout",
                                  {c.tool, "1", "1", "1", (folder / "page.txt").string()});
        EXPECT_EQ(run.status == 0, c.checked) << run.output;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
    }
}

// Whether the shell finds a program of that name on the PATH, as the
// script below runs it.
bool on_path(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::string_view folders = path == nullptr ? "" : path;
    for (std::size_t at = 0; at <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', at), folders.size());
        const fs::path folder(folders.substr(at, end - at));
        const fs::path program = (folder.empty() ? fs::path(".") : folder) / name;
        if (fs::is_regular_file(program) && access(program.c_str(), X_OK) == 0) return true;
        at = end + 1;
    }
    return false;
}

// On a screen, the program that cannot draw says so in a dialog too, written
// with the machine's fonts, and exits cleanly once it is closed.
TEST_F(FontIndependence, ADamagedFaceIsShownInADialogOnAScreen)
{
    for (const char* needed : {"Xvfb", "xdotool"})
        if (!on_path(needed)) GTEST_SKIP() << needed << " is not on the PATH (script/bootstrap installs it)";
    const fs::path damaged = with_a_damaged_face(BRUNATEL_PROGRAM, folder / "brunatel");
    ASSERT_FALSE(damaged.empty());
    // A display of its own; the dialog, found by its title, is closed with Enter.
    const std::string screen = R"sh(
        Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3>"$1/display" 2>/dev/null &
        xvfb=$!
        trap 'kill $xvfb' EXIT
        for i in $(seq 300); do [ -s "$1/display" ] && break; sleep 0.1; done
        export DISPLAY=":$(cat "$1/display")"
        timeout 90 "$2" 2>&1 &
        program=$!
        dialog=$(timeout 60 xdotool search --sync --name '^Brunatel$' | head -n 1)
        [ -n "$dialog" ] && xdotool windowfocus --sync "$dialog" && xdotool key Return && echo "dialog closed"
        wait $program
        echo "exit code $?")sh";
    const auto run = run_tool("/bin/bash", {"-c", screen, "screen", folder.string(), damaged.string()},
                              testing_support::Stream::out, {"QT_QPA_PLATFORM=xcb"});
    EXPECT_NE(run.output.find("Liberation Sans grassetto"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("dialog closed"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("exit code " + std::to_string(platform::qt::cannot_draw_exit_code)), std::string::npos)
        << run.output;
}

}  // namespace
}  // namespace font_independence_test
