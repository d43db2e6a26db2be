// Duvo Vizaz: suit pictures, holds, the joker question, the credit limits
// and whole games from the menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "frame/app_state.h"
#include "games/chem_poker.h"
#include "games/game_harness.h"
#include "numbers/random_stream.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/runtime.h"

namespace games_test {
namespace {

// Button numbers of the deal's wait, and the middles of the buttons the
// scripted games click.
constexpr std::int32_t draw_hit = 6, exit_hit = 7;
constexpr std::int32_t draw_x = 360, draw_y = 250;
constexpr std::int32_t answer_x = 207, true_y = 235, false_y = 265;  // "OK" stands where "True" does
constexpr std::int32_t exit_x = 527, exit_y = 60;

class PokerTest : public GameTest {
protected:
    // The game on this thread, seeded from the clock at `seconds` with the
    // stream as `stream_seed` leaves it; scripted clicks answer its waits.
    void play_scripted(std::int64_t seconds, std::int32_t stream_seed)
    {
        backend.set_unix_seconds(seconds);
        set_random_seed(stream_seed);
        try {
            ScreenLease lease;
            run_chem_poker(lease);
        } catch (const platform::ProgramStopping&) {}
    }

    // Starts "Chem &Poker" from the menu past the chapter notice.
    void start_from_menu()
    {
        backend.push_dialog_script([](Dialog& dialog) { return dlg_press(dialog, 1) ? 0 : -1; });
        ASSERT_TRUE(backend.click_menu_item(7, 1));
        ASSERT_TRUE(eventually([] { return game_mouse_modes.poker_game_active.load(); }));
    }

