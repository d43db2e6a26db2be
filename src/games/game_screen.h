// What the three games share: the life of a game thread, the wait for one of
// a game's buttons, and the true/false statement some events ask about.
#pragma once

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

// A game's thread from start to end: greys the menus, detaches the page
// mouse, raises the game's running flag (the page mouse handler then records
// button hits for it), seeds the random stream from the clock so that games
// never follow the "Versione", plays, and hands the page back. A quit during
// play ends it at once; the flag then drops here, as no hand-back follows.
void run_game_thread(std::atomic<bool>& running_flag, void (*play)());

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
