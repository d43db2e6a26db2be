// Exports on the recording backend inside a fresh temporary directory, with
// the user's answers to the questions scripted and every dialog's three
// lines kept, plus the means to make the disk or the directory fail.
#pragma once

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "platform/recording_backend.h"

namespace rtf_test {

// 7 March 2009, 14:35:12 on the virtual clock.
inline constexpr std::int64_t march_7_14_35 = 1236436512;

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& content);
bool file_exists(const std::string& path);
// The names of the files in the current directory, sorted.
std::vector<std::string> directory_listing();

class RtfExportTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Sets the current problem; print mode as given.
    void set_problem(std::string statement, std::string answer, bool printable = true);
    // One press of the export button; the answers are given to the dialogs
    // it shows, in order (OK when they run out).
    void export_with(std::vector<std::int32_t> answers = {});
    // What the export asks before adding the current problem to the named
    // document of the test's directory.
    std::string question(const std::string& name = "bt071435") const
    {
        return "Aggiungere il problema corrente|al file " + name + ".doc?|Cartella: " + directory;
    }
    // The dialogs shown so far, each as its three lines joined by "|".
    std::vector<std::string> dialogs;

    platform::RecordingBackend backend;
    std::string directory;  // the current directory during the test

private:
    std::string previous_directory_;
    std::deque<std::int32_t> answers_;
};

// While alive, no file can grow past `bytes`: a write beyond fails as on a
// full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previous_handler_)(int) = nullptr;
};

// While alive, the calling thread obeys file permissions even as root.
class PermissionsEnforced {
public:
    PermissionsEnforced();
    ~PermissionsEnforced();
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

private:
    bool dropped_ = false;
};

}  // namespace rtf_test
