// The faces and backs of Duvo Vizaz's cards: ranks shown as element symbols
// (ace "H" to ten "Ne", jack "Cu", queen "Ag", king "Au") with the usual
// rank letters in the corners.
#pragma once

#include <array>
#include <cstdint>

#include "games/poker_hands.h"

// The four suit pictures, 15 x 15 pixels each, row by row ([0] unused).
using SuitImage = std::array<std::int32_t, 15 * 15>;
using SuitImages = std::array<SuitImage, 5>;

// Draws the four suits in a scratch box on the table and reads them back;
// the box is painted the table's green afterwards.
SuitImages make_suit_images();

// Card k (1 to 5) stands at x = 175 + 80 (k - 1), y 80 to 190. The cards
// not held turn over one by one from their backs; held ones keep their face.
void draw_poker_card(const PokerHand& hand, const std::array<std::int32_t, 5>& held, const SuitImages& suits);

inline constexpr std::int32_t poker_table_green = 0x00A000;
