#include "simulations/equilibrium/equilibrium_screen.h"

#include <string>

#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "simulations/equilibrium/equilibrium_drawing.h"
#include "text/justified_text.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

// The disc of a species in the reaction of the title.
void species_disc(std::int32_t species, std::int32_t x1)
{
    fill_ellipse(species_colour[species], x1, 18, x1 + 10, 28);
}

}  // namespace

void draw_side_buttons(std::int32_t label_colour)
{
    for (const SimulationButton& button :
         {new_simulation_button, temperature_button, concentrations_button, results_button})
        draw_simulation_button(button, label_colour);
}

void draw_equilibrium_screen(const EquilibriumModel& m)
{
    fill_box(0xDD0000, 150, 12, 592, 292);
    fill_box(m.box_colour, 152, 14, 590, 290);
    fill_box(0xDDBBAA, 152, 14, 590, 31);
    draw_markup_text(300, 16, "@T4@@cDD0000@Equilibrio");
    draw_markup_text(371, 16, "@T4@@cDD0000@2");
    species_disc(species_a, 380);
    draw_markup_text(395, 16, "@T4@@cDD0000@=");
    species_disc(species_b, 405);
    draw_markup_text(420, 16, "@T4@@cDD0000@+");
    species_disc(species_c, 430);
    draw_simulation_button(exit_button, label_usable);
    draw_simulation_button(equilibrate_button, label_usable);
    draw_side_buttons(label_usable);
    fill_box(0xDDBBAA, 170, 40, 390, 260);
    fill_box(m.box_colour, 180, 50, 380, 250);
    draw_concentration_panel(m);
}

void draw_opening_card()
{
    draw_simulation_button(equilibrate_button, label_greyed);
    draw_side_buttons(label_greyed);
    fill_box(0x999999, 198, 98, 482, 242);
    fill_box(0x55FFFF, 200, 100, 480, 240);
    draw_justified_text(202, 478, 100,
                        "@T2@@C1@Studiando il comportamento del sistema modello a varie temperature e con varie "
                        "concentrazioni iniziali, e ricordando che");
    draw_markup_text(245, 152, "@T1@@C1@@bD@@iG@@u0@ = @bD@@iH@@u0@ - @iT@@bD@@iS@@u0@ = -@iRT@ ln@iK@,");
    draw_justified_text(202, 478, 175,
                        "@T2@@C1@stimare approssimativamente le variazioni di entalpia e di entropia standard "
                        "associate alla reazione nel caso proposto");
    draw_simulation_button(continue_button, label_usable);
}

void draw_equilibrium_results(const EquilibriumModel& m)
{
    value_slots[20].value = m.delta_h * 0.001f;
    convert_data_slot(20, 3);
    value_slots[19].value = m.delta_s;
    convert_data_slot(19, 3);
    fill_box(0x00EEEE, 405, 160, 585, 260);
    outline_box(0x997777, 405, 160, 585, 260);
    fill_box(0x997777, 405, 160, 585, 180);
    draw_side_box_title("@T4@@cDDDDDD@Risultati");
    draw_markup_text(445, 202, "@T1@@C1@@bD@@iH@@u0@ = " + slot_text(20) + " kJ");
    draw_markup_text(445, 222, "@T1@@C1@@bD@@iS@@u0@ = " + slot_text(19) + " J/K");
}
