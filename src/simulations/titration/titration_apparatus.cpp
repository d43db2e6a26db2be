#include "simulations/titration/titration_apparatus.h"

#include <array>
#include <cmath>
#include <span>
#include <string>

#include "platform/graphics.h"
#include "simulations/titration/titration_chemistry.h"
#include "simulations/titration/titration_state.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

constexpr std::int32_t glass_colour = 0x999999;
constexpr std::int32_t inner_glass_colour = 0xCCCCCC;
constexpr std::int32_t scale_colour = 0xAA9988;
// Dark on every colour the indicator bar takes, its reds included.
constexpr std::int32_t pk_label_colour = 0x000000;
constexpr std::int32_t needle_colour = 0x0000DD;

// The flask's bottom row; the liquid's rows run from it up to its surface.
constexpr std::int32_t flask_bottom_row = 97;

struct Offset {
    std::int32_t dx, dy;
};

// Outlines as pixel offsets from the flask's neck (the burette's tip).
constexpr std::array<Offset, 7> flask_outer{{{-7, 0}, {-6, 11}, {-23, 44}, {22, 44}, {5, 11}, {6, 0}, {-7, 0}}};
constexpr std::array<Offset, 7> flask_inner{{{-6, 0}, {-5, 11}, {-21, 43}, {20, 43}, {3, 11}, {5, 0}, {-7, 0}}};
constexpr std::array<Offset, 2> flask_shoulder{{{-6, 11}, {5, 11}}};
constexpr std::array<Offset, 2> tip_left{{{-2, 0}, {-2, -9}}};
constexpr std::array<Offset, 2> tip_right{{{1, 0}, {1, -9}}};
constexpr std::array<Offset, 6> tube_left_and_top{{{-2, -17}, {-2, -22}, {-6, -25}, {-6, -205}, {5, -205}, {5, -25}}};
constexpr std::array<Offset, 3> tube_right_foot{{{1, -17}, {1, -22}, {5, -25}}};
constexpr std::array<Offset, 3> drip_left{{{-2, 0}, {-2, 8}, {-1, 17}}};
constexpr std::array<Offset, 3> drip_right{{{1, 0}, {1, 8}, {0, 17}}};

void draw_polyline(std::int32_t x, std::int32_t y, std::span<const Offset> points)
{
    qw_move_to(x + points[0].dx, y + points[0].dy);
    for (const Offset& p : points.subspan(1)) qw_line_to(x + p.dx, y + p.dy);
}

void draw_line(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    qw_move_to(x1, y1);
    qw_line_to(x2, y2);
}

std::int32_t truncated(double v)
{
    return static_cast<std::int32_t>(v);
}

// Flask rows j from `from` down to `to` (from >= to), each a line across
// the cone whose apex is at (x, y).
void draw_flask_rows(std::int32_t x, std::int32_t y, float scale, std::int32_t from, std::int32_t to,
                     std::int32_t colour)
{
    qw_set_color_rgb(colour);
    for (std::int32_t j = from; j >= to; --j) {
        const double half = 0.5 * scale * j;
        const std::int32_t row_y = truncated(static_cast<double>(scale) * j + y);
        draw_line(truncated(x - half + 2), row_y, truncated(x + half - 2), row_y);
    }
}

// The 50 mL graduations, 3 pixels apart, 0 mL at the top.
void draw_burette_graduations(std::int32_t x, std::int32_t y)
{
    qw_set_color_rgb(inner_glass_colour);
    for (std::int32_t k = 0; k <= 50; ++k) draw_line(x - 6, y - 185 + 3 * k, x + 5, y - 185 + 3 * k);
}

void draw_indicator_scale()
{
    outline_box(scale_colour, 158, 54, 177, 267);
    for (std::int32_t y = 70; y <= 250; y += 15) draw_line(177, y, 180, y);
    draw_markup_text(165, 41, "@T2@0");
    draw_markup_text(161, 268, "@T2@14");
    draw_markup_text(182, 153, "@T2@7");
    for (std::int32_t n = 1; n <= 210; ++n) {
        qw_set_color_rgb(indicator_colour(static_cast<float>(n) / 15.0f));
        draw_line(160, 55 + n, 175, 55 + n);
    }
}

