#include "games/chem_slot.h"

#include <string>
#include <string_view>

#include "frame/app_state.h"
#include "games/slot_payout.h"
#include "games/slot_reels.h"
#include "numbers/random_stream.h"
#include "platform/graphics.h"
#include "platform/runtime.h"
#include "text/button_widgets.h"
#include "text/justified_text.h"
#include "text/markup_text.h"
#include "text/paint.h"

SlotState slot_state;

namespace {

constexpr std::int32_t face_colour = 0x0000D0;
constexpr std::int32_t stake_box_colour = 0x0000AA;
constexpr std::int32_t slot_yellow = 0x00FFFF;

constexpr std::string_view spin_button = "da34567819022015002000009900FFFF@T4@@c00FFFF@@y-18@Spin";
constexpr std::string_view slot_exit_button = "da34567848022005002000009900FFFF@T4@@c00FFFF@@y-18@Exit";
constexpr std::string_view grey_spin_button = "d2345678190220150020000099888888@T4@@c888888@@y-18@Spin";
constexpr std::string_view grey_slot_exit_button = "d2345678480220050020000099888888@T4@@c888888@@y-18@Exit";
constexpr std::string_view slot_true_button = "da34567840022005002000009900FFFF@T4@@c00FFFF@@y-18@True";
constexpr std::string_view slot_false_button = "da34567848022005002000009900FFFF@T4@@c00FFFF@@y-18@False";
constexpr std::string_view slot_ok_button = "da34567840022005002000009900FFFF@T4@@c00FFFF@@y-18@OK";
constexpr std::string_view slot_credits_panel = "d234567449026504801600BBBBDDDDDD@T4@@C1@@x3@";
constexpr std::string_view slot_win_panel = "d234567343026503601600BBBBDDDDDD@T4@@C1@@x3@";

constexpr std::int32_t spin_hit = 1;
constexpr std::int32_t slot_true_hit = 1;

void draw_title()
{
    draw_markup_text(190, 238, "@C7@@T11@Vada Viva");
}

void draw_slot_credits()
{
    draw_markup_text(486, 240, "@T8@@c00FFFF@Credits");
    draw_counter_panel(slot_credits_panel, slot_state.credits);
}

void clip_to_reels()
{
    qw_set_clip_region(reel_window_x1, reel_window_y1, reel_window_x2, reel_window_y2);
}

void draw_slot_screen()
{
    fill_box(0x555555, 167, 17, 553, 293);
    fill_box(face_colour, 170, 20, 550, 290);
    fill_box(0x888888, 178, 38, 542, 202);
    draw_markup_text(190, 238, "@T11@@c00FFFF@Vada Viva");
    clip_to_reels();
    for (std::int32_t k = 1; k <= 3; ++k) draw_slot_reel(k, slot_state.top_symbol[k], slot_state.reel_offset[k]);
    draw_slot_pay_line();
}

// A balance out of bounds starts again from 100, after 9 seconds of message.
void restart_slot_credits(std::string_view message)
{
    fill_box(face_colour, 180, 205, 420, 275);
    qw_set_color_rgb(slot_yellow);
    draw_justified_text(190, 370, 210, message);
    rt_sleep_ms(9000);
    slot_state.credits = 100;
    fill_box(face_colour, 180, 205, 380, 275);
    handle_button_descriptor(grey_spin_button);
    draw_title();
}

// Moves reels first..3 for `steps` steps; `pace(s)` sets the slowing down.
template <typename Pace>
void turn_reels(std::int32_t first, std::int32_t steps, Pace pace)
{
    for (std::int32_t s = 1; s <= steps; ++s) {
        const double t0 = rt_timef();
        for (std::int32_t k = first; k <= 3; ++k) {
            draw_slot_reel(k, slot_state.top_symbol[k], slot_state.reel_offset[k]);
            slot_state.reel_offset[k] -= 10 * (4 - k);
            if (slot_state.reel_offset[k] < reel_rest_offset - 80) {
                slot_state.reel_offset[k] += 80;
                slot_state.top_symbol[k] = next_slot_symbol(slot_state.top_symbol[k]);
            }
        }
        draw_slot_pay_line();
        if (s == steps) return;
        const auto pause = static_cast<std::int32_t>(static_cast<double>(pace(s) / 100) - 1000.0 * (rt_timef() - t0));
        if (pause > 0) rt_sleep_ms(pause);
        rt_beep(40, 1);
    }
}

// Each phase's step count is a multiple of 8 that brings every reel to rest
// with a symbol on the pay line.
void spin_reels()
{
    const std::int32_t n1 = 8 * random_int(1, 3) + 33;
    turn_reels(1, n1, [](std::int32_t s) { return s * s; });
    const std::int32_t n2 = 8 * random_int(1, 3);
    turn_reels(2, n2, [n1](std::int32_t s) { return (n1 + s) * (n1 + s); });
    const std::int32_t n3 = 8 * random_int(1, 3);
    turn_reels(3, n3, [n1, n2](std::int32_t s) { return (n1 + n2 + s) * (n1 + s); });
}

void flash_wrong_answer()
{
    const std::string message = "@T8@@C7@" + std::string(wrong_answer_text(slot_state.statement));
    for (int flash = 0; flash < 5; ++flash) {
        fill_box(stake_box_colour, 181, 211, 379, 231);
        rt_beep(100, 100);
        rt_sleep_ms(100);
        draw_justified_text(190, 375, 213, message);
        rt_beep(350, 100);
    }
}

// The stake question; false when nothing is to be paid.
bool ask_stake_question()
{
    fill_box(stake_box_colour, 180, 210, 380, 285);
    outline_box(slot_yellow, 180, 210, 380, 285);
    fill_box(slot_yellow, 180, 232, 380, 232);
    if (slot_state.stake == double_your_win) draw_justified_text(210, 350, 213, "@T8@@C7@Double Your Win?");
    if (slot_state.stake == double_or_nothing) draw_markup_text(210, 213, "@T8@@c00FFFF@Double or Nothing !");
    if (slot_state.stake == double_or_lose) draw_markup_text(210, 213, "@T8@@c00FFFF@Double or Lose !");
    pick_game_statement(slot_state.payout == 2 ? 1 : 2, slot_state.statement);
    draw_justified_text(185, 375, 235, statement_markup(slot_state.statement));
    draw_game_buttons({slot_true_button, slot_false_button});
    const bool said_true = wait_for_game_button(game_mouse_modes.slot_button_hit) == slot_true_hit;
    fill_box(face_colour, 385, 205, 540, 240);
    if (answered_right(said_true, slot_state.statement)) {
        slot_state.payout *= 2;
        return true;
    }
    flash_wrong_answer();
    slot_state.answered_wrong = 1;
    draw_game_buttons({slot_ok_button});
    wait_for_game_button(game_mouse_modes.slot_button_hit);
    fill_box(face_colour, 385, 205, 540, 240);
    return slot_state.stake != double_or_nothing;
}

void pay_slot_win()
{
    fill_box(face_colour, 180, 205, 420, 290);
    handle_button_descriptor(grey_spin_button);
    draw_title();
    handle_button_descriptor(grey_slot_exit_button);
    const bool lost = slot_state.answered_wrong == 1 && slot_state.stake == double_or_lose;
    draw_markup_text(430, 240, lost ? "@T8@@c00FFFF@Lose" : "@T8@@c00FFFF@Win");
    draw_counter_panel(slot_win_panel, slot_state.payout);
    for (std::int32_t count = 0; count < slot_state.payout; ++count) {
        slot_state.credits += lost ? -1 : 1;
        if (slot_state.credits <= 0 && lost) {
            slot_state.credits = 0;
            return;
        }
        draw_counter_panel(slot_credits_panel, slot_state.credits);
        rt_beep(300, 100);
        rt_sleep_ms(50);
    }
}

void play_slot()
{
    slot_state = {};
    for (std::int32_t k = 1; k <= 3; ++k) {
        slot_state.top_symbol[k] = random_int(1, slot_symbol_count);
        slot_state.reel_offset[k] = reel_rest_offset;
    }
    draw_slot_screen();
    for (;;) {
        qw_set_clip_region(0, 0, 1600, 1600);
        draw_slot_credits();
        draw_game_buttons({spin_button, slot_exit_button});
        if (wait_for_game_button(game_mouse_modes.slot_button_hit) != spin_hit) return;
        draw_game_buttons({grey_spin_button, grey_slot_exit_button});
        play_slot_round();
    }
}

}  // namespace

