#include "frame/generator_kit.h"

#include <algorithm>
#include <string>

#include "frame/app_state.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "text/drawing_kit.h"
#include "text/justified_text.h"

RedrawRecord redraw_record;

std::int32_t pick_problem_variant(std::int32_t nmax, std::int32_t& last_variant, std::int32_t textbook_variant)
{
    std::int32_t v = random_int(1, nmax);
    // With a single variant there is nothing else to draw: redrawing would
    // never end.
    while (app_state.version_number == no_version && nmax > 1 && v == last_variant) v = random_int(1, nmax);
    if (app_state.version_number == text_version && textbook_variant != 0) v = textbook_variant;
    last_variant = v;
    return v;
}

std::int32_t pick_kept_variant(std::int32_t nmax, std::int32_t& last_variant, std::int32_t textbook_variant,
                               std::span<const std::int32_t> left_out)
{
    std::int32_t v = 0;
    draw_until_accepted([&] {
        v = pick_problem_variant(nmax, last_variant, textbook_variant);
        return std::ranges::find(left_out, v) == left_out.end();
    });
    return v - static_cast<std::int32_t>(std::ranges::count_if(left_out, [v](std::int32_t out) { return out < v; }));
}

namespace {

std::string problem_heading()
{
    return "Problema " + std::to_string(app_state.current_chapter) + "." + std::to_string(app_state.selected_problem);
}

}  // namespace

void draw_problem_statement(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view text,
                            std::int32_t level_dots)
{
    draw_statement_box(x_left, x_right, y, text, problem_heading(), level_dots);
}

void draw_problem_statement_in_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::int32_t y_bottom,
                                   std::string_view text, std::int32_t level_dots)
{
    draw_statement_frame_box(x_left, x_right, y, y_bottom, text, problem_heading(), level_dots);
}

std::int32_t selected_problem_level()
{
    const std::int32_t k = app_state.selected_problem;
    return k >= 1 && k <= max_problems ? chapter_index.problem_level[k] : 0;
}

void draw_problem_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y)
{
    draw_problem_statement(x_left, x_right, y, problem_texts.problem_text, selected_problem_level());
}

void draw_problem_text_framed(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::int32_t y_bottom,
                              std::int32_t foot_right)
{
    const std::string body = "@T1@@C1@" + std::string(strip_trailing_blanks(problem_texts.problem_text));
    LineMemo memo;  // the drawing reuses what measuring found
    if (foot_right > 0) {
        const std::int32_t last_row = measure_justified_text(x_left, x_right, y, body, memo).y;
        draw_statement_frame_with_foot(x_left, x_right, y, last_row, {foot_right, y_bottom}, problem_heading(),
                                       selected_problem_level());
    } else {
        draw_problem_statement_in_box(x_left, x_right, y, y_bottom, " ", selected_problem_level());
    }
    draw_justified_text(x_left, x_right, y, body, memo);
}

QwPoint draw_answer_text(std::int32_t x_left, std::int32_t x_right, std::int32_t y)
{
    return draw_answer_box(x_left, x_right, y, problem_texts.answer_text);
}
