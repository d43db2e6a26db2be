// Duvo Vizaz ("Chem &Poker"): five-card draw poker with one wild joker, 5
// credits a deal. A joker comes only with the draw, and with a chemistry
// statement to judge first: a wrong answer forfeits the hand's win.
#pragma once

#include <array>
#include <cstdint>

#include "frame/screen_lease.h"
#include "games/game_screen.h"
#include "games/poker_cards.h"
#include "games/poker_hands.h"

struct PokerState {
    std::int32_t credits = 205;  // the first deal leaves 200
    PokerHand hand{};
    std::array<std::int32_t, 5> held{};
    std::array<std::array<std::int32_t, 14>, 5> deck{};  // [suit][rank], 1 while the card is in the deck
    std::int32_t joker_dealt = 0;
    std::int32_t answered_wrong = 0;
    std::int32_t payout = 0;
    SuitImages suits{};
    GameStatement statement;
};
extern PokerState poker_state;

// The thread routine of "Chem &Poker", on the page it was lent: deals at
// 205 credits until "Exit".
void run_chem_poker(ScreenLease& lease);

// The game's mouse: a click records the button hit.
void on_poker_mouse(const MouseEvent& e);
