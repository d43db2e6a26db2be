#include "simulations/gas_laws/gas_apparatus.h"

#include <string>

#include "numbers/formatted_conversions.h"
#include "simulations/gas_laws/gas_strokes.h"
#include "text/markup_text.h"
#include "text/paint.h"

void draw_thermometer_lens(float temperature, std::int32_t panel_colour)
{
    const auto whole = static_cast<std::int32_t>(temperature);
    const float fraction = temperature - static_cast<float>(whole);
    // 40 pixels a degree above the tick of the whole degree at y 120.
    const auto top = static_cast<std::int32_t>(110.0f - 40.0f * fraction);

    fill_ellipse(panel_colour, 218, 70, 298, 150);
    qw_set_clip_region(238, 72, 287, 150);
    fill_box(0xCCCCFF, 243, 72, 273, 148);
    fill_box(0xCCCCFF, 240, 73, 243, 147);
    fill_box(0xCCCCFF, 274, 73, 276, 147);
    stroke(0xCCCCFF, 264, 149, 273, 149);
    qw_set_clip_region(0, 0, 1600, 1600);

    qw_set_color_rgb(outline_colour);
    qw_ellipse(QwControl::outline, 218, 70, 298, 150);
    qw_set_color_rgb(highlight_colour);
    qw_ellipse(QwControl::outline, 218, 70, 298, 150);
    stroke(outline_colour, 238, 75, 238, 145);
    stroke(outline_colour, 278, 75, 278, 145);
    stroke(highlight_colour, 239, 75, 239, 145);
    stroke(highlight_colour, 277, 75, 277, 145);

    // Fifths of a degree, then the two whole degrees: a tick left of the
    // column and, level with it right of the column, its label, two pixels
    // clear of the lens's circle and of every line, as is the unit.
    for (std::int32_t y = 88; y <= 144; y += 8)
        if (y != 120) stroke(highlight_colour, 243, y, 273, y);
    stroke(outline_colour, 243, 120, 255, 120);
    draw_markup_text(253, 115, "@T2@" + format_i(whole, 5));
    stroke(outline_colour, 244, 80, 255, 80);
    draw_markup_text(253, 75, "@T2@" + format_i(whole + 1, 5));
    draw_markup_text(280, 100, "@T1@@uo@C");

    fill_box(0xDDDDFF, 256, 72, 259, 148);
    fill_box(0x0000FF, 256, top + 10, 259, 148);
    stroke(highlight_colour, 256, 72, 256, 148);
    stroke(highlight_colour, 259, 72, 259, 148);
}

void draw_gas_apparatus(GasState& gas)
{
    gas.panel_colour = apparatus_panel_colour;
    fill_box(0xDD0000, 150, 12, 592, 292);
    fill_box(gas.panel_colour, 152, 14, 590, 290);
    fill_box(0xDDBBAA, 152, 14, 590, 31);
    draw_markup_text(300, 16, "@T4@@cDD0000@Leggi dei gas");

    draw_manometer_scale();
    draw_manometer_tube(flask_axis_x, dome_top_y, tube_width);
    draw_gas_flask(gas, flask_axis_x, dome_top_y, gas.volume, outline_colour);
    draw_thermometer_lens(gas.temperature, gas.panel_colour);
    // Where the tube enters the dome.
    fill_box(gas.panel_colour, 209, 148, 211, 152);
    stroke(highlight_colour, 209, 150, 211, 150);
    stroke(highlight_colour, 209, 151, 211, 151);

    draw_mercury_column(flask_axis_x, tube_width, gas.pressure - atmospheric_pressure);
    draw_manometer_lens(gas.pressure, gas.panel_colour, ManometerLens::left);
    draw_manometer_lens(gas.pressure, gas.panel_colour, ManometerLens::right);
}
