#include "simulations/gas_laws/gas_apparatus.h"

#include <string>
#include <string_view>

#include "numbers/formatted_conversions.h"
#include "simulations/gas_laws/gas_strokes.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

// The mercury's columns inside the glass of the two limbs, and the rows of
// the U bottom, for a tube whose flask axis is x0.
struct Limbs {
    std::int32_t left1, left2, right1, right2, bottom1, bottom2;
};
Limbs limbs(std::int32_t x0, std::int32_t width)
{
    const std::int32_t half = width / 2;
    return {x0 - width - half + 102, x0 - half + 98, x0 - half + 122, x0 - half + width + 118, 262, 258 + width};
}

}  // namespace

void draw_manometer_tube(std::int32_t x0, std::int32_t y0, std::int32_t width)
{
    const std::int32_t hw = width / 2;
    const std::int32_t left_limb = x0 - hw + 100, right_limb = x0 - hw + 120;
    polyline(outline_colour,
             {{x0 - hw, y0}, {x0 - hw, 60}, {left_limb, 60}, {left_limb, 260}, {right_limb, 260}, {right_limb, 60}});
    polyline(outline_colour, {{x0 + hw, y0},
                              {x0 + hw, 60 + width},
                              {left_limb - width, 60 + width},
                              {left_limb - width, 260 + width},
                              {right_limb + width, 260 + width},
                              {right_limb + width, 60}});
    polyline(highlight_colour, {{x0 - hw + 1, y0},
                                {x0 - hw + 1, 61},
                                {left_limb - 1, 61},
                                {left_limb - 1, 261},
                                {right_limb + 1, 261},
                                {right_limb + 1, 60}});
    polyline(highlight_colour, {{x0 + hw - 1, y0},
                                {x0 + hw - 1, 59 + width},
                                {left_limb - width + 1, 59 + width},
                                {left_limb - width + 1, 259 + width},
                                {right_limb + width - 1, 259 + width},
                                {right_limb + width - 1, 60}});
    fill_box(gas_colour, x0 - hw + 2, 62, x0 + hw - 2, y0 - 1);
    fill_box(gas_colour, x0 - hw + 2, 62, left_limb - 2, 58 + width);
    fill_box(gas_colour, left_limb - width + 2, 62, left_limb - 2, 258);
}

void draw_mercury_column(std::int32_t x0, std::int32_t width, float excess)
{
    const Limbs l = limbs(x0, width);
    const std::int32_t k = mercury_shift(excess);
    fill_box(mercury_colour, l.left1, l.bottom1, l.right2, l.bottom2);
    fill_box(mercury_colour, l.left1, mercury_rest_y + k, l.left2, l.bottom2);
    fill_box(mercury_colour, l.right1, mercury_rest_y - k, l.right2, l.bottom2);
}

void move_mercury_column(std::int32_t x0, std::int32_t width, float old_excess, float new_excess,
                         std::int32_t panel_colour)
{
    if (old_excess == new_excess) return;
    const Limbs l = limbs(x0, width);
    const std::int32_t k_old = mercury_shift(old_excess), k_new = mercury_shift(new_excess);
    const bool rising = old_excess < new_excess;
    fill_box(rising ? gas_colour : mercury_colour, l.left1, mercury_rest_y + k_old, l.left2, mercury_rest_y + k_new);
    fill_box(rising ? mercury_colour : panel_colour, l.right1, mercury_rest_y - k_old, l.right2,
             mercury_rest_y - k_new);
}

void draw_manometer_scale()
{
    // 2.5 pixels a centimetre, 0 cm at y 263.
    for (std::int32_t y = 263; y >= 63; y -= 5) stroke(scale_colour, 311, y, 322, y);
    for (std::int32_t y = 263, cm = 0; y >= 63; y -= 25, cm += 10) {
        stroke(scale_colour, 309, y, 324, y);
        stroke(scale_colour, 335, y, 340, y);
        draw_markup_text(330, y - 8, "@T1@" + format_i(cm, 5));
    }
    draw_markup_text(358, 130, "@T1@cm");
}

void draw_manometer_lens(float pressure, std::int32_t panel_colour, ManometerLens which)
{
    if (which == ManometerLens::both_blank) {
        for (const std::int32_t x : {left_lens_x, right_lens_x}) {
            fill_box(0xEEDDDD, x, lens_y, x + 30, lens_y + 30);
            outline_box(scale_colour, x, lens_y, x + 30, lens_y + 30);
        }
        return;
    }
    const bool left = which == ManometerLens::left;
    const std::int32_t x = left ? left_lens_x : right_lens_x, y = lens_y;
    fill_box(panel_colour, x, y, x + 30, y + 30);
    outline_box(scale_colour, x, y, x + 30, y + 30);
    // Centimetres read on each limb: their difference in millimetres is the
    // excess pressure in torr.
    const float reading = 40.0f + (left ? -0.05f : 0.05f) * (pressure - atmospheric_pressure);
    const auto whole = static_cast<std::int32_t>(reading);
    const float fraction = reading - static_cast<float>(whole);
    const auto level = static_cast<std::int32_t>(static_cast<float>(y + 25) - 20.0f * fraction);

    stroke(outline_colour, x + 2, y + 1, x + 2, y + 29);
    stroke(outline_colour, x + 8, y + 1, x + 8, y + 29);
    stroke(highlight_colour, x + 3, y + 1, x + 3, y + 29);
    stroke(highlight_colour, x + 7, y + 1, x + 7, y + 29);
    // The digits beside the whole centimetres' ticks, small enough to stand
    // two pixels clear of the ticks and of the square's border.
    for (std::int32_t t = y + 27; t >= y + 3; t -= 2) stroke(scale_colour, x + 8, t, x + 11, t);
    stroke(scale_colour, x + 8, y + 25, x + 13, y + 25);
    stroke(scale_colour, x + 8, y + 5, x + 13, y + 5);
    stroke(scale_colour, x + 8, y + 15, x + 12, y + 15);
    qw_set_color_rgb(scale_colour);
    constexpr std::string_view digits_font = "@t'Arial'h12b@";
    draw_markup_text(x + 7, y + 18, std::string(digits_font) + format_i(whole, 5));
    draw_markup_text(x + 7, y + 1, std::string(digits_font) + format_i(whole + 1, 5));
    fill_box(left ? gas_colour : panel_colour, x + 4, y + 1, x + 6, y + 29);
    fill_box(mercury_colour, x + 4, level, x + 6, y + 29);
}
