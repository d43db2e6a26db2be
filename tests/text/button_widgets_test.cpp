#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "recorded_drawing.h"
#include "text/button_widgets.h"

namespace {
// Active, x 190, y 220, w 150, h 20, fill dark red, border yellow.
const std::string spin = "da34567819022015002000009900FFFF@T4@@c00FFFF@@y-18@Spin";
// Active, standing: x 530, y 162, w 20, h 21.
const std::string arrow = "da345678530162020021BB8888FFFFFF@T4@@cFFFFFF@@x-16@@y-7@<";

std::string descriptor(bool active, int x, int y, int w, int h)
{
    char head[40];
    std::snprintf(head, sizeof head, "d%c345678%03d%03d%03d%03d0000FF00FF00", active ? 'a' : '-', x, y, w, h);
    return head;
}
}  // namespace

class ButtonWidgets : public RecordedDrawing {
protected:
    void SetUp() override
    {
        RecordedDrawing::SetUp();
        handle_button_descriptor("C");
    }
};

TEST(ButtonDescriptorText, ReadsItsColumns)
{
    const ButtonDescriptor d = ButtonDescriptor::parse(spin);
    EXPECT_EQ(d.kind, 'd');
    EXPECT_TRUE(d.active);
    EXPECT_EQ(d.cells, 8);
    EXPECT_EQ(d.x, 190);
    EXPECT_EQ(d.y, 220);
    EXPECT_EQ(d.w, 150);
    EXPECT_EQ(d.h, 20);
    EXPECT_EQ(d.fill, 0x000099);
    EXPECT_EQ(d.border, 0x00FFFF);
    EXPECT_EQ(d.label, "@T4@@c00FFFF@@y-18@Spin");
    EXPECT_FALSE(ButtonDescriptor::parse(descriptor(false, 1, 2, 3, 4)).active);
}

TEST_F(ButtonWidgets, HorizontalBarShapeAndCentredLabel)
{
    EXPECT_EQ(handle_button_descriptor(spin), 0);
    const std::vector<DrawnShape> expected = {
        {"ellipse filled", 180, 210, 200, 230, 0x000099},  {"ellipse filled", 330, 210, 350, 230, 0x000099},
        {"ellipse outline", 180, 210, 200, 230, 0x00FFFF}, {"ellipse outline", 330, 210, 350, 230, 0x00FFFF},
        {"rect outline", 190, 210, 340, 230, 0x00FFFF},    {"rect filled", 190, 211, 340, 229, 0x000099},
    };
    EXPECT_EQ(shapes(), expected);
    const auto t = texts();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].text, "Spin");
    EXPECT_EQ(t[0].x, 190 + (150 - 32) / 2);
    EXPECT_EQ(t[0].y, 230 - 18);
    EXPECT_EQ(t[0].colour, 0x00FFFF);
}

TEST_F(ButtonWidgets, StandingBarAndItsClickableBody)
{
    handle_button_descriptor(arrow);
    const auto drawn = shapes();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[1], (DrawnShape{"ellipse filled", 520, 173, 540, 193, 0xBB8888}));
    EXPECT_EQ(drawn[4], (DrawnShape{"rect outline", 520, 162, 540, 183, 0xFFFFFF}));
    EXPECT_EQ(drawn[5], (DrawnShape{"rect filled", 521, 162, 539, 183, 0xBB8888}));
    EXPECT_EQ(handle_button_descriptor("?", 520, 162), 1);
    EXPECT_EQ(handle_button_descriptor("?", 540, 183), 1);
    EXPECT_EQ(handle_button_descriptor("?", 530, 160), 0);  // the upper cap
}

TEST_F(ButtonWidgets, HitTestEdgesCapsOverlapAndClear)
{
    handle_button_descriptor(spin);
    handle_button_descriptor(descriptor(true, 300, 220, 100, 20));  // overlaps spin's right end
    handle_button_descriptor(descriptor(false, 10, 10, 50, 20));    // drawn only
    struct Case {
        int x, y, hit;
    };
    for (const Case c : {Case{190, 210, 1}, Case{340, 230, 1}, Case{265, 220, 1}, Case{185, 220, 0}, Case{189, 220, 0},
                         Case{265, 209, 0}, Case{320, 220, 1}, Case{350, 220, 2}, Case{30, 10, 0}}) {
        EXPECT_EQ(handle_button_descriptor("?", c.x, c.y), c.hit) << c.x << "," << c.y;
    }
    handle_button_descriptor("C");
    EXPECT_EQ(handle_button_descriptor("?", 265, 220), 0);
}

