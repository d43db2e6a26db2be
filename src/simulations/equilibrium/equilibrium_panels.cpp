#include "simulations/equilibrium/equilibrium_panels.h"

#include <array>
#include <string>

#include "numbers/fixed_width.h"
#include "numbers/value_slots.h"
#include "platform/mouse.h"
#include "simulations/click_zone.h"
#include "simulations/equilibrium/equilibrium_drawing.h"
#include "simulations/equilibrium/equilibrium_screen.h"
#include "text/button_widgets.h"
#include "text/drawing_kit.h"
#include "text/justified_text.h"
#include "text/paint.h"

namespace {

constexpr std::int32_t panel_body = 0xDDBBAA;
constexpr std::int32_t marker_colour = 0x0000D0;
constexpr SimulationButton temperature_ok{520, 200, 30, 20, "OK"};
constexpr SimulationButton concentrations_ok{510, 230, 40, 20, "OK"};
constexpr SimulationButton cancel_button{510, 200, 40, 20, "Cancella"};
// The message of a refused "OK": right of the columns, above "Cancella".
constexpr std::int32_t message_x1 = 480;
constexpr std::int32_t message_x2 = 572;
constexpr std::int32_t message_y1 = 86;
constexpr std::int32_t message_y2 = cancel_button.y - cancel_button.h / 2 - 3;

bool in_panel_exit(const MouseEvent& e)
{
    return inside_zone(e.x, e.y, 535, 575, 260, 280);
}

std::string slot_label(float value, std::int32_t digits)
{
    value_slots[20].value = value;
    convert_data_slot(20, digits);
    return std::string(strip_trailing_blanks(value_slots[20].display_text));
}

// The gauge and the "Risultati" box reach 7 pixels right of the panel:
// that strip is hidden while the panel is open, and the screen is drawn
// again whole when it closes.
void draw_panel_frame(const EquilibriumModel& m, std::int32_t bottom, std::string_view title)
{
    fill_box(m.box_colour, 581, 40, 587, bottom);
    draw_panel(300, 40, 580, bottom);
    fill_box(0xDD9988, 306, 45, 574, 61);
    draw_justified_text(315, 600, 45, std::string("@T4@@cFFFFFF@") + std::string(title));
    fill_box(panel_body, 306, 62, 574, bottom - 5);
}

void marker(std::int32_t x1, std::int32_t y1)
{
    fill_ellipse(marker_colour, x1, y1, x1 + 5, y1 + 5);
}

// Rows 1-9 in the first column, 10-18 in the second.
void temperature_marker(std::int32_t row)
{
    if (row <= 9)
        marker(307, 54 + 16 * row);
    else
        marker(422, 54 + 16 * (row - 9));
}

// The concentration columns: marker x, repainted strip and click zone; each
// label 4 pixels clear of its marker.
struct ConcentrationColumn {
    std::int32_t marker_x, strip_x1, strip_x2, zone_x1, zone_x2, label_x, label_right;
    std::string_view header;
    std::int32_t header_x;
};
constexpr std::array<ConcentrationColumn, 3> concentration_columns{{
    {307, 307, 312, 305, 370, 317, 500, "[A]", 320},
    {372, 372, 377, 380, 435, 382, 500, "[B]", 385},
    {437, 435, 442, 435, 500, 447, 550, "[C]", 450},
}};

void close_panel(const EquilibriumModel& m, std::int32_t bottom)
{
    fill_box(m.box_colour, 300, 40, 580, bottom);
    draw_simulation_button(equilibrate_button, label_usable);
}

}  // namespace

std::string_view refusal_of_concentrations(std::int32_t a, std::int32_t b, std::int32_t c)
{
    if (a == 1 && (b == 1 || c == 1)) return "Con [A] = 0 servono [B] e [C] diverse da 0.";
    if (a + b + c < 11) return "Servono in tutto almeno 0.08 mol/L.";
    return {};
}

