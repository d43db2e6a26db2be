#include "text/justified_text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "platform/graphics.h"
#include "text/fonts_colours.h"
#include "text/line_breaks.h"
#include "text/line_ink.h"
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

// Whether piece, one word longer than the line measured before as shorter,
// can be measured on from where that line ended: text widths add up, so only
// the new word is measured. Not where a font chosen by name would have to be
// chosen again, nor where expanded codes could reach the renderer's length
// limit.
bool lengthens(std::string_view piece, const LineEnd& shorter)
{
    constexpr std::size_t longest_expansion = 32;
    return shorter.pen.fixed_pitch == 0 && piece.size() + longest_expansion < markup_text_limit &&
           piece.find("@t") == std::string_view::npos;
}

// Leaves pen, fonts and colours as measuring a piece left them.
void restore(const LineEnd& end)
{
    renderer_state = end.renderer;
    qw_set_color_rgb(end.colour);
    qw_move_to(end.position.x, end.position.y);
}

constexpr std::size_t no_shorter = std::string_view::npos;

// The font that the paragraph's codes select before its first letter
// ("@C6@@T4@Problema"), if they select one: codes of colour may come first.
std::optional<std::int32_t> opening_font(std::string_view work)
{
    std::string_view rest = work.substr(std::min(work.find_first_not_of(' '), work.size()));
    while (rest.size() > 2 && rest[0] == '@' && (rest[1] == 'C' || rest[1] == 'c')) {
        const std::size_t close = rest.find('@', 1);
        if (close == std::string_view::npos) return std::nullopt;
        rest.remove_prefix(close + 1);
    }
    if (!rest.starts_with("@T")) return std::nullopt;
    const std::size_t close = rest.find('@', 1);
    const std::string_view digits = rest.substr(2, close == std::string_view::npos ? 0 : close - 2);
    if (digits.empty() || digits.size() > 2 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const std::int32_t n = digits.size() == 1 ? digits[0] - '0' : 10 * (digits[0] - '0') + (digits[1] - '0');
    if (n < 1 || n > font_table_size) return std::nullopt;
    return n;
}

// A line of a paragraph as laid: where it starts, the row it was measured
// at, the room it was laid lower by, and the rows of its letters' ink from
// that row, once known.
struct LaidLine {
    LineStart start;
    std::int32_t y = 0;
    std::int32_t room = 0;
    bool known = false;
    QwInkColumn rows;

    void begin(std::string_view line, std::int32_t line_y, std::int32_t saved_font, std::int32_t saved_colour)
    {
        start.text.assign(line);
        start.renderer = renderer_state;
        start.font = saved_font;
        start.colour = saved_colour;
        y = line_y;
        room = 0;
        known = false;
    }
    // Fonts and colours as the line started in.
    void restore() const
    {
        renderer_state = start.renderer;
        select_font(start.font);
        select_colour(start.colour);
    }
    // The rows, as a pass over the paragraph found them.
    bool recall(const LineMemo& memo)
    {
        const QwInkColumn* kept = memo.find_rows(start);
        if (kept != nullptr) rows = *kept;
        known = kept != nullptr;
        return known;
    }
    // Measures or draws the line from its start, finding the rows.
    MarkupPen render(std::int32_t x, MarkupPass pass, LineMemo& memo)
    {
        QwInkColumn page{};
        const std::int32_t top = y + room;
        const MarkupPen end = render_markup_rows({x, top, 0}, start.text, pass, page);
        rows = page.top > page.bottom ? page : QwInkColumn{page.top - top, page.bottom - top};
        known = true;
        memo.remember_rows(start, rows);
        return end;
    }
    // Whether a pixel of this line's letters can touch, diagonals included,
    // one of the letters of the line below.
    bool may_meet(const LaidLine& below) const { return rows_may_meet(page_rows(), below.page_rows()); }
    QwInkColumn page_rows() const { return {y + room + rows.top, y + room + rows.bottom}; }
};

// The width of work[begin, end) as one line started in font n; when
// shorter_end is given, work[begin, shorter_end) is the same line one word
// shorter. Measured again, the piece leaves pen, fonts and colours as it did
// the first time; the platform's font is left alone, since every caller
// selects the font of the next text it measures or draws.
std::int32_t piece_width(std::string_view work, std::size_t begin, std::size_t end, std::int32_t n, LineMemo& memo,
                         std::size_t shorter_end = no_shorter)
{
    if (const LineEnd* known = memo.find(n, begin, end)) {
        restore(*known);
        return known->position.x;
    }
    const std::string_view piece = work.substr(begin, end - begin);
    MarkupPen pen{0, 2000, 0};
    std::string_view rest = piece;
    const LineEnd* base = shorter_end == no_shorter ? nullptr : memo.find(n, begin, shorter_end);
    if (base != nullptr && lengthens(piece, *base) && select_font(base->renderer.current_font_number)) {
        restore(*base);
        pen = base->pen;
        rest = piece.substr(strip_trailing_blanks(work.substr(begin, shorter_end - begin)).size());
    } else {
        select_font(n);
        qw_move_to(0, 2000);
    }
    pen = render_markup(pen, rest, MarkupPass::measure);
    const LineEnd line_end{qw_get_current_position(), pen, renderer_state, qw_get_color_rgb()};
    memo.remember(n, begin, end, line_end);
    return line_end.position.x;
}

// The width of work[begin, end) in the font that work drawn from its start
// in font n has there.
std::int32_t width_within(std::string_view work, std::size_t begin, std::size_t end, std::int32_t n, LineMemo& memo)
{
    piece_width(work, 0, begin, n, memo);
    return piece_width(work, begin, end, renderer_state.current_font_number, memo);
}

}  // namespace