TEST_F(ButtonWidgets, RegistryHoldsTwentyButtons)
{
    for (int k = 0; k < 21; ++k) handle_button_descriptor(descriptor(true, 10, 10 + 30 * k, 50, 20));
    EXPECT_EQ(button_registry.count, 20);
    EXPECT_EQ(handle_button_descriptor("?", 30, 10 + 30 * 19), 20);
    EXPECT_EQ(handle_button_descriptor("?", 30, 10 + 30 * 20), 0);
}

TEST_F(ButtonWidgets, OtherKindsAndUnreadableHeadsDoNothing)
{
    EXPECT_EQ(handle_button_descriptor("xa345678190220150020000099FFFFFFlabel"), 0);
    EXPECT_EQ(handle_button_descriptor("da3456781902201500200000ZZFFFFFFlabel"), 0);
    EXPECT_EQ(handle_button_descriptor(""), 0);
    EXPECT_TRUE(shapes().empty());
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(button_registry.count, 0);
}

TEST_F(ButtonWidgets, CounterDigitsInEqualCells)
{
    const std::string four = "d-3456741000800800200000FF888888@T4@@C5@";
    struct Case {
        int value;
        const char* shown;
    };
    for (const Case c : {Case{7, "0007"}, Case{12345, "1234"}, Case{-5, "00-5"}, Case{0, "0000"}}) {
        mark();
        draw_counter_panel(four, c.value);
        std::string shown;
        for (const DrawnText& t : texts()) shown += t.text;
        EXPECT_EQ(shown, c.shown) << c.value;
    }
    const auto drawn = shapes();
    ASSERT_EQ(drawn.size(), 5u);
    EXPECT_EQ(drawn[0], (DrawnShape{"rect filled", 95, 75, 185, 105, 0x0000FF}));
    EXPECT_EQ(drawn[1], (DrawnShape{"rect filled", 100, 80, 180, 100, 0x888888}));
    EXPECT_EQ(drawn[2], (DrawnShape{"rect filled", 120, 80, 121, 100, 0x888888}));
    EXPECT_EQ(drawn[4], (DrawnShape{"rect filled", 160, 80, 161, 100, 0x888888}));
    const auto t = texts();
    EXPECT_EQ(t[1].x, 120);
    EXPECT_EQ(t[1].y, 80);
}

TEST_F(ButtonWidgets, CounterWithoutCellsOrNotToDrawDrawsNothing)
{
    draw_counter_panel("d-3456701000100800200000FF888888@T4@", 7);
    draw_counter_panel("C-3456741000100800200000FF888888@T4@", 7);
    EXPECT_TRUE(shapes().empty());
    EXPECT_TRUE(texts().empty());
}

TEST_F(ButtonWidgets, ALabelTooWideForItsBarIsDrawnSmallerNeverCut)
{
    // Letters are half their cell wide here: "Cancella" is 64 pixels in the
    // 16-pixel font, which a bar 40 long with ends of radius 10 cannot hold.
    struct Case {
        int w;
        const char* label;
        const char* font;
        int x, y;
    };
    for (const Case c : {
             Case{70, "Cancella", "t'Arial'h16be", 510 + (70 - 64) / 2, 200 - 8},
             Case{40, "Cancella", "t'Arial'h13be", 510 + (40 - 48) / 2, 200 - 8 + 1},
             // Too long for any size: the smallest, whole.
             Case{40, "Concentrazione incognita", "t'Arial'h9be", 510 + (40 - 96) / 2, 200 - 8 + 3},
         }) {
        mark();
        char head[40];
        std::snprintf(head, sizeof head, "d2345678510200%03d020DD9988BB8888", c.w);
        handle_button_descriptor(std::string(head) + "@T4@@cFFFFFF@@y-18@" + c.label);
        const auto t = texts();
        ASSERT_EQ(t.size(), 1u) << c.label;
        EXPECT_EQ(t[0].text, c.label);
        EXPECT_EQ(t[0].font, c.font) << c.w << " " << c.label;
        EXPECT_EQ(t[0].x, c.x) << c.w << " " << c.label;
        EXPECT_EQ(t[0].y, c.y) << c.w << " " << c.label;
    }
}
