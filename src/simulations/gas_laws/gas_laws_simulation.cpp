#include "simulations/gas_laws/gas_laws_simulation.h"

#include <array>
#include <string_view>

#include "platform/mouse.h"
#include "simulations/click_zone.h"
#include "simulations/gas_laws/gas_apparatus.h"
#include "simulations/gas_laws/gas_exercises.h"
#include "text/button_widgets.h"
#include "text/justified_text.h"

namespace {

constexpr std::string_view introduction =
    "Il pallone nel termostato contiene un gas ideale; il tubo ad U, di sezione interna trascurabile, contiene "
    "mercurio; annotare le condizioni iniziali e scegliere una esercitazione";

struct ExerciseButton {
    std::string_view descriptor;
    ClickZone zone;
    void (*run)(GasState&);
};
constexpr std::array<ExerciseButton, 3> exercise_buttons{{
    {"d2345678400180150020DD9988BB8888@T4@@cFFFFFF@@y-18@Esercitazione 1",
     {410, 170, 540, 190},
     run_gas_exercise_temperature},
    {"d2345678400210150020DD9988BB8888@T4@@cFFFFFF@@y-18@Esercitazione 2",
     {410, 200, 540, 220},
     run_gas_exercise_amount},
    {"d2345678400240150020DD9988BB8888@T4@@cFFFFFF@@y-18@Esercitazione 3",
     {410, 230, 540, 250},
     run_gas_exercise_mixture},
}};
constexpr std::string_view exit_button = "d2345678520275050020DD9988BB8888@T4@@cFFFFFF@@y-18@Esci";
constexpr ClickZone exit_zone{515, 265, 575, 285};

void draw_simulation_menu(GasState& gas)
{
    draw_gas_apparatus(gas);
    gas.statement = introduction;
    draw_justified_text(380, 580, 40, "@T1@" + gas.statement);
    for (const ExerciseButton& button : exercise_buttons) handle_button_descriptor(button.descriptor);
    handle_button_descriptor(exit_button);
}

}  // namespace

void run_gas_laws_simulation(ScreenLease&)
{
    // An exercise's changes are never kept: after each one a new state.
    for (;;) {
        draw_gas_state(gas_state);
        gas_state.restart_flag = 0;
        draw_simulation_menu(gas_state);
        do {
            const MouseEvent click = qw_wait_mouse_event(kMouseLeftDown);
            gas_state.restart_flag = 0;
            if (exit_zone.holds(click)) {
                return;
            }
            for (const ExerciseButton& button : exercise_buttons) {
                if (button.zone.holds(click)) button.run(gas_state);
            }
        } while (gas_state.restart_flag != 1);
    }
}
