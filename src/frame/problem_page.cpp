#include "frame/problem_page.h"

#include <any>
#include <array>
#include <string>
#include <string_view>

#include "frame/app_state.h"
#include "frame/chapter_dispatcher.h"
#include "frame/fact_box.h"
#include "frame/generator_protocol.h"
#include "frame/page_furniture.h"
#include "frame/program_services.h"
#include "frame/scheme_colours.h"
#include "numbers/clock_seed.h"
#include "numbers/random_stream.h"
#include "text/markup_text.h"
#include "text/page_regions.h"
#include "text/paint.h"

namespace {

// The last problem generated: which it was, the version in force while it
// was drawn and the chapter's memory just before, all that a repeat needs to
// draw the same page again (a clock seed taken as a version would lift the
// rule against posing the previous pick again).
struct LastPage {
    std::int32_t chapter = 0;  // 0: none yet
    std::int32_t problem = 0;
    std::int32_t version = no_version;
    std::any memory;
};

struct PageState {
    bool level_notice = false;
    LastPage last_page;
    RandomStream stream_before;  // as the last showing found it
};
PageState page_state;

void draw_decoration(std::int32_t scheme)
{
    switch (scheme) {
    case 1: {
        std::array<QwColourBox, 2000> squares;
        for (QwColourBox& square : squares) {
            const std::int32_t x = random_int(150, 591);
            const std::int32_t y = random_int(9, 291);
            const std::int32_t g = random_int(50, 250);
            square = {qw_rgb(g, g, g), x, y, x + 2, y + 2};
        }
        qw_fill_rectangles(squares);
        break;
    }
    case 2:
        for (int i = 0; i < 5; ++i) {
            const std::int32_t x = random_int(149, 594);
            const std::int32_t h = random_int(50, 150);
            const std::int32_t c1 = random_int(200, 250);
            const std::int32_t c2 = random_int(80, 100);
            const auto w = static_cast<std::int32_t>(random_real(1.0f, 2.0f) * static_cast<float>(h));
            fill_ellipse(qw_rgb(c2, c2, c1), x - w, -h, x + w, h);
        }
        break;
    case 3: {
        const std::int32_t x = random_int(149, 594);
        const std::int32_t r = random_int(60, 150);
        const std::int32_t y = random_int(8, 290 - r);
        fill_ellipse(qw_rgb(255, 255, 0), x - r, y - r, x + r, y + r);
        break;
    }
    case 4:
        for (int i = 0; i < 20; ++i) {
            const std::int32_t x = random_int(149, 594);
            const std::int32_t h = random_int(30, 60);
            const std::int32_t y = random_int(h + 10, 294 - h);
            const auto w = static_cast<std::int32_t>(random_real(1.0f, 2.0f) * static_cast<float>(h));
            const std::int32_t g = random_int(100, 160);
            const std::int32_t b = random_int(0, 30);
            fill_ellipse(qw_rgb(0, g, b), x - w, y - h, x + w, y + h);
        }
        break;
    case 5: {
        const std::int32_t c = random_int(130, 200);
        const auto s = static_cast<std::int32_t>(static_cast<float>(c - 80) * 0.033333335f);
        const std::int32_t x = random_int(149, 594);
        const std::int32_t y = random_int(8, 140);
        for (std::int32_t i = 1; i <= 30; ++i) {
            const std::int32_t radius = 150 - 3 * i;
            const std::int32_t v = 80 + s * i;
            fill_ellipse(qw_rgb(v, v, 255), x - radius, y - radius, x + radius, y + radius);
        }
        break;
    }
    default: break;
    }
}

void draw_level_notice(std::int32_t level)
{
    fill_ellipse(qw_rgb(140, 165, 231), 300, 20, 430, 150);
    fill_ellipse(qw_rgb(255, 0, 0), 305, 25, 425, 145);
    // A size smaller than the digit's and centred, so that the word stays
    // on the red where the disc narrows towards its top.
    constexpr std::string_view word = "@t'Arial'h32be@@cFFFFFF@Livello";
    draw_markup_text(365 - markup_line_width(word) / 2, 47, word);
    draw_markup_text(348, 75, "@t'Arial'h72be@@cFFFFFF@" + std::to_string(level));
    show_chemistry_fact(200, 180, 360);
}

// Repaints the labels of "Modifica i dati" (not on a repeat; colour 4 while
// the page shows new data) and "Mostra i risultati" in the panel's ground.
void redraw_data_labels(PageMode mode)
{
    const SidePanelEntry& change = chapter_index.side_panel[19];
    const SidePanelEntry& results = chapter_index.side_panel[20];
    const std::int32_t ground = qw_get_pixel_rgb(13, change.top + 1);
    if (mode == PageMode::as_version || mode == PageMode::new_data) {
        fill_box(ground, 12, change.top, 130, change.top + 13);
        draw_entry_title(change.top, mode == PageMode::new_data ? "@C4@" : "@C2@", change.title);
    }
    fill_box(ground, 12, results.top, 130, results.top + 13);
    draw_entry_title(results.top, "@C2@", results.title);
}

// The page's ground over a rectangle, as show_problem_page lays it.
void repaint_page_ground(const PageRect& r)
{
    fill_box(scheme_page_colour(), r.x1, r.y1, r.x2, r.y2);
    qw_set_clip_region(r.x1, r.y1, r.x2, r.y2);
    draw_decoration(screen_settings.background_scheme);
    qw_set_clip_region(0, 0, 1600, 1600);
}

}  // namespace

