// What Vada Viva's pay line and Duvo Vizaz's hands pay, one case a line;
// each expected value worked out by hand from the games' tables.
#include <gtest/gtest.h>

#include <string>

#include "games/poker_hands.h"
#include "games/slot_payout.h"

namespace games_test {
namespace {

// Symbols: 1 Idrogeno, 2 Elio, 3 Litio, 4 Berillio, 5 Boro, 6 Carbonio,
// 7 Azoto, 8 Ossigeno, 9 Fluoro, 10 Neo.
TEST(SlotPayout, LineSymbolsPayByTheTable)
{
    struct Case {
        std::int32_t l1, l2, l3, pays;
        const char* why;
    };
    for (const Case c : {
             Case{6, 6, 6, 100, "three Carbonio"},
             Case{2, 1, 3, 2, "a noble gas first alone"},
             Case{10, 4, 5, 2, "Neo first alone"},
             Case{1, 1, 3, 3, "two equal one-bar first"},
             Case{9, 9, 2, 3, "two Fluoro first"},
             Case{4, 4, 1, 5, "two equal two-bar first"},
             Case{7, 7, 1, 7, "two equal three-bar first"},
             Case{2, 2, 5, 5, "two Elio first: noble 2 and pair 3"},
             Case{3, 3, 3, 9, "three Litio"},
             Case{2, 2, 2, 15, "three Elio"},
             Case{5, 5, 5, 21, "three Boro"},
             Case{8, 8, 8, 15, "three Ossigeno"},
             Case{6, 6, 1, 24, "two Carbonio and a one-bar"},
             Case{6, 6, 2, 30, "two Carbonio and a noble gas"},
             Case{6, 6, 8, 30, "two Carbonio and a two-bar"},
             Case{6, 6, 7, 36, "two Carbonio and a three-bar"},
             Case{1, 6, 6, 24, "Carbonio on reels 2 and 3"},
             Case{6, 1, 6, 24, "Carbonio on reels 1 and 3"},
             Case{6, 1, 1, 15, "Carbonio first, then two Idrogeno"},
             Case{1, 6, 3, 5, "Carbonio second takes the first"},
             Case{1, 2, 6, 2, "Carbonio third takes the second"},
             Case{2, 3, 6, 4, "Carbonio third after a noble gas first"},
             Case{1, 3, 4, 0, "lost: nothing lines up"},
             Case{3, 1, 1, 0, "lost: the pair is not first"},
             Case{1, 10, 10, 0, "lost: the noble gas is not first"},
         }) {
        EXPECT_EQ(score_slot_line(c.l1, c.l2, c.l3), c.pays) << c.why;
    }
}

// A hand written as five cards "rank suit": ranks A 2-9 T J Q K and * for
// the joker, suits h d c s (1 to 4).
PokerHand hand(const std::string& cards)
{
    const std::string ranks = "*A23456789TJQK";
    const std::string suits = " hdcs";
    PokerHand h;
    for (std::size_t k = 0; k < 5; ++k) {
        h[k].rank = static_cast<std::int32_t>(ranks.find(cards[3 * k]));
        h[k].suit = static_cast<std::int32_t>(suits.find(cards[3 * k + 1]));
    }
    return h;
}

TEST(PokerScore, HandsPayByTheTable)
{
    struct Case {
        const char* cards;
        std::int32_t pays;
        const char* why;
    };
    for (const Case c : {
             Case{"7h 7d 7c 7s *h", 90, "five of a kind"},
             Case{"7h 7d 7c 7s 2h", 60, "four of a kind"},
             Case{"7h 7d 7c 2s *h", 50, "four of a kind with the joker"},
             Case{"7h 7d 7c 2s 2h", 25, "full house"},
             Case{"7h 7d 2c 2s *h", 20, "full house with the joker"},
             Case{"7h 7d 7c 2s 9h", 10, "three of a kind"},
             Case{"7h 7d 2c 9s *h", 8, "three of a kind with the joker"},
             Case{"7h 7d 2c 2s 9h", 6, "two pairs"},
             Case{"Jh Jd 2c 5s 9h", 3, "pair of jacks"},
             Case{"Qh Qd 2c 5s 9h", 3, "pair of queens"},
             Case{"Kh Kd 2c 5s 9h", 3, "pair of kings"},
             Case{"Ah Ad 2c 5s 9h", 3, "pair of aces"},
             Case{"7h 7d 2c 5s 9h", 0, "low pair"},
             Case{"Th Td 2c 5s 9h", 0, "pair of tens"},
             Case{"Kh 3d 5c 9s *h", 2, "a single king with the joker"},
             Case{"2h 4d 7c 9s *h", 1, "the joker alone"},
             Case{"Ah 4d 7c 9s *h", 2, "a single ace with the joker"},
             Case{"2h 4d 7c 9s Jh", 0, "nothing"},
             Case{"Th Jh Qh Kh *h", 60, "suited ten to king with the joker, found at the start nine"},
             Case{"Jh Qh Kh Ah *h", 80, "suited jack to ace with the joker"},
             Case{"Ah 2d 3c 4s 5h", 18, "ace to five mixed"},
             Case{"Ts Js Qs Ks As", 90, "royal flush"},
             Case{"5d 6d 7d 8d 9d", 80, "straight flush"},
             Case{"5d 6d 7d 8d *c", 60, "straight flush with the joker"},
             Case{"2h 3d 4c 5s *h", 12, "straight with the joker"},
             Case{"9h Td Jc Qs Kh", 18, "nine to king"},
             Case{"Th Jd Qc Ks Ah", 18, "ten to ace mixed"},
             Case{"2h 5h 7h 9h Jh", 50, "flush"},
             Case{"2h 5h 7h 9h *s", 30, "flush with the joker"},
             Case{"*s 2h 5h 7h 9h", 30, "flush with the joker first: card 2 gives the suit"},
         }) {
        EXPECT_EQ(score_poker_hand(hand(c.cards)), c.pays) << c.why << ": " << c.cards;
    }
}

}  // namespace
}  // namespace games_test