void on_slot_mouse(const MouseEvent& e)
{
    if (e.event == kMouseLeftDown) game_mouse_modes.slot_button_hit = game_button_at(e.x, e.y);
}

void run_chem_slot(ScreenLease& lease)
{
    run_game_thread(lease, game_mouse_modes.slot_game_active, on_slot_mouse, play_slot);
}

void play_slot_round()
{
    slot_state.credits -= 1;
    slot_state.answered_wrong = 0;
    fill_box(face_colour, 425, 230, 475, 290);
    if (slot_state.credits <= -1)
        restart_slot_credits("@T1@@C7@Your Chemistry is quite poor (or Lady Fortune does not like you). "
                             "Restarting from 100 credits.");
    if (slot_state.credits > 1000)
        restart_slot_credits("@T1@@C7@Your Chemistry is quite good (or Lady Fortune likes you a lot). "
                             "Restarting from 100 credits.");
    draw_counter_panel(slot_credits_panel, slot_state.credits);
    for (std::int32_t k = 1; k <= 3; ++k) {
        slot_state.top_symbol[k] = random_int(1, slot_symbol_count);
        slot_state.reel_offset[k] = reel_rest_offset;
    }
    clip_to_reels();
    spin_reels();
    qw_set_clip_region(0, 0, 1600, 1600);

    slot_state.payout =
        score_slot_line(next_slot_symbol(slot_state.top_symbol[1]), next_slot_symbol(slot_state.top_symbol[2]),
                        next_slot_symbol(slot_state.top_symbol[3]));
    if (slot_state.payout == 0) return;
    slot_state.stake = random_int(1, 4);
    if (slot_state.payout > 5) slot_state.stake = random_int(3, 4);
    const bool paid = slot_state.stake == no_stake || ask_stake_question();
    if (paid) pay_slot_win();
    fill_box(face_colour, 180, 205, 420, 290);
    draw_title();
}
