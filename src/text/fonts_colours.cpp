#include "text/fonts_colours.h"

#include "platform/graphics.h"

FontTable font_table;
ColourTable colour_table;
RendererState renderer_state;

namespace {

bool in_table(std::int32_t n, std::int32_t size)
{
    return n >= 1 && n <= size;
}

}  // namespace

float init_fonts_and_colours()
{
    font_table = FontTable{};
    colour_table = ColourTable{};
    font_table.option[1] = "t'Arial'h16b";  // body text
    font_table.option[2] = "t'Arial'h14b";  // subscripts and superscripts
    font_table.option[3] = "t'Arial'h24b";
    font_table.option[4] = "t'Arial'h16be";
    font_table.option[5] = "t'Arial'h16bi";   // italic symbols
    font_table.option[6] = "t'Symbol'h20bi";  // Greek letters
    font_table.option[7] = "t'Arial'h16bei";
    font_table.option[8] = "t'Arial'h18bei";
    font_table.option[9] = "t'Arial'h36be";
    font_table.option[10] = "t'Arial'h28be";
    font_table.option[11] = "t'Arial'h36bei";
    font_table.option[12] = "t'Arial'h14be";
    colour_table.colour[1] = 0x000000;  // black
    colour_table.colour[2] = 0xAA0000;  // dark blue
    colour_table.colour[3] = 0x0000DD;  // red
    colour_table.colour[4] = 0x2200CC;  // crimson
    colour_table.colour[5] = 0xFFFFFF;  // white
    colour_table.colour[6] = 0x000090;  // dark red
    colour_table.colour[7] = 0x00FFFF;  // yellow
    renderer_state.current_font_number = 1;
    renderer_state.current_colour_number = 1;
    return qw_set_font(font_table.option[1]) < 0 ? -1.0f : 0.0f;
}

bool select_font(std::int32_t n)
{
    if (!in_table(n, font_table_size)) return false;
    bool taken = false;
    // A refusal can be passing (a font still being loaded), hence the retries.
    for (int attempt = 0; attempt < 5 && !taken; ++attempt) taken = qw_set_font(font_table.option[n]) > 0;
    renderer_state.current_font_number = n;
    return taken;
}

void select_colour(std::int32_t n)
{
    if (!in_table(n, colour_table_size)) return;
    qw_set_color_rgb(colour_table.colour[n]);
    renderer_state.current_colour_number = n;
}
