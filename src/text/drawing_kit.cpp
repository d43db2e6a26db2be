#include "text/drawing_kit.h"

#include <algorithm>
#include <string>

#include "numbers/fixed_width.h"
#include "platform/graphics.h"
#include "text/justified_text.h"
#include "text/markup_renderer.h"
#include "text/markup_text.h"
#include "text/page_regions.h"
#include "text/paint.h"

namespace {

// Boxes that follow their text are measured this far right of their place.
inline constexpr std::int32_t measure_offset = 1000;
inline constexpr std::string_view body_prefix = "@T1@@C1@";
inline constexpr std::string_view answer_prefix = "@T7@@C6@R@T1@@C1@: ";

// Where the paragraph ends when laid out off the page: y is the top of its
// last line, x the end of that line.
QwPoint measure_paragraph(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                          LineMemo& memo)
{
    return lay_out_paragraph(x_left + measure_offset, x_right + measure_offset, y, text, MarkupPass::measure, memo);
}

// Shadow, box and header band of a statement whose text ends at row bottom.
void draw_statement_frame(std::int32_t x_left, std::int32_t right, std::int32_t y, std::int32_t bottom,
                          std::int32_t border_colour)
{
    constexpr std::int32_t s = statement_shadow;
    fill_box(0x555555, x_left - 5 + s, y - 21 + s, right + 5 + s, bottom + 20 + s);
    fill_box(0xFFF8F8, x_left - 5, y - 21, right + 5, bottom + 20);
    outline_box(border_colour, x_left - 5, y - 21, right + 5, bottom + 20);
    fill_box(0xCCCCCC, x_left - 4, y - 20, right + 4, y - 4);
}

// The heading in the band, level dots at its right end.
void draw_statement_header(std::int32_t x_left, std::int32_t right, std::int32_t y, std::string_view heading,
                           std::int32_t level_dots)
{
    draw_justified_text(x_left, right, y - 20, "@C6@@T4@" + std::string(heading));
    qw_set_color_rgb(0x00AA00);
    for (std::int32_t k = 1; k <= level_dots; ++k) {
        qw_ellipse(QwControl::filled, right - 15 * k, y - 14, right - 15 * k + 6, y - 8);
    }
}

}  // namespace

void draw_statement_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                        std::string_view heading, std::int32_t level_dots)
{
    const std::string body = std::string(body_prefix) + std::string(strip_trailing_blanks(text));
    LineMemo memo;
    const QwPoint end = measure_paragraph(x_left, x_right, y, body, memo);
    std::int32_t right = x_right;
    if (end.y < y + 10) right = end.x - measure_offset;  // one line: the box ends with it
    right = std::max(right, x_left + 250);
    draw_statement_frame(x_left, right, y, end.y, 0x009000);
    occupy_page_region(PageElement::statement, {x_left - 5, y - 21, right + 5, end.y + 20});
    lay_out_paragraph(x_left, right, y, body, MarkupPass::draw, memo);
    draw_statement_header(x_left, right, y, heading, level_dots);
}

void draw_statement_frame_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::int32_t y_bottom,
                              std::string_view text, std::string_view heading, std::int32_t level_dots)
{
    draw_statement_frame(x_left, x_right, y, y_bottom, 0x000000);
    occupy_page_region(PageElement::statement, {x_left - 5, y - 21, x_right + 5, y_bottom + 20});
    draw_markup_text(x_left, y, std::string(body_prefix) + std::string(strip_trailing_blanks(text)));
    draw_statement_header(x_left, x_right, y, heading, level_dots);
}

void draw_statement_frame_with_foot(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::int32_t text_bottom,
                                    QwPoint foot, std::string_view heading, std::int32_t level_dots)
{
    constexpr std::int32_t ground = 0xFFF8F8;
    draw_statement_frame(x_left, x_right, y, text_bottom, 0x000000);
    // The foot hangs from the box's lower edge, which stays open above it.
    const std::int32_t foot_top = text_bottom + 20;
    constexpr std::int32_t s = statement_shadow;
    fill_box(0x555555, x_left - 5 + s, foot_top + s, foot.x + 5 + s, foot.y + 20 + s);
    fill_box(ground, x_left - 5, foot_top, foot.x + 5, foot.y + 20);
    outline_box(0x000000, x_left - 5, foot_top, foot.x + 5, foot.y + 20);
    fill_box(ground, x_left - 4, foot_top, foot.x + 4, foot_top);
    occupy_page_region(PageElement::statement, {x_left - 5, y - 21, x_right + 5, foot_top});
    occupy_page_region(PageElement::statement, {x_left - 5, foot_top, foot.x + 5, foot.y + 20});
    draw_statement_header(x_left, x_right, y, heading, level_dots);
}