std::string_view LineMemo::serve(std::string_view text)
{
    if (text == text_) return work_;
    text_.assign(text);
    work_.assign(" ");
    work_.append(text);
    work_.push_back(' ');
    work_.resize(strip_trailing_blanks(first_characters(work_, paragraph_limit)).size());
    lines_.clear();
    rows_.clear();
    breaks_.clear();
    return work_;
}

std::vector<std::size_t> LineMemo::breaks(std::int32_t room, std::int32_t font_number,
                                          const std::function<std::vector<std::size_t>()>& find)
{
    for (const Breaks& known : breaks_)
        if (known.room == room && known.font_number == font_number) return known.at;
    breaks_.push_back({room, font_number, find()});
    return breaks_.back().at;
}

// A paragraph as laid out has at most paragraph_limit characters of at most
// four bytes: a place in it fits 16 bits.
std::uint64_t LineMemo::key(std::int32_t font_number, std::size_t begin, std::size_t end)
{
    static_assert(4 * paragraph_limit < (1u << 16));
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(font_number)) << 32 | begin << 16 | end;
}

const LineEnd* LineMemo::find(std::int32_t font_number, std::size_t begin, std::size_t end) const
{
    const auto known = lines_.find(key(font_number, begin, end));
    return known != lines_.end() ? &known->second : nullptr;
}

void LineMemo::remember(std::int32_t font_number, std::size_t begin, std::size_t end, const LineEnd& line_end)
{
    lines_.emplace(key(font_number, begin, end), line_end);
}

const QwInkColumn* LineMemo::find_rows(const LineStart& line) const
{
    const auto known = std::find_if(rows_.begin(), rows_.end(), [&line](const auto& r) { return r.first == line; });
    return known != rows_.end() ? &known->second : nullptr;
}

void LineMemo::remember_rows(const LineStart& line, const QwInkColumn& rows)
{
    if (line.text.find("@Y") == std::string::npos) rows_.emplace_back(line, rows);
}

