// Scripted sessions through the real menus and the page mouse handler, on
// the recording backend.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "frame/app_state.h"
#include "frame/frame_harness.h"
#include "frame/generator_protocol.h"
#include "frame/launchers.h"
#include "frame/page_furniture.h"
#include "frame/page_mouse.h"
#include "frame/problem_page.h"
#include "frame/program_services.h"
#include "frame/screen_lease.h"
#include "frame/status_header.h"
#include "frame/window_subclass.h"
#include "numbers/clock_seed.h"
#include "numbers/random_stream.h"
#include "platform/events.h"
#include "platform/recording_backend.h"
#include "platform/runtime.h"
#include "text/button_widgets.h"

namespace {

using frame_test::generator_calls;

class SessionTest : public frame_test::StartedProgramTest {
protected:
    std::int32_t menu_flags(std::size_t menu, std::size_t item) const
    {
        const auto menus = backend.menus();
        if (item == 0) return menus.at(menu - 1).flags;
        return menus.at(menu - 1).items.at(item - 1).flags;
    }
    bool ticked(std::size_t menu, std::size_t item) const { return (menu_flags(menu, item) & kQwMenuTicked) != 0; }
    bool greyed(std::size_t menu, std::size_t item) const { return (menu_flags(menu, item) & kQwMenuGreyed) != 0; }

    void click(std::int32_t x, std::int32_t y) { platform::deliver_mouse_event({kMouseLeftDown, 1, x, y}); }
    void move(std::int32_t x, std::int32_t y) { platform::deliver_mouse_event({kMouseMove, 0, x, y}); }

    bool drew_text(const std::string& text) const
    {
        const auto lines = backend.log_lines("text");
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find("\"" + text + "\"") != std::string::npos; });
    }

    // The data the fake generator draws for a problem under a seed.
    static std::string expected_data(std::int32_t chapter, std::int32_t problem, std::int32_t seed)
    {
        set_random_seed(seed);
        skip_random_draws(problem);
        return "Problema " + frame_test::fake_data(chapter, problem);
    }
};

// Side-panel commands and the small buttons of the bottom band.
constexpr std::int32_t panel_x = 50;
constexpr std::int32_t previous_y = 237, next_y = 254, random_y = 271, new_data_y = 288, results_y = 305;

TEST_F(SessionTest, StartsOnProblemOneOfChapterOneUnderTheTextVersion)
{
    EXPECT_EQ(app_state.current_chapter, 1);
    EXPECT_EQ(app_state.selected_problem, 1);
    EXPECT_EQ(app_state.current_level, 5);
    EXPECT_EQ(app_state.version_number, text_version);
    EXPECT_EQ(app_state.problem_count, 25);
    EXPECT_EQ(screen_settings.last_seed, text_version);
    EXPECT_EQ(problem_texts.problem_text, expected_data(1, 1, text_version));
    EXPECT_TRUE(ticked(1, 1));
    EXPECT_TRUE(ticked(2, 1));
    EXPECT_TRUE(ticked(3, 5));
    EXPECT_FALSE(ticked(3, 4));
    EXPECT_EQ(backend.window_title(), "Tarvisel - Brunatel 1.0");
    EXPECT_EQ(backend.menus().size(), 9u);
    EXPECT_EQ(backend.menus()[0].items.at(8).text, "&9: Problemi finali");
    EXPECT_EQ(backend.menus()[0].items.at(9).text, "E&sci");
    // Chapters, viewers, tools, simulations and games that are not in the
    // program are greyed.
    EXPECT_FALSE(greyed(1, 1));
    EXPECT_TRUE(greyed(1, 2));
    EXPECT_FALSE(greyed(1, 3));
    EXPECT_TRUE(greyed(1, 9));
    EXPECT_TRUE(greyed(4, 1));
    EXPECT_TRUE(greyed(7, 3));
    EXPECT_FALSE(greyed(8, 1));
    EXPECT_TRUE(drew_text("Nozioni di base: Prima -"));
    EXPECT_TRUE(drew_text("Livello 5 -"));
    EXPECT_TRUE(drew_text("Versione Testo"));
}

