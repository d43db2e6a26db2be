#pragma once
// Drawing on the graphics window: colours, primitives, clipping, pixels,
// fonts and text. Colours are 0x00BBGGRR. Coordinates are pixels of the
// graphics window, origin top left, y downwards; rectangle corners are
// inclusive and may be given in any order. Current colour, position, font
// and clip region belong to the calling thread.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct QwPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const QwPoint&, const QwPoint&) = default;
};

// Fill control of rectangles, ellipses and polygons.
enum class QwControl : std::int32_t { outline = 2, filled = 3 };

struct QwRgb {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
};

// --- Colours ---
// red + 256 green + 65536 blue, each component taken modulo 256.
constexpr std::int32_t qw_rgb(std::int32_t red, std::int32_t green, std::int32_t blue)
{
    return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}
constexpr QwRgb qw_split_rgb(std::int32_t colour)
{
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}
// Sets the current colour; returns the previous one.
std::int32_t qw_set_color_rgb(std::int32_t colour);
std::int32_t qw_get_color_rgb();

// --- Primitives (current colour; results are 1 on success, 0 otherwise) ---
std::int32_t qw_rectangle(QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
// The ellipse inscribed in the rectangle (x1, y1)-(x2, y2).
std::int32_t qw_ellipse(QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);
std::int32_t qw_polygon(QwControl control, std::span<const QwPoint> points);

// A filled rectangle in a colour of its own.
struct QwColourBox {
    std::int32_t colour = 0;
    std::int32_t x1 = 0;
    std::int32_t y1 = 0;
    std::int32_t x2 = 0;
    std::int32_t y2 = 0;
};
// Fills the boxes in order, as setting each one's colour and filling it with
// qw_rectangle would, in one call: for pictures of thousands of pieces. The
// current colour ends as the last box's.
std::int32_t qw_fill_rectangles(std::span<const QwColourBox> boxes);

// --- Current position and lines ---
// Moves the current position; returns the previous one.
QwPoint qw_move_to(std::int32_t x, std::int32_t y);
// Draws from the current position to (x, y), both ends included, and moves there.
std::int32_t qw_line_to(std::int32_t x, std::int32_t y);
QwPoint qw_get_current_position();

// --- Pixels and fill ---
// Colour of a pixel; -1 outside the clip region or the canvas.
std::int32_t qw_get_pixel_rgb(std::int32_t x, std::int32_t y);
// Sets one pixel to the given colour; returns its previous colour (-1 when clipped).
std::int32_t qw_set_pixel_rgb(std::int32_t x, std::int32_t y, std::int32_t colour);
// Sets one pixel to the current colour.
std::int32_t qw_set_pixel(std::int32_t x, std::int32_t y);
// Fills with the current colour from (x, y) up to pixels of the boundary colour,
// inside the clip region. Returns 0 when the start pixel is the boundary or clipped.
std::int32_t qw_flood_fill_rgb(std::int32_t x, std::int32_t y, std::int32_t boundary_colour);

// --- Clipping ---
// Limits all drawing (text included) and pixel reads to (x1, y1)-(x2, y2),
// corners inclusive. The program resets it with (0, 0)-(1600, 1600).
void qw_set_clip_region(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2);

// --- Fonts and text ---
// Makes the fonts available; returns their number, or a negative value on failure.
std::int32_t qw_initialize_fonts();
// Selects a font by an option text such as "t'Arial'h16be": t'face', h cell
// height in pixels (ascent + descent), b best fit, e bold, i italic; NUL and
// blank padding are ignored. Returns a positive font index, or <= 0 when the
// text is malformed or the face cannot be had (the current font is then kept).
std::int32_t qw_set_font(std::string_view options);
// Draws UTF-8 text with its cell's top-left corner at the current position,
// transparently in the current colour, and advances the position's x by the
// text extent (also when the text falls outside the canvas or the clip region).
void qw_out_text(std::string_view text);
// Width in pixels of the text in the current font.
std::int32_t qw_get_text_extent(std::string_view text);

// One column of a text's ink: the topmost and bottommost row that the text
// sets in it, counted from the top of its cell; top > bottom where it sets
// none.
struct QwInkColumn {
    std::int32_t top = 1;
    std::int32_t bottom = 0;
    bool operator==(const QwInkColumn&) const = default;
};
// The ink that qw_out_text would set for the text in the current font,
// column by column from the left of its cell, as far as the text's box
// reaches (its extent plus one). Empty where the host draws no letters.
std::vector<QwInkColumn> qw_get_text_ink(std::string_view text);

// A text's extent and the topmost and bottommost row of all its ink (blank
// where the host draws no letters), found in one look at its glyphs: enough
// to tell that two texts' letters stay apart without their columns.
struct QwTextRows {
    std::int32_t extent = 0;
    QwInkColumn rows;
    bool operator==(const QwTextRows&) const = default;
};
QwTextRows qw_get_text_rows(std::string_view text);
