#include "simulations/gas_laws/gas_apparatus.h"

#include <cmath>
#include <string>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "simulations/gas_laws/gas_strokes.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

// Pixel positions computed from the neck's half width are truncated reals.
std::int32_t px(float value)
{
    return static_cast<std::int32_t>(value);
}

// The upper half of the outline inscribed in the box, down to the row of
// its end points: the arc from the right end anticlockwise to the left.
void upper_arc(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
               std::int32_t ends_y)
{
    qw_set_clip_region(x1, y1, x2, ends_y);
    qw_set_color_rgb(colour);
    qw_ellipse(QwControl::outline, x1, y1, x2, y2);
    qw_set_clip_region(0, 0, 1600, 1600);
}

}  // namespace

FlaskGeometry flask_geometry(std::int32_t dome_top, float volume)
{
    FlaskGeometry g;
    const float s = std::pow(0.1f * volume, 0.333f);
    g.neck_width = 20.0f * s;
    g.half_neck = g.neck_width / 2.0f;
    g.neck_height = px(25.0f * s);
    g.radius = px(50.0f * s);
    g.narrow_neck = px(0.6f * static_cast<float>(g.neck_height));
    g.centre_y = px(static_cast<float>(dome_top + g.radius + g.neck_height) + g.half_neck);
    return g;
}

void draw_gas_flask(GasState& gas, std::int32_t x0, std::int32_t y0, float volume, std::int32_t outline)
{
    const FlaskGeometry g = flask_geometry(y0, volume);
    const std::int32_t r = g.radius, a = g.neck_height, b = g.narrow_neck, cy = g.centre_y;
    const float x = static_cast<float>(x0), h = g.half_neck;
    gas.flask_x = x0;
    gas.flask_centre_y = cy;
    gas.flask_radius = r;
    const std::int32_t left = px(x - h), right = px(x + h);
    const std::int32_t neck_foot = cy - r, neck_top = cy - r - a, narrow_top = cy - r - b;
    const std::int32_t dome_bottom = px(static_cast<float>(y0) + g.neck_width);
    const std::int32_t dome_ends = px(static_cast<float>(y0) + h);

    // Thermometer: bulb and column beside the bulb, inside the thermostat.
    fill_ellipse(0x6666FF, x0 + r + 5, cy - 20, x0 + r + 10, cy - 12);
    qw_set_color_rgb(highlight_colour);
    qw_ellipse(QwControl::outline, x0 + r + 5, cy - 20, x0 + r + 10, cy - 12);
    fill_box(thermometer_colour, x0 + r + 6, 100, x0 + r + 9, cy - 20);
    outline_box(highlight_colour, x0 + r + 6, 100, x0 + r + 9, cy - 20);

    fill_ellipse(gas_colour, x0 - r, cy - r, x0 + r, cy + r);
    qw_set_color_rgb(outline);
    qw_ellipse(QwControl::outline, x0 - r, cy - r, x0 + r, cy + r);
    polyline(outline, {{left, neck_foot},
                       {left, narrow_top},
                       {px(x - h - 2), narrow_top},
                       {px(x - h - 2), neck_top},
                       {px(x + h + 2), neck_top},
                       {px(x + h + 2), narrow_top},
                       {right, narrow_top},
                       {right, neck_foot}});
    upper_arc(outline, px(x - h - 1), y0, px(x + h + 1), dome_bottom, dome_ends);
    // The dome's inside, narrower towards its top.
    for (std::int32_t y = neck_top - 1, k = 0; y >= y0 + 3; --y, ++k) {
        const float inset = k < 3 ? 2.0f : 3.0f;
        stroke(gas_colour, px(x - h + inset), y, px(x + h - inset), y);
    }

    qw_set_color_rgb(highlight_colour);
    qw_ellipse(QwControl::outline, x0 - r + 1, cy - r + 1, x0 + r - 1, cy + r - 1);
    polyline(highlight_colour, {{px(x - h + 1), neck_foot},
                                {px(x - h + 1), narrow_top - 1},
                                {px(x - h - 1), narrow_top - 1},
                                {px(x - h - 1), neck_top + 1},
                                {px(x + h + 1), neck_top + 1},
                                {px(x + h + 1), narrow_top - 1},
                                {px(x + h - 1), narrow_top - 1},
                                {px(x + h - 1), neck_foot}});
    upper_arc(highlight_colour, left, y0 + 1, right, dome_bottom - 1, dome_ends);
    stroke(highlight_colour, left, narrow_top, right, narrow_top);
    stroke(highlight_colour, left, narrow_top - 1, right, narrow_top - 1);

    fill_box(gas.panel_colour, px(x - h + 2), neck_foot - 3, px(x + h - 2), neck_foot + 1);
    stroke(highlight_colour, left, neck_foot, right, neck_foot);
    stroke(highlight_colour, left, neck_foot + 1, right, neck_foot + 1);

    qw_set_color_rgb(outline_colour);
    draw_markup_text(x0 - 15, cy - 7, "@T1@" + std::string(strip_blanks(format_f(volume, 5, 1))) + " L");

    // The clamp that holds the neck.
    const std::int32_t clamp_y = cy - r - a / 2;
    for (const std::int32_t y : {clamp_y + 2, clamp_y + 4}) {
        stroke(outline, left, y, px(x - h - 6), y);
        stroke(outline, px(x - h - 11), y, px(x - h - 16), y);
    }
    qw_set_color_rgb(outline);
    qw_ellipse(QwControl::outline, px(x - h - 11), clamp_y - 2, px(x - h - 6), clamp_y + 8);

    fill_box(gas_colour, px(x - h + 2), neck_foot - 1, px(x + h - 2), narrow_top + 1);
    outline_box(outline, x0 - r - 4, cy - r - 1, x0 + r + 20, cy + r + 3);
    outline_box(highlight_colour, x0 - r - 3, cy - r, x0 + r + 19, cy + r + 2);
}
