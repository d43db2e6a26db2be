// The apparatus on the real canvas at two states: a small flask, cool gas
// below the atmosphere, and a large flask, warm gas above it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/qt/qt_application.h"
#include "simulations/gas_laws/gas_apparatus.h"
#include "text/fonts_colours.h"

namespace {

class GasApparatusPixels : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(init_fonts_and_colours(), 0.0f); }
    void draw(float volume, float temperature, float pressure, const char* name)
    {
        gas.volume = volume;
        gas.temperature = temperature;
        gas.pressure = pressure;
        draw_gas_apparatus(gas);
        session.process_events();
        // Set BRUNATEL_GALLERY_DIR to keep the pictures for a look.
        if (const char* dir = std::getenv("BRUNATEL_GALLERY_DIR")) {
            EXPECT_TRUE(session.save_png(std::string(dir) + "/" + name, 605, 388));
        }
    }
    std::int32_t pixel(std::int32_t x, std::int32_t y) const { return session.canvas_pixel(x, y); }
    std::int32_t count(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t colour) const
    {
        std::int32_t n = 0;
        for (std::int32_t y = y1; y <= y2; ++y)
            for (std::int32_t x = x1; x <= x2; ++x) n += pixel(x, y) == colour;
        return n;
    }

    platform::qt::Session session;
    GasState gas;
};

TEST_F(GasApparatusPixels, SmallCoolFlaskBelowTheAtmosphere)
{
    draw(2.0f, 25.5f, 200.0f, "gas_apparatus_low.png");
    EXPECT_EQ(pixel(151, 13), 0xDD0000);               // frame
    EXPECT_EQ(pixel(160, 20), 0xDDBBAA);               // title band
    EXPECT_GT(count(300, 16, 420, 30, 0xDD0000), 20);  // "Leggi dei gas"
    // Mercury: left limb up at row 92 (gas above), right limb down at 232.
    EXPECT_EQ(pixel(304, 92), mercury_colour);
    EXPECT_EQ(pixel(304, 91), gas_colour);
    EXPECT_EQ(pixel(330, 232), mercury_colour);
    EXPECT_EQ(pixel(330, 231), apparatus_panel_colour);
    EXPECT_EQ(pixel(317, 263), mercury_colour);  // U bottom
    // Bulb of radius 29 about (210, 198), its gas and outline.
    EXPECT_EQ(pixel(210, 198), gas_colour);
    EXPECT_EQ(pixel(210, 227), outline_colour);
    EXPECT_EQ(pixel(210, 228), apparatus_panel_colour);
    // Thermometer column up to y 100 for half a degree above 25.
    EXPECT_EQ(pixel(257, 100), 0x0000FF);
    EXPECT_EQ(pixel(257, 99), 0xDDDDFF);
    // Lenses: left reads 40 + 28 = 68 cm, right 12 cm, both at 0.0 of the cm.
    EXPECT_EQ(pixel(left_lens_x + 5, lens_y + 25), mercury_colour);
    EXPECT_EQ(pixel(left_lens_x + 5, lens_y + 24), gas_colour);
    EXPECT_EQ(pixel(right_lens_x + 5, lens_y + 25), mercury_colour);
    EXPECT_EQ(pixel(right_lens_x + 5, lens_y + 24), apparatus_panel_colour);
}

TEST_F(GasApparatusPixels, LargeWarmFlaskAboveTheAtmosphere)
{
    draw(10.0f, 80.25f, 1300.0f, "gas_apparatus_high.png");
    EXPECT_EQ(pixel(304, 229), mercury_colour);
    EXPECT_EQ(pixel(304, 228), gas_colour);
    EXPECT_EQ(pixel(330, 95), mercury_colour);
    EXPECT_EQ(pixel(330, 94), apparatus_panel_colour);
    EXPECT_EQ(pixel(210, 285), outline_colour);  // bulb of radius 50 about (210, 235)
    EXPECT_EQ(pixel(160, 235), outline_colour);
    EXPECT_EQ(pixel(257, 110), 0x0000FF);
    EXPECT_EQ(pixel(257, 109), 0xDDDDFF);
    // 540 torr over: left 13.0 cm, right 67.0 cm, levels at the whole cm.
    EXPECT_EQ(pixel(left_lens_x + 5, lens_y + 25), mercury_colour);
    EXPECT_EQ(pixel(left_lens_x + 5, lens_y + 24), gas_colour);
    // The volume label "10.0 L" in grey inside the bulb.
    EXPECT_GT(count(195, 228, 240, 245, outline_colour), 10);
}

// The lenses' digits and the unit stand two pixels clear of the lens's
// border and of the ticks, at every reading the simulation shows.
TEST_F(GasApparatusPixels, LensLabelsStandClearOfTheirFramesAndTicks)
{
    for (std::int32_t k = 0; k <= 70; ++k) {
        const float temperature = 10.0f + 1.25f * static_cast<float>(k);
        const float pressure = 100.0f + 20.0f * static_cast<float>(k);
        draw(5.0f, temperature, pressure, "gas_apparatus_lenses.png");
        // Thermometer: no grey ink within 2.5 pixels inside the circle about
        // (258, 110), its walls (x 238 and 278) aside.
        std::int32_t near_circle = 0;
        for (std::int32_t y = 70; y <= 150; ++y) {
            for (std::int32_t x = 218; x <= 298; ++x) {
                const double r = std::hypot(x - 258, y - 110);
                near_circle += r >= 37.5 && r < 39.5 && x != 238 && x != 278 && pixel(x, y) == outline_colour;
            }
        }
        EXPECT_EQ(near_circle, 0) << temperature;
        // Manometer: the digits stand in columns 16 to 27 of the square,
        // rows 3 to 27; the two pixels around them are the panel's.
        for (const std::int32_t x : {left_lens_x, right_lens_x}) {
            const std::int32_t clear = count(x + 14, lens_y + 1, x + 15, lens_y + 29, apparatus_panel_colour) +
                                       count(x + 28, lens_y + 1, x + 29, lens_y + 29, apparatus_panel_colour) +
                                       count(x + 16, lens_y + 1, x + 27, lens_y + 2, apparatus_panel_colour) +
                                       count(x + 16, lens_y + 28, x + 27, lens_y + 29, apparatus_panel_colour);
            EXPECT_EQ(clear, 2 * 2 * 29 + 2 * 2 * 12) << pressure << " " << x;
        }
    }
}

}  // namespace
