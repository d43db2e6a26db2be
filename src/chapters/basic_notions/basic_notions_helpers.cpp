#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "chapters/basic_notions/basic_notions_problems.h"
#include "chemistry/compound_records.h"
#include "chemistry/phase_limits.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "platform/graphics.h"
#include "text/justified_text.h"
#include "text/markup_text.h"

namespace basic_notions {

float truncate_to_thousandths(float x)
{
    return static_cast<float>(static_cast<std::int32_t>(1000.0f * x)) * 0.001f;
}

float truncate_to_whole(float x)
{
    return static_cast<float>(static_cast<std::int32_t>(1000.0f * x) / 1000);
}

std::int32_t draw_gas_compound()
{
    // Nitrogen to chlorine, and helium to argon, are records side by side,
    // each with its phase points.
    static_assert(compounds::chlorine - compounds::nitrogen == 3 && compounds::argon - compounds::helium == 2);
    static_assert([] {
        for (std::int32_t c = compounds::nitrogen; c <= compounds::chlorine; ++c)
            if (!has_phase_points(c)) return false;
        for (std::int32_t c = compounds::helium; c <= compounds::argon; ++c)
            if (!has_phase_points(c)) return false;
        return true;
    }());
    const std::int32_t c = random_int(compounds::nitrogen, compounds::chlorine);
    return random_int(1, 2) == 1 ? random_int(compounds::helium, compounds::argon) : c;
}

void draw_axis_case()
{
    state.axis_top = 1.0f;
    state.axis_step = 0.1f;
    state.graph_case = random_int(1, 2);
    if (state.graph_case == 2) {
        state.axis_top = 10.0f;
        state.axis_step = 1.0f;
    }
}

bool beyond_axis(float value)
{
    return value > (basic_notions_state.graph_case == 1 ? 0.8f : 8.0f);
}

std::span<const float> graph_x_from(std::int32_t first, std::int32_t count)
{
    return std::span<const float>(basic_notions_state.graph_x).subspan(first, count);
}

std::span<const float> graph_y_from(std::int32_t first, std::int32_t count)
{
    return std::span<const float>(basic_notions_state.graph_y).subspan(first, count);
}

void draw_value_table_frame(std::int32_t x0, std::int32_t y0, const TableHeader& header)
{
    draw_markup_text(header.x_label_x, y0, header.x_label);
    draw_markup_text(x0 + header.y_label_dx, y0, header.y_label);
    qw_move_to(x0 + 10, y0 + 15);
    qw_line_to(x0 + 130, y0 + 15);
    qw_move_to(x0 + 60, y0 + 15);
    qw_line_to(x0 + 60, y0 + 100);
}

std::int32_t table_push_below_statement(std::int32_t x_left, std::int32_t x_right, std::int32_t y,
                                        std::int32_t table_top)
{
    const std::string body = "@T1@@C1@" + std::string(strip_trailing_blanks(problem_texts.problem_text));
    const std::int32_t last_line = measure_justified_text(x_left, x_right, y, body).y;
    return std::max(0, last_line + 17 - table_top);
}

void draw_value_table_row(std::int32_t x0, std::int32_t y0, std::int32_t row, std::int32_t x_slot, std::int32_t y_slot)
{
    // An empty display still draws one blank, as a cell of length 1.
    const auto cell = [](std::int32_t slot) {
        const std::string text = slot_text(slot);
        return text.empty() ? std::string(" ") : text;
    };
    draw_markup_text(x0 + 10, y0 + 16 * row + 4, cell(x_slot));
    draw_markup_text(x0 + 80, y0 + 16 * row + 4, cell(y_slot));
}

void draw_statement_with_expression(std::int32_t x_left, std::int32_t x_right, std::int32_t y, std::string_view opening,
                                    QwPoint shift, std::string_view expression)
{
    const std::string sentence = "@T1@@C1@" + std::string(opening);
    const std::string line = "@T1@@C1@" + std::string(expression);
    const QwPoint end = measure_justified_text(x_left, x_right, y, sentence);
    const std::int32_t width = markup_line_width(line);
    const std::int32_t x = std::max(x_left, std::min(end.x + shift.x, x_right - width));
    const std::int32_t row = end.y + shift.y;
    draw_problem_statement_in_box(x_left, x_right, y, row, " ", selected_problem_level());
    draw_justified_text(x_left, x_right, y, sentence);
    draw_markup_text(x, row, line);
}

}  // namespace basic_notions
