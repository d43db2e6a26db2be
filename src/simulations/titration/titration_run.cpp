// The titration screen: the burette lens, the pH meter, the cells that run
// titrant into the flask one 20 ms step at a time, "Ripetere la
// titolazione" and the reveal of the hidden concentration.
#include <array>
#include <cstdint>
#include <string>

#include "numbers/value_kit.h"
#include "platform/graphics.h"
#include "platform/mouse.h"
#include "platform/runtime.h"
#include "simulations/click_zone.h"
#include "simulations/titration/titration_apparatus.h"
#include "simulations/titration/titration_chemistry.h"
#include "simulations/titration/titration_screens.h"
#include "simulations/titration/titration_state.h"
#include "text/button_widgets.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

constexpr std::int32_t step_pause_ms = 20;
constexpr std::int32_t drop_colour = 0xFF8888;
constexpr std::int32_t dimmed_label_colour = 0xDD9988;

constexpr SimulationButton repeat_button{360, 80, 180, 20, "Ripetere la titolazione"};
constexpr SimulationButton reveal_button{360, 110, 180, 20, "Concentrazione incognita"};

// A cell of the addition panel: its label's row, its click zone (strict)
// and the addition it makes.
struct AdditionCell {
    std::int32_t label_y;
    std::int32_t x1, x2, y1, y2;
    std::size_t addition;  // index in burette_additions
};
constexpr std::array<AdditionCell, 6> addition_cells{{
    {182, 235, 288, 180, 197, 2},  // 1 mL
    {199, 235, 288, 197, 215, 1},  // 5 gocce
    {216, 235, 288, 216, 230, 0},  // 1 goccia
    {182, 288, 330, 180, 197, 5},  // 20 mL
    {199, 288, 330, 197, 215, 4},  // 10 mL
    {216, 288, 330, 216, 230, 3},  // 5 mL
}};
constexpr std::size_t one_drop = 0;

const AdditionCell* hit_cell(std::int32_t x, std::int32_t y)
{
    for (const AdditionCell& cell : addition_cells)
        if (inside_zone(x, y, cell.x1, cell.x2, cell.y1, cell.y2)) return &cell;
    return nullptr;
}

// The surface row of the flask's liquid at the current volume.
std::int32_t liquid_row()
{
    return flask_liquid_row(flask_fill_fraction());
}

void draw_ph_meter_case()
{
    fill_box(0x666666, 390, 170, 550, 210);
    draw_ph_meter();
    qw_set_color_rgb(0x888888);
    for (std::int32_t k = 1; k <= 10; ++k) {
        qw_move_to(390 + k, 170 - k);
        qw_line_to(549 + k, 170 - k);
        qw_line_to(549 + k, 211 - k);
    }
}

// The cells, their labels white while a click adds, dimmed while an
// addition runs and takes no clicks.
void draw_addition_cells(bool taking_clicks)
{
    fill_box(0xFFAAAA, 235, 180, 330, 230);
    qw_set_color_rgb(taking_clicks ? 0xFFFFFF : dimmed_label_colour);
    // Each label centred in its cell, clear of the grid lines.
    for (const AdditionCell& cell : addition_cells) {
        const std::string label = "@T2@" + std::string(burette_additions[cell.addition].label);
        const std::int32_t width = markup_line_width(label);
        draw_markup_text((cell.x1 + cell.x2 + 1 - width) / 2, cell.label_y, label);
    }
    outline_box(0xFFFFFF, 235, 180, 330, 231);
    // The drops' column wider than the millilitres': "1 goccia" is the longest label.
    outline_box(0xFFFFFF, 235, 180, 288, 231);
    outline_box(0xFFFFFF, 235, 197, 330, 215);
}

void draw_addition_panel()
{
    fill_box(0xDD9988, 230, 160, 335, 235);
    qw_set_color_rgb(0xFFFFFF);
    draw_markup_text(251, 161, "@T2@Aggiungere:");
    draw_addition_cells(true);
}

