#include "games/poker_cards.h"

#include <string>
#include <string_view>

#include "platform/graphics.h"
#include "platform/runtime.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

constexpr std::int32_t red_suit = 0x0000D0;
constexpr std::int32_t dark_suit = 0x444444;
constexpr std::int32_t white = 0xFFFFFF;

constexpr std::int32_t suit_colour(std::int32_t suit)
{
    return suit <= 2 ? red_suit : dark_suit;
}

// Two characters a rank, blank-padded; one letter a rank ("0" is the ten).
constexpr std::string_view rank_symbols = "H HeLiBeB C N O F NeCuAgAu";
constexpr std::string_view rank_letters = "A234567890JQK";

std::string_view rank_symbol(std::int32_t rank)
{
    std::string_view symbol = rank_symbols.substr(static_cast<std::size_t>(2 * (rank - 1)), 2);
    if (symbol[1] == ' ') symbol.remove_suffix(1);
    return symbol;
}

void draw_suit_shape(std::int32_t suit)
{
    switch (suit) {
    case 1:  // heart
        fill_ellipse(red_suit, 166, 106, 179, 116);
        fill_ellipse(red_suit, 168, 110, 177, 119);
        fill_box(white, 166, 106, 179, 106);
        fill_box(white, 172, 107, 174, 107);
        fill_box(white, 173, 108, 173, 109);
        break;
    case 2: {  // diamond
        const std::array<QwPoint, 4> corners{{{167, 113}, {173, 106}, {179, 113}, {173, 120}}};
        qw_set_color_rgb(red_suit);
        qw_polygon(QwControl::filled, corners);
        break;
    }
    case 3:  // club
        fill_ellipse(dark_suit, 170, 105, 176, 111);
        fill_ellipse(dark_suit, 166, 110, 172, 116);
        fill_ellipse(dark_suit, 174, 110, 180, 116);
        fill_box(dark_suit, 172, 112, 174, 119);
        break;
    default: {  // spade: a point over two lobes, on a stem with a foot
        const std::array<QwPoint, 3> point{{{173, 106}, {166, 114}, {180, 114}}};
        const std::array<QwPoint, 3> foot{{{169, 120}, {173, 115}, {177, 120}}};
        qw_set_color_rgb(dark_suit);
        qw_polygon(QwControl::filled, point);
        fill_ellipse(dark_suit, 166, 110, 173, 117);
        fill_ellipse(dark_suit, 173, 110, 180, 117);
        qw_set_color_rgb(dark_suit);
        qw_polygon(QwControl::filled, foot);
        break;
    }
    }
}

void draw_suit_image(const SuitImage& image, std::int32_t x, std::int32_t y)
{
    for (std::int32_t row = 0; row < 15; ++row)
        for (std::int32_t col = 0; col < 15; ++col)
            qw_set_pixel_rgb(x + col, y + row, image[static_cast<std::size_t>(15 * row + col)]);
}

void draw_card_back(std::int32_t x)
{
    fill_box(0x999999, x, 80, x + 65, 190);
    fill_box(0x777777, x + 10, 90, x + 55, 180);
    fill_box(0x999999, x + 13, 93, x + 52, 177);
}

void draw_card_face(const PokerCard& card, std::int32_t x, const SuitImages& suits)
{
    fill_box(white, x, 80, x + 65, 190);
    if (card.rank == joker_rank) {
        qw_set_color_rgb(poker_table_green);
        draw_markup_text(x + 5, 80, "@t'Arial'h18bei@JOKER");
        // A size under the corners' and centred, inside the card.
        const std::string wild = "@t'Arial'h28bei@Wild";
        draw_markup_text(x + (66 - markup_line_width(wild)) / 2, 120, wild);
        draw_markup_text(x + 5, 170, "@t'Arial'h18bei@JOKER");
        return;
    }
    qw_set_color_rgb(suit_colour(card.suit));
    const std::string_view symbol = rank_symbol(card.rank);
    draw_markup_text(x - 10 * static_cast<std::int32_t>(symbol.size()) + 25, 110,
                     "@t'Arial'h48bei@" + std::string(symbol));
    const SuitImage& image = suits[static_cast<std::size_t>(card.suit)];
    draw_suit_image(image, x + 4, 84);
    draw_suit_image(image, x + 48, 173);
    qw_set_color_rgb(suit_colour(card.suit));
    // The lower corner high enough for the tail of a "Q" to end on the card.
    constexpr std::int32_t lower_corner_y = 165;
    if (card.rank == 10) {
        draw_markup_text(x + 42, 80, "@t'Arial'h24be@10");
        draw_markup_text(x + 3, lower_corner_y, "@t'Arial'h24be@10");
    } else {
        const std::string letter =
            "@t'Arial'h24be@" + std::string(rank_letters.substr(static_cast<std::size_t>(card.rank - 1), 1));
        draw_markup_text(x + 50, 80, letter);
        draw_markup_text(x + 3, lower_corner_y, letter);
    }
}

constexpr std::int32_t card_x(std::size_t k)
{
    return 175 + 80 * static_cast<std::int32_t>(k);
}

}  // namespace

SuitImages make_suit_images()
{
    SuitImages suits{};
    for (std::int32_t suit = 1; suit <= 4; ++suit) {
        fill_box(white, 165, 105, 180, 120);
        draw_suit_shape(suit);
        SuitImage& image = suits[static_cast<std::size_t>(suit)];
        for (std::int32_t row = 0; row < 15; ++row)
            for (std::int32_t col = 0; col < 15; ++col)
                image[static_cast<std::size_t>(15 * row + col)] = qw_get_pixel_rgb(166 + col, 106 + row);
    }
    fill_box(poker_table_green, 165, 105, 180, 120);
    return suits;
}

void draw_poker_card(const PokerHand& hand, const std::array<std::int32_t, 5>& held, const SuitImages& suits)
{
    for (std::size_t k = 0; k < hand.size(); ++k)
        if (held[k] == 0) draw_card_back(card_x(k));
    rt_sleep_ms(200);
    for (std::size_t k = 0; k < hand.size(); ++k) {
        if (held[k] == 0) rt_sleep_ms(300);
        draw_card_face(hand[k], card_x(k), suits);
    }
}
