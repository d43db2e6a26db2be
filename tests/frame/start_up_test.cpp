// Start-up when the host refuses: a failed font set-up or window
// configuration stops the program before the page is drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/frame_harness.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "platform/recording_backend.h"
#include "platform/runtime.h"

namespace {

class NoFontsBackend : public platform::RecordingBackend {
public:
    std::int32_t initialize_fonts() override
    {
        RecordingBackend::initialize_fonts();
        return -1;
    }
};

class NoWindowBackend : public platform::RecordingBackend {
public:
    bool set_window_config(const QwWindowConfig& config) override
    {
        RecordingBackend::set_window_config(config);
        return false;
    }
};

void expect_stopped_before_drawing(platform::RecordingBackend& backend)
{
    platform::install_backend(&backend);
    frame_test::register_fake_chapters();
    initial_settings();
    EXPECT_THROW(main_program(), platform::ProgramStopping);
    EXPECT_EQ(backend.log_lines("stop"), std::vector<std::string>{"stop \"Stop - Program terminated.\""});
    EXPECT_TRUE(backend.log_lines("rect").empty());
    EXPECT_TRUE(backend.log_lines("text").empty());
    platform::install_backend(nullptr);
}

TEST(StartUp, FontFailureStopsBeforeAnythingIsDrawn)
{
    NoFontsBackend backend;
    expect_stopped_before_drawing(backend);
}

TEST(StartUp, RefusedWindowConfigurationStopsAtOnce)
{
    NoWindowBackend backend;
    expect_stopped_before_drawing(backend);
    EXPECT_TRUE(backend.log_lines("menu insert").empty());  // the menus were never built
}

}  // namespace
