#include "frame/statement_equation.h"

#include <algorithm>
#include <string>

#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "text/drawing_kit.h"
#include "text/justified_text.h"
#include "text/markup_text.h"

namespace {

constexpr std::int32_t column_left = 160;
constexpr std::int32_t column_width = 420;

}  // namespace

std::int32_t centred_line_x(std::string_view text)
{
    return column_left + (column_width - markup_line_width(text)) / 2;
}

namespace {

void draw_problem_text_in_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y_top, std::int32_t y_bottom,
                              LineMemo& memo)
{
    draw_problem_statement_in_box(x_left, x_right, y_top, y_bottom, "", selected_problem_level());
    draw_justified_text(x_left, x_right, y_top, strip_trailing_blanks(problem_texts.problem_text), memo);
}

}  // namespace

void draw_problem_text_in_box(std::int32_t x_left, std::int32_t x_right, std::int32_t y_top, std::int32_t y_bottom)
{
    LineMemo memo;
    draw_problem_text_in_box(x_left, x_right, y_top, y_bottom, memo);
}

void draw_centred_equation(std::string_view equation, std::int32_t y)
{
    draw_markup_text(centred_line_x(equation), y, equation);
    append_piece(problem_texts.problem_text, " ");
    problem_texts.problem_text += strip_trailing_blanks(equation);
}

void draw_problem_text_and_equation(std::int32_t x_left, std::int32_t x_right, std::int32_t y_top,
                                    std::int32_t y_bottom, std::string_view equation, std::int32_t equation_y)
{
    // The equation's sub- and superscripts keep two pixels from the last line.
    constexpr std::int32_t below_last_line = 18;
    LineMemo memo;  // the drawing reuses what measuring found
    const std::int32_t last_line =
        measure_justified_text(x_left, x_right, y_top, strip_trailing_blanks(problem_texts.problem_text), memo).y;
    const std::int32_t y = std::max(equation_y, last_line + below_last_line);
    draw_problem_text_in_box(x_left, x_right, y_top, y_bottom + y - equation_y, memo);
    draw_centred_equation(equation, y);
}

void draw_left_adjusted_answer(std::int32_t x_left, std::int32_t x_right, std::int32_t y)
{
    const std::string_view answer = problem_texts.answer_text;
    draw_answer_box(x_left, x_right, y, answer.substr(std::min(answer.size(), answer.find_first_not_of(' '))));
}

bool repeats_last_pick(std::int32_t pick, std::int32_t last_pick)
{
    return app_state.version_number == no_version && pick == last_pick;
}