TEST_F(SessionTest, ChoosingAChapterRegistersItAndMovesTheTick)
{
    backend.click_menu_item(1, 3);
    EXPECT_EQ(app_state.current_chapter, 3);
    EXPECT_EQ(app_state.problem_count, 14);
    EXPECT_EQ(app_state.selected_problem, 1);
    EXPECT_TRUE(ticked(1, 3));
    EXPECT_FALSE(ticked(1, 1));
    EXPECT_EQ(chapter_index.section_count, 2);
    EXPECT_TRUE(drew_text("Stechiometria: Uno -"));

    // The same chapter again does nothing at all.
    backend.clear_log();
    generator_calls().clear();
    backend.click_menu_item(1, 3);
    EXPECT_TRUE(backend.log().empty());
    EXPECT_TRUE(generator_calls().empty());
}

TEST_F(SessionTest, ChapterOpensOnItsFirstProblemWithinTheLevel)
{
    backend.click_menu_item(3, 1);
    backend.click_menu_item(1, 3);
    EXPECT_EQ(app_state.selected_problem, 11);
    EXPECT_EQ(app_state.index_page_first, 11);

    // No problem within level 1: the first of the lowest level shows the notice.
    generator_calls().clear();
    backend.click_menu_item(1, 5);
    EXPECT_EQ(app_state.selected_problem, 2);
    EXPECT_TRUE(level_notice_shown());
    EXPECT_EQ(generator_calls(), std::vector<std::string>{});
}

TEST_F(SessionTest, VersionsSeedTheProblemAndAreRestoredAfterOneShotModes)
{
    backend.click_menu_item(2, 4);  // "Versione &3"
    EXPECT_EQ(app_state.version_number, 3);
    EXPECT_TRUE(ticked(2, 4));
    EXPECT_FALSE(ticked(2, 1));
    const std::string version_3 = expected_data(1, 1, 3);
    EXPECT_EQ(problem_texts.problem_text, version_3);
    EXPECT_TRUE(drew_text("Versione 3"));

    click(panel_x, new_data_y);  // "Modifica i dati": new data
    const std::string fresh = problem_texts.problem_text;
    EXPECT_NE(fresh, version_3);
    EXPECT_EQ(app_state.version_number, 3);
    EXPECT_NE(screen_settings.last_seed, 3);
    EXPECT_EQ(fresh, expected_data(1, 1, screen_settings.last_seed));

    click(587, 15);  // the repeat button shows those data once more
    EXPECT_EQ(problem_texts.problem_text, fresh);
    EXPECT_EQ(app_state.version_number, 3);

    backend.click_menu_item(2, 4);
    EXPECT_EQ(problem_texts.problem_text, version_3);
}

TEST_F(SessionTest, NoVersionDrawsAClockSeedThatRepeatCanReuse)
{
    backend.click_menu_item(2, 8);
    EXPECT_EQ(app_state.version_number, no_version);
    EXPECT_TRUE(drew_text("Nessuna Versione"));
    const std::int32_t seed = screen_settings.last_seed;
    // 100000000 r + the seconds of the virtual clock, r in -9 .. 9.
    const std::int64_t r = (static_cast<std::int64_t>(seed) - 1230811200) / 100000000;
    EXPECT_LE(std::abs(r), 9);
    const std::string shown = problem_texts.problem_text;
    EXPECT_EQ(shown, expected_data(1, 1, seed));
    click(587, 15);
    EXPECT_EQ(problem_texts.problem_text, shown);
    EXPECT_EQ(app_state.version_number, no_version);
}

