#include "games/slot_reels.h"

#include <array>
#include <string>
#include <string_view>

#include "platform/graphics.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

enum class SymbolShape { ellipse, jackpot, one_bar, two_bars, three_bars };

struct SlotSymbol {
    std::string_view name;
    SymbolShape shape;
    std::int32_t fill;         // 0xBBGGRR
    std::int32_t text_colour;  // 0xBBGGRR
};

constexpr std::array<SlotSymbol, 11> slot_symbols = {{
    {},
    {"Idrogeno", SymbolShape::one_bar, 0x00FF00, 0xFF0000},
    {"Elio", SymbolShape::ellipse, 0x00EEFF, 0xFF0000},
    {"Litio", SymbolShape::one_bar, 0x00EEFF, 0x0000FF},
    {"Berillio", SymbolShape::two_bars, 0xFF00FF, 0xFF0000},
    {"Boro", SymbolShape::three_bars, 0xFF00AA, 0x000000},
    {"Carbonio", SymbolShape::jackpot, 0x404040, 0xFFFFFF},
    {"Azoto", SymbolShape::three_bars, 0xAA00CC, 0x101010},
    {"Ossigeno", SymbolShape::two_bars, 0x0000FF, 0xFF0000},
    {"Fluoro", SymbolShape::one_bar, 0xFFFF00, 0xFF0000},
    {"Neo", SymbolShape::ellipse, 0x00EEFF, 0xFF0000},
}};

// A name is centred on its symbol, a size smaller when it would be wider
// than the symbol's shape, so that the reels' separators never cut it.
constexpr std::int32_t shape_width = 100;

void draw_bar(std::int32_t colour, std::int32_t x, std::int32_t y)
{
    fill_box(colour, x + 10, y, x + 110, y + 10);
}

// One row of a reel whose left edge is x, its top at y.
void draw_slot_symbol(const SlotSymbol& symbol, std::int32_t x, std::int32_t y)
{
    std::int32_t name_y = y + 7;
    std::string name = "@T10@" + std::string(symbol.name);
    switch (symbol.shape) {
    case SymbolShape::ellipse: fill_ellipse(symbol.fill, x + 10, y, x + 110, y + 40); break;
    case SymbolShape::jackpot:
        // Three lines in a 40-pixel box: small captions above and below a
        // smaller name, none touching the others or leaving the box.
        fill_box(symbol.fill, x + 10, y, x + 110, y + 40);
        qw_set_color_rgb(0x00FFFF);
        draw_markup_text(x + 38, y - 1, "@t'Arial'h13bei@Jackpot");
        draw_markup_text(x + 38, y + 26, "@t'Arial'h13bei@Jackpot");
        name = "@t'Arial'h20be@" + std::string(symbol.name);
        name_y = y + 10;
        break;
    case SymbolShape::one_bar: fill_box(symbol.fill, x + 10, y + 16, x + 110, y + 26); break;
    case SymbolShape::two_bars:
        draw_bar(symbol.fill, x, y + 9);
        draw_bar(symbol.fill, x, y + 23);
        name_y = y + 8;
        break;
    case SymbolShape::three_bars:
        draw_bar(symbol.fill, x, y + 2);
        draw_bar(symbol.fill, x, y + 16);
        draw_bar(symbol.fill, x, y + 30);
        name_y = y + 8;
        break;
    }
    std::int32_t width = markup_line_width(name);
    if (width > shape_width) {
        name = "@t'Arial'h24be@" + std::string(symbol.name);
        width = markup_line_width(name);
    }
    qw_set_color_rgb(symbol.text_colour);
    draw_markup_text(x + 60 - width / 2, name_y, name);
}

}  // namespace

void draw_slot_reel(std::int32_t reel, std::int32_t symbol, std::int32_t offset)
{
    const std::int32_t x = 120 * reel + 60;
    fill_box(0xFFFFFF, x, offset, x + 120, offset + 280);
    std::int32_t s = symbol;
    for (std::int32_t row = 0; row < 4; ++row) {
        draw_slot_symbol(slot_symbols[static_cast<std::size_t>(s)], x, offset + 80 * row);
        s = next_slot_symbol(s);
    }
}

void draw_slot_pay_line()
{
    fill_box(0xFF9090, 180, 121, 540, 121);
    fill_box(0x909090, 298, 20, 302, 200);
    fill_box(0x909090, 418, 20, 422, 200);
}