namespace {

struct AnswerLayout {
    PageRect box;
    std::int32_t text_right = 0;
};

// True when text ends in italics ("@iT@"), whose last letter leans
// out past the width measured for it.
bool ends_in_italic(std::string_view text)
{
    if (text.size() < 4 || text.back() != '@') return false;
    const std::size_t code = text.rfind('@', text.size() - 2);
    return code != std::string_view::npos && text[code + 1] == 'i';
}

// The box that the answer justified between x_left and x_right from y fills.
AnswerLayout lay_out_answer(std::int32_t x_left, std::int32_t x_right, std::int32_t y, const std::string& body,
                            LineMemo& memo)
{
    const QwPoint end = measure_paragraph(x_left, x_right, y, body, memo);
    std::int32_t right = x_right;
    std::int32_t text_right = x_right;
    if (end.y < y + 10) {
        // A one-line answer's box ends 2 pixels after its text (and its
        // italic last letter's lean); the text keeps its measured width, or
        // its last word would wrap below the box.
        text_right = end.x - measure_offset;
        right = text_right - 3 + (ends_in_italic(body) ? 2 : 0);
    }
    return {{x_left - 5, y - 2, right + 5, std::max(end.y + 20, y + 20)}, text_right};
}

}  // namespace

QwPoint draw_answer_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text)
{
    const std::string body = std::string(answer_prefix) + std::string(strip_trailing_blanks(text));
    LineMemo memo;
    // A new answer replaces the one shown. It keeps clear of what the page
    // holds: at its own place when free, else at the nearest free place, else
    // narrower (wrapping) where that finds one; else at its own place.
    std::erase_if(page_regions.regions, [](const PageRegion& r) { return r.element == PageElement::answer; });
    // A box narrower than a piece that cannot be broken grows to the left.
    const std::int32_t least = widest_unbreakable_piece(body, memo);
    const std::int32_t left = std::min(x_left, x_right - least);
    AnswerLayout layout = lay_out_answer(left, x_right, y, body, memo);
    std::int32_t right_limit = x_right;
    PageRect box = layout.box;
    // The place sought keeps a gap under the box, so that a box at the foot
    // of the problem area does not sit on the tab bar below it.
    constexpr std::int32_t gap_below = 3;
    for (std::int32_t limit = x_right; limit >= left + std::max(100, least); limit -= 20) {
        const AnswerLayout narrower = limit == x_right ? layout : lay_out_answer(left, limit, y, body, memo);
        const PageRect& b = narrower.box;
        if (const auto place = nearest_free_place({b.x1, b.y1, b.x2, b.y2 + gap_below})) {
            layout = narrower;
            right_limit = limit;
            box = {place->x1, place->y1, place->x2, place->y2 - gap_below};
            break;
        }
    }
    const std::int32_t dx = box.x1 - layout.box.x1;
    const std::int32_t dy = box.y1 - layout.box.y1;
    occupy_page_region(PageElement::answer, box);
    fill_box(qw_rgb(250, 250, 0), box.x1, box.y1, box.x2, box.y2);
    outline_box(0x000000, box.x1, box.y1, box.x2, box.y2);
    const std::int32_t text_right =
        right_limit == x_right ? layout.text_right : std::min(layout.text_right, right_limit);
    lay_out_paragraph(left + dx, text_right + dx, y + dy, body, MarkupPass::draw, memo);
    return {dx, dy};
}

void draw_panel(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    fill_box(0xCCCCCC, x1, y1, x2, y2);
    outline_box(0xFF0000, x1 + 5, y1 + 4, x2 - 5, y2 - 4);
}

void draw_hint_balloon(std::int32_t x, std::int32_t y, std::string_view label)
{
    qw_set_color_rgb(qw_rgb(220, 220, 40));
    qw_ellipse(QwControl::filled, x, y, x + 55, y + 30);
    const std::string text = "@T7@@c0000D0@" + std::string(strip_trailing_blanks(first_characters(label, 8)));
    draw_justified_text(x + 7, x + 30, y + 7, text);
}
