// The program started with its real parts on a recording backend, and the
// two ways a test plays a game: on the test's own thread, where every wait
// takes the next scripted click and a wait left without one quits; or on
// the game's own thread, started from the menu, with clicks given as the
// game waits for them.
#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/recording_backend.h"
#include "support/program_start.h"
#include "text/button_widgets.h"

namespace games_test {

using testing_support::start_program_with_its_parts;

// Polls the condition until it holds; false after a few seconds.
bool eventually(const std::function<bool()>& condition);

// Whether a thread other than this one waits for a click that has not come
// yet; game_waits blocks until one does (false after a few seconds).
bool game_waiting_now();
bool game_waits();

class GameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A scripted left click for the next waits on this thread.
    void script_click(std::int32_t x, std::int32_t y);

    // Clicks once the game's thread waits; false when it never does.
    bool click_when_waiting(std::int32_t x, std::int32_t y);
    // The buttons the current wait offers, in hit order, read once the
    // game waits.
    std::vector<ButtonRegistry::Entry> offered_buttons() const;
    // Clicks the middle of button k of the current wait; false when the
    // game never waits or offers no such button.
    bool click_button(std::int32_t k);
    // Runs the tasks the game posted until its running flag drops; false
    // after a few seconds.
    bool page_handed_back(const std::atomic<bool>& running_flag);

    bool menus_enabled() const;
    // The texts drawn since the log was last cleared, joined.
    std::string drawn_text() const;
    // The number of log lines that hold the text.
    std::size_t log_count(const std::string& text) const;

    platform::RecordingBackend backend;
};

}  // namespace games_test
