#include "frame/main_screen.h"

#include <array>

#include "frame/app_state.h"
#include "frame/page_furniture.h"
#include "frame/status_header.h"
#include "text/paint.h"

namespace {

struct SchemeColours {
    std::int32_t page, panel, frame, title;
};

// "Default", "Azzurro", "Giallo", "Verde", "Blu".
constexpr std::array<SchemeColours, 5> schemes = {{
    {qw_rgb(225, 150, 98), qw_rgb(210, 120, 80), qw_rgb(150, 175, 231), qw_rgb(0, 0, 170)},
    {qw_rgb(120, 120, 225), qw_rgb(80, 100, 255), qw_rgb(120, 150, 225), qw_rgb(238, 238, 0)},
    {qw_rgb(210, 210, 0), qw_rgb(200, 200, 0), qw_rgb(225, 170, 0), qw_rgb(0, 0, 170)},
    {qw_rgb(70, 200, 70), qw_rgb(70, 150, 70), qw_rgb(120, 200, 120), qw_rgb(238, 238, 0)},
    {qw_rgb(80, 80, 255), qw_rgb(50, 80, 225), qw_rgb(150, 175, 231), qw_rgb(238, 238, 238)},
}};

struct CommandEntry {
    std::int32_t top, bottom;
    const char* title;
};

constexpr std::array<CommandEntry, 5> page_commands = {{
    {230, 244, "Problema precedente"},
    {247, 261, "Problema successivo"},
    {264, 278, "Problema a caso"},
    {281, 295, "Modifica i dati"},
    {298, 312, "Mostra i risultati"},
}};

std::int32_t current_scheme()
{
    const std::int32_t s = screen_settings.background_scheme;
    return s >= 1 && s <= 5 ? s : 1;
}

}  // namespace

std::int32_t scheme_page_colour()
{
    return screen_settings.scheme_page_colour[current_scheme()];
}
std::int32_t scheme_panel_colour()
{
    return screen_settings.scheme_panel_colour[current_scheme()];
}
std::int32_t scheme_frame_colour()
{
    return screen_settings.scheme_frame_colour[current_scheme()];
}
std::int32_t scheme_title_colour()
{
    return screen_settings.scheme_title_colour[current_scheme()];
}

void draw_main_screen()
{
    for (std::size_t i = 0; i < schemes.size(); ++i) {
        screen_settings.scheme_page_colour[i + 1] = schemes[i].page;
        screen_settings.scheme_panel_colour[i + 1] = schemes[i].panel;
        screen_settings.scheme_frame_colour[i + 1] = schemes[i].frame;
        screen_settings.scheme_title_colour[i + 1] = schemes[i].title;
    }
    const std::int32_t frame = scheme_frame_colour();
    fill_box(qw_rgb(150, 150, 150), 0, 0, 1000, 1000);
    fill_box(scheme_page_colour(), 148, 7, 595, 309);
    outline_box(page_border_colour, 148, 7, 595, 309);
    fill_box(frame, 0, 2, 140, 325);
    qw_rectangle(QwControl::filled, 141, 317, 602, 325);
    fill_box(panel_ground_colour, 10, 10, 132, 316);
    fill_box(page_border_colour, 141, 2, 143, 317);
    qw_rectangle(QwControl::filled, 141, 316, 602, 317);
    fill_box(frame, 0, 318, 602, 400);

    for (std::size_t i = 0; i < page_commands.size(); ++i) {
        SidePanelEntry& entry = chapter_index.side_panel[16 + i];
        entry.top = page_commands[i].top;
        entry.bottom = page_commands[i].bottom;
        entry.title = page_commands[i].title;
    }
    draw_side_panel(SidePanel::chapter);
    draw_side_panel(SidePanel::navigation);
    for (std::int32_t k = 1; k <= 5; ++k) draw_nav_buttons(k, frame);
    fill_box(qw_rgb(0, 0, 170), 489, 318, 489, 337);
    fill_box(qw_rgb(255, 255, 255), 488, 318, 488, 337);

    // The bottom band has just been painted over: the header must be drawn
    // again even when its key has not changed.
    forget_status_header();
}
