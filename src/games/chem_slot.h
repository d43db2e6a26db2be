// Vada Viva ("Chem &Slot"): a three-reel slot machine of the first ten
// elements, one credit a spin; a win may be put at stake on a chemistry
// statement.
#pragma once

#include <array>
#include <cstdint>

#include "frame/screen_lease.h"
#include "games/game_screen.h"

// The stakes offered on a win.
enum SlotStake : std::int32_t {
    no_stake = 1,
    double_your_win = 2,    // wrong: the win is paid undoubled
    double_or_nothing = 3,  // wrong: nothing is paid
    double_or_lose = 4,     // wrong: the win is taken from the balance
};

struct SlotState {
    std::int32_t credits = 100;
    // Reels 1 to 3 ([0] unused): the symbol of the top row and that row's y.
    std::array<std::int32_t, 4> top_symbol{};
    std::array<std::int32_t, 4> reel_offset{};
    std::int32_t payout = 0;
    std::int32_t stake = no_stake;
    std::int32_t answered_wrong = 0;
    GameStatement statement;
};
extern SlotState slot_state;

// The thread routine of "Chem &Slot", on the page it was lent: a new
// machine at 100 credits, played until "Exit".
void run_chem_slot(ScreenLease& lease);

// The game's mouse: a click records the button hit.
void on_slot_mouse(const MouseEvent& e);

// One spin: its cost (restarting a balance of -1 or above 1000 at 100), the
// reels, the payout, the stake question and the paying out.
void play_slot_round();
