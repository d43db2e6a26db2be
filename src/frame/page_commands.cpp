#include "frame/page_commands.h"

#include "frame/app_state.h"
#include "frame/chapter_dispatcher.h"
#include "frame/generator_protocol.h"
#include "frame/main_screen.h"
#include "frame/page_furniture.h"
#include "frame/page_navigation.h"
#include "frame/problem_index.h"
#include "frame/problem_page.h"
#include "frame/program_services.h"
#include "frame/scheme_colours.h"
#include "frame/status_header.h"
#include "numbers/clock_seed.h"
#include "numbers/random_stream.h"
#include "text/paint.h"

void select_chapter()
{
    run_chapter_generator(GeneratorMode::register_chapter);
    app_state.selected_problem = opening_problem();
    draw_side_panel(SidePanel::chapter);
    app_state.index_page_first = index_group_start(app_state.selected_problem);
    draw_problem_index();
    show_problem_page(PageMode::as_version);
    fill_box(panel_ground_colour, 10, 31, 132, 199);
    // A long section title of the chapter before may reach over the left
    // column and the rule beside it: give them back their own colours.
    fill_box(scheme_frame_colour(), 133, 31, 140, 199);
    fill_box(page_border_colour, 141, 31, 143, 199);
    draw_button_bar(0);
    draw_status_header();
}

void go_to_problem(std::int32_t q)
{
    app_state.selected_problem = q;
    app_state.index_page_first = index_group_start(q);
    draw_problem_index();
    draw_status_header();
    show_problem_page(PageMode::as_version);
}

void go_to_random_problem()
{
    if (app_state.problem_count < 1) return;
    set_random_seed(draw_clock_seed());
    const std::int32_t q = available_problem_from(random_int(1, app_state.problem_count));
    if (q != 0) go_to_problem(q);
}

void show_results()
{
    if (!level_notice_shown()) run_chapter_generator(GeneratorMode::answer);
}

void show_version(std::int32_t version)
{
    app_state.version_number = version;
    show_problem_page(PageMode::as_version);
    draw_status_header();
}

void set_level(std::int32_t level)
{
    app_state.current_level = level;
    show_problem_page(PageMode::repeat);
    draw_status_header();
    draw_problem_index();
}

void apply_background_scheme(std::int32_t scheme)
{
    screen_settings.background_scheme = scheme;
    draw_main_screen();
    draw_problem_index();
    draw_status_header();
    draw_button_bar(0);
    show_problem_page(PageMode::repeat);
}

void export_problem()
{
    if (!level_notice_shown() && program_services.export_problem_rtf) program_services.export_problem_rtf(11);
}
