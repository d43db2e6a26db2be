#include "frame/scheme_colours.h"

#include <array>

#include "frame/app_state.h"
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

std::int32_t current_scheme()
{
    const std::int32_t s = screen_settings.background_scheme;
    return s >= 1 && s <= 5 ? s : 1;
}

}  // namespace

void fill_scheme_tables()
{
    for (std::size_t i = 0; i < schemes.size(); ++i) {
        screen_settings.scheme_page_colour[i + 1] = schemes[i].page;
        screen_settings.scheme_panel_colour[i + 1] = schemes[i].panel;
        screen_settings.scheme_frame_colour[i + 1] = schemes[i].frame;
        screen_settings.scheme_title_colour[i + 1] = schemes[i].title;
    }
}

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