TEST_F(SessionTest, LevelMenuShowsTheNoticeForProblemsAboveIt)
{
    click(panel_x, 65);  // section "Seconda", problem 5 of level 5
    ASSERT_EQ(app_state.selected_problem, 5);
    const std::string problem_5 = problem_texts.problem_text;
    EXPECT_FALSE(level_notice_shown());

    generator_calls().clear();
    backend.clear_log();
    backend.click_menu_item(3, 3);
    EXPECT_EQ(app_state.current_level, 3);
    EXPECT_TRUE(ticked(3, 3));
    EXPECT_FALSE(ticked(3, 5));
    EXPECT_TRUE(level_notice_shown());
    EXPECT_TRUE(drew_text("Livello"));
    EXPECT_TRUE(drew_text("5"));
    EXPECT_TRUE(generator_calls().empty());
    EXPECT_EQ(problem_texts.problem_text, problem_5);

    // Results and export have nothing to act on under the notice.
    std::int32_t exports = 0;
    static std::int32_t* counter = nullptr;
    counter = &exports;
    program_services.export_problem_rtf = [](std::int32_t) { ++*counter; };
    click(panel_x, results_y);
    click(564, 325);
    click(587, 325);
    EXPECT_TRUE(generator_calls().empty());
    EXPECT_EQ(exports, 0);

    backend.click_menu_item(3, 5);
    EXPECT_FALSE(level_notice_shown());
    click(564, 325);
    click(587, 325);
    EXPECT_EQ(generator_calls(), (std::vector<std::string>{"1.5:1", "1.5:2"}));
    EXPECT_EQ(exports, 1);
}

TEST_F(SessionTest, PreviousAndNextStayWithinTheLevel)
{
    backend.click_menu_item(3, 2);  // levels 1 and 2: problems 1, 2, 6, 7, 11, 12, 16, 17, 21, 22
    click(panel_x, previous_y);
    EXPECT_EQ(app_state.selected_problem, 1);
    click(panel_x, next_y);
    EXPECT_EQ(app_state.selected_problem, 2);
    click(panel_x, next_y);
    EXPECT_EQ(app_state.selected_problem, 6);
    click(518, 325);  // the next button
    EXPECT_EQ(app_state.selected_problem, 7);
    click(500, 325);  // the previous button
    EXPECT_EQ(app_state.selected_problem, 6);
    for (int i = 0; i < 10; ++i) click(518, 325);
    EXPECT_EQ(app_state.selected_problem, 22);
    EXPECT_EQ(app_state.index_page_first, 21);
    // Beyond the last problem within the level there is nowhere to go.
    generator_calls().clear();
    click(518, 325);
    click(panel_x, next_y);
    EXPECT_EQ(app_state.selected_problem, 22);
    EXPECT_TRUE(generator_calls().empty());
}

TEST_F(SessionTest, RandomProblemWithOneChoiceReturnsToIt)
{
    backend.click_menu_item(3, 1);
    backend.click_menu_item(1, 3);
    ASSERT_EQ(app_state.selected_problem, 11);
    for (int i = 0; i < 5; ++i) {
        backend.set_unix_seconds(1230811200 + 17 * i);
        click(panel_x, random_y);
        EXPECT_EQ(app_state.selected_problem, 11);
    }
}

TEST_F(SessionTest, RandomProblemTriesTheOneAfterItsDrawFirst)
{
    // Every problem is within level 5: the pick is the draw's successor,
    // wrapping from the last problem to the first.
    for (std::int32_t trial = 0; trial < 40; ++trial) {
        backend.set_unix_seconds(1230811200 + 7919 * trial);
        set_random_seed(trial + 1);
        set_random_seed(draw_clock_seed());
        const std::int32_t start = random_int(1, app_state.problem_count);
        const std::int32_t expected = start % app_state.problem_count + 1;

        set_random_seed(trial + 1);
        click(panel_x, random_y);
        ASSERT_EQ(app_state.selected_problem, expected) << trial;
        EXPECT_EQ(app_state.index_page_first, (expected - 1) / 10 * 10 + 1);
    }
}

TEST_F(SessionTest, SectionAboveTheLevelOpensOnItsNotice)
{
    backend.click_menu_item(3, 2);
    generator_calls().clear();
    click(panel_x, 85);  // section "Terza" starts with problem 12, of level 2
    EXPECT_EQ(app_state.selected_problem, 12);
    EXPECT_FALSE(level_notice_shown());
    click(panel_x, 105);  // section "Quarta" starts with problem 21, of level 1
    EXPECT_EQ(app_state.selected_problem, 21);
    click(panel_x, 65);  // section "Seconda" starts with problem 5, of level 5
    EXPECT_EQ(app_state.selected_problem, 5);
    EXPECT_EQ(app_state.index_page_first, 1);
    EXPECT_TRUE(level_notice_shown());
    EXPECT_EQ(generator_calls(), (std::vector<std::string>{"1.12:1", "1.21:1"}));
}

