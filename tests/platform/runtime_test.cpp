// Clocks, sleep and beep on the virtual clock, the join of the threads at
// the end, and sequential text files.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/events.h"
#include "platform/runtime.h"
#include "support/platform_fixtures.h"

namespace {

using testing_support::RecordingTest;

TEST_F(RecordingTest, SleepAndBeepAdvanceTheVirtualClock)
{
    recorder().set_unix_seconds(1236436500);  // 2009-03-07 14:35:00 UTC
    const double start = rt_timef();
    EXPECT_EQ(start, 0.0);
    rt_sleep_ms(1500);
    rt_beep(150, 20);
    rt_sleep_ms(-5);  // a negative pause is no pause
    EXPECT_DOUBLE_EQ(rt_timef(), 1.52);
    EXPECT_EQ(rt_time_seconds(), 1236436501);
    const DateAndTime now = rt_date_and_time();
    EXPECT_EQ(now.date, "20090307");
    EXPECT_EQ(now.time, "143501.520");
    EXPECT_EQ(recorder().log_lines("beep"), std::vector<std::string>{"beep 150 20"});
}

// The program may end through exit() on any thread: the join at exit then
// runs there, ends and joins every other thread of the platform's, and
// passes over its own, which cannot join itself.
TEST_F(RecordingTest, TheJoinAtTheEndPassesOverTheThreadThatCallsIt)
{
    std::atomic<bool> waiting_ended{false};
    std::atomic<bool> joined_first{false};
    std::atomic<bool> returned{false};
    rt_start_thread([&] {
        platform::sleep_unless_stopping(3'600'000);
        waiting_ended = true;
    });
    rt_start_thread([&] {
        platform::stop_and_join_threads();
        joined_first = waiting_ended.load();
        returned = true;
    });
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!returned && std::chrono::steady_clock::now() < give_up)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_TRUE(returned);
    EXPECT_TRUE(joined_first);
}

class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = (std::filesystem::temp_directory_path() /
                 ("brunatel_textfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".doc"))
                    .string();
        std::filesystem::remove(path_);
    }
    void TearDown() override { std::filesystem::remove(path_); }
    std::string contents() const
    {
        std::ifstream in(path_, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::string path_;
};

TEST_F(TextFileTest, CreateWritesFromTheStartAndAppendGoesOn)
{
    {
        std::ofstream(path_) << "old content that must go\n";
    }
    TextFile file;
    ASSERT_TRUE(file.open(path_, TextFile::Mode::create));
    EXPECT_TRUE(file.write_record("{\\rtf1"));
    EXPECT_TRUE(file.write_record("}"));
    EXPECT_TRUE(file.close());
    ASSERT_TRUE(file.open(path_, TextFile::Mode::append));
    EXPECT_TRUE(file.write_record("more"));
    file.close();
    EXPECT_EQ(contents(), "{\\rtf1\n}\nmore\n");
}

TEST_F(TextFileTest, BackspaceOverTheClosingBraceThenAppend)
{
    TextFile file;
    ASSERT_TRUE(file.open(path_, TextFile::Mode::create));
    file.write_record("prologue");
    file.write_record("}");
    file.close();
    ASSERT_TRUE(file.open(path_, TextFile::Mode::append));
    ASSERT_TRUE(file.backspace());
    file.write_record(" \\par");
    file.write_record("}");
    file.close();
    EXPECT_EQ(contents(), "prologue\n \\par\n}\n");
}

TEST_F(TextFileTest, BackspaceWithoutAWriteKeepsTheRecord)
{
    TextFile file;
    ASSERT_TRUE(file.open(path_, TextFile::Mode::create));
    file.write_record("a");
    file.write_record("");
    ASSERT_TRUE(file.backspace());   // over the empty record
    ASSERT_TRUE(file.backspace());   // over "a"
    EXPECT_FALSE(file.backspace());  // nothing before the first record
    file.close();
    EXPECT_EQ(contents(), "a\n\n");
}

TEST_F(TextFileTest, AFailedChangeCanBeUndone)
{
    TextFile file;
    ASSERT_TRUE(file.open(path_, TextFile::Mode::create));
    file.write_record("kept");
    const std::int64_t mark = file.position();
    file.write_record("half a change");
    ASSERT_TRUE(file.truncate_to(mark));
    file.write_record("}");
    file.close();
    EXPECT_EQ(contents(), "kept\n}\n");
    EXPECT_FALSE(file.write_record("closed"));
    EXPECT_FALSE(file.backspace());
}

TEST_F(TextFileTest, OpenFailsOnAPathThatCannotBeWritten)
{
    TextFile file;
    EXPECT_FALSE(file.open("/nonexistent-dir/x/y.doc", TextFile::Mode::create));
    EXPECT_FALSE(file.is_open());
    EXPECT_FALSE(file.write_record("x"));
}

}  // namespace
