#include "text/justified_text.h"

#include <algorithm>
#include <string>
#include <vector>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "platform/graphics.h"
#include "text/fonts_colours.h"
#include "text/line_breaks.h"
#include "text/markup_renderer.h"
#include "text/markup_text.h"

namespace {

inline constexpr std::size_t paragraph_limit = 2000;
inline constexpr std::int32_t line_height = 16;

// "(i2)" where it fits; wider gaps are written in full.
std::string gap_text(std::int32_t pixels)
{
    return pixels < 100 ? format_i(pixels, 2) : std::to_string(pixels);
}

// Whether piece, a line one word longer than shorter, can be measured on
// from where shorter left the pen: text widths add up, so only the new words
// are measured. Not where a font chosen by name would have to be chosen again,
// nor where expanded codes could reach the renderer's length limit.
bool lengthens(std::string_view piece, std::string_view shorter, const LineEnd& known)
{
    constexpr std::size_t longest_expansion = 32;
    return known.pen.fixed_pitch == 0 && piece.size() + longest_expansion < markup_text_limit &&
           piece.substr(0, shorter.size()) == shorter && piece.find("@t") == std::string_view::npos;
}

// Leaves pen, fonts and colours as measuring a piece left them.
void restore(const LineEnd& end)
{
    renderer_state = end.renderer;
    qw_set_color_rgb(end.colour);
    qw_move_to(end.position.x, end.position.y);
}

// A piece of text's width as one line started in font n; shorter, when not
// empty, is the same line one word shorter. Measured again, the piece leaves
// pen, fonts and colours as it did the first time; the platform's font is
// left alone, since every caller selects the font of the next text it
// measures or draws.
std::int32_t piece_width(std::string_view piece, std::int32_t n, LineMemo& memo, std::string_view shorter = {})
{
    if (const LineEnd* known = memo.find(n, piece)) {
        restore(*known);
        return known->position.x;
    }
    MarkupPen pen{0, 2000, 0};
    std::string_view rest = piece;
    const LineEnd* base = shorter.empty() ? nullptr : memo.find(n, shorter);
    if (base != nullptr && lengthens(piece, shorter, *base) && select_font(base->renderer.current_font_number)) {
        restore(*base);
        pen = base->pen;
        rest = piece.substr(strip_trailing_blanks(shorter).size());
    } else {
        select_font(n);
        qw_move_to(0, 2000);
    }
    pen = render_markup(pen, rest, MarkupPass::measure);
    const LineEnd end{qw_get_current_position(), pen, renderer_state, qw_get_color_rgb()};
    memo.remember(n, piece, end);
    return end.position.x;
}

// The width of work[begin, end) in the font that work drawn from its start
// in font n has there.
std::int32_t width_within(std::string_view work, std::size_t begin, std::size_t end, std::int32_t n, LineMemo& memo)
{
    piece_width(work.substr(0, begin), n, memo);
    return piece_width(work.substr(begin, end - begin), renderer_state.current_font_number, memo);
}

// The text as laid out: a blank before it, none after it.
std::string paragraph_work(std::string_view text)
{
    std::string padded = " ";
    padded.append(text);
    padded.push_back(' ');
    return std::string(strip_trailing_blanks(first_characters(padded, paragraph_limit)));
}

}  // namespace

const LineEnd* LineMemo::find(std::int32_t font_number, std::string_view piece) const
{
    const auto font = lines_.find(font_number);
    if (font == lines_.end()) return nullptr;
    const auto known = font->second.find(piece);
    return known != font->second.end() ? &known->second : nullptr;
}

void LineMemo::remember(std::int32_t font_number, std::string_view piece, const LineEnd& end)
{
    lines_[font_number].emplace(piece, end);
}