TEST_F(SessionTest, ButtonBarEndsWithOnlyItsStateHighlighted)
{
    const auto label_colour = [this](std::int32_t top) {
        const auto lines = backend.log_lines("text (16," + std::to_string(top) + ")");
        return lines.empty() ? std::string() : lines.back().substr(lines.back().find("0x"), 8);
    };
    backend.clear_log();
    draw_button_bar(17);
    EXPECT_EQ(label_colour(247), "0x2200CC");  // "Problema successivo" in colour 4
    for (std::int32_t top : {40, 60, 80, 100, 230, 264, 281, 298}) EXPECT_EQ(label_colour(top), "0xAA0000") << top;
    backend.clear_log();
    draw_button_bar(0);
    for (std::int32_t top : {40, 60, 80, 100, 230, 247, 264, 281, 298}) EXPECT_EQ(label_colour(top), "0xAA0000") << top;
}

TEST_F(SessionTest, IndexArrowsAndCells)
{
    click(160, 302);  // "<" on the first page
    EXPECT_EQ(app_state.index_page_first, 1);
    click(580, 302);  // ">"
    EXPECT_EQ(app_state.index_page_first, 11);
    EXPECT_EQ(app_state.selected_problem, 11);
    EXPECT_TRUE(drew_text(">"));
    click(580, 302);
    EXPECT_EQ(app_state.index_page_first, 21);
    click(580, 302);  // the last page
    EXPECT_EQ(app_state.index_page_first, 21);
    click(38 * 4 + 158, 302);  // cell 4: problem 24
    EXPECT_EQ(app_state.selected_problem, 24);
    click(38 * 7 + 158, 302);  // cell 7: no problem 27 in the chapter
    EXPECT_EQ(app_state.selected_problem, 24);

    backend.click_menu_item(3, 1);  // only 1, 6, 11, 16, 21 within the level
    click(38 * 2 + 158, 302);       // problem 22 is above the level
    EXPECT_EQ(app_state.selected_problem, 24);
    click(160, 302);
    EXPECT_EQ(app_state.index_page_first, 11);
    EXPECT_EQ(app_state.selected_problem, 16);
}

TEST_F(SessionTest, ShortLastIndexPageLeavesItsOtherCellsEmpty)
{
    backend.click_menu_item(1, 3);  // 14 problems
    backend.clear_log();
    click(580, 302);
    ASSERT_EQ(app_state.index_page_first, 11);
    const auto cell_text = [this](std::int32_t cell) {
        const std::string at = "text (" + std::to_string(153 + 38 * cell) + ",296)";
        for (const std::string& line : backend.log_lines(at)) return line.substr(line.rfind(' ') + 1);
        return std::string();
    };
    EXPECT_EQ(cell_text(1), "\"11\"");
    EXPECT_EQ(cell_text(4), "\"14\"");
    for (std::int32_t cell = 5; cell <= 10; ++cell) EXPECT_EQ(cell_text(cell), "") << cell;
}

TEST_F(SessionTest, ClockSeedWrapsToThirtyTwoBits)
{
    backend.set_unix_seconds(2147000000);
    for (std::int32_t seed = 1; seed <= 200; ++seed) {
        set_random_seed(seed);
        std::int32_t state = seed;
        const double u = next_uniform(state);
        const std::int64_t r = std::min<std::int64_t>(9, static_cast<std::int64_t>(-9.0 + u * 19.0));
        const std::int64_t sum = 100000000 * r + 2147000000;
        const auto wrapped = static_cast<std::int32_t>(static_cast<std::uint32_t>(sum & 0xFFFFFFFF));
        EXPECT_EQ(draw_clock_seed(), wrapped) << seed;
    }
}

TEST_F(SessionTest, ShiftIsTrackedWithoutAnActiveField)
{
    platform::deliver_key_event({kKeyDown, 16});
    EXPECT_EQ(key_hand_over.shift_down, 1);
    platform::deliver_key_event({kKeyCharacter, 'a'});
    EXPECT_EQ(key_hand_over.active_field, 0);
    platform::deliver_key_event({kKeyUp, 16});
    EXPECT_EQ(key_hand_over.shift_down, 0);
}