QwPoint lay_out_paragraph(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                          MarkupPass pass, LineMemo& memo)
{
    qw_move_to(x_left, y);
    std::int32_t saved_colour = renderer_state.current_colour_number;
    const std::string_view work = memo.serve(text);
    // A paragraph that opens with a font lays out the same whatever font
    // was in force: it is laid out from that one, so that a pass that
    // measures it and one that then draws it share what the memo knows.
    std::int32_t saved_font = opening_font(work).value_or(renderer_state.current_font_number);
    const std::int32_t first_font = saved_font;
    // A pass after another at the same width finds the breaks known: the
    // pieces they measured are known too, and the lines below restore what
    // measuring them leaves.
    const std::vector<std::size_t> breaks =
        memo.breaks(x_right - x_left, first_font, [&memo, work, x_left, x_right, first_font] {
            return line_breaks(work, x_right - x_left, [&memo, work, first_font](std::size_t begin, std::size_t end) {
                return width_within(work, begin, end, first_font, memo);
            });
        });
    // The text between two breaks, both excluded.
    const auto span = [&](std::size_t from, std::size_t to) {
        return work.substr(breaks[from] + 1, breaks[to] - breaks[from] - 1);
    };

    std::size_t first = 0;
    std::int32_t y_line = y;
    // A line goes lower than the one above by as much as their letters
    // need to stay apart (an index over an exponent or an accent), and
    // gives the pen's y after it. It starts in the font and colour saved.
    // Their ink is found column by column only where the rows of the two
    // lines' letters come within a pixel; measuring or drawing a line
    // takes those rows. What a line costs, by pass, place and whether a
    // pass before found its rows:
    //   pass     line    rows known   rendered
    //   either   alone   (not needed) once, in the pass
    //   either   first   yes          once, in the pass
    //   either   first   no           once, in the pass, finding the rows
    //   either   later   yes          once, in the pass, lowered by the room
    //   measure  later   no           measured finding the rows; measured again
    //                                 lowered only if it needs room
    //   draw     later   no           measured finding the rows, then drawn
    //                                 lowered by the room
    // A later line needs room only where its rows may meet the line above.
    LaidLine above;
    LaidLine laid;
    bool first_line = true;
    const auto lay_line = [&](std::string_view line, bool last) {
        laid.begin(line, y_line, saved_font, saved_colour);
        // A line alone meets no other: its rows are not needed.
        const bool alone = first_line && last;
        MarkupPen end{};
        bool measured = false;
        if (!alone && !laid.recall(memo) && (pass == MarkupPass::measure || !first_line)) {
            end = laid.render(x_left, MarkupPass::measure, memo);
            measured = true;
        }
        if (!first_line && above.may_meet(laid)) {
            above.restore();
            LineInk high = markup_ink({x_left, above.y, 0}, above.start.text);
            high.move_down(above.room);
            laid.restore();
            laid.room = high.room_above(markup_ink({x_left, y_line, 0}, line));
        }
        if (pass == MarkupPass::draw || laid.room > 0 || !measured) {
            laid.restore();
            // A first line with a line after it finds its rows as it is drawn.
            end = laid.known || alone ? render_markup({x_left, y_line + laid.room, 0}, line, pass)
                                      : laid.render(x_left, pass, memo);
        }
        y_line += laid.room;
        first_line = false;
        std::swap(above, laid);
        return end.y;
    };
    std::int32_t fitting_width = 0;
    std::int32_t fitting_font = saved_font;  // the font the line that fits ends in
    for (std::size_t j = first + 1; j < breaks.size();) {
        const std::int32_t line_width = piece_width(work, breaks[first] + 1, breaks[j], saved_font, memo,
                                                    j > first + 1 ? breaks[j - 1] : no_shorter);
        if (x_right - x_left >= line_width) {
            fitting_width = line_width;
            fitting_font = renderer_state.current_font_number;
            ++j;
            continue;
        }
        // Breaks first and j - 1 bound the line that fits.
        const auto gaps = static_cast<std::int32_t>(j - first) - 2;
        // A first word wider than the line: the rest goes on one line.
        if (gaps < 0) break;
        const std::int32_t spare = gaps > 0 ? x_right - fitting_width - x_left : 0;
        const std::int32_t per_gap = gaps > 0 ? spare / gaps : 0;
        const std::int32_t extra = spare - per_gap * gaps;
        // A word alone on its line is not spread, nor a line whose gaps would
        // widen by a letter of its text or more (not of a heading's font the
        // paragraph may start in): words that far apart read as parted.
        select_font(fitting_font);
        const bool spread = gaps > 0 && per_gap < qw_get_text_extent("n");
        select_font(saved_font);
        select_colour(saved_colour);
        std::string line(span(first, spread ? first + 1 : j - 1));
        for (std::int32_t g = 1; spread && g <= gaps; ++g) {
            line.resize(strip_trailing_blanks(line).size());
            line += " @x";
            line += gap_text(g <= extra ? per_gap + 1 : per_gap);
            line += '@';
            line.append(span(first + g, first + g + 1));
        }
        y_line = lay_line(strip_trailing_blanks(line), false) + line_height;
        // Fonts and colours chosen by number inside a line carry over.
        saved_font = renderer_state.current_font_number;
        saved_colour = renderer_state.current_colour_number;
        first = j - 1;
        j = first + 1;
    }
    select_font(saved_font);
    select_colour(saved_colour);
    const std::int32_t last_y = lay_line(work.substr(std::min(breaks[first] + 1, work.size())), true);
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
    const std::string_view work = memo.serve(text);
    const std::int32_t font = renderer_state.current_font_number;
    const auto width = [&memo, work, font](std::size_t begin, std::size_t end) {
        return width_within(work, begin, end, font, memo);
    };
    // Every formula breaks where it can.
    const std::vector<std::size_t> breaks = line_breaks(work, 0, width);
    std::int32_t widest = 0;
    for (std::size_t k = 0; k + 1 < breaks.size(); ++k) widest = std::max(widest, width(breaks[k] + 1, breaks[k + 1]));
    select_font(font);
    return widest;
}
