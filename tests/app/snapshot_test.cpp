// The snapshot tool's batch mode: the texts it prints for a range of versions
// are those the single mode prints for each, and bad ranges are refused.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/page_choice.h"
#include "layout_check/page_check.h"
#include "platform/backend.h"
#include "platform/recording_backend.h"
#include "support/program_start.h"
#include "support/tool_runs.h"

namespace {

class SnapshotBatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::install_backend(&backend);
        testing_support::start_program_with_its_parts(testing_support::Decoration::initial);
    }
    void TearDown() override { platform::install_backend(nullptr); }

    platform::RecordingBackend backend;
};

using Texts = std::pair<std::string, std::string>;

Texts shown_texts()
{
    return {problem_texts.problem_text, problem_texts.answer_text};
}

TEST_F(SnapshotBatch, AVersionOnThePageShownGivesTheTextsOfTheSinglePage)
{
    constexpr std::array<std::int32_t, 4> versions = {1, 2, 77, text_version};
    std::int32_t chapters = 0;
    for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
        if (!chapter_available(chapter)) continue;
        ++chapters;
        PageChoice choice{.chapter = chapter, .answer = true};
        ASSERT_EQ(show_chosen_page(choice), "");
        const std::int32_t count = app_state.problem_count;
        for (std::int32_t problem : {1, (count + 1) / 2, count}) {
            SCOPED_TRACE("capitolo " + std::to_string(chapter) + ", problema " + std::to_string(problem));
            choice.problem = problem;
            std::array<Texts, versions.size()> single;
            for (std::size_t k = 0; k < versions.size(); ++k) {
                choice.version = versions[k];
                ASSERT_EQ(show_chosen_page(choice), "");
                single[k] = shown_texts();
            }
            choice.version = versions[0];
            ASSERT_EQ(show_chosen_page(choice), "");
            EXPECT_EQ(shown_texts(), single[0]);
            for (std::size_t k = 1; k < versions.size(); ++k) {
                ASSERT_EQ(show_chosen_version(versions[k], true), "");
                EXPECT_EQ(shown_texts(), single[k]) << "versione " << versions[k];
            }
        }
    }
    EXPECT_GE(chapters, 2);
    EXPECT_NE(show_chosen_version(-1, false), "");
    EXPECT_NE(show_chosen_version(text_version + 1, false), "");
}

using testing_support::Stream;

std::pair<int, std::string> run_snapshot(const std::string& arguments, Stream read = Stream::err)
{
    const auto [status, output] = testing_support::run_tool(BRUNATEL_SNAPSHOT, testing_support::words(arguments), read);
    return {status, output};
}

TEST(SnapshotArguments, BadRangesAndSpreadsExitWithTwoAndAnItalianMessage)
{
    const std::array<std::pair<const char*, const char*>, 14> cases = {{
        {"--versions 5-3", "B è minore di A"},
        {"--versions 1-10000002", "fuori intervallo"},
        {"--versions abc", "non leggibile"},
        {"--versions 3", "non leggibile"},
        {"--versions 2-x", "non leggibile"},
        {"--versions -1-4", "non leggibile"},
        {"--spread 0", "fuori intervallo"},
        {"--spread 10000000", "fuori intervallo"},
        {"--spread tre", "non intero"},
        {"--version 2 --versions 1-3", "una tra --version, --versions e --spread"},
        {"--versions 1-3 --spread 5", "una tra --version, --versions e --spread"},
        {"--versions 1-3 --problems 5-3", "B è minore di A"},
        {"--versions 1-3 --problems tre", "non leggibile"},
        {"--versions 1-3 --problems 2-3", "uno tra --problem e --problems"},
    }};
    for (const auto& [versions, message] : cases) {
        SCOPED_TRACE(versions);
        const auto [status, error] = run_snapshot(std::string("--chapter 1 --problem 1 ") + versions);
        EXPECT_EQ(status, 2);
        EXPECT_NE(error.find(message), std::string::npos) << error;
    }
}

// A range of problems drawn in one run gives each problem's pages as a run
// of its own does: no page depends on the problem shown before it (3.26
// once centred its equation by the font 3.25 left selected).
TEST(SnapshotArguments, ARangeOfProblemsPrintsEachAsItsOwnRunDoes)
{
    struct Case {
        const char* chapter;
        std::int32_t first, last;
        const char* pages;
    };
    const std::array<Case, 4> cases = {{
        {"--chapter 3", 25, 26, "--versions 1-2 --answer"},
        {"--chapter 5", 30, 31, "--spread 2 --answer"},
        {"--chapter 5", 6, 8, "--version 7 --check-layout"},
        {"--chapter 9", 47, 48, "--versions 1-3 --answer"},
    }};
    for (const auto& [chapter, first, last, pages] : cases) {
        const std::string common = std::string(chapter) + " " + pages;
        SCOPED_TRACE(common);
        std::string expected;
        for (std::int32_t problem = first; problem <= last; ++problem) {
            const auto [status, output] = run_snapshot(common + " --problem " + std::to_string(problem), Stream::out);
            ASSERT_LE(status, 1) << problem;
            expected += "problem: " + std::to_string(problem) + "\n";
            // One count of the layout's defects closes the run.
            expected += output.substr(0, output.rfind("layout: "));
        }
        const auto [status, output] =
            run_snapshot(common + " --problems " + std::to_string(first) + "-" + std::to_string(last), Stream::out);
        ASSERT_LE(status, 1);
        EXPECT_EQ(output.substr(0, output.rfind("layout: ")), expected);
    }
    // A range that runs past the chapter's last problem is refused there.
    const auto [status, error] = run_snapshot("--chapter 8 --problems 14-15 --version 1");
    EXPECT_EQ(status, 2);
    EXPECT_NE(error.find("Problema inesistente"), std::string::npos) << error;
}

