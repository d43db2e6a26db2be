// Duvo Vizaz's cards and what a hand of five pays.
#pragma once

#include <array>
#include <cstdint>

// Rank 0 is the joker, 1 the ace, 2 to 10, 11 jack, 12 queen, 13 king;
// suits 1 to 4 (a joker keeps the suit of the card it replaced, unread).
struct PokerCard {
    std::int32_t rank = 1;
    std::int32_t suit = 1;
};
using PokerHand = std::array<PokerCard, 5>;

inline constexpr std::int32_t joker_rank = 0;

// The payout in credits by the game's table, the first rule that holds
// counting: five of a kind 90, four 60 (50 with the joker), full house 25
// (20), three 10 (8), two pairs 6, a pair of jacks or better 3, straights
// and flushes 12 to 90, and the joker alone 1 or 2.
std::int32_t score_poker_hand(const PokerHand& hand);
