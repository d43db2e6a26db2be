// The three reels of Vada Viva: four rows 80 pixels apart in a window from
// y 40 to 200, the second row on the pay line when a reel is at rest.
#pragma once

#include <cstdint>

// The reels' window; the caller clips to it before drawing reels.
inline constexpr std::int32_t reel_window_x1 = 180, reel_window_y1 = 40;
inline constexpr std::int32_t reel_window_x2 = 540, reel_window_y2 = 200;
// The y of a reel's top row at rest.
inline constexpr std::int32_t reel_rest_offset = 20;

// Draws reel 1 to 3 with `symbol` (1 to 10) in its top row, whose top edge
// is at y = offset.
void draw_slot_reel(std::int32_t reel, std::int32_t symbol, std::int32_t offset);

// The pay line and the two separators between the reels.
void draw_slot_pay_line();

// The symbol after s on a reel (10 is followed by 1).
constexpr std::int32_t next_slot_symbol(std::int32_t s)
{
    return s % 10 + 1;
}