TEST_F(SessionTest, HeaderIsDrawnOnlyWhenItsKeyChanges)
{
    backend.clear_log();
    draw_status_header();
    EXPECT_TRUE(backend.log().empty());
    app_state.version_number = no_version;
    draw_status_header();
    EXPECT_TRUE(drew_text("Nessuna Versione"));
}

TEST_F(SessionTest, OtherVersionAsksUntilItGetsAWholeNumberInRange)
{
    std::vector<std::string> shown;
    const auto answer = [&shown](std::string typed) {
        return [&shown, typed](Dialog& dialog) {
            shown.push_back(dlg_get_char(dialog, 1073));
            dlg_set_char(dialog, 1073, typed);
            return 1;
        };
    };
    backend.push_dialog_script(answer("12x"));
    backend.push_dialog_script(answer("5"));
    backend.push_dialog_script(answer("10000001"));
    backend.push_dialog_script(answer(" 1234 "));
    backend.click_menu_item(2, 7);
    EXPECT_EQ(shown, (std::vector<std::string>{"", "12x", "5", "10000001"}));
    EXPECT_EQ(app_state.version_number, 1234);
    EXPECT_TRUE(ticked(2, 7));
    EXPECT_FALSE(ticked(2, 1));
    EXPECT_EQ(problem_texts.problem_text, expected_data(1, 1, 1234));

    // The field opens on the current version; Cancel changes nothing.
    shown.clear();
    backend.push_dialog_script([&shown](Dialog& dialog) {
        shown.push_back(dlg_get_char(dialog, 1073));
        dlg_set_char(dialog, 1073, "99");
        return 2;
    });
    backend.click_menu_item(2, 7);
    EXPECT_EQ(shown, std::vector<std::string>{"1234"});
    EXPECT_EQ(app_state.version_number, 1234);
}

TEST_F(SessionTest, OtherVersionSaysWhatItAcceptsAfterARefusal)
{
    constexpr const char* accepted = "Inserire un numero intero da 6 a 10000000";
    for (const char* typed : {"abc", "", "-5", "5", "9999999999", "12abc"}) {
        SCOPED_TRACE(typed);
        std::vector<std::string> hints;
        const auto answer = [&hints](std::string text) {
            return [&hints, text](Dialog& dialog) {
                hints.push_back(dlg_get_char(dialog, 1074));
                dlg_set_char(dialog, 1073, text);
                return 1;
            };
        };
        backend.push_dialog_script(answer(typed));
        backend.push_dialog_script(answer("77"));
        backend.click_menu_item(2, 7);
        EXPECT_EQ(hints, (std::vector<std::string>{"", accepted}));
        EXPECT_EQ(app_state.version_number, 77);
    }
}

TEST_F(SessionTest, BackgroundChoiceRedrawsEverythingAtOnce)
{
    backend.click_menu_item(2, 2);
    const std::string data = problem_texts.problem_text;
    backend.clear_log();
    backend.push_dialog_script([](Dialog& dialog) {
        EXPECT_TRUE(dlg_get_logical(dialog, 1118));
        EXPECT_FALSE(dlg_get_logical(dialog, 1121));
        dlg_press(dialog, 1121);  // "Verde"
        EXPECT_EQ(screen_settings.background_scheme, 4);
        EXPECT_TRUE(dlg_get_logical(dialog, 1121));
        EXPECT_FALSE(dlg_get_logical(dialog, 1118));
        return 2;
    });
    backend.click_menu_item(8, 1);
    EXPECT_EQ(screen_settings.background_scheme, 4);
    EXPECT_EQ(problem_texts.problem_text, data);
    EXPECT_TRUE(drew_text("Versione 1"));

    // The scheme that is already current still brings the header back.
    backend.clear_log();
    backend.push_dialog_script([](Dialog& dialog) {
        dlg_press(dialog, 1121);
        return 2;
    });
    backend.click_menu_item(8, 1);
    EXPECT_TRUE(drew_text("Versione 1"));
    EXPECT_TRUE(drew_text("Nozioni di base: Prima -"));
}