    // After "Draw": answers a joker question with "True" (and "OK" when
    // wrong) until the game waits for "Deal" or "Exit".
    void answer_until_deal_or_exit()
    {
        for (;;) {
            const auto offered = offered_buttons();
            ASSERT_FALSE(offered.empty());
            if (offered.size() == 2) return;
            ASSERT_TRUE(click_button(1));
        }
    }
};

TEST_F(PokerTest, SuitPicturesAreReadBackAsDrawnTheSpadeUpright)
{
    const SuitImages suits = make_suit_images();
    auto colours_of = [](const SuitImage& image) {
        std::vector<std::int32_t> seen(image.begin(), image.end());
        std::sort(seen.begin(), seen.end());
        seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
        return seen;
    };
    EXPECT_EQ(colours_of(suits[1]), (std::vector<std::int32_t>{0x0000D0, 0xFFFFFF}));
    EXPECT_EQ(colours_of(suits[2]), (std::vector<std::int32_t>{0x0000D0, 0xFFFFFF}));
    EXPECT_EQ(colours_of(suits[3]), (std::vector<std::int32_t>{0x444444, 0xFFFFFF}));
    EXPECT_EQ(colours_of(suits[4]), (std::vector<std::int32_t>{0x444444, 0xFFFFFF}));
    // The heart's notch leaves its top row white. The spade stands upright:
    // its point alone in the top row's middle, its lobes the full width,
    // its foot in the last row wider than the stem above it.
    const auto inked = [&suits](std::size_t suit, std::int32_t row) {
        std::int32_t n = 0;
        for (std::int32_t col = 0; col < 15; ++col)
            n += suits[suit][static_cast<std::size_t>(15 * row + col)] != 0xFFFFFF;
        return n;
    };
    EXPECT_EQ(inked(1, 0), 0);
    EXPECT_EQ(inked(4, 0), 1);
    EXPECT_NE(suits[4][7], 0xFFFFFF);
    EXPECT_EQ(inked(4, 8), 15);
    EXPECT_GT(inked(4, 14), inked(4, 12));
    // The scratch box is the table's green again.
    EXPECT_EQ(qw_get_pixel_rgb(165, 105), poker_table_green);
    EXPECT_EQ(qw_get_pixel_rgb(180, 120), poker_table_green);
}

TEST_F(PokerTest, AJokerAsksFirstAndAWrongAnswerForfeitsTheWin)
{
    app_state.current_chapter = 1;
    std::int32_t tried = 0;
    for (std::int64_t seconds = 1230811200; tried < 6; seconds += 97) {
        script_click(draw_x, draw_y);
        play_scripted(seconds, 11);
        const PokerHand dealt_then_drawn = poker_state.hand;
        if (poker_state.joker_dealt == 0) continue;
        ++tried;
        EXPECT_EQ(std::count_if(dealt_then_drawn.begin(), dealt_then_drawn.end(),
                                [](const PokerCard& c) { return c.rank == joker_rank; }),
                  1);
        // Chapter 1 offers group 1 types 2, 4 and 9, group 2 types 15 to 17.
        const std::int32_t score = score_poker_hand(poker_state.hand);
        EXPECT_EQ(poker_state.statement.type >= 15, score > 3);
        const bool truth = poker_state.statement.truth == 1;

        // Wrong, then "OK", then "Exit".
        script_click(draw_x, draw_y);
        script_click(answer_x, truth ? false_y : true_y);
        script_click(answer_x, true_y);
        script_click(exit_x, exit_y);
        backend.clear_log();
        play_scripted(seconds, 11);
        EXPECT_EQ(poker_state.answered_wrong, 1);
        EXPECT_EQ(poker_state.credits, 200);
        EXPECT_EQ(log_count(truth ? "Wrong! This is TRUE" : "Wrong! This is FALSE"), 3u);
        EXPECT_EQ(log_count("\"Win\""), 0u);
        EXPECT_EQ(backend.log_lines("beep 350 100").size(), 3u);

        // Right, then "Exit": the hand is paid.
        script_click(draw_x, draw_y);
        script_click(answer_x, truth ? true_y : false_y);
        script_click(exit_x, exit_y);
        backend.clear_log();
        play_scripted(seconds, 11);
        EXPECT_EQ(poker_state.answered_wrong, 0);
        EXPECT_EQ(poker_state.credits, 200 + score);
        EXPECT_EQ(log_count("\"Win\""), score > 0 ? 1u : 0u);
        EXPECT_EQ(backend.log_lines("beep 300 100").size(), static_cast<std::size_t>(score));
    }
}

TEST_F(PokerTest, DealHoldThirtyTimesDrawAndExitFromTheMenu)
{
    const std::string page = problem_texts.problem_text;
    start_from_menu();
    ASSERT_EQ(offered_buttons().size(), 7u);
    const PokerHand dealt = poker_state.hand;
    EXPECT_TRUE(std::none_of(dealt.begin(), dealt.end(), [](const PokerCard& c) { return c.rank == joker_rank; }));
    EXPECT_EQ(poker_state.credits, 200);

    // Cards 1 and 2 are toggled 8 times, 3 and 4 seven times: the registry
    // fills up with the redrawn buttons, and hits 1 to 7 stay right.
    for (std::int32_t i = 0; i < 30; ++i) ASSERT_TRUE(click_button(i % 4 + 1));
    EXPECT_EQ(offered_buttons().size(), 20u);
    EXPECT_EQ(poker_state.held, (std::array<std::int32_t, 5>{0, 0, 1, 1, 0}));
    EXPECT_EQ(log_count("\"Held\""), 16u);

    ASSERT_TRUE(click_button(draw_hit));
    answer_until_deal_or_exit();
    EXPECT_EQ(poker_state.hand[2].rank, dealt[2].rank);
    EXPECT_EQ(poker_state.hand[3].suit, dealt[3].suit);
    for (const std::size_t k : {0u, 1u, 4u}) {
        const PokerCard& c = poker_state.hand[k];
        EXPECT_TRUE(c.rank == joker_rank ||
                    std::none_of(dealt.begin(), dealt.end(),
                                 [&](const PokerCard& d) { return d.rank == c.rank && d.suit == c.suit; }))
            << "discarded cards do not come back";
    }
    const std::int32_t won = poker_state.answered_wrong == 1 ? 0 : score_poker_hand(poker_state.hand);
    EXPECT_EQ(poker_state.credits, 200 + won);

    ASSERT_TRUE(click_button(2));  // Exit
    ASSERT_TRUE(page_handed_back(game_mouse_modes.poker_game_active));
    EXPECT_TRUE(menus_enabled());
    EXPECT_EQ(problem_texts.problem_text, page);
    platform::stop_and_join_threads();
}

TEST_F(PokerTest, BrokeAndExcellentRestartFromTwoHundred)
{
    start_from_menu();
    // A deal with 5 credits left would leave none.
    ASSERT_TRUE(click_button(draw_hit));
    answer_until_deal_or_exit();
    poker_state.credits = 5;
    backend.clear_log();
    ASSERT_TRUE(click_button(1));  // Deal
    ASSERT_EQ(offered_buttons().size(), 7u);
    EXPECT_EQ(poker_state.credits, 200);
    EXPECT_EQ(log_count("broke;"), 1u);
    EXPECT_EQ(backend.log_lines("sleep 50").size(), 100u) << "the bar empties in 5 seconds";

    // A win that takes the balance past 9999 stops there and starts again.
    bool restarted = false;
    for (int deal = 0; deal < 40 && !restarted; ++deal) {
        poker_state.credits = 9999;
        backend.clear_log();
        ASSERT_TRUE(click_button(draw_hit));
        while (!restarted) {
            const auto offered = offered_buttons();
            restarted = offered.size() == 7;
            if (offered.size() == 2) break;
            if (!restarted) {
                ASSERT_TRUE(click_button(1));
            }
        }
        if (!restarted) {
            ASSERT_TRUE(click_button(1));  // Deal
        }
    }
    ASSERT_TRUE(restarted);
    EXPECT_EQ(poker_state.credits, 200);
    EXPECT_EQ(log_count("Excellent!"), 1u);
    ASSERT_TRUE(click_button(exit_hit));
    ASSERT_TRUE(page_handed_back(game_mouse_modes.poker_game_active));
    platform::stop_and_join_threads();
}

}  // namespace
}  // namespace games_test
