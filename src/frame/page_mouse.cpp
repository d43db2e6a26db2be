#include "frame/page_mouse.h"

#include <algorithm>
#include <array>
#include <atomic>

#include "frame/app_state.h"
#include "frame/page_commands.h"
#include "frame/page_furniture.h"
#include "frame/page_navigation.h"
#include "frame/problem_index.h"
#include "frame/problem_page.h"
#include "frame/scheme_colours.h"
#include "frame/status_header.h"
#include "platform/mouse.h"
#include "platform/window.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

constexpr std::int32_t hover_colour = qw_rgb(221, 221, 0);

// Small buttons of the bottom band: hover and click spans of x; the
// side-panel command each one mirrors (0: none).
struct SmallButton {
    std::int32_t hover_x1, hover_x2, click_x1, click_x2, command;
};
constexpr std::array<SmallButton, 6> small_buttons = {{
    {},
    {576, 598, 576, 598, 0},
    {554, 574, 554, 574, 20},
    {530, 552, 530, 552, 19},
    {510, 526, 510, 529, 17},
    {490, 506, 490, 509, 16},
}};

struct MouseState {
    std::array<bool, 6> hovered{};
    // Set on the thread of the screen that holds the page, read on the
    // user-interface thread.
    std::atomic<PageMouseOwner> owner = nullptr;
};
MouseState mouse_state;

bool in_bottom_band(std::int32_t y)
{
    return y >= 320 && y < 334;
}

bool hovers(std::int32_t k, std::int32_t x, std::int32_t y)
{
    return in_bottom_band(y) && x > small_buttons[k].hover_x1 && x < small_buttons[k].hover_x2;
}

bool clicks(std::int32_t k, std::int32_t x, std::int32_t y)
{
    return in_bottom_band(y) && x > small_buttons[k].click_x1 && x < small_buttons[k].click_x2;
}

// Index cell under x, or 0.
std::int32_t index_cell_at(std::int32_t x)
{
    for (std::int32_t c = 1; c <= 10; ++c)
        if (38 * c + 148 < x && x < 38 * c + 168) return c;
    return 0;
}

// Next (+1) or previous (-1) problem from the bottom band: the button stays
// highlighted afterwards.
void step_with_button(std::int32_t k, std::int32_t q)
{
    if (q == 0) return;
    app_state.selected_problem = q;
    app_state.index_page_first = index_group_start(q);
    draw_problem_index();
    show_problem_page(PageMode::as_version);
    draw_status_header();
    draw_nav_buttons(k, hover_colour);
    mouse_state.hovered[k] = true;
}

void click_side_panel(std::int32_t y)
{
    for (std::int32_t e = 1; e <= std::min(chapter_index.section_count, max_sections); ++e) {
        const SidePanelEntry& entry = chapter_index.side_panel[e];
        if (entry.top < y && y < entry.bottom) {
            go_to_problem(entry.first_problem);
            draw_page_button(e);
            return;
        }
    }
    std::int32_t command = 0;
    for (std::int32_t e = 16; e <= 20; ++e) {
        const SidePanelEntry& entry = chapter_index.side_panel[e];
        if (entry.top < y && y < entry.bottom) command = e;
    }
    switch (command) {
    case 16:
        if (const std::int32_t q = previous_available_problem(app_state.selected_problem)) go_to_problem(q);
        break;
    case 17:
        if (const std::int32_t q = next_available_problem(app_state.selected_problem)) go_to_problem(q);
        break;
    case 18: go_to_random_problem(); break;
    case 19: show_problem_page(PageMode::new_data); break;
    case 20: show_results(); break;
    default: break;
    }
}

void turn_index_page(const IndexPageTarget& target, const char* arrow, std::int32_t arrow_x)
{
    if (target.page_first == 0) return;
    app_state.selected_problem = target.problem;
    app_state.index_page_first = target.page_first;
    draw_problem_index();
    draw_markup_text(arrow_x, 294, arrow);
    draw_status_header();
    show_problem_page(PageMode::as_version);
}