void draw_pk_mark()
{
    const std::int32_t k = titration_state.indicator_choice;
    const std::int32_t y = truncated(15.0 * indicator_rows[k - 1].pk) + 55;
    qw_set_color_rgb(scale_colour);
    draw_line(160, y, 175, y);
    // Inside the bar, two pixels clear of its border, of the ticks and
    // their numbers, and of its mark, above it (below it for indicator 2).
    qw_set_color_rgb(pk_label_colour);
    draw_markup_text(160, k == 2 ? y + 1 : y - 14, "@T2@pK");
}

void draw_flask_liquid()
{
    TitrationState& s = titration_state;
    const std::int32_t colour = indicator_colour(drawn_ph(s.current_ph));
    const float f = flask_fill_fraction();
    const std::int32_t surface = flask_liquid_row(f);
    if (surface >= flask_bottom_row) return;
    fill_flask_liquid(200, 240, s.drawing_scale, f, colour);
    if (f < s.drawn_fill_fraction)
        draw_flask_rows(200, 240, s.drawing_scale, surface - 1, flask_liquid_row(s.drawn_fill_fraction),
                        s.panel_colour);
    s.drawn_fill_fraction = f;
}

// A whole-mL mark of the lens as on a ruler: its number on the left, its
// middle on the mark's row, and the line from beside it to the right wall,
// where the tenths are, so that no line crosses a number.
constexpr std::int32_t lens_number_right = 269;
constexpr std::int32_t lens_mark_left = 273;
constexpr std::int32_t lens_tenth_left = 281;

void draw_lens_mark(std::int32_t y, std::int32_t ml)
{
    qw_set_color_rgb(glass_colour);
    const std::string number = "@T1@" + std::to_string(ml);
    draw_markup_text(lens_number_right + 1 - markup_line_width(number), y - 8, number);
    draw_line(lens_mark_left, y, 289, y);
}

}  // namespace

void draw_titration_flask(std::int32_t x, std::int32_t y, std::int32_t colour)
{
    qw_set_color_rgb(colour);
    draw_polyline(x, y, flask_outer);
    draw_polyline(x, y, flask_shoulder);
    qw_set_color_rgb(inner_glass_colour);
    draw_polyline(x, y, flask_inner);
    draw_polyline(x, y, flask_shoulder);
}

void draw_ph_axes(std::int32_t mode)
{
    if (mode == ph_axes_scale) draw_indicator_scale();
    draw_pk_mark();
    if (mode == ph_axes_liquid) draw_flask_liquid();
}

float flask_fill_fraction()
{
    const double volume = static_cast<double>(titration_state.analyte_volume) + titration_state.added_volume;
    return static_cast<float>(volume * 0.004f);
}

std::int32_t flask_liquid_row(float fraction)
{
    return truncated(100.0 * std::pow(1.0 - fraction, static_cast<double>(0.33f)));
}

std::int32_t flask_row_y(std::int32_t j, std::int32_t y)
{
    return truncated(static_cast<double>(titration_state.drawing_scale) * j + y);
}

void fill_flask_liquid(std::int32_t x, std::int32_t y, float scale, float fraction, std::int32_t colour)
{
    const std::int32_t surface = flask_liquid_row(fraction);
    if (surface >= flask_bottom_row) return;
    draw_flask_rows(x, y, scale, flask_bottom_row, surface, colour);
}

