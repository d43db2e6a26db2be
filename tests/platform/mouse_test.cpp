// Mouse callbacks and waits, keys, threads and quitting, on the recording
// backend (its installing thread is the user-interface thread).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/events.h"
#include "platform/mouse.h"
#include "platform/runtime.h"
#include "support/platform_fixtures.h"

namespace {

using testing_support::RecordingTest;

class MouseTest : public RecordingTest {
protected:
    // Delivers events on this thread until a worker is known to be waiting.
    static void wait_briefly() { std::this_thread::sleep_for(std::chrono::milliseconds(30)); }
};

TEST_F(MouseTest, CallbackRunsBeforeTheWaiterWakes)
{
    std::vector<std::string> order;
    std::mutex mutex;
    qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown, [&](int, int event, int, int x, int y) {
        std::lock_guard lock(mutex);
        order.push_back("callback " + std::to_string(event) + " " + std::to_string(x) + "," + std::to_string(y));
    });
    std::atomic<bool> waiting{false};
    std::thread worker([&] {
        waiting = true;
        const MouseEvent e = qw_wait_mouse_event(kMouseLeftDown);
        std::lock_guard lock(mutex);
        order.push_back("woke " + std::to_string(e.x) + "," + std::to_string(e.y));
    });
    while (!waiting) wait_briefly();
    wait_briefly();
    platform::deliver_mouse_event({kMouseLeftDown, kMouseStateLeftButton, 12, 34});
    worker.join();
    ASSERT_EQ(order.size(), 2u);
    EXPECT_EQ(order[0], "callback 1 12,34");
    EXPECT_EQ(order[1], "woke 12,34");
}

TEST_F(MouseTest, AnEventBeforeTheWaitNeverEndsIt)
{
    platform::deliver_mouse_event({kMouseLeftDown, 0, 1, 1});
    recorder().push_mouse_event({kMouseLeftDown, 0, 2, 2});
    EXPECT_EQ(qw_wait_mouse_event(kMouseLeftDown).x, 2);
}

TEST_F(MouseTest, WaitIgnoresEventsOutsideItsMaskAndNeedsNoCallback)
{
    recorder().push_mouse_event({kMouseMove, 0, 5, 5});
    recorder().push_mouse_event({kMouseRightDown, 0, 6, 6});
    recorder().push_mouse_event({kMouseLeftDown, kMouseStateShift, 7, 8});
    const MouseEvent e = qw_wait_mouse_event(kMouseLeftDown | kMouseLeftUp);
    EXPECT_EQ(e.event, kMouseLeftDown);
    EXPECT_EQ(e.key_state, kMouseStateShift);
    EXPECT_EQ(e.x, 7);
    EXPECT_EQ(e.y, 8);
}

TEST_F(MouseTest, NestedWaitOnTheInterfaceThreadKeepsDispatching)
{
    int moves = 0;
    qw_register_mouse_event(kQwGraphicsUnit, kMouseMove, [&](int, int, int, int, int) { ++moves; });
    for (int i = 0; i < 3; ++i) recorder().push_mouse_event({kMouseMove, 0, i, i});
    recorder().push_mouse_event({kMouseLeftDown, 0, 9, 9});
    EXPECT_EQ(qw_wait_mouse_event(kMouseLeftDown).x, 9);
    EXPECT_EQ(moves, 3);
}

TEST_F(MouseTest, AWaitWhoseEventsRunOutEndsTheRoutine)
{
    EXPECT_THROW(qw_wait_mouse_event(kMouseLeftDown), platform::ProgramStopping);
}

TEST_F(MouseTest, NewBindingReplacesTheOldOneForTheSameEvents)
{
    int first = 0, second = 0;
    qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown | kMouseMove, [&](int, int, int, int, int) { ++first; });
    qw_register_mouse_event(kQwGraphicsUnit, kMouseMove, [&](int, int, int, int, int) { ++second; });
    platform::deliver_mouse_event({kMouseLeftDown, 0, 0, 0});
    platform::deliver_mouse_event({kMouseMove, 0, 0, 0});
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    qw_unregister_mouse_event(kQwGraphicsUnit, kMouseLeftDown);
    platform::deliver_mouse_event({kMouseLeftDown, 0, 0, 0});
    EXPECT_EQ(first, 1);
}

TEST_F(MouseTest, BadBindingsAreRefused)
{
    const MouseCallback none = [](int, int, int, int, int) {};
    EXPECT_EQ(qw_register_mouse_event(kQwGraphicsUnit, 0, none), -1);
    EXPECT_EQ(qw_register_mouse_event(kQwGraphicsUnit, 128, none), -1);
    EXPECT_EQ(qw_register_mouse_event(5, kMouseLeftDown, none), -1);
    EXPECT_EQ(qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown, nullptr), -1);
    EXPECT_EQ(qw_unregister_mouse_event(kQwGraphicsUnit, -1), -1);
    EXPECT_EQ(qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown, none), 0);
}

