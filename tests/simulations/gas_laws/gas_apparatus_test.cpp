// The apparatus' geometry, read back from the recording canvas: mercury
// levels, thermometer column, flask proportions and volume label.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/graphics.h"
#include "simulations/gas_laws/gas_apparatus.h"
#include "support/drawing_fixture.h"

namespace {

class GasApparatus : public testing_support::DrawingTest {
protected:
    GasState drawn(float volume, float temperature, float pressure)
    {
        GasState gas;
        gas.volume = volume;
        gas.temperature = temperature;
        gas.pressure = pressure;
        draw_gas_apparatus(gas);
        return gas;
    }
    bool drew_text(const std::string& text) const
    {
        const auto lines = backend.log_lines("text");
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.find('"' + text + '"') != std::string::npos; });
    }
};

// The top row of mercury in a limb's middle column: mercury there, the
// colour above it just over.
void expect_mercury_top(std::int32_t x, std::int32_t row, std::int32_t above)
{
    EXPECT_EQ(qw_get_pixel_rgb(x, row), mercury_colour) << "x " << x << " row " << row;
    EXPECT_EQ(qw_get_pixel_rgb(x, row - 1), above) << "x " << x << " row " << row - 1;
}

TEST_F(GasApparatus, MercuryLevelsFollowTheExcessPressure)
{
    struct Case {
        float pressure;
        std::int32_t left_row, right_row;
    };
    for (const Case c : {Case{1300.0f, 229, 95}, Case{200.0f, 92, 232}, Case{760.0f, 162, 162}}) {
        SCOPED_TRACE(c.pressure);
        drawn(10.0f, 25.0f, c.pressure);
        expect_mercury_top(304, c.left_row, gas_colour);
        expect_mercury_top(330, c.right_row, apparatus_panel_colour);
    }
}

TEST_F(GasApparatus, ThermometerColumnEndsFortyPixelsADegreeAboveTheWholeDegree)
{
    struct Case {
        float temperature;
        std::int32_t top;
        const char* below;
        const char* above;
    };
    for (const Case c :
         {Case{25.0f, 120, "   25", "   26"}, Case{25.5f, 100, "   25", "   26"}, Case{9.99f, 80, "    9", "   10"}}) {
        SCOPED_TRACE(c.temperature);
        backend.clear_log();
        drawn(10.0f, c.temperature, 760.0f);
        EXPECT_EQ(qw_get_pixel_rgb(257, c.top), 0x0000FF);
        EXPECT_EQ(qw_get_pixel_rgb(257, c.top - 1), 0xDDDDFF);
        EXPECT_TRUE(drew_text(c.below));
        EXPECT_TRUE(drew_text(c.above));
    }
}

TEST_F(GasApparatus, FlaskGrowsWithTheCubeRootOfTheVolume)
{
    struct Case {
        float volume;
        std::int32_t radius, neck, centre_y;
        const char* label;
    };
    for (const Case c :
         {Case{10.0f, 50, 25, 235, "10.0 L"}, Case{2.0f, 29, 14, 198, "2.0 L"}, Case{2.5f, 31, 15, 202, "2.5 L"}}) {
        SCOPED_TRACE(c.volume);
        backend.clear_log();
        const FlaskGeometry g = flask_geometry(dome_top_y, c.volume);
        EXPECT_EQ(g.radius, c.radius);
        EXPECT_EQ(g.neck_height, c.neck);
        EXPECT_EQ(g.centre_y, c.centre_y);
        const GasState gas = drawn(c.volume, 25.0f, 760.0f);
        EXPECT_EQ(gas.flask_centre_y, c.centre_y);
        EXPECT_EQ(gas.flask_radius, c.radius);
        // The bulb's outline at its bottom, the gas just inside its highlight.
        EXPECT_EQ(qw_get_pixel_rgb(flask_axis_x, c.centre_y + c.radius), outline_colour);
        EXPECT_EQ(qw_get_pixel_rgb(flask_axis_x, c.centre_y + c.radius - 2), gas_colour);
        EXPECT_TRUE(drew_text(c.label));
    }
}

TEST_F(GasApparatus, MovingTheMercuryRepaintsOnlyTheBandsBetweenTheLevels)
{
    drawn(10.0f, 25.0f, 760.0f);
    move_mercury_column(flask_axis_x, tube_width, 0.0f, 80.0f, apparatus_panel_colour);
    expect_mercury_top(330, 152, apparatus_panel_colour);   // right limb up by 10
    EXPECT_EQ(qw_get_pixel_rgb(304, 172), gas_colour);      // left limb down to row 172 ...
    EXPECT_EQ(qw_get_pixel_rgb(304, 173), mercury_colour);  // ... the band's ends included
    move_mercury_column(flask_axis_x, tube_width, 0.0f, -80.0f, apparatus_panel_colour);
    expect_mercury_top(304, 152, gas_colour);
    EXPECT_EQ(qw_get_pixel_rgb(330, 172), apparatus_panel_colour);
    backend.clear_log();
    move_mercury_column(flask_axis_x, tube_width, 40.0f, 40.0f, apparatus_panel_colour);
    EXPECT_TRUE(backend.log().empty());
}

}  // namespace
