#include "games/poker_hands.h"

#include <algorithm>

namespace {

struct RankCounts {
    std::array<std::int32_t, 15> count{};  // by rank 1 to 13; 14 is the ace again
    std::int32_t jokers = 0;

    bool any(std::int32_t n) const { return std::count(count.begin() + 1, count.begin() + 14, n) > 0; }
    std::int32_t ranks_with(std::int32_t n) const
    {
        return static_cast<std::int32_t>(std::count(count.begin() + 1, count.begin() + 14, n));
    }
};

// The suit of card 1 (card 2 when card 1 is the joker) held by every card
// but the joker.
bool one_suit(const PokerHand& hand)
{
    const std::int32_t suit = hand[0].rank == joker_rank ? hand[1].suit : hand[0].suit;
    return std::all_of(hand.begin(), hand.end(),
                       [suit](const PokerCard& c) { return c.rank == joker_rank || c.suit == suit; });
}

// Rule 11: 0 when no run of five ranks (ten to ace the highest) matches.
std::int32_t score_straight(const RankCounts& c, bool flush)
{
    const bool joker = c.jokers == 1;
    for (std::int32_t s = 1; s <= 10; ++s) {
        std::int32_t n = 0;
        for (std::int32_t r = s; r <= s + 4; ++r) n += c.count[static_cast<std::size_t>(r)];
        if (s == 10 && n == 5 && flush) return 90;
        if (s == 10 && n == 4 && flush && joker) return 80;
        if (s < 10 && n == 5 && flush) return 80;
        if (s < 10 && n == 4 && flush && joker) return 60;
        if (n == 5) return 18;
        if (n == 4 && joker) return 12;
    }
    return 0;
}

std::int32_t score_low_hand(const RankCounts& c)
{
    if (c.jokers == 0) return 0;
    if (c.count[11] == 1 || c.count[12] == 1 || c.count[13] == 1) return 2;
    return c.count[1] == 1 ? 2 : 1;
}

}  // namespace

std::int32_t score_poker_hand(const PokerHand& hand)
{
    RankCounts c;
    for (const PokerCard& card : hand) {
        if (card.rank == joker_rank) {
            ++c.jokers;
        } else {
            ++c.count[static_cast<std::size_t>(card.rank)];
        }
    }
    c.count[14] = c.count[1];
    const bool joker = c.jokers == 1;

    if (c.any(4)) return joker ? 90 : 60;
    if (c.any(3) && joker) return 50;
    if (c.any(3) && c.any(2)) return 25;
    if (c.ranks_with(2) == 2 && joker) return 20;
    if (c.any(3)) return 10;
    if (c.any(2) && joker) return 8;
    if (c.ranks_with(2) == 2) return 6;
    if (c.count[11] == 2 || c.count[12] == 2 || c.count[13] == 2 || c.count[1] == 2) return 3;
    if (c.any(2)) return 0;  // a low pair, without the joker (that would make three)

    const bool flush = one_suit(hand);
    if (const std::int32_t straight = score_straight(c, flush)) return straight;
    if (flush) return joker ? 30 : 50;
    return score_low_hand(c);
}
