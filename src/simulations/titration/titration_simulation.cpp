#include "simulations/titration/titration_simulation.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "platform/mouse.h"
#include "simulations/click_zone.h"
#include "simulations/titration/titration_apparatus.h"
#include "simulations/titration/titration_chemistry.h"
#include "simulations/titration/titration_screens.h"
#include "simulations/titration/titration_state.h"
#include "text/button_widgets.h"
#include "text/markup_text.h"
#include "text/paint.h"

namespace {

enum class MenuChoice { titrate, titrant, indicator, new_titration };
struct MenuButton {
    std::string_view descriptor;
    std::int32_t y1, y2;  // click zone between x 340 and 540
    MenuChoice choice;
};
constexpr std::array<MenuButton, 4> menu_buttons{{
    {"d2345678340070200020DD9988BB8888@T4@@cFFFFFF@@y-18@Eseguire la titolazione", 60, 80, MenuChoice::titrate},
    {"d2345678340100200020DD9988BB8888@T4@@cFFFFFF@@y-18@Cambiare conc. di titolante", 90, 110, MenuChoice::titrant},
    {"d2345678340130200020DD9988BB8888@T4@@cFFFFFF@@y-18@Cambiare indicatore", 120, 140, MenuChoice::indicator},
    {"d2345678340160200020DD9988BB8888@T4@@cFFFFFF@@y-18@Nuova titolazione", 150, 170, MenuChoice::new_titration},
}};

void set_up_titration_screen()
{
    TitrationState& s = titration_state;
    fill_box(0xDD0000, 150, 12, 592, 292);
    fill_box(s.panel_colour, 152, 14, 590, 290);
    fill_box(0xDDBBAA, 152, 14, 590, 31);
    draw_titration_flask(200, 240, 0x999999);
    draw_burette_outline(200, 240, 0x999999);
    s.added_volume = 0.0f;
    s.current_ph = compute_titration_ph();
    draw_ph_axes(ph_axes_scale);
    draw_ph_axes(ph_axes_liquid);
    draw_burette_level(200, 240);
    draw_markup_text(300, 16, "@T4@@cDD0000@Titolazioni acido/base");
    draw_simulation_button(titration_exit_button, label_usable);
}

const MenuButton* hit_menu_button(std::int32_t x, std::int32_t y)
{
    for (const MenuButton& button : menu_buttons)
        if (inside_zone(x, y, 340, 540, button.y1, button.y2)) return &button;
    return nullptr;
}

// The menu of the four actions, until "Esci" (false) or "Nuova
// titolazione" (true).
bool run_titration_menu()
{
    for (;;) {
        for (const MenuButton& button : menu_buttons) handle_button_descriptor(button.descriptor);
        const MenuButton* hit = nullptr;
        while (hit == nullptr) {
            const MouseEvent click = qw_wait_mouse_event(kMouseLeftDown);
            if (hits_exit_button(click.x, click.y)) return false;
            hit = hit_menu_button(click.x, click.y);
        }
        switch (hit->choice) {
        case MenuChoice::titrate:
            titration_state.added_volume = 0.0f;
            titration_state.current_ph = compute_titration_ph();
            draw_ph_axes(ph_axes_liquid);
            run_titration();
            break;
        case MenuChoice::titrant:
            if (choose_titrant_concentration() < 0.0f) return false;
            break;
        case MenuChoice::indicator:
            if (choose_indicator() < 0) return false;
            break;
        case MenuChoice::new_titration: return true;
        }
    }
}

// One pass from the screen's set-up through the choosers and the menu:
// true when "Nuova titolazione" asks for another.
bool run_titration_pass()
{
    set_up_titration_screen();
    if (choose_titration_analyte() < 0.0f) return false;
    if (choose_titrant_concentration() < 0.0f) return false;
    if (choose_indicator() < 0) return false;
    return run_titration_menu();
}

}  // namespace

void run_titration_simulation(ScreenLease&)
{
    start_titration_state();
    while (run_titration_pass()) {}
}
