#include "text/markup_text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "text/fonts_colours.h"
#include "text/markup_renderer.h"
#include "text/pixel_math.h"

namespace {

// Widens page rows by a text's rows, its cell's top at row y.
void add_rows(QwInkColumn& rows, std::int32_t y, const QwInkColumn& text)
{
    if (text.top > text.bottom) return;
    const bool blank = rows.top > rows.bottom;
    rows = {blank ? y + text.top : std::min(rows.top, y + text.top),
            blank ? y + text.bottom : std::max(rows.bottom, y + text.bottom)};
}

// One call's drawing: the pass, and where the platform's current position
// would stand after the last piece of text.
struct Run {
    MarkupPass pass;
    bool moved = false;
    QwPoint end{};
    MarkupColumns columns{1, 0};
    LineInk* ink = nullptr;       // gathers the letters' ink when given
    QwInkColumn* rows = nullptr;  // gathers the rows of that ink when given

    bool drawing() const { return pass == MarkupPass::draw; }
    // Text at (x, y): drawn, or only accounted for. Gives its width.
    std::int32_t text_at(std::int32_t x, std::int32_t y, std::string_view text)
    {
        std::int32_t width = 0;
        if (drawing()) {
            qw_move_to(x, y);
            qw_out_text(text);
            width = qw_get_current_position().x - x;
            if (rows != nullptr) add_rows(*rows, y, qw_get_text_rows(text).rows);
        } else {
            moved = true;
            if (rows != nullptr) {
                const QwTextRows measured = qw_get_text_rows(text);
                width = measured.extent;
                add_rows(*rows, y, measured.rows);
            } else {
                width = qw_get_text_extent(text);
            }
            end = {x + width, y};
        }
        if (ink != nullptr) ink->add(x, y, qw_get_text_ink(text));
        if (width > 0) {
            const bool first = columns.last < columns.first;
            columns = {first ? x : std::min(columns.first, x),
                       first ? x + width - 1 : std::max(columns.last, x + width - 1)};
        }
        return width;
    }
};

bool is_continuation_byte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t character_length(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && is_continuation_byte(text[end])) ++end;
    return end - at;
}

// Whole-number arguments are read as a five-character field.
std::optional<std::int32_t> whole_argument(std::string_view argument)
{
    return read_i(argument.substr(0, 5));
}

void draw_segment(Run& run, MarkupPen& pen, std::string_view segment)
{
    if (pen.fixed_pitch == 0) {
        pen.x += run.text_at(pen.x, pen.y, segment);
        return;
    }
    for (std::size_t at = 0; at < segment.size();) {
        const std::size_t length = character_length(segment, at);
        run.text_at(pen.x, pen.y, segment.substr(at, length));
        pen.x += pen.fixed_pitch;
        at += length;
    }
}

// Red strokes of a hand-drawn mark: k lines of the given length at the given
// angle (clockwise on screen), each next one shifted by 3 pixels.
void draw_strokes(Run& run, const MarkupPen& pen, std::string_view argument)
{
    const auto count = read_i(record_columns(argument, 1, 1));
    const auto length = read_i(record_columns(argument, 2, 3));
    const auto angle = read_i(record_columns(argument, 4, 6));
    if (!count || !length || !angle) return;
    const float radians = static_cast<float>(*angle) * 0.017453f;
    const float cos_a = std::cos(radians);
    const float sin_a = std::sin(radians);
    const float len = static_cast<float>(*length);
    std::int32_t sx = pen.x;
    std::int32_t sy = pen.y;
    qw_set_color_rgb(0x0000FF);
    for (std::int32_t k = 0; k < *count; ++k) {
        const QwPoint to{truncate_to_pixel(static_cast<float>(sx) + len * cos_a),
                         truncate_to_pixel(static_cast<float>(sy) + len * sin_a)};
        if (run.drawing()) {
            qw_move_to(sx, sy);
            qw_line_to(to.x, to.y);
        } else {
            run.moved = true;  // a stroke leaves the position at its end
            run.end = to;
        }
        sx = truncate_to_pixel(static_cast<float>(sx) + 3.0f * sin_a);
        sy = truncate_to_pixel(static_cast<float>(sy) + 3.0f * cos_a);
    }
    qw_set_color_rgb(renderer_state.last_direct_colour);
}

void fill_bar(const Run& run, const MarkupPen& pen, std::string_view argument)
{
    const auto colour = read_z(record_columns(argument, 1, 6));
    const auto width = read_i(record_columns(argument, 7, 9));
    const auto height = read_i(record_columns(argument, 10, 12));
    if (!colour || !width || !height) return;
    renderer_state.last_direct_colour = *colour;
    qw_set_color_rgb(*colour);
    if (run.drawing()) qw_rectangle(QwControl::filled, pen.x, pen.y, pen.x + *width, pen.y + *height);
}

