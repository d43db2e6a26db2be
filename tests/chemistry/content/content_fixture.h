// A recording backend with fonts, colours and the data tables set up, and
// what was drawn read back from its log.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/drawing_fixture.h"

struct Drawn {
    std::string kind;                             // "text", "line", "rect filled", ...
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a text's place is (x1, y1)
    std::int32_t colour = 0;
    std::string text;
};

class ContentTest : public testing_support::DrawingTest {
protected:
    // What was drawn since the last mark, of the kinds starting with prefix.
    std::vector<Drawn> drawn(std::string_view prefix = "") const;
};
