#include "frame/problem_index.h"

#include <string>

#include "frame/app_state.h"
#include "frame/scheme_colours.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

struct IndexState {
    std::int32_t highlighted_cell = 0;
};
IndexState index_state;

bool within_level(std::int32_t p)
{
    return chapter_index.problem_level[p] <= app_state.current_level;
}

std::string index_number(std::int32_t p, const char* colour_code)
{
    return std::string("@T2@") + colour_code + std::to_string(p);
}

void draw_index_number(std::int32_t p, std::int32_t x)
{
    draw_markup_text(x, 296, index_number(p, within_level(p) ? "@c000000@" : "@c5050D0@"));
}

// Redraws cell i of an index entry that reacts to hover in the given colour.
void repaint_hover_cell(std::int32_t i, std::int32_t ground, const char* colour_code)
{
    const std::int32_t p = app_state.index_page_first + i - 1;
    if (p == app_state.selected_problem || p < 1 || p > max_problems || !within_level(p)) return;
    const std::int32_t x = index_cell_x(i);
    fill_box(ground, x - 5, 298, x + 15, 307);
    draw_markup_text(x, 296, index_number(p, colour_code));
}

}  // namespace

void draw_problem_index()
{
    fill_box(scheme_frame_colour(), 149, 296, 594, 308);
    for (std::int32_t i = 1; i <= 10; ++i) {
        const std::int32_t p = app_state.index_page_first + i - 1;
        if (p > app_state.problem_count || p > max_problems) break;
        if (p >= 1) draw_index_number(p, index_cell_x(i));
    }
    draw_markup_text(159, 294, "@T1@@C1@<");
    draw_markup_text(572, 294, "@T1@>");

    const std::int32_t j = app_state.selected_problem - app_state.index_page_first + 1;
    if (j >= 1 && j <= 10 && app_state.selected_problem <= max_problems) {
        const std::int32_t x = index_cell_x(j);
        qw_set_color_rgb(page_border_colour);
        qw_rectangle(QwControl::outline, 149, 296, 594, 308);
        qw_move_to(x - 10, 308);
        qw_line_to(x - 15, 296);
        qw_move_to(x + 20, 308);
        qw_line_to(x + 25, 296);
        qw_line_to(x - 15, 296);
        // The tab takes the page colour and loses its top edge, so that it
        // joins the problem area above it.
        qw_set_color_rgb(scheme_page_colour());
        qw_flood_fill_rgb(x, 300, page_border_colour);
        qw_line_to(x + 25, 296);
        draw_index_number(app_state.selected_problem, x);
    }
}

void highlight_index_entry(std::int32_t j)
{
    if (j == index_state.highlighted_cell) return;
    const std::int32_t ground = qw_get_pixel_rgb(158, 298);
    if (index_state.highlighted_cell > 0) repaint_hover_cell(index_state.highlighted_cell, ground, "@c000000@");
    if (j > 0) repaint_hover_cell(j, ground, "@cFFFFFF@");
    index_state.highlighted_cell = j;
}
