#include "frame/main_program.h"

#include "chemistry/data_tables.h"
#include "frame/app_state.h"
#include "frame/chapter_dispatcher.h"
#include "frame/generator_protocol.h"
#include "frame/main_screen.h"
#include "frame/menus.h"
#include "frame/page_furniture.h"
#include "frame/page_mouse.h"
#include "frame/problem_index.h"
#include "frame/problem_page.h"
#include "frame/program_services.h"
#include "frame/status_header.h"
#include "frame/window_subclass.h"
#include "platform/graphics.h"
#include "platform/runtime.h"
#include "platform/window.h"
#include "text/fonts_colours.h"

void configure_main_window()
{
    qw_click_menu(kQwToggleStatusBar);
    qw_set_exit_mode(kQwExitClosesAtOnce);
    QwWindowConfig config;
    config.width_pixels = 605;
    config.height_pixels = 388;
    config.title = " ";
    if (!qw_set_window_config(config)) rt_stop();
    install_window_subclass();
}

void main_program()
{
    configure_main_window();
    build_menus();
    app_state = AppState{};
    init_data_tables();
    run_chapter_generator(GeneratorMode::register_chapter);
    screen_settings.print_mode = PrintMode::results_after_problem;
    screen_settings.background_scheme = 1;
    if (qw_initialize_fonts() < 0) rt_stop();
    if (init_fonts_and_colours() < 0.0f) rt_stop();
    draw_main_screen();
    draw_problem_index();
    draw_status_header();
    draw_button_bar(0);
    show_problem_page(PageMode::as_version);
    enable_page_mouse();
    clear_input_fields();
}