TEST_F(SessionTest, PrintModeFollowsTheLastBoxClicked)
{
    backend.push_dialog_script([](Dialog& dialog) {
        EXPECT_TRUE(dlg_get_logical(dialog, 1118));
        dlg_press(dialog, 1119);
        EXPECT_FALSE(dlg_get_logical(dialog, 1118));
        return 2;
    });
    backend.click_menu_item(8, 2);
    EXPECT_EQ(screen_settings.print_mode, PrintMode::results_in_separate_file);
    backend.push_dialog_script([](Dialog& dialog) {
        EXPECT_TRUE(dlg_get_logical(dialog, 1119));
        dlg_press(dialog, 1118);
        return 2;
    });
    backend.click_menu_item(8, 2);
    EXPECT_EQ(screen_settings.print_mode, PrintMode::results_after_problem);
}

TEST_F(SessionTest, ResultsDrawTheAnswerOfTheProblemShown)
{
    backend.click_menu_item(2, 3);
    const std::string answer = problem_texts.answer_text;
    backend.clear_log();
    click(panel_x, results_y);
    EXPECT_TRUE(drew_text(answer));
}

std::atomic<int> pages_given_back = 0;
std::atomic<bool> screens_may_end = false;

// A screen that holds the page until the test lets it go.
void held_screen_owner(ScreenLease& lease)
{
    lease.on_give_back([] { ++pages_given_back; });
    while (!screens_may_end && !rt_stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST_F(SessionTest, LaunchersLeaseThePageBeforeReturningAndTheThreadsEndGivesItBack)
{
    pages_given_back = 0;
    screens_may_end = false;
    program_services.simulations[0] = held_screen_owner;
    program_services.games[2] = held_screen_owner;
    static float confirmation = 0.0f;
    confirmation = -1.0f;
    program_services.confirm_games_chapter = [] { return confirmation; };

    backend.click_menu_item(7, 3);  // the chapter notice was cancelled
    for (std::size_t menu = 1; menu <= 9; ++menu) EXPECT_FALSE(greyed(menu, 0)) << menu;

    confirmation = 1.0f;
    backend.click_menu_item(7, 3);
    for (std::size_t menu = 1; menu <= 9; ++menu) EXPECT_TRUE(greyed(menu, 0)) << menu;
    const std::int32_t before = app_state.selected_problem;
    click(518, 325);
    EXPECT_EQ(app_state.selected_problem, before);

    backend.click_menu_item(6, 1);
    for (std::size_t menu = 1; menu <= 9; ++menu) EXPECT_TRUE(greyed(menu, 0)) << menu;

    // Each hand-back waits for the user-interface thread, then leaves the
    // page as it was, its mouse bound, the owner's action run, menus last.
    screens_may_end = true;
    for (int k = 0; k < 500 && pages_given_back < 2; ++k) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        backend.clear_log();
        backend.run_posted_tasks();
    }
    ASSERT_EQ(pages_given_back, 2);
    for (std::size_t menu = 1; menu <= 9; ++menu) EXPECT_FALSE(greyed(menu, 0)) << menu;
    const auto log = backend.log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().rfind("menu flags", 0), 0u) << log.back();
    click(518, 325);
    EXPECT_NE(app_state.selected_problem, before);
}

std::atomic<int> owner_clicks = 0;

void count_owner_clicks(const MouseEvent& e)
{
    if (e.event == kMouseLeftDown) ++owner_clicks;
}

TEST_F(SessionTest, TheLeaseOwnersMouseTakesThePagesClicksOnlyWhileBound)
{
    owner_clicks = 0;
    const std::int32_t before = app_state.selected_problem;
    {
        const ScreenLease lease(count_owner_clicks);
        click(518, 325);
        EXPECT_EQ(owner_clicks, 0);
        enable_page_mouse();
        click(518, 325);
        EXPECT_EQ(owner_clicks, 1);
        EXPECT_EQ(app_state.selected_problem, before);
        for (std::size_t menu = 1; menu <= 9; ++menu) EXPECT_TRUE(greyed(menu, 0)) << menu;
    }
    // Ended on the user-interface thread: the page is back at once.
    for (std::size_t menu = 1; menu <= 9; ++menu) EXPECT_FALSE(greyed(menu, 0)) << menu;
    click(518, 325);
    EXPECT_EQ(owner_clicks, 1);
    EXPECT_NE(app_state.selected_problem, before);
}

}  // namespace
