#include "frame/chapter_dispatcher.h"

#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/main_screen.h"
#include "frame/menus.h"
#include "frame/page_furniture.h"
#include "frame/page_navigation.h"
#include "frame/problem_index.h"
#include "frame/problem_page.h"
#include "frame/status_header.h"
#include "platform/window.h"
#include "text/paint.h"

void run_chapter_generator(GeneratorMode request)
{
    problem_texts.problem_printable = true;
    if (!chapter_available(app_state.current_chapter)) return;
    chapter_generators.by_chapter[app_state.current_chapter](request);
}

std::any keep_chapter_memory()
{
    if (!chapter_available(app_state.current_chapter)) return {};
    const ChapterMemory& memory = chapter_generators.memory[app_state.current_chapter];
    return memory.keep ? memory.keep() : std::any{};
}

void put_back_chapter_memory(const std::any& kept)
{
    if (!chapter_available(app_state.current_chapter) || !kept.has_value()) return;
    const ChapterMemory& memory = chapter_generators.memory[app_state.current_chapter];
    if (memory.put_back) memory.put_back(kept);
}

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
    set_version_menu_enabled(true);
    for (std::int32_t item = 1; item <= 9; ++item) qw_modify_menu_flags(index_menu, item, kQwMenuUnticked);
    qw_modify_menu_flags(index_menu, app_state.current_chapter, kQwMenuTicked);
}