QwPoint lay_out_paragraph(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                          MarkupPass pass, LineMemo& memo)
{
    qw_move_to(x_left, y);
    std::int32_t saved_font = renderer_state.current_font_number;
    std::int32_t saved_colour = renderer_state.current_colour_number;
    const std::string padded = paragraph_work(text);
    const std::string_view work = padded;
    const std::int32_t first_font = saved_font;
    const std::vector<std::size_t> breaks =
        line_breaks(work, x_right - x_left, [&memo, work, first_font](std::size_t begin, std::size_t end) {
            return width_within(work, begin, end, first_font, memo);
        });
    // The text between two breaks, both excluded.
    const auto span = [&](std::size_t from, std::size_t to) {
        return work.substr(breaks[from] + 1, breaks[to] - breaks[from] - 1);
    };

    std::size_t first = 0;
    std::int32_t y_line = y;
    std::int32_t fitting_width = 0;
    for (std::size_t j = first + 1; j < breaks.size();) {
        const std::int32_t line_width =
            piece_width(span(first, j), saved_font, memo, j > first + 1 ? span(first, j - 1) : std::string_view{});
        if (x_right - x_left >= line_width) {
            fitting_width = line_width;
            ++j;
            continue;
        }
        // Breaks first and j - 1 bound the line that fits.
        const auto gaps = static_cast<std::int32_t>(j - first) - 2;
        // A first word wider than the line: the rest goes on one line.
        if (gaps < 0) break;
        // A word alone on its line is not spread.
        const std::int32_t spare = gaps > 0 ? x_right - fitting_width - x_left : 0;
        const std::int32_t per_gap = gaps > 0 ? spare / gaps : 0;
        const std::int32_t extra = spare - per_gap * gaps;
        std::string line(span(first, first + 1));
        for (std::int32_t g = 1; g <= gaps; ++g) {
            line.resize(strip_trailing_blanks(line).size());
            line += " @x" + gap_text(g <= extra ? per_gap + 1 : per_gap) + "@";
            line.append(span(first + g, first + g + 1));
        }
        select_font(saved_font);
        select_colour(saved_colour);
        const std::int32_t last_y = render_markup({x_left, y_line, 0}, strip_trailing_blanks(line), pass).y;
        y_line = last_y + line_height;
        // Fonts and colours chosen by number inside a line carry over.
        saved_font = renderer_state.current_font_number;
        saved_colour = renderer_state.current_colour_number;
        first = j - 1;
        j = first + 1;
    }
    select_font(saved_font);
    select_colour(saved_colour);
    const std::int32_t last_y =
        render_markup({x_left, y_line, 0}, work.substr(std::min(breaks[first] + 1, work.size())), pass).y;
    // The pen's line, not the raised or lowered piece a line may end with.
    return {qw_get_current_position().x, static_cast<std::int32_t>(last_y)};
}

QwPoint draw_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text)
{
    LineMemo memo;
    return draw_justified_text(x_left, x_right, y, text, memo);
}

QwPoint measure_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text)
{
    LineMemo memo;
    return measure_justified_text(x_left, x_right, y, text, memo);
}

QwPoint draw_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                            LineMemo& memo)
{
    return lay_out_paragraph(x_left, x_right, y, text, MarkupPass::draw, memo);
}

QwPoint measure_justified_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                               LineMemo& memo)
{
    return lay_out_paragraph(x_left, x_right, y, text, MarkupPass::measure, memo);
}

std::int32_t widest_unbreakable_piece(std::string_view text, LineMemo& memo)
{
    const std::string padded = paragraph_work(text);
    const std::string_view work = padded;
    const std::int32_t font = renderer_state.current_font_number;
    const auto width = [&memo, work, font](std::size_t begin, std::size_t end) {
        return width_within(work, begin, end, font, memo);
    };
    // Every equation breaks where it can.
    const std::vector<std::size_t> breaks = line_breaks(work, 0, width);
    std::int32_t widest = 0;
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) widest = std::max(widest, width(breaks[k] + 1, breaks[k + 1]));
    select_font(font);
    return widest;
}
