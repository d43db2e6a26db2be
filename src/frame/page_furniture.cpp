#include "frame/page_furniture.h"

#include <cstdlib>
#include <string>

#include "frame/app_state.h"
#include "frame/scheme_colours.h"
#include "text/fitting_font.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

struct SidePanelState {
    std::int32_t highlighted = 0;
};
SidePanelState side_panel_state;

// A band fading from nearly white at its edges to the panel colour at its
// middle; m runs 0 .. 10 .. 0 across the band.
std::int32_t faded_panel_colour(std::int32_t m)
{
    const QwRgb c = qw_split_rgb(scheme_panel_colour());
    const auto fade = [m](std::int32_t v) { return ((10 - m) * 250 + 3 * m * v) / (2 * m + 10); };
    return qw_rgb(fade(c.red), fade(c.green), fade(c.blue));
}

void draw_entry_label(std::int32_t e, std::string_view colour)
{
    const SidePanelEntry& entry = chapter_index.side_panel[e];
    fill_box(qw_get_pixel_rgb(13, entry.top + 1), 12, entry.top, 130, entry.top + 13);
    draw_entry_title(entry.top, colour, entry.title);
}

void draw_glyph_button(std::int32_t glyph_x, char glyph, std::int32_t shaft_x1, std::int32_t shaft_x2)
{
    const std::string shadow = std::string("@T8@@c005500@") + glyph;
    const std::string face = std::string("@T8@@cFFFFFF@") + glyph;
    draw_markup_text(glyph_x + 2, 320, shadow);
    if (shaft_x1 > 0) fill_box(qw_rgb(0, 0x55, 0), shaft_x1 + 2, 328, shaft_x2 + 2, 330);
    draw_markup_text(glyph_x, 318, face);
    if (shaft_x1 > 0) fill_box(qw_rgb(255, 255, 255), shaft_x1, 326, shaft_x2, 328);
}

}  // namespace

void draw_side_panel(SidePanel which)
{
    const std::int32_t top = which == SidePanel::chapter ? 10 : 200;
    fill_box(scheme_panel_colour(), 10, top, 132, top + 20);
    if (which == SidePanel::chapter) {
        for (std::int32_t t = 0; t <= 20; t += 2)
            fill_box(faded_panel_colour(10 - std::abs(t - 10)), 10, 10 + t, 132, 11 + t);
        qw_set_color_rgb(scheme_title_colour());
        if (app_state.current_chapter == 9) {
            draw_markup_text(25, 13, "@T4@Problemi finali");
        } else {
            draw_markup_text(36, 13, "@T4@Capitolo " + std::to_string(app_state.current_chapter));
        }
        fill_box(scheme_frame_colour(), 10, 10, 132, 11);
    } else {
        for (std::int32_t e = 0; e <= 20; ++e)
            fill_box(faded_panel_colour(10 - std::abs(e - 10)), 10, 200 + e, 132, 200 + e);
        qw_set_color_rgb(scheme_title_colour());
        draw_markup_text(32, 203, "@T4@Navigazione");
    }
}

void draw_entry_title(std::int32_t top, std::string_view colour, std::string_view title)
{
    constexpr std::int32_t left = 16;
    constexpr std::int32_t panel_right = 130;
    const std::string font = font_to_fit(2, title, left, panel_right);
    draw_markup_text(left, top, font + std::string(colour) + std::string(title));
}

std::string font_to_fit(std::int32_t n, std::string_view text, std::int32_t x, std::int32_t x_right)
{
    return fitting_font(n,
                        [&](const SizedFont& f) {
                            return measure_markup_text(x, 2000, f.code + std::string(text)).x <= x_right;
                        })
        .code;
}

void draw_page_button(std::int32_t n)
{
    if (side_panel_state.highlighted > 0) draw_entry_label(side_panel_state.highlighted, "@C2@");
    if (n > 0 && n <= side_panel_entries) draw_entry_label(n, "@C4@");
    side_panel_state.highlighted = n > 0 && n <= side_panel_entries ? n : 0;
}

void draw_button_bar(std::int32_t state)
{
    for (std::int32_t i = 1; i <= chapter_index.section_count; ++i) draw_page_button(i);
    for (std::int32_t i = 16; i <= 20; ++i) draw_page_button(i);
    draw_page_button(0);
    if (state != 0) draw_page_button(state);
}

void draw_nav_buttons(std::int32_t k, std::int32_t colour)
{
    const std::int32_t black = qw_rgb(0, 0, 0);
    switch (k) {
    case 1:
        fill_box(colour, 578, 318, 598, 335);
        fill_box(qw_rgb(130, 130, 130), 580, 320, 596, 334);
        outline_box(black, 580, 320, 596, 334);
        fill_box(colour, 583, 321, 593, 328);
        outline_box(black, 583, 321, 593, 328);
        fill_box(black, 584, 330, 589, 333);
        outline_box(black, 590, 330, 593, 333);
        fill_box(qw_rgb(200, 200, 200), 590, 331, 592, 332);
        qw_rectangle(QwControl::filled, 594, 321, 595, 322);
        break;
    case 2:
        fill_box(colour, 554, 318, 574, 335);
        draw_glyph_button(558, 'R', 0, 0);
        break;
    case 3:
        fill_box(colour, 530, 318, 553, 335);
        fill_box(black, 535, 322, 551, 332);
        fill_box(qw_rgb(0, 180, 0), 533, 320, 549, 330);
        fill_box(qw_rgb(160, 160, 160), 534, 321, 548, 324);
        fill_box(qw_rgb(210, 210, 210), 534, 325, 548, 329);
        break;
    case 4:
        fill_box(colour, 510, 318, 529, 335);
        draw_glyph_button(517, '>', 512, 523);
        break;
    case 5:
        fill_box(colour, 490, 318, 509, 335);
        draw_glyph_button(491, '<', 495, 505);
        break;
    default: break;
    }
}
