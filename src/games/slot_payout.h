// What a Vada Viva spin wins, from the symbols on the pay line.
#pragma once

#include <cstdint>

// Symbols 1 to 10 are the first ten elements; Carbonio is the wild jackpot.
inline constexpr std::int32_t slot_symbol_count = 10;
inline constexpr std::int32_t slot_jackpot = 6;

// The credits won by the line symbols of reels 1, 2 and 3; 0 for a lost
// spin (neither a noble gas first, nor the first two equal, nor Carbonio).
std::int32_t score_slot_line(std::int32_t l1, std::int32_t l2, std::int32_t l3);