// Codes that act at once; unreadable arguments and unknown letters do nothing.
void apply_code(Run& run, char letter, std::string_view argument, MarkupPen& pen)
{
    switch (letter) {
    case 't': {
        qw_set_font("t" + std::string(argument));
        return;
    }
    case 'c':
        if (const auto colour = read_z(argument.substr(0, 6))) {
            qw_set_color_rgb(*colour);
            renderer_state.last_direct_colour = *colour;
        }
        return;
    case 'r': fill_bar(run, pen, argument); return;
    case 'L': draw_strokes(run, pen, argument); return;
    case 'T':
    case 'C':
    case 's':
    case 'X':
    case 'Y':
    case 'x':
    case 'y': break;
    default: return;
    }
    const auto n = whole_argument(argument);
    if (!n) return;
    switch (letter) {
    case 'T': select_font(*n); break;
    case 'C': select_colour(*n); break;
    case 's': pen.fixed_pitch = *n; break;
    case 'X': pen.x = *n; break;
    case 'Y': pen.y = *n; break;
    case 'x': pen.x += *n; break;
    case 'y': pen.y += *n; break;
    default: break;
    }
}

// The codes that stand for a sequence of other codes; each ends in font 1.
std::optional<std::string> expansion(char letter, std::string_view argument)
{
    const std::string arg(argument);
    switch (letter) {
    case 'd': return "@T2@@x1@@y4@" + arg + "@T1@@y-4@";
    case 'u':
        // The minus of a charge ("-", "2-") is drawn as a raised underscore,
        // which sits where a superscript minus should; a hyphen in the small
        // font would show as a dot.
        if (!arg.empty() && arg.back() == '-' && arg.find_first_not_of("0123456789") == arg.size() - 1)
            return "@T2@@y-1@" + arg.substr(0, arg.size() - 1) + "@y-7@_@T1@@y8@";
        return "@T2@@y-1@" + arg + "@T1@@y1@";
    case 'i': return "@T5@" + arg + "@T1@";
    case 'b': return "@T6@@y-3@" + arg + "@T1@@y3@";
    default: return std::nullopt;
    }
}

}  // namespace

std::string_view first_characters(std::string_view text, std::size_t count)
{
    // No more characters than bytes: nearly every text is whole.
    if (text.size() <= count) return text;
    std::size_t at = 0;
    for (std::size_t n = 0; n < count && at < text.size(); ++n) at += character_length(text, at);
    return text.substr(0, at);
}

namespace {

MarkupPen render(Run& run, MarkupPen pen, std::string_view text)
{
    // Read in place; only the text that an expanded code leaves is built.
    std::string expanded_text;
    std::string_view work = first_characters(text, markup_text_limit);
    if (work.find('@') == std::string::npos) {
        const std::string_view plain = strip_trailing_blanks(work);
        // Nothing to draw still leaves the position at the pen.
        if (run.drawing() && plain.empty()) {
            qw_move_to(pen.x, pen.y);
        } else {
            pen.x += run.text_at(pen.x, pen.y, plain);
        }
    } else {
        std::size_t start = 0;
        std::size_t end = strip_trailing_blanks(work).size();
        for (;;) {
            const std::string_view rest(work.data() + start, end - start);
            const std::size_t p = rest.find('@');
            if (p == std::string_view::npos) {
                draw_segment(run, pen, rest);
                break;
            }
            if (rest.size() < 2) break;  // a lone at sign at the end is not drawn
            if (p > 0) {
                draw_segment(run, pen, rest.substr(0, p));
                start += p;
                continue;
            }
            const std::size_t q = rest.find('@', 1);
            if (q == std::string_view::npos) {  // unterminated: the at sign is text
                draw_segment(run, pen, rest);
                break;
            }
            const char letter = q > 1 ? rest[1] : '@';
            const std::string_view argument = q > 1 ? rest.substr(2, q - 2) : std::string_view{};
            if (auto expanded = expansion(letter, argument)) {
                std::string next = std::move(*expanded);
                next.append(rest.substr(q + 1));
                expanded_text.assign(first_characters(next, markup_text_limit));
                work = expanded_text;
                start = 0;
                end = strip_trailing_blanks(work).size();
                continue;
            }
            apply_code(run, letter, argument, pen);
            if (q + 1 == rest.size()) break;
            start += q + 1;
        }
    }
    if (run.moved) qw_move_to(run.end.x, run.end.y);
    return pen;
}

}  // namespace

MarkupPen render_markup(MarkupPen pen, std::string_view text, MarkupPass pass)
{
    Run run{pass};
    return render(run, pen, text);
}

LineInk markup_ink(MarkupPen pen, std::string_view text)
{
    LineInk ink;
    Run run{MarkupPass::measure};
    run.ink = &ink;
    render(run, pen, text);
    return ink;
}

MarkupPen render_markup_rows(MarkupPen pen, std::string_view text, MarkupPass pass, QwInkColumn& rows)
{
    Run run{pass};
    run.rows = &rows;
    return render(run, pen, text);
}

float draw_markup_text(std::int32_t x, std::int32_t y, std::string_view text)
{
    return static_cast<float>(render_markup({x, y, 0}, text, MarkupPass::draw).y);
}

QwPoint measure_markup_text(std::int32_t x, std::int32_t y, std::string_view text)
{
    qw_move_to(x, y);
    render_markup({x, y, 0}, text, MarkupPass::measure);
    return qw_get_current_position();
}

std::int32_t markup_line_width(std::string_view text)
{
    // From font 1, as the line is drawn: not from the font that the last
    // text drawn, on this page or on the problem shown before, left.
    select_font(1);
    return measure_markup_text(0, 2000, text).x;
}

MarkupColumns markup_columns(std::string_view text)
{
    Run run{MarkupPass::measure};
    render(run, {0, 2000, 0}, text);
    return run.columns;
}
