// The program started with its real parts on a recording backend, as the
// "&Dati" viewers find it, and what they drew read back.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_backend.h"
#include "support/program_start.h"

namespace tools_test {

using testing_support::start_program_with_its_parts;

class StartedProgram : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The texts drawn since the log was last cleared, in order, joined.
    std::string drawn_text() const;
    // The log lines drawn since the last one that contains `marker`.
    std::vector<std::string> lines_since_last(const std::string& marker) const;

    platform::RecordingBackend backend;
};

}  // namespace tools_test