void choose_equilibrium_temperature(EquilibriumModel& m)
{
    auto row = static_cast<std::int32_t>(m.temperature / 25.0f);
    draw_panel_frame(m, 220, "Scegliere la temperatura");
    for (std::int32_t k = 1; k <= 18; ++k) {
        const std::string label = "@T1@@c1@" + slot_label(25.0f * static_cast<float>(k), 3) + " @uo@C";
        const std::int32_t within = k <= 9 ? k : k - 9;
        // 4 pixels clear of the row's marker.
        draw_justified_text(k <= 9 ? 317 : 432, 500, 50 + 16 * within, label);
    }
    draw_simulation_button(equilibrate_button, label_greyed);
    handle_button_descriptor("C");
    draw_simulation_button(temperature_ok, label_usable);
    temperature_marker(row);
    for (;;) {
        const MouseEvent e = qw_wait_mouse_event(kMouseLeftDown);
        if (in_panel_exit(e)) {
            m.run_flag = run_leave;
            return;
        }
        if (inside_zone(e.x, e.y, 305, 470, 66, 210)) {
            row = (e.y - 66) / 16 + 1 + (e.x > 430 ? 9 : 0);
            // Below the title band, whose last row is 61.
            fill_box(panel_body, 307, 62, 312, 215);
            fill_box(panel_body, 420, 62, 427, 215);
            temperature_marker(row);
            m.temperature = 25.0f * static_cast<float>(row);
            update_equilibrium_constant(m);
        } else if (inside_zone(e.x, e.y, 515, 555, 190, 210)) {
            close_panel(m, 220);
            return;
        }
    }
}

void choose_initial_concentrations(EquilibriumModel& m)
{
    std::array<std::int32_t, 3> rows = m.concentration_rows;
    // Down past the concentration panel's scale labels, hidden whole, not
    // cut through their tops.
    draw_panel_frame(m, 262, "Scegliere le concentrazioni iniziali");
    for (std::int32_t k = 1; k <= 10; ++k) {
        const std::string label = "@T1@@c1@" + slot_label(static_cast<float>(k - 1) * 0.01f, 1);
        for (const ConcentrationColumn& column : concentration_columns)
            draw_justified_text(column.label_x, column.label_right, 70 + 16 * k, label);
    }
    for (const ConcentrationColumn& column : concentration_columns)
        draw_justified_text(column.header_x, 600, 65, "@T4@@cFFFFFF@" + std::string(column.header));
    draw_justified_text(500, 600, 65, "@T4@@cFFFFFF@mol/L");
    for (std::size_t s = 0; s < 3; ++s) marker(concentration_columns[s].marker_x, 74 + 16 * rows[s]);
    draw_simulation_button(equilibrate_button, label_greyed);
    handle_button_descriptor("C");
    draw_simulation_button(concentrations_ok, label_usable);
    draw_simulation_button(cancel_button, label_usable);
    for (;;) {
        const MouseEvent e = qw_wait_mouse_event(kMouseLeftDown);
        if (in_panel_exit(e)) {
            m.run_flag = run_leave;
            return;
        }
        if (inside_zone(e.x, e.y, 505, 555, 190, 210)) return;
        if (86 < e.y && e.y < 240) {
            for (std::size_t s = 0; s < 3; ++s) {
                const ConcentrationColumn& column = concentration_columns[s];
                if (!inside_zone(e.x, e.y, column.zone_x1, column.zone_x2, 86, 240)) continue;
                rows[s] = (e.y - 86) / 16 + 1;
                fill_box(panel_body, column.strip_x1, 62, column.strip_x2, 240);
                marker(column.marker_x, 74 + 16 * rows[s]);
                break;
            }
        }
        // The message of a refused "OK" stands right of the columns until the next click.
        fill_box(panel_body, message_x1, message_y1, message_x2, message_y2);
        if (!inside_zone(e.x, e.y, 505, 555, 220, 240)) continue;
        if (const std::string_view refusal = refusal_of_concentrations(rows[0], rows[1], rows[2]); !refusal.empty()) {
            draw_justified_text(message_x1, message_x2, message_y1 + 4, "@T2@@c0000D0@" + std::string(refusal));
            continue;
        }
        m.concentration_rows = rows;
        place_particles(m, 8 * (rows[0] - 1), 8 * (rows[1] - 1), 8 * (rows[2] - 1), true);
        relax_particles(m);
        draw_concentration_bars(m, bars_redraw);
        close_panel(m, 240);
        return;
    }
}
