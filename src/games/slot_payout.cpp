#include "games/slot_payout.h"

namespace {

bool noble_gas(std::int32_t s)
{
    return s == 2 || s == 10;
}

}  // namespace

std::int32_t score_slot_line(std::int32_t l1, std::int32_t l2, std::int32_t l3)
{
    constexpr std::int32_t c = slot_jackpot;
    if (!noble_gas(l1) && l1 != l2 && l1 != c && l2 != c && l3 != c) return 0;
    if (l1 == c && l2 == c && l3 == c) return 100;

    // Wild Carbonio takes the value of a neighbour as the line is read.
    std::int32_t payout = 0;
    if (l1 == c && l2 == c) {
        payout = 5;
        l1 = l2 = l3;
    }
    if (l1 == c && l3 == c) {
        payout = 5;
        l1 = l3 = l2;
    }
    if (l2 == c && l3 == c) {
        payout = 5;
        l2 = l3 = l1;
    }
    if (l1 == c) {
        payout = 2;
        l1 = l2;
    }
    if (l2 == c) {
        payout = 2;
        l2 = l1;
    }
    if (l3 == c) {
        payout = 2;
        l3 = l2;
    }

    if (noble_gas(l1)) payout += 2;
    if (l1 == l2) {
        payout += 3;
        if (l1 == 4 || l1 == 8) payout += 2;  // two bars
        if (l1 == 5 || l1 == 7) payout += 4;  // three bars
    }
    if (l1 == l2 && l2 == l3) payout *= 3;
    return payout;
}
