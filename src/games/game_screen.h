// What the three games share: the life of a game thread, the wait for one of
// a game's buttons, and the true/false statement some events ask about.
#pragma once

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "frame/screen_lease.h"

// While a game holds the page, its mouse records which of its buttons a
// click hit (1-based, 0 for none) for the waiting game thread; Chem Buster's
// also moves the paddle. The mouse runs on the user-interface thread and the
// game on its own, hence the atomics.
struct GameMouseModes {
    std::atomic<bool> slot_game_active = false;
    std::atomic<std::int32_t> slot_button_hit = 0;
    std::atomic<bool> poker_game_active = false;
    std::atomic<std::int32_t> poker_button_hit = 0;
    std::atomic<bool> buster_game_active = false;
    std::atomic<std::int32_t> buster_button_hit = 0;
    std::atomic<std::int32_t> buster_paddle_x = 310;  // left edge of Chem Buster's paddle
    std::atomic<std::int32_t> buster_paddle_width = 0;
    std::int32_t buster_drag_x = 0;  // where the last drag step ended; user-interface thread only
};
extern GameMouseModes game_mouse_modes;

// A game's thread from start to end on the page it was lent: raises the
// game's running flag, gives the page's events to the game's mouse, seeds
// the random stream from the clock so that games never follow the
// "Versione", and plays. The flag drops as the page comes back, or at once
// at quit.
void run_game_thread(ScreenLease& lease, std::atomic<bool>& running_flag, PageMouseOwner mouse, void (*play)());

// The game button under a click: 1, 2, ... in drawing order, 0 for none.
std::int32_t game_button_at(std::int32_t x, std::int32_t y);

// Empties the button registry and draws the descriptors in order: the
// active ones become hits 1, 2, ... of the next wait.
void draw_game_buttons(std::initializer_list<std::string_view> descriptors);

// Blocks until a left click lands on a registered button and returns its
// number. The hit word is cleared first and the page mouse is bound only
// for the wait, so a click from before it never ends it; a click beside
// every button leaves the game waiting.
std::int32_t wait_for_game_button(std::atomic<std::int32_t>& hit_word);

// The statement a game asks to judge: markup text, 1 true or 0 false, and
// the statement type it was drawn from.
struct GameStatement {
    std::string text;
    std::int32_t truth = 0;
    std::int32_t type = 0;
};
inline constexpr std::size_t game_statement_length = 200;

// Draws a statement of the group (1 or 2) whose type belongs to the current
// chapter or an earlier one.
void pick_game_statement(std::int32_t group, GameStatement& statement);

// The statement as the games show it, in font 1 and colour 7.
std::string statement_markup(const GameStatement& statement);

// "True" is right for a true statement, "False" for a false one.
inline bool answered_right(bool said_true, const GameStatement& statement)
{
    return said_true == (statement.truth == 1);
}

// What a wrong answer shows: what the statement really was.
inline std::string_view wrong_answer_text(const GameStatement& statement)
{
    return statement.truth == 1 ? "Wrong! This is TRUE" : "Wrong! This is FALSE";
}