void draw_titration_screen()
{
    fill_box(titration_state.panel_colour, 220, 50, 580, 230);
    draw_burette_lens();
    titration_state.current_ph = compute_titration_ph();
    draw_ph_axes(ph_axes_liquid);
    draw_ph_meter_case();
    handle_button_descriptor("C");
    draw_simulation_button(repeat_button, label_usable);
    draw_simulation_button(reveal_button, label_usable);
    draw_addition_panel();
}

// After a run of steps, and once the burette has emptied: the falling
// stream is wiped away and an empty burette says so.
void settle()
{
    fill_box(titration_state.panel_colour, 198, 256, 201, flask_row_y(liquid_row(), 239));
    if (!burette_is_empty()) return;
    titration_state.added_volume = burette_capacity;
    draw_markup_text(220, 115, "@T3@@C2@Buretta vuota");
}

void update_apparatus()
{
    draw_burette_lens();
    titration_state.current_ph = compute_titration_ph();
    draw_ph_axes(ph_axes_liquid);
    draw_ph_meter();
    draw_burette_level(200, 240);
}

void add_one_drop()
{
    fill_ellipse(drop_colour, 198, 257, 201, 260);
    rt_sleep_ms(step_pause_ms);
    if (!add_burette_step(burette_additions[one_drop].step)) {
        settle();
        return;
    }
    update_apparatus();
    fill_ellipse(titration_state.panel_colour, 198, 257, 201, 260);
}

// The buttons beside the cells, grey while an addition runs and takes no
// clicks; a concentration revealed is a result and stays as it is.
void draw_buttons_beside(std::int32_t label_colour, bool revealed)
{
    draw_simulation_button(titration_exit_button, label_colour);
    draw_simulation_button(repeat_button, label_colour);
    if (!revealed) draw_simulation_button(reveal_button, label_colour);
}

// The cells stay dimmed when the burette empties: they add nothing more.
void pour(const BuretteAddition& addition)
{
    fill_box(titrant_colour, 199, 256, 200, flask_row_y(liquid_row(), 240));
    for (std::int32_t i = 0; i < addition.steps; ++i) {
        if (!add_burette_step(addition.step)) {
            settle();
            return;
        }
        update_apparatus();
        rt_sleep_ms(step_pause_ms);
    }
    fill_box(titration_state.panel_colour, 199, 256, 200, flask_row_y(liquid_row(), 239));
    draw_addition_cells(true);
}

void run_stream(const BuretteAddition& addition, bool revealed)
{
    draw_addition_cells(false);
    draw_buttons_beside(label_greyed, revealed);
    pour(addition);
    draw_buttons_beside(label_usable, revealed);
}

void reveal_concentration()
{
    set_slot_digits(20, titration_state.analyte_concentration, 4);
    draw_simulation_result(reveal_button, slot_text(20) + " M");
}

void leave_titration_screen()
{
    const std::int32_t panel_colour = titration_state.panel_colour;
    fill_box(panel_colour, 230, 170, 580, 235);
    fill_box(panel_colour, 220, 50, 580, 200);
    titration_state.added_volume = 0.0f;
    titration_state.current_ph = compute_titration_ph();
    draw_ph_axes(ph_axes_liquid);
    draw_burette_level(200, 240);
}

}  // namespace

float run_titration()
{
    for (;;) {
        draw_titration_screen();
        settle();
        bool revealed = false;
        for (bool repeat = false; !repeat;) {
            const MouseEvent click = qw_wait_mouse_event(kMouseLeftDown);
            const std::int32_t x = click.x, y = click.y;
            if (hits_exit_button(x, y)) {
                leave_titration_screen();
                return 1.0f;
            }
            if (inside_zone(x, y, 360, 540, 70, 90)) {
                titration_state.added_volume = 0.0f;
                draw_burette_level(200, 240);
                repeat = true;
            } else if (inside_zone(x, y, 360, 540, 100, 120)) {
                reveal_concentration();
                revealed = true;
            } else if (const AdditionCell* cell = hit_cell(x, y); cell != nullptr && !burette_is_empty()) {
                if (cell->addition == one_drop)
                    add_one_drop();
                else
                    run_stream(burette_additions[cell->addition], revealed);
            }
        }
    }
}