TEST(SnapshotLayoutCheck, PrintsOneLineADefectOfThePagesItDrawsAndCountsThem)
{
    // Pages that once had defects, whatever they have now: the count, the
    // lines and the exit status agree.
    const std::array<std::pair<const char*, const char*>, 2> cases = {{
        {"--chapter 1 --problem 7 --spread 3", "1.7 v"},
        {"--chapter 4 --problem 39 --versions 11-12", "4.39 v"},
    }};
    for (const auto& [pages, page] : cases) {
        SCOPED_TRACE(pages);
        const auto [status, output] = run_snapshot(std::string(pages) + " --check-layout", Stream::out);
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < output.size();) {
            const std::size_t end = output.find('\n', at);
            lines.push_back(output.substr(at, end - at));
            at = end == std::string::npos ? output.size() : end + 1;
        }
        ASSERT_FALSE(lines.empty());
        const std::size_t defects = lines.size() - 1;
        EXPECT_EQ(lines.back(), "layout: " + std::to_string(defects) + " defects");
        EXPECT_EQ(status, defects > 0 ? 1 : 0);
        for (std::size_t k = 0; k < defects; ++k) EXPECT_EQ(lines[k].rfind(page, 0), 0u) << lines[k];
    }
}

// The PNG saved with the check is the page checked: drawn on the clock asked
// for, or on the check's own second, the page a plain run draws on it.
TEST(SnapshotLayoutCheck, SavesThePageItChecks)
{
    namespace fs = std::filesystem;
    const fs::path folder = testing_support::private_folder("brunatel snapshot pages");
    const auto png = [&folder](const std::string& options) {
        const fs::path file = folder / "page.png";
        fs::remove(file);
        std::vector<std::string> arguments = testing_support::words(options + " --answer --png");
        arguments.push_back(file.string());
        const auto run = testing_support::run_tool(BRUNATEL_SNAPSHOT, arguments);
        // A page drawn, clean or with defects; a crash is neither.
        EXPECT_TRUE(run.status == 0 || run.status == 1) << options << ": " << run.status << " " << run.output;
        std::ifstream in(file, std::ios::binary);
        std::string saved(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
        EXPECT_FALSE(saved.empty()) << options << ": no picture saved";
        return saved;
    };
    const std::string check_clock = " --clock " + std::to_string(layout_check::check_clock);
    for (const char* page : {"--chapter 6 --problem 33 --version 10000001", "--chapter 4 --problem 39 --version 11"}) {
        SCOPED_TRACE(page);
        const std::string plain = png(std::string(page) + " --clock 1700000000");
        EXPECT_TRUE(png(std::string(page) + " --clock 1700000000 --check-layout") == plain);
        EXPECT_TRUE(png(std::string(page) + " --check-layout") == png(page + check_clock));
    }
    fs::remove_all(folder);
}

TEST(SnapshotArguments, APictureThatCannotBeWrittenIsNotADefectNorABadArgument)
{
    for (const char* check : {"", " --check-layout"}) {
        SCOPED_TRACE(check);
        const auto [status, error] =
            run_snapshot(std::string("--chapter 1 --problem 1 --version 3 --png /nessuna/cartella/p.png") + check);
        EXPECT_EQ(status, 4);
        EXPECT_NE(error.find("Impossibile scrivere /nessuna/cartella/p.png"), std::string::npos) << error;
    }
}

TEST(SnapshotArguments, HelpPrintsTheUsageAndAPageLeavesStandardErrorEmpty)
{
    for (const char* option : {"--help", "-h", "--chapter 1 --help"}) {
        SCOPED_TRACE(option);
        const auto [status, usage] = run_snapshot(option, Stream::out);
        EXPECT_EQ(status, 0);
        EXPECT_EQ(usage.rfind("uso: brunatel-snapshot --chapter C (--problem P | --problems A-B)", 0), 0u) << usage;
    }
    const auto [status, error] = run_snapshot("--chapter 1 --problem 1 --version 3 --answer");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(error, "");
}

}  // namespace
