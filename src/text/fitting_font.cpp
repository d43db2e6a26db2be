#include "text/fitting_font.h"

#include <optional>

#include "platform/font_options.h"
#include "text/fonts_colours.h"

SizedFont fitting_font(std::int32_t n, const std::function<bool(const SizedFont&)>& fits)
{
    if (n < 1 || n > font_table_size) return {};
    std::optional<platform::FontRequest> request = platform::parse_font_options(font_table.option[n]);
    if (!request) return {};
    SizedFont font{"@T" + std::to_string(n) + "@", request->cell_height};
    while (font.cell > smallest_fitting_cell && !fits(font)) {
        request->cell_height = --font.cell;
        ++font.shrunk;
        font.code = "@" + platform::font_options_text(*request) + "@";
    }
    return font;
}
