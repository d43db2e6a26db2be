// Reading back what the text engine drew on the recording backend.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "support/drawing_fixture.h"

struct DrawnText {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string font;  // option text, "t'Arial'h16b"
    std::int32_t colour = 0;
    std::string text;
};

struct DrawnShape {
    std::string kind;  // "rect filled", "ellipse outline", "line", ...
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t colour = 0;
    friend bool operator==(const DrawnShape&, const DrawnShape&) = default;
};
void PrintTo(const DrawnShape& s, std::ostream* os);

// Installs a recording backend with the fonts and colours set up; what the
// test draws afterwards is read back with texts() and shapes().
class RecordedDrawing : public testing_support::DrawingTest {
protected:
    // Drawn texts, on the page only (measuring draws far off it are left out)
    // unless all is set.
    std::vector<DrawnText> texts(bool all = false) const;
    // The strings of texts().
    std::vector<std::string> strings() const;
    // Rectangles, ellipses and lines, in drawing order.
    std::vector<DrawnShape> shapes(std::string_view kind_prefix = "") const;
    std::vector<std::string> lines_from_mark(std::string_view prefix) const;
};
