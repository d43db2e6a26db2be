#include "simulations/equilibrium/equilibrium_simulation.h"

#include "frame/page_mouse.h"
#include "platform/mouse.h"
#include "platform/runtime.h"
#include "platform/window.h"
#include "simulations/click_zone.h"
#include "simulations/equilibrium/equilibrium_drawing.h"
#include "simulations/equilibrium/equilibrium_panels.h"
#include "simulations/equilibrium/equilibrium_screen.h"

namespace {

bool in_exit_zone(std::int32_t x, std::int32_t y)
{
    return inside_zone(x, y, 515, 575, 265, 285);
}
bool in_equilibrate_zone(std::int32_t x, std::int32_t y)
{
    return inside_zone(x, y, 195, 355, 265, 285);
}
bool in_side_zone(std::int32_t x, std::int32_t y, const SimulationButton& button)
{
    return inside_zone(x, y, 415, 575, button.y - 10, button.y + 10);
}

// 40 particles of each species at 50 C, a new reaction, then the settling.
void build_first_model(EquilibriumModel& m)
{
    place_particles(m, 40, 40, 40, false);
    m.box_colour = 0xFFEEEE;
    m.temperature = 50.0f;
    pick_random_reaction_thermo(m.delta_h, m.delta_s);
    update_equilibrium_constant(m);
    relax_particles(m);
    m.model_built = 1;
}

void draw_whole_screen(EquilibriumModel& m)
{
    draw_equilibrium_screen(m);
    draw_particle_box(m);
    draw_concentration_bars(m, bars_redraw);
}

// True to go on to the idle state, false to leave.
bool show_opening_card(EquilibriumModel& m)
{
    draw_whole_screen(m);
    draw_opening_card();
    for (;;) {
        const MouseEvent e = qw_wait_mouse_event(kMouseLeftDown);
        if (inside_zone(e.x, e.y, 395, 455, 215, 235)) return true;
        if (in_exit_zone(e.x, e.y)) return false;
    }
}

// The simulation's mouse hears the page for exactly as long as the run
// lasts, also when a quit of the program unwinds it.
class RunCallbackBinding {
public:
    RunCallbackBinding() { enable_page_mouse(); }
    ~RunCallbackBinding() { disable_page_mouse(); }
    RunCallbackBinding(const RunCallbackBinding&) = delete;
    RunCallbackBinding& operator=(const RunCallbackBinding&) = delete;
};

// Frames until "Stop" (true: back to the idle wait) or "Esci" (false).
bool run_to_stop(EquilibriumModel& m)
{
    draw_whole_screen(m);
    RunCallbackBinding binding;
    draw_simulation_button(stop_button, label_usable);
    draw_side_buttons(label_greyed);
    for (;;) {
        for (int k = 0; k < 100; ++k) advance_particles(m, 0.01f);
        attempt_reaction_step(m);
        draw_particle_box(m);
        rt_sleep_ms(50);
        if (m.run_flag == run_leave) return false;
        if (m.run_flag == run_stop) break;
        draw_concentration_bars(m, bars_update);
    }
    update_reaction_flashes(m, flash_clear);
    draw_particle_box(m);
    draw_simulation_button(equilibrate_button, label_usable);
    draw_side_buttons(label_usable);
    return true;
}

void choose_temperature_and_rescale(EquilibriumModel& m)
{
    const float t_old = m.temperature;
    choose_equilibrium_temperature(m);
    rescale_for_temperature(m, t_old);
}

// The idle state until a button or panel leaves the simulation.
void run_idle_state(EquilibriumModel& m)
{
    for (;;) {
        draw_whole_screen(m);
        bool redraw = false;
        while (!redraw) {
            const MouseEvent e = qw_wait_mouse_event(kMouseLeftDown);
            m.run_flag = run_going;
            if (in_exit_zone(e.x, e.y)) return;
            if (in_equilibrate_zone(e.x, e.y)) {
                if (!run_to_stop(m)) return;
            } else if (in_side_zone(e.x, e.y, new_simulation_button)) {
                pick_random_reaction_thermo(m.delta_h, m.delta_s);
                update_equilibrium_constant(m);
                choose_initial_concentrations(m);
                draw_whole_screen(m);
                if (m.run_flag == run_leave) return;
                choose_temperature_and_rescale(m);
                redraw = true;
            } else if (in_side_zone(e.x, e.y, temperature_button)) {
                choose_temperature_and_rescale(m);
                redraw = true;
            } else if (in_side_zone(e.x, e.y, concentrations_button)) {
                choose_initial_concentrations(m);
                draw_particle_box(m);
                redraw = true;
            } else if (in_side_zone(e.x, e.y, results_button)) {
                draw_equilibrium_results(m);
            }
            if (m.run_flag == run_leave) return;
        }
    }
}

}  // namespace

void handle_equilibrium_mouse_event(const MouseEvent& e)
{
    if (e.event != kMouseLeftDown) return;
    if (in_equilibrate_zone(e.x, e.y))
        equilibrium_model.run_flag = run_stop;
    else if (in_exit_zone(e.x, e.y))
        equilibrium_model.run_flag = run_leave;
}

void run_equilibrium_simulation(ScreenLease& lease)
{
    lease.own_mouse(handle_equilibrium_mouse_event);
    EquilibriumModel& m = equilibrium_model;
    m.run_flag = run_going;
    if (m.model_built == 0) build_first_model(m);
    if (show_opening_card(m)) run_idle_state(m);
    update_reaction_flashes(m, flash_clear);
}
