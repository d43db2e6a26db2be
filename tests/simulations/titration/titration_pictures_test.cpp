// The apparatus as drawn: flask surface, burette lens and column, pK mark,
// meter needle and indicator colours, including a pH that the solver could
// not find or that lies off the scale.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics.h"
#include "simulations/titration/titration_apparatus.h"
#include "simulations/titration/titration_chemistry.h"
#include "simulations/titration/titration_state.h"
#include "titration_fixture.h"

namespace titration_test {
namespace {

using TitrationPictures = TitrationDrawing;

TEST_F(TitrationPictures, FlaskSurfaceFollowsTheVolume)
{
    set_up_titration({.analyte_volume = 90.0f});
    EXPECT_EQ(flask_liquid_row(flask_fill_fraction()), 86);  // trunc(100 * 0.64^0.33)
    set_up_titration({.analyte_volume = 150.0f});
    titration_state.added_volume = burette_capacity;
    EXPECT_EQ(flask_liquid_row(flask_fill_fraction()), 58);

    // Row 97 is the bottom, at y 283 from x 180 to 219, in the indicator's
    // colour; a lower new surface erases the old liquid above it (row 58).
    titration_state.current_ph = 13.0f;
    char colour[16];
    std::snprintf(colour, sizeof colour, " 0x%06X", static_cast<unsigned>(indicator_colour(13.0f)));
    draw_ph_axes(ph_axes_liquid);
    EXPECT_TRUE(drew(std::string("line (180,283)-(219,283)") + colour));
    EXPECT_TRUE(drew(std::string("line (188,266)-(211,266)") + colour));
    EXPECT_TRUE(drawn("line (189,265)").empty());  // row 57, above the surface
    titration_state.analyte_volume = 90.0f;
    titration_state.added_volume = 0.0f;
    mark();
    draw_ph_axes(ph_axes_liquid);
    EXPECT_TRUE(drew("line (188,266)-(211,266) 0xFFEEEE"));
}

TEST_F(TitrationPictures, BuretteLensAndColumn)
{
    struct Case {
        float volume;
        std::int32_t meniscus;
        std::int32_t above, centre, below;  // -1: no mark
    };
    const Case cases[] = {
        {0.0f, 100, -1, 0, 1},
        {burette_sum(61, 0.05f), 61, 3, 4, 5},  // 3.05 mL, a hair below as a float
        {burette_capacity, 148, 49, 50, -1},
    };
    set_up_titration({});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.volume);
        titration_state.added_volume = c.volume;
        mark();
        draw_burette_lens();
        EXPECT_TRUE(drew("rect filled (253," + std::to_string(c.meniscus) + ")-(287,148) 0xFFCCCC"));
        // A mark as on a ruler: its number ending at x 269 (8 pixels a
        // digit here), its middle on the row; its line from x 273. Or no mark.
        const auto mark_at = [&](std::int32_t y, std::int32_t ml) {
            const std::string line = "line (273," + std::to_string(y) + ")-(289," + std::to_string(y) + ") 0x999999";
            if (ml < 0) return !drew(line);
            const std::string number = std::to_string(ml);
            return drew(line) && drew_text_at(270 - 8 * static_cast<std::int32_t>(number.size()), y - 8, number);
        };
        EXPECT_TRUE(mark_at(100, c.centre));
        EXPECT_TRUE(mark_at(60, c.above));
        EXPECT_TRUE(mark_at(140, c.below));
    }

    // The column: 3 pixels per mL inside y 43 to 213, its top at 55 empty and 205 at 50 mL.
    for (const auto& [volume, top] : {std::pair{0.0f, 55}, std::pair{50.0f, 205}}) {
        titration_state.added_volume = volume;
        mark();
        draw_burette_level(200, 240);
        EXPECT_TRUE(drew("rect filled (196,43)-(203,213) 0xFFEEEE"));
        EXPECT_TRUE(drew("rect filled (196," + std::to_string(top) + ")-(203,213) 0xFFCCCC")) << volume;
    }
}

