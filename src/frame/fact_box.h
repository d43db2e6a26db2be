// The "Fatti della Chimica" box: one short chemistry fact of the catalogue,
// picked at random, in a titled box on the problem page.
#pragma once

#include <cstdint>

// Draws the box at (x, y), `width` pixels wide, and sets `height` to the
// height it took: 60 pixels for a one-line fact and 16 more per further
// line. The stream is reseeded from the clock first, so the fact does not
// follow the version: a generator draws all its data before calling this.
// The box is left out where it would cover an element of the page, and is
// erased when one is drawn over it later.
void show_chemistry_fact(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t& height);
// The same box where the caller has no use for its height.
void show_chemistry_fact(std::int32_t x, std::int32_t y, std::int32_t width);
