#include "games/chem_poker.h"

#include <string>
#include <string_view>

#include "frame/app_state.h"
#include "numbers/random_stream.h"
#include "platform/graphics.h"
#include "platform/runtime.h"
#include "text/button_widgets.h"
#include "text/justified_text.h"
#include "text/markup_text.h"
#include "text/paint.h"

PokerState poker_state;

namespace {

constexpr std::int32_t green = poker_table_green;
constexpr std::int32_t box_green = 0x009000;
constexpr std::int32_t box_border = 0x00AAAA;
constexpr std::int32_t start_credits = 205;
constexpr std::int32_t deal_cost = 5;

// Hold buttons 1 to 5 stand under the cards at x 182, 262, ... 502.
std::string hold_button(std::int32_t k, bool held)
{
    const std::string x = std::to_string(182 + 80 * (k - 1));
    // "Held" in dark red: it reads on the lime button as "Hold" in black does.
    return "da345678" + x + "21005002000FF00999999@T4@@" + (held ? "c0000B0@@y-18@Held" : "C1@@y-18@Hold");
}

constexpr std::string_view draw_button = "da34567831025010002000FFEE999999@T4@@C1@@y-18@Draw";
constexpr std::string_view exit_button = "da34567850206005002000FFEE999999@T4@@C1@@y-18@Exit";
constexpr std::string_view grey_exit_button = "d234567850206005002000FFEE999999@T4@@c999999@@y-18@Exit";
constexpr std::string_view true_button = "da34567818223505002000FF00999999@T4@@C1@@y-18@True";
constexpr std::string_view false_button = "da34567818226505002000FF00999999@T4@@C1@@y-18@False";
constexpr std::string_view ok_button = "da34567818223505002000FF00999999@T4@@C1@@y-18@OK";
constexpr std::string_view deal_button = "da34567825023010002000FFEE999999@T4@@C1@@y-18@Deal";
constexpr std::string_view credits_panel = "d234567550025506001600FF00DDDDDD@T4@@C1@@x3@";
constexpr std::string_view win_panel = "d234567345025503601600FF00DDDDDD@T4@@C1@@x3@";

constexpr std::int32_t draw_hit = 6;
constexpr std::int32_t exit_hit_of_deal = 7;
constexpr std::int32_t true_hit = 1;
constexpr std::int32_t exit_hit_of_question = 3;
constexpr std::int32_t deal_hit = 1;

void draw_credits_label()
{
    draw_markup_text(500, 228, "@T8@@c00FFFF@Credits");
}
void draw_credits()
{
    draw_counter_panel(credits_panel, poker_state.credits);
}

void draw_table()
{
    fill_box(0x555555, 157, 37, 578, 288);
    fill_box(green, 160, 40, 575, 285);
    draw_markup_text(200, 42, "@T11@@c00FFFF@Duvo Vizaz");
    draw_credits_label();
}

// A card still in the deck, taken out of it.
PokerCard take_card()
{
    PokerCard card;
    do {
        card.rank = random_int(1, 13);
        card.suit = random_int(1, 4);
    } while (poker_state.deck[static_cast<std::size_t>(card.suit)][static_cast<std::size_t>(card.rank)] == 0);
    poker_state.deck[static_cast<std::size_t>(card.suit)][static_cast<std::size_t>(card.rank)] = 0;
    return card;
}

// The broke and the "Excellent" restarts: a message and a yellow bar that
// empties in 5 seconds, then 205 credits.
void restart_credits(std::string_view message)
{
    draw_justified_text(290, 447, 205, message);
    fill_box(0x00FFFF, 290, 265, 440, 272);
    for (std::int32_t i = 1; i <= 100; ++i) {
        fill_box(green, 290, 265, static_cast<std::int32_t>(1.5 * i + 290), 272);
        rt_sleep_ms(50);
    }
    poker_state.credits = start_credits;
    fill_box(green, 250, 200, 487, 275);
}

void deal_cards()
{
    for (;;) {
        handle_button_descriptor("C");
        for (auto& suit : poker_state.deck) suit.fill(1);
        for (PokerCard& card : poker_state.hand) card = take_card();
        fill_box(green, 160, 200, 491, 285);
        poker_state.held = {};
        poker_state.credits -= deal_cost;
        if (poker_state.credits > 0) return;
        fill_box(green, 250, 200, 491, 275);
        restart_credits("@T8@@C7@You are broke; restarting from 200 credits");
    }
}

// Hold toggles until "Draw" (true) or "Exit" (false). Every toggle registers
// its button again behind the seven of the deal; a hit test finds the first.
bool hold_cards()
{
    draw_credits();
    draw_credits_label();
    draw_game_buttons({hold_button(1, false), hold_button(2, false), hold_button(3, false), hold_button(4, false),
                       hold_button(5, false), draw_button, exit_button});
    draw_poker_card(poker_state.hand, poker_state.held, poker_state.suits);
    for (;;) {
        const std::int32_t hit = wait_for_game_button(game_mouse_modes.poker_button_hit);
        if (hit == draw_hit) return true;
        if (hit == exit_hit_of_deal) return false;
        std::int32_t& held = poker_state.held[static_cast<std::size_t>(hit - 1)];
        held = 1 - held;
        handle_button_descriptor(hold_button(hit, held == 1));
    }
}

void draw_replacements()
{
    poker_state.joker_dealt = 0;
    for (std::size_t k = 0; k < poker_state.hand.size(); ++k) {
        if (poker_state.held[k] == 1) continue;
        if (poker_state.joker_dealt == 0 && random_int(1, 3) == 1) {
            poker_state.hand[k].rank = joker_rank;
            poker_state.joker_dealt = 1;
        } else {
            poker_state.hand[k] = take_card();
        }
    }
    poker_state.answered_wrong = 0;
}

// The joker's statement; false when the player chose "Exit".
bool ask_joker_question()
{
    draw_poker_card(poker_state.hand, poker_state.held, poker_state.suits);
    pick_game_statement(score_poker_hand(poker_state.hand) > 3 ? 2 : 1, poker_state.statement);
    fill_box(green, 170, 200, 565, 250);
    fill_box(box_green, 250, 200, 487, 275);
    outline_box(box_border, 250, 200, 487, 275);
    outline_box(box_border, 250, 200, 487, 222);
    draw_justified_text(330, 477, 203, "@T4@@C7@True or False ?");
    draw_justified_text(255, 482, 225, statement_markup(poker_state.statement));
    draw_game_buttons({true_button, false_button, exit_button});
    draw_credits_label();
    const std::int32_t hit = wait_for_game_button(game_mouse_modes.poker_button_hit);
    if (hit == exit_hit_of_question) return false;
    fill_box(green, 170, 220, 249, 280);
    if (answered_right(hit == true_hit, poker_state.statement)) return true;

    poker_state.answered_wrong = 1;
    const std::string message = "@T4@@C7@" + std::string(wrong_answer_text(poker_state.statement));
    for (int flash = 0; flash < 3; ++flash) {
        fill_box(box_green, 251, 201, 486, 221);
        rt_beep(100, 100);
        rt_sleep_ms(100);
        draw_justified_text(290, 477, 203, message);
        rt_beep(350, 100);
    }
    // Only "OK" answers now: "Exit" shows so.
    draw_game_buttons({ok_button});
    handle_button_descriptor(grey_exit_button);
    wait_for_game_button(game_mouse_modes.poker_button_hit);
    fill_box(green, 250, 200, 487, 275);
    return true;
}

// Counts the win into the credits; false when they passed 9999 and the
// game restarted from 205.
bool pay_out()
{
    if (poker_state.payout <= 0 || poker_state.answered_wrong == 1) return true;
    draw_markup_text(450, 228, "@T8@@c00FFFF@Win");
    draw_counter_panel(win_panel, poker_state.payout);
    rt_sleep_ms(200);
    for (std::int32_t count = 0; count < poker_state.payout; ++count) {
        if (++poker_state.credits > 9999) {
            handle_button_descriptor("C");
            fill_box(green, 200, 200, 491, 280);
            restart_credits("@T8@@C7@Excellent! Restarting from 200 credits");
            return false;
        }
        draw_credits();
        rt_beep(300, 100);
        rt_sleep_ms(50);
    }
    return true;
}

void play()
{
    poker_state = {};
    draw_table();
    poker_state.suits = make_suit_images();
    for (;;) {
        deal_cards();
        if (!hold_cards()) return;
        draw_replacements();
        if (poker_state.joker_dealt == 1) {
            if (!ask_joker_question()) return;
        } else {
            draw_poker_card(poker_state.hand, poker_state.held, poker_state.suits);
        }
        poker_state.payout = score_poker_hand(poker_state.hand);
        fill_box(green, 170, 200, 491, 285);
        fill_box(green, 170, 200, 575, 240);
        draw_game_buttons({deal_button, exit_button});
        draw_credits_label();
        if (!pay_out()) continue;
        draw_credits();
        if (wait_for_game_button(game_mouse_modes.poker_button_hit) != deal_hit) return;
    }
}

}  // namespace

void on_poker_mouse(const MouseEvent& e)
{
    if (e.event == kMouseLeftDown) game_mouse_modes.poker_button_hit = game_button_at(e.x, e.y);
}

void run_chem_poker(ScreenLease& lease)
{
    run_game_thread(lease, game_mouse_modes.poker_game_active, on_poker_mouse, play);
}