TEST_F(TitrationPictures, PkMarksAndNeedle)
{
    set_up_titration({.indicator = 2});
    draw_ph_axes(0);
    EXPECT_TRUE(drew("line (160,111)-(175,111) 0xAA9988"));
    EXPECT_TRUE(drew_text_at(160, 112, "pK"));  // below its mark
    set_up_titration({.indicator = 3});
    mark();
    draw_ph_axes(0);
    // Phenol red's pK 7.8: trunc(15 pK) + 55.
    EXPECT_TRUE(drew("line (160,172)-(175,172) 0xAA9988"));
    EXPECT_TRUE(drew_text_at(160, 158, "pK"));

    // The needle, the drawn pH held to 0..14 whatever the pH.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& [ph, x] : {std::pair{7.0f, 470}, std::pair{14.0f, 540}, std::pair{20.0f, 540},
                                std::pair{-3.0f, 400}, std::pair{nan, 400}}) {
        titration_state.current_ph = ph;
        mark();
        draw_ph_meter();
        EXPECT_EQ(drawn("line (" + std::to_string(x) + ",180)-(" + std::to_string(x) + ",202) 0x0000DD").size(), 1u)
            << ph;
    }
}

// The contrast of two colours 0xBBGGRR as the eye reads it, 1 to 21.
double contrast(std::int32_t a, std::int32_t b)
{
    const auto luminance = [](std::int32_t colour) {
        double sum = 0.0;
        for (const auto& [shift, weight] : {std::pair{0, 0.2126}, std::pair{8, 0.7152}, std::pair{16, 0.0722}}) {
            const double c = ((colour >> shift) & 0xFF) / 255.0;
            sum += weight * (c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(TitrationPictures, PkLabelReadsOnEveryColourOfItsBar)
{
    // The bar's row 55 + n shows the colour at pH n / 15; the label's cell
    // is 14 rows high.
    for (std::int32_t k = 1; k <= indicator_count; ++k) {
        set_up_titration({.indicator = k});
        mark();
        draw_ph_axes(0);
        const std::vector<std::string> texts = drawn("text (160,");
        ASSERT_EQ(texts.size(), 1u) << k;
        std::int32_t y = 0;
        unsigned colour = 0;
        ASSERT_EQ(std::sscanf(texts[0].c_str(), "text (160,%d) font %*d 0x%X", &y, &colour), 2) << texts[0];
        for (std::int32_t row = y; row < y + 14; ++row) {
            const std::int32_t bar = indicator_colour(static_cast<float>(row - 55) / 15.0f);
            EXPECT_GE(contrast(static_cast<std::int32_t>(colour), bar), 4.5) << k << " row " << row;
        }
    }
}

TEST_F(TitrationPictures, IndicatorColoursAndPh)
{
    set_up_titration({.indicator = 4});
    EXPECT_EQ(indicator_colour(9.1f), qw_rgb(255, 187, 187));
    EXPECT_EQ(indicator_colour(1.0f), qw_rgb(255, 254, 254));  // truncated, never quite white
    EXPECT_EQ(indicator_colour(14.0f), qw_rgb(255, 120, 120));
    // 10^(pK - pH) beyond every real: the acid colour, never a NaN colour.
    EXPECT_EQ(indicator_colour(-400.0f), qw_rgb(255, 255, 255));
    EXPECT_EQ(indicator_colour(std::numeric_limits<float>::quiet_NaN()), qw_rgb(255, 255, 255));
    titration_state.indicator_choice = 1;
    EXPECT_EQ(indicator_colour(1.0f), qw_rgb(127, 255, 100));

    // HCl 0.02 M alone; a strong acid or base too concentrated for the
    // solver's pH 0.01 .. 14 ends at the scale's end on its own side.
    set_up_titration({.analyte = 1, .analyte_concentration = 0.02f});
    EXPECT_NEAR(compute_titration_ph(), 1.70f, 0.005f);
    set_up_titration({.analyte = 1, .analyte_concentration = 5.0f});
    EXPECT_EQ(compute_titration_ph(), 0.0f);
    set_up_titration({.analyte = 6, .analyte_concentration = 5.0f});
    EXPECT_EQ(compute_titration_ph(), 14.0f);
    titration_state.added_volume = 50.0f;
    titration_state.titrant_concentration = 100.0f;  // now the acid is in excess
    EXPECT_EQ(compute_titration_ph(), 0.0f);
}

}  // namespace
}  // namespace titration_test
