// A program started as the user would find it, on made-up chapters whose
// problems show their data as text, so that sessions can follow what the
// frame asks of the generators.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/recording_backend.h"

namespace frame_test {

// Chapter 1: 25 problems in sections from 1, 5, 12 and 21, levels cycling
// 1, 2, 3, 4, 5. Chapter 3: 14 problems, all level 2 but problem 11 (1).
// Chapter 5: 12 problems of levels 3 to 5. The other chapters are missing.
void register_fake_chapters();

// Every request the fake generators received, as "chapter.problem:request".
std::vector<std::string>& generator_calls();

// The data a fake problem draws: "<chapter>.<problem>/<number>".
std::string fake_data(std::int32_t chapter, std::int32_t problem);

// Plugs in the fake chapters and no services, then runs the start-up.
void start_program();

// The program started on a fresh recording backend for each test.
class StartedProgramTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install_backend(&backend);
        start_program();
    }
    void TearDown() override { platform::install_backend(nullptr); }

    platform::RecordingBackend backend;
};

}  // namespace frame_test
