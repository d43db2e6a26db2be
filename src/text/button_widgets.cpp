#include "text/button_widgets.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "platform/graphics.h"
#include "text/fitting_font.h"
#include "text/fonts_colours.h"
#include "text/markup_text.h"

ButtonRegistry button_registry;

namespace {

// Labels are measured this far off the page.
inline constexpr std::int32_t measure_origin = 1000;

struct Shape {
    std::int32_t r = 0;
    bool horizontal = true;
    QwPoint second_centre;
    ButtonRegistry::Entry body;
};

// A rounded bar: two end circles of radius r joined by a body; (x, y) is the
// centre of the first circle.
Shape bar_shape(const ButtonDescriptor& d)
{
    Shape s;
    s.r = std::min(d.w / 2, d.h / 2);
    s.horizontal = d.h <= d.w;
    if (s.horizontal) {
        s.second_centre = {d.x + d.w, d.y};
        s.body = {d.x, d.y - s.r, d.x + d.w, d.y + s.r};
    } else {
        s.second_centre = {d.x, d.y + d.h};
        s.body = {d.x - s.r, d.y, d.x + s.r, d.y + d.h};
    }
    return s;
}

void circle(QwControl control, QwPoint centre, std::int32_t r)
{
    qw_ellipse(control, centre.x - r, centre.y - r, centre.x + r, centre.y + r);
}

// Where a label starts: centred on the body by its width, which counts the
// pen moves of its codes.
std::int32_t label_x(const ButtonDescriptor& d, std::string_view label)
{
    return d.x + (d.w - (measure_markup_text(measure_origin, measure_origin, label).x - measure_origin)) / 2;
}

// Whether a label drawn from x in a font of the given cell height keeps two
// pixels of the bar's fill between its letters and the outline. The letters
// are taken as a band of capital height across the bar's middle: it may
// run into the round ends as far as the band stays clear of them.
bool fits(const ButtonDescriptor& d, const Shape& s, std::string_view label, std::int32_t x, std::int32_t cell)
{
    constexpr std::int32_t clear = 3;  // from the outline to the nearest ink: two pixels between
    const MarkupColumns c = markup_columns(label);
    if (c.last < c.first) return true;
    const std::int32_t first = x + c.first;
    const std::int32_t last = x + c.last;
    if (!s.horizontal) return first >= d.x - (s.r - clear) && last <= d.x + (s.r - clear);
    const std::int32_t half_band = (32 * cell + 99) / 100;
    const std::int32_t room = s.r - clear;
    if (half_band > room) return false;
    const auto into_end = static_cast<std::int32_t>(std::sqrt(room * room - half_band * half_band));
    return first >= d.x - into_end && last <= d.x + d.w + into_end;
}

// Where the label's font code ("@T4@") stands, and its font number.
struct LabelFont {
    std::size_t at = 0, length = 0;
    std::int32_t number = 0;
};

std::optional<LabelFont> label_font(std::string_view label)
{
    const std::size_t at = label.find("@T");
    if (at == std::string_view::npos) return std::nullopt;
    const std::size_t end = label.find('@', at + 2);
    if (end == std::string_view::npos) return std::nullopt;
    const auto n = read_i(label.substr(at + 2, end - at - 2));
    if (!n) return std::nullopt;
    return LabelFont{at, end + 1 - at, *n};
}

// A label too wide for its bar is drawn in the largest smaller size of its
// font that fits, its middle kept on the bar's, and never cut: the smallest
// size tried is drawn when none fits.
void draw_label(const ButtonDescriptor& d, const Shape& s)
{
    const std::int32_t top = d.y + d.h / 2;
    const std::optional<LabelFont> font = label_font(d.label);
    const auto in_font = [&](const SizedFont& f) {
        return d.label.substr(0, font->at) + f.code + d.label.substr(font->at + font->length);
    };
    const SizedFont sized = font ? fitting_font(font->number,
                                                [&](const SizedFont& f) {
                                                    const std::string label = in_font(f);
                                                    return fits(d, s, label, label_x(d, label), f.cell);
                                                })
                                 : SizedFont{};
    if (sized.code.empty()) {
        draw_markup_text(label_x(d, d.label), top, d.label);
        return;
    }
    const std::string label = in_font(sized);
    draw_markup_text(label_x(d, label), top + sized.shrunk / 2, label);
    // Texts drawn next find the label's font selected, as after any label.
    if (sized.shrunk > 0) select_font(font->number);
}

void draw_button(const ButtonDescriptor& d)
{
    const Shape s = bar_shape(d);
    const QwPoint first_centre{d.x, d.y};
    qw_set_color_rgb(d.fill);
    circle(QwControl::filled, first_centre, s.r);
    circle(QwControl::filled, s.second_centre, s.r);
    qw_set_color_rgb(d.border);
    circle(QwControl::outline, first_centre, s.r);
    circle(QwControl::outline, s.second_centre, s.r);
    qw_rectangle(QwControl::outline, s.body.x1, s.body.y1, s.body.x2, s.body.y2);
    // Filling the body less its long edges wipes the circles' border where
    // they meet it, leaving one smooth outline.
    qw_set_color_rgb(d.fill);
    if (s.horizontal)
        qw_rectangle(QwControl::filled, s.body.x1, s.body.y1 + 1, s.body.x2, s.body.y2 - 1);
    else
        qw_rectangle(QwControl::filled, s.body.x1 + 1, s.body.y1, s.body.x2 - 1, s.body.y2);

    draw_label(d, s);
}

void register_button(const ButtonDescriptor& d)
{
    std::lock_guard guard(button_registry.lock);
    if (button_registry.count >= button_registry_size) return;
    button_registry.entry[++button_registry.count] = bar_shape(d).body;
}

std::int32_t hit_test(std::int32_t x, std::int32_t y)
{
    std::lock_guard guard(button_registry.lock);
    for (std::int32_t k = 1; k <= button_registry.count; ++k) {
        const ButtonRegistry::Entry& e = button_registry.entry[k];
        if (e.x1 <= x && x <= e.x2 && e.y1 <= y && y <= e.y2) return k;
    }
    return 0;
}

// Descriptors whose head cannot be read draw nothing.
std::optional<ButtonDescriptor> drawable(std::string_view text)
{
    ButtonDescriptor d = ButtonDescriptor::parse(text);
    if (d.kind != 'd') return std::nullopt;
    return d;
}

}  // namespace

