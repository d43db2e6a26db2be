// A recording backend with the fonts and colours set up, and a mark that
// tells what was drawn since.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>

#include "platform/recording_backend.h"

namespace testing_support {

class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Forgets what was drawn so far: readers start after the mark.
    void mark();

    platform::RecordingBackend backend;
    std::size_t mark_ = 0;
};

}  // namespace testing_support
