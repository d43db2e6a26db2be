#include "simulations/gas_laws/gas_exercise_course.h"

#include <cmath>

#include "numbers/fixed_width.h"
#include "numbers/value_slots.h"
#include "platform/mouse.h"
#include "platform/runtime.h"
#include "simulations/click_zone.h"
#include "simulations/gas_laws/gas_apparatus.h"
#include "simulations/simulation_buttons.h"
#include "text/justified_text.h"
#include "text/paint.h"

namespace {

constexpr SimulationButton result_button{400, 150, 150, 20, "Risultato"};
constexpr SimulationButton close_button{520, 275, 50, 20, "Chiudi"};
constexpr ClickZone result_zone{410, 140, 540, 160};
constexpr ClickZone close_zone{515, 265, 575, 285};

constexpr std::int32_t progress_colour = 0xDDAAAA;
constexpr std::int32_t animation_step_ms = 10;

void draw_statement(const std::string& statement)
{
    draw_justified_text(380, 580, 40, "@T1@" + std::string(strip_trailing_blanks(statement)));
}

// One torr a step from the initial pressure, repainting the limbs between
// the initial and the current level and filling two progress bars inside
// the blanked lenses. The mouse is not read: clicks meanwhile are lost,
// since a wait only takes events that come after it began.
void animate_mercury(const GasState& gas, float final_pressure)
{
    const float p0 = gas.pressure;
    const float step = final_pressure > p0 ? 1.0f : -1.0f;
    const auto steps = static_cast<std::int32_t>(std::fabs(final_pressure - p0) + 1.0f);
    float p = p0;
    for (std::int32_t i = 0; i < steps; ++i) {
        move_mercury_column(flask_axis_x, tube_width, p0 - atmospheric_pressure, p - atmospheric_pressure,
                            gas.panel_colour);
        const auto k = static_cast<std::int32_t>((p - p0) / (final_pressure - p0) * 28.0f);
        fill_box(progress_colour, left_lens_x + 1, lens_y + 1, left_lens_x + 1 + k, lens_y + 29);
        fill_box(progress_colour, right_lens_x + 1, lens_y + 1, right_lens_x + 1 + k, lens_y + 29);
        rt_sleep_ms(animation_step_ms);
        p += step;
    }
}

// A line that wraps (a pressure from 1000 torr up shows a power of ten)
// pushes the lines below it down instead of running into them; the lines
// stand right of the right manometer's lens, and four lines of which two
// wrap still end above "Chiudi".
void draw_results(const GasState& gas, const ExerciseCourse& course)
{
    const ExerciseResults results = course.results();
    draw_simulation_result(result_button, results.answer);
    std::int32_t next_y = 166;
    const auto draw_line = [&next_y](const std::string& line) {
        if (line.empty()) return;
        next_y = draw_justified_text(right_lens_x + 32, 588, next_y, line).y + 16;
    };
    draw_line("@T1@Pressione iniziale: " + pressure_text(gas.pressure) + " torr");
    draw_line("@T1@Pressione finale: " + pressure_text(course.final_pressure) + " torr");
    draw_line(results.third_line);
    draw_line(results.fourth_line);
}

}  // namespace

void clear_exercise_text(const GasState& gas)
{
    fill_box(gas.panel_colour, 380, 40, 580, 286);
}

std::string slot_text(std::int32_t slot, float value, std::int32_t mode, float uncertainty)
{
    value_slots[slot].value = value;
    value_slots[slot].uncertainty = uncertainty;
    convert_data_slot(slot, mode);
    return std::string(strip_trailing_blanks(value_slots[slot].display_text));
}

std::string pressure_text(float value)
{
    return slot_text(1, value, value < 1.0f ? 2 : 3);
}

void run_exercise_course(GasState& gas, const ExerciseCourse& course)
{
    gas.statement = course.first_statement;
    draw_statement(gas.statement);
    draw_manometer_lens(gas.pressure, gas.panel_colour, ManometerLens::both_blank);
    animate_mercury(gas, course.final_pressure);

    fill_box(gas.panel_colour, 380, 40, 580, 200);
    gas.statement = course.second_statement;
    draw_statement(gas.statement);
    draw_manometer_lens(course.final_pressure, gas.panel_colour, ManometerLens::left);
    draw_manometer_lens(course.final_pressure, gas.panel_colour, ManometerLens::right);
    draw_simulation_button(result_button, label_usable);
    draw_simulation_button(close_button, label_usable);

    for (;;) {
        const MouseEvent click = qw_wait_mouse_event(kMouseLeftDown);
        if (close_zone.holds(click)) {
            gas.restart_flag = 1;
            return;
        }
        if (result_zone.holds(click)) draw_results(gas, course);
    }
}