bool level_notice_shown()
{
    return page_state.level_notice;
}

void show_problem_page(PageMode mode)
{
    page_state.stream_before = random_stream;
    clear_page_regions();
    page_regions.repaint_ground = repaint_page_ground;
    fill_box(scheme_page_colour(), 149, 8, 594, 295);
    set_random_seed(draw_clock_seed());
    qw_set_clip_region(149, 8, 594, 295);
    draw_decoration(screen_settings.background_scheme);
    qw_set_clip_region(0, 0, 1600, 1600);
    outline_box(qw_rgb(255, 255, 0), 582, 10, 592, 20);
    fill_box(qw_rgb(187, 68, 102), 583, 11, 591, 19);

    const std::int32_t selected = app_state.selected_problem;
    const std::int32_t level = selected >= 1 && selected <= max_problems ? chapter_index.problem_level[selected] : 0;
    if (level > app_state.current_level) {
        page_state.level_notice = true;
        draw_level_notice(level);
        return;
    }
    page_state.level_notice = false;

    LastPage& last = page_state.last_page;
    const bool same_page =
        mode == PageMode::repeat && last.chapter == app_state.current_chapter && last.problem == selected;
    if (mode == PageMode::repeat || mode == PageMode::new_data) {
        app_state.saved_version = app_state.version_number;
        app_state.version_number = mode == PageMode::new_data ? no_version
                                   : same_page                ? last.version
                                                              : screen_settings.last_seed;
    }
    if (same_page) {
        put_back_chapter_memory(last.memory);
        set_random_seed(screen_settings.last_seed);
    } else {
        last = {app_state.current_chapter, selected, app_state.version_number, keep_chapter_memory()};
        if (app_state.version_number != no_version) {
            set_random_seed(app_state.version_number);
            screen_settings.last_seed = app_state.version_number;
        } else {
            screen_settings.last_seed = draw_clock_seed();
            set_random_seed(screen_settings.last_seed);
        }
    }
    run_chapter_generator(GeneratorMode::generate);
    if (mode != PageMode::as_version) app_state.version_number = app_state.saved_version;

    redraw_data_labels(mode);
}

void redraw_problem_page()
{
    random_stream = page_state.stream_before;
    show_problem_page(PageMode::as_version);
}