void draw_burette_outline(std::int32_t x, std::int32_t y, std::int32_t colour)
{
    qw_set_color_rgb(colour);
    draw_polyline(x, y, tip_left);
    draw_polyline(x, y, tip_right);
    qw_rectangle(QwControl::outline, x - 8, y - 17, x + 7, y - 9);
    draw_polyline(x, y, tube_left_and_top);
    draw_polyline(x, y, tube_right_foot);
    qw_rectangle(QwControl::outline, x + 7, y - 14, x + 11, y - 12);
    qw_ellipse(QwControl::outline, x + 11, y - 18, x + 18, y - 9);
    qw_set_color_rgb(inner_glass_colour);
    draw_polyline(x, y, drip_left);
    draw_polyline(x, y, drip_right);
    draw_burette_graduations(x, y);
    fill_box(titrant_colour, x - 1, y - 9, x, y + 12);
    fill_box(titrant_colour, x - 1, y - 25, x, y - 17);
}

void draw_burette_level(std::int32_t x, std::int32_t y)
{
    const TitrationState& s = titration_state;
    const double scale = s.drawing_scale;
    const std::int32_t inside_top = truncated(y - scale * 436.0);
    const std::int32_t inside_bottom = truncated(inside_top + scale * 380.0);
    const std::int32_t per_ml = truncated(scale * 6.88);
    const std::int32_t top = truncated(inside_top + static_cast<double>(per_ml) * s.added_volume + 12.6f);
    fill_box(s.panel_colour, x - 4, inside_top, x + 3, inside_bottom);
    fill_box(titrant_colour, x - 4, top, x + 3, inside_bottom);
    fill_box(titrant_colour, x - 4, inside_bottom, x + 3, inside_bottom + 1);
    fill_box(titrant_colour, x - 3, inside_bottom + 1, x + 2, inside_bottom + 2);
    draw_burette_graduations(x, y);
}

void draw_burette_lens()
{
    const TitrationState& s = titration_state;
    const float v = s.added_volume;
    std::int32_t n = 2 * truncated(v / 2.0);
    if (v - n > 1.0 && n < 50) n += 2;
    if (n > 50) n = 50;
    const std::int32_t ym = truncated(40.0 * (static_cast<double>(v) - n + 1.0) + 60.0);

    fill_ellipse(s.panel_colour, 220, 50, 320, 150);
    qw_set_clip_region(251, ym - 5, 289, 150);
    fill_box(titrant_colour, 253, ym, 287, 148);
    qw_ellipse(QwControl::outline, 251, ym - 9, 289, ym + 1);
    draw_line(266, 149, 275, 149);
    qw_ellipse(QwControl::outline, 253, ym - 10, 287, ym);
    qw_set_clip_region(0, 0, 1600, 1600);

    for (const auto& [colour, left, right] :
         {std::array{glass_colour, 250, 290}, std::array{inner_glass_colour, 251, 289}}) {
        qw_set_color_rgb(colour);
        qw_ellipse(QwControl::outline, 220, 50, 320, 150);
        draw_line(left, 55, left, 145);
        draw_line(right, 55, right, 145);
    }

    qw_set_color_rgb(inner_glass_colour);
    if (n > 0)
        for (std::int32_t y = 96; y >= 56; y -= 4) draw_line(lens_tenth_left, y, 289, y);
    if (n < 50)
        for (std::int32_t y = 104; y <= 144; y += 4) draw_line(lens_tenth_left, y, 289, y);
    draw_lens_mark(100, n);
    if (n > 0) draw_lens_mark(60, n - 1);
    if (n < 50) draw_lens_mark(140, n + 1);
}

void draw_ph_meter()
{
    const TitrationState& s = titration_state;
    outline_box(glass_colour, 398, 178, 542, 204);
    fill_box(s.panel_colour, 400, 180, 540, 202);
    outline_box(glass_colour, 400, 180, 540, 202);
    // The "7" between its tick and the lower border, a clear row above it
    // and two below.
    for (std::int32_t k = 1; k <= 13; ++k) draw_line(400 + 10 * k, 180, 400 + 10 * k, 189);
    draw_markup_text(468, 189, "@T2@7");
    const std::int32_t x = truncated(10.0 * drawn_ph(s.current_ph) + 400.0);
    qw_set_color_rgb(needle_colour);
    draw_line(x, 180, x, 202);
}
