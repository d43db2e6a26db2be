#include "simulations/equilibrium/equilibrium_drawing.h"

#include <array>
#include <cmath>

#include "platform/graphics.h"
#include "text/markup_text.h"
#include "text/paint.h"
#include "text/pixel_math.h"

namespace {

constexpr std::int32_t bar_left = 410;
// Top rows of the A, B and C bars; each is 6 px high.
constexpr std::array<std::int32_t, 3> bar_top{193, 213, 233};

std::int32_t count_of(const EquilibriumModel& m, std::size_t s)
{
    return s == 0 ? m.count_a : s == 1 ? m.count_b : m.count_c;
}

void draw_flashes(EquilibriumModel& m)
{
    for (ReactionFlash& flash : m.flashes) {
        const std::int32_t c = flash.frames_left;
        if (c == 0) continue;
        const std::int32_t radius = 2 * (15 - c);
        // Yellow as it grows, darkening over its last three frames.
        const std::int32_t colour = c <= 3 ? qw_rgb(18 * c + 111, 18 * c + 111, 25 * c) : 0xAAFFFF;
        const std::int32_t cx = truncate_to_pixel(flash.x), cy = truncate_to_pixel(flash.y);
        fill_ellipse(colour, cx - radius, cy - radius, cx + radius, cy + radius);
        flash.frames_left = c - 1;
    }
}

}  // namespace

void update_reaction_flashes(EquilibriumModel& m, std::int32_t mode, float x, float y)
{
    if (mode == flash_start) {
        for (ReactionFlash& flash : m.flashes) {
            if (flash.frames_left != 0) continue;
            flash = {8, x, y};
            return;
        }
    } else if (mode == flash_draw) {
        draw_flashes(m);
    } else if (mode == flash_clear) {
        for (ReactionFlash& flash : m.flashes) flash.frames_left = 0;
    }
}

void draw_particle_box(EquilibriumModel& m)
{
    fill_box(0x663333, 180, 50, 380, 250);
    qw_set_clip_region(180, 50, 380, 250);
    update_reaction_flashes(m, flash_draw);
    for (std::int32_t k = 0; k < m.particle_count; ++k) {
        const std::int32_t tx = truncate_to_pixel(m.x[k]), ty = truncate_to_pixel(m.y[k]);
        fill_ellipse(species_colour[m.species[k]], tx - 4, ty - 4, tx + 4, ty + 4);
    }
    qw_set_clip_region(0, 0, 1600, 1600);
}

std::int32_t bar_width(std::int32_t count, std::int32_t n)
{
    const float scale = n <= 120 ? 1.4166f : 0.7083f;
    return static_cast<std::int32_t>(std::lround(static_cast<float>(count) * scale));
}

void draw_concentration_bars(EquilibriumModel& m, std::int32_t mode)
{
    for (std::size_t s = 0; s < 3; ++s) {
        const std::int32_t w = bar_width(count_of(m, s), m.particle_count);
        const std::int32_t last = m.bar_widths[s];
        const std::int32_t y1 = bar_top[s], y2 = bar_top[s] + 5;
        const std::int32_t colour = species_colour[s + 1];
        if (mode == bars_redraw) {
            fill_box(m.box_colour, bar_left, y1, 580, y2);
            fill_box(colour, bar_left, y1, bar_left + w, y2);
        } else if (w > last) {
            fill_box(colour, bar_left + last, y1, bar_left + w, y2);
        } else if (w < last) {
            fill_box(m.box_colour, bar_left + w, y1, bar_left + last, y2);
        }
        m.bar_widths[s] = w;
    }
}

void draw_concentration_panel(const EquilibriumModel& m)
{
    fill_box(0x777777, 403, 158, 587, 262);
    fill_box(0xBBBBBB, 405, 160, 585, 260);
    fill_box(0xFFCCCC, 405, 160, 585, 180);
    draw_side_box_title("@T4@@c555555@Concentrazioni (mol/L)");
    for (const std::int32_t top : bar_top) {
        outline_box(0x777777, 408, top - 2, 582, top + 7);
        // 15 intervals of 11.333333 px over the 170 px of a bar.
        for (std::int32_t k = 1; k <= 14; ++k) {
            const auto n = static_cast<std::int32_t>(std::lround(k * 11.333333));
            qw_move_to(bar_left + n, top + 7);
            qw_line_to(bar_left + n, top + 12);
        }
    }
    if (m.particle_count <= 120) {
        draw_markup_text(458, 246, "@T2@@C1@0.05");
        draw_markup_text(518, 246, "@T2@@C1@0.1");
    } else {
        draw_markup_text(461, 246, "@T2@@C1@0.1");
        draw_markup_text(518, 246, "@T2@@C1@0.2");
    }
}

void draw_side_box_title(std::string_view title)
{
    constexpr std::int32_t box_left = 405;
    constexpr std::int32_t box_right = 585;
    draw_markup_text((box_left + box_right + 1 - markup_line_width(title)) / 2, 162, title);
}