TEST_F(MouseTest, WorkerRegistersAndUnregistersWhileEventsFlow)
{
    std::atomic<int> calls{0};
    std::thread worker([&] {
        for (int i = 0; i < 200; ++i) {
            qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown, [&](int, int, int, int, int) { ++calls; });
            qw_unregister_mouse_event(kQwGraphicsUnit, kMouseLeftDown);
        }
        qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown, [&](int, int, int, int, int) { ++calls; });
    });
    for (int i = 0; i < 200; ++i) platform::deliver_mouse_event({kMouseLeftDown, 0, i, i});
    worker.join();
    const int before = calls;
    platform::deliver_mouse_event({kMouseLeftDown, 0, 0, 0});
    EXPECT_EQ(calls, before + 1);
}

TEST_F(MouseTest, CallbackThatQuitsEndsQuietly)
{
    qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown, [](int, int, int, int, int) { rt_exit(0); });
    platform::deliver_mouse_event({kMouseLeftDown, 0, 0, 0});
    EXPECT_TRUE(rt_stop_requested());
    EXPECT_EQ(recorder().quit_code(), 0);
}

TEST_F(MouseTest, KeysReachTheHandlerAndTheKeyBuffer)
{
    std::vector<KeyEvent> seen;
    qw_set_key_handler([&](const KeyEvent& e) { seen.push_back(e); });
    platform::deliver_key_event({kKeyDown, 16});
    platform::deliver_key_event({kKeyCharacter, 'a'});
    platform::deliver_key_event({kKeyUp, 16});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1].kind, kKeyCharacter);
    EXPECT_EQ(qw_get_key(), 'a');  // typed before the call: buffered
    recorder().push_key(13);
    EXPECT_EQ(qw_get_key(), 13);
}

// (The recording backend's sleeps are virtual; the Qt tests cover real ones.)
TEST_F(MouseTest, QuitWakesWorkersInAMouseWaitAndAKeyWait)
{
    std::atomic<int> stopped{0};
    std::atomic<int> started{0};
    auto count_stop = [&](auto&& body) {
        return [&, body] {
            ++started;
            try {
                body();
            } catch (const platform::ProgramStopping&) {
                ++stopped;
                throw;
            }
        };
    };
    rt_start_thread(count_stop([] { qw_wait_mouse_event(kMouseLeftDown); }));
    rt_start_thread(count_stop([] { qw_get_key(); }));
    while (started < 2) wait_briefly();
    wait_briefly();
    platform::stop_and_join_threads();  // returns only once both ended
    EXPECT_EQ(stopped, 2);
    EXPECT_THROW(rt_sleep_ms(1), platform::ProgramStopping);
    rt_start_thread([] { FAIL() << "no thread starts while quitting"; });
}

TEST_F(MouseTest, ExitFromAWorkerEndsItAndAsksTheHostToQuit)
{
    std::atomic<bool> after{false};
    rt_start_thread([&] {
        rt_exit(3);
        after = true;
    });
    platform::stop_and_join_threads();
    EXPECT_FALSE(after);
    EXPECT_EQ(recorder().quit_code(), 3);
}

TEST_F(MouseTest, StopShowsItsMessageAndEndsWithCodeOne)
{
    EXPECT_THROW(rt_stop(), platform::ProgramStopping);
    EXPECT_EQ(recorder().log_lines("stop"), std::vector<std::string>{"stop \"Stop - Program terminated.\""});
    EXPECT_EQ(recorder().quit_code(), 1);
}

TEST(NoBackend, CallsBeforeAWindowExistsFailQuietly)
{
    platform::install_backend(nullptr);
    EXPECT_EQ(qw_set_font("t'Arial'h16b"), -1);
    EXPECT_EQ(qw_initialize_fonts(), -1);
    EXPECT_EQ(qw_get_pixel_rgb(1, 1), -1);
    EXPECT_EQ(qw_rectangle(QwControl::filled, 0, 0, 5, 5), 1);
    qw_out_text("abc");
    EXPECT_EQ(qw_get_current_position().x, 0);
    EXPECT_FALSE(qw_append_menu_item(1, kQwMenuEnabled, "&Indice", qw_no_action));
    EXPECT_FALSE(qw_set_window_config({}));
    EXPECT_THROW(qw_wait_mouse_event(kMouseLeftDown), platform::ProgramStopping);
    Dialog dialog;
    dlg_init({144, "Altra Versione", 200, 100, {}}, dialog);
    EXPECT_EQ(dlg_modal(dialog), kDialogCancel);
}

}  // namespace