void click_index_bar(std::int32_t x)
{
    if (x < 179) {
        turn_index_page(earlier_index_page(), "@T1@@C5@<", 159);
        return;
    }
    if (x > 564) {
        turn_index_page(later_index_page(), "@T1@@C5@>", 572);
        return;
    }
    const std::int32_t c = index_cell_at(x);
    if (c == 0) return;
    const std::int32_t p = app_state.index_page_first + c - 1;
    if (!problem_available(p)) return;
    app_state.selected_problem = p;
    draw_problem_index();
    draw_status_header();
    show_problem_page(PageMode::as_version);
}

void click_page(std::int32_t x, std::int32_t y)
{
    if (x > 10 && x < 130 && y > 30 && y < 360) {
        click_side_panel(y);
        return;
    }
    if (x > 149 && x < 594 && y > 296 && y < 308) {
        click_index_bar(x);
        return;
    }
    if (clicks(1, x, y)) {
        export_problem();
        return;
    }
    if (x > 583 && x < 591 && y > 11 && y < 19) show_problem_page(PageMode::repeat);
    if (clicks(2, x, y)) show_results();
    if (clicks(3, x, y)) show_problem_page(PageMode::new_data);
    if (clicks(4, x, y) && app_state.selected_problem != app_state.problem_count)
        step_with_button(4, next_available_problem(app_state.selected_problem));
    if (clicks(5, x, y) && app_state.selected_problem != 1)
        step_with_button(5, previous_available_problem(app_state.selected_problem));
}

void hover_page(std::int32_t x, std::int32_t y)
{
    draw_markup_text(159, 294, "@T1@@c000000@<");
    draw_markup_text(572, 294, "@T1@@c000000@>");
    highlight_index_entry(0);
    draw_page_button(0);

    for (std::int32_t k = 1; k <= 5; ++k) {
        if (mouse_state.hovered[k] && !hovers(k, x, y)) {
            draw_nav_buttons(k, scheme_frame_colour());
            mouse_state.hovered[k] = false;
        }
    }
    if (x > 10 && x < 130 && y > 30 && y < 316) {
        for (std::int32_t e = 1; e <= side_panel_entries; ++e) {
            const SidePanelEntry& entry = chapter_index.side_panel[e];
            if (entry.top < y && y < entry.bottom) {
                draw_page_button(e);
                break;
            }
        }
        return;
    }
    if (x > 149 && x < 594 && y > 296 && y < 308) {
        if (x < 179) {
            draw_markup_text(159, 294, "@T1@@cFFFFFF@<");
        } else if (x > 564) {
            draw_markup_text(572, 294, "@T1@@cFFFFFF@>");
        } else if (const std::int32_t c = index_cell_at(x)) {
            const std::int32_t p = app_state.index_page_first + c - 1;
            if (p != app_state.selected_problem && p <= app_state.problem_count) highlight_index_entry(c);
        }
        return;
    }
    for (std::int32_t k = 1; k <= 5; ++k) {
        if (!hovers(k, x, y)) continue;
        if (small_buttons[k].command != 0) draw_page_button(small_buttons[k].command);
        draw_nav_buttons(k, hover_colour);
        mouse_state.hovered[k] = true;
    }
}

}  // namespace

void handle_mouse_event(std::int32_t, std::int32_t event, std::int32_t keystate, std::int32_t x, std::int32_t y)
{
    if (const PageMouseOwner owner = mouse_state.owner) {
        owner(MouseEvent{event, keystate, x, y});
        return;
    }
    if (event == kMouseMove) hover_page(x, y);
    if (event == kMouseLeftDown) click_page(x, y);
}

void enable_page_mouse()
{
    qw_register_mouse_event(kQwGraphicsUnit, kMouseLeftDown, handle_mouse_event);
    qw_register_mouse_event(kQwGraphicsUnit, kMouseMove, handle_mouse_event);
}

void disable_page_mouse()
{
    qw_unregister_mouse_event(kQwGraphicsUnit, kMouseLeftDown);
    qw_unregister_mouse_event(kQwGraphicsUnit, kMouseMove);
}

void set_page_mouse_owner(PageMouseOwner owner)
{
    mouse_state.owner = owner;
}