ButtonDescriptor ButtonDescriptor::parse(std::string_view text)
{
    ButtonDescriptor d;
    const auto number = [text](int first, int last) { return read_i(record_columns(text, first, last)); };
    const auto colour = [text](int first) { return read_z(record_columns(text, first, first + 5)); };
    const std::string_view kind = record_columns(text, 1, 1);
    d.kind = kind.empty() ? ' ' : kind.front();
    d.active = record_columns(text, 2, 2) == "a";
    const auto cells = number(8, 8);
    const auto x = number(9, 11);
    const auto y = number(12, 14);
    const auto w = number(15, 17);
    const auto h = number(18, 20);
    const auto fill = colour(21);
    const auto border = colour(27);
    if (!cells || !x || !y || !w || !h || !fill || !border) {
        // Unreadable head: only the kind is known, and it acts as no kind.
        if (d.kind == 'd') d.kind = ' ';
        return d;
    }
    d.cells = *cells;
    d.x = *x;
    d.y = *y;
    d.w = *w;
    d.h = *h;
    d.fill = *fill;
    d.border = *border;
    d.label = std::string(strip_trailing_blanks(text.size() > 32 ? text.substr(32) : std::string_view{}));
    return d;
}

std::int32_t handle_button_descriptor(std::string_view descriptor, std::int32_t x, std::int32_t y)
{
    const std::string_view kind = record_columns(descriptor, 1, 1);
    if (kind == "?") return hit_test(x, y);
    if (kind == "C") {
        std::lock_guard guard(button_registry.lock);
        button_registry.count = 0;
        return 0;
    }
    if (const auto d = drawable(descriptor)) {
        draw_button(*d);
        if (d->active) register_button(*d);
    }
    return 0;
}

void draw_counter_panel(std::string_view descriptor, std::int32_t value)
{
    const auto d = drawable(descriptor);
    if (!d || d->cells <= 0) return;
    qw_set_color_rgb(d->fill);
    qw_rectangle(QwControl::filled, d->x - 5, d->y - 5, d->x + d->w + 5, d->y + d->h + 5);
    qw_set_color_rgb(d->border);
    qw_rectangle(QwControl::filled, d->x, d->y, d->x + d->w, d->y + d->h);
    const std::int32_t cell = d->w / d->cells;
    qw_set_color_rgb(0x888888);
    for (std::int32_t k = 1; k < d->cells; ++k) {
        qw_rectangle(QwControl::filled, d->x + k * cell, d->y, d->x + k * cell + 1, d->y + d->h);
    }
    std::string digits = std::to_string(value);
    if (digits.size() < static_cast<std::size_t>(d->cells)) digits.insert(0, d->cells - digits.size(), '0');
    for (std::int32_t k = 1; k <= d->cells; ++k) {
        draw_markup_text(d->x + (k - 1) * cell, d->y, d->label + digits[k - 1]);
    }
}
