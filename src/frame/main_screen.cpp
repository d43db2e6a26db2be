#include "frame/main_screen.h"

#include <array>

#include "frame/app_state.h"
#include "frame/page_furniture.h"
#include "frame/scheme_colours.h"
#include "frame/status_header.h"
#include "text/paint.h"

namespace {

struct CommandEntry {
    std::int32_t top, bottom;
    const char* title;
};

constexpr std::array<CommandEntry, 5> command_entries = {{
    {230, 244, "Problema precedente"},
    {247, 261, "Problema successivo"},
    {264, 278, "Problema a caso"},
    {281, 295, "Modifica i dati"},
    {298, 312, "Mostra i risultati"},
}};

}  // namespace

void draw_main_screen()
{
    fill_scheme_tables();
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

    for (std::size_t i = 0; i < command_entries.size(); ++i) {
        SidePanelEntry& entry = chapter_index.side_panel[16 + i];
        entry.top = command_entries[i].top;
        entry.bottom = command_entries[i].bottom;
        entry.title = command_entries[i].title;
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
