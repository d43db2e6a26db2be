// The registry's tables that measure nothing: the screens', dialogs' and
// pages' drawing geometry, and the few tables judged exact beside them.
#include <utility>
#include <vector>

#include "table_registry.h"

namespace table_checks {

Judgement drawing_geometry()
{
    return exact("drawing geometry, no measurement");
}

// The screens', dialogs' and pages' drawing geometry: boxes, zones,
// columns and positions, whole numbers that measure nothing.
std::vector<RegisteredTable> layout_tables()
{
    constexpr std::pair<const char*, const char*> tables[] = {
        {"frame/main_screen.cpp", "command_entries"},
        {"frame/menu_dialogs.cpp", "about_dialog"},
        {"frame/menu_dialogs.cpp", "other_version_dialog"},
        {"frame/page_mouse.cpp", "small_buttons"},
        {"frame/status_header.h", "status_field"},
        {"games/chapter_notice.cpp", "chapter_notice_dialog"},
        {"games/poker_cards.cpp", "corners"},
        {"games/poker_cards.cpp", "foot"},
        {"games/poker_cards.cpp", "point"},
        {"layout_check/layout_check.h", "page_shown"},
        {"simulations/equilibrium/equilibrium_drawing.cpp", "bar_top"},
        {"simulations/equilibrium/equilibrium_panels.cpp", "cancel_button"},
        {"simulations/equilibrium/equilibrium_panels.cpp", "concentration_columns"},
        {"simulations/equilibrium/equilibrium_panels.cpp", "concentrations_ok"},
        {"simulations/equilibrium/equilibrium_panels.cpp", "temperature_ok"},
        {"simulations/equilibrium/equilibrium_screen.h", "concentrations_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "continue_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "equilibrate_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "exit_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "new_simulation_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "results_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "stop_button"},
        {"simulations/equilibrium/equilibrium_screen.h", "temperature_button"},
        {"simulations/gas_laws/gas_exercise_course.cpp", "close_button"},
        {"simulations/gas_laws/gas_exercise_course.cpp", "close_zone"},
        {"simulations/gas_laws/gas_exercise_course.cpp", "result_button"},
        {"simulations/gas_laws/gas_exercise_course.cpp", "result_zone"},
        {"simulations/gas_laws/gas_laws_simulation.cpp", "exercise_buttons"},
        {"simulations/gas_laws/gas_laws_simulation.cpp", "exit_zone"},
        {"simulations/titration/titration_apparatus.cpp", "tube_left_and_top"},
        {"simulations/titration/titration_choosers.cpp", "chooser_layouts"},
        {"simulations/titration/titration_run.cpp", "addition_cells"},
        {"simulations/titration/titration_run.cpp", "repeat_button"},
        {"simulations/titration/titration_run.cpp", "reveal_button"},
        {"simulations/titration/titration_screens.h", "titration_exit_button"},
        {"simulations/titration/titration_simulation.cpp", "menu_buttons"},
        {"text/page_regions.h", "problem_area"},
        {"text/plot_geometry.h", "figure_frame"},
        {"tools/calculator.cpp", "calculator_resource"},
        {"tools/element_properties.cpp", "element_dialog"},
        {"tools/equilibrator.cpp", "species_fields"},
        {"tools/function_plotter.cpp", "function_fields"},
        {"tools/function_plotter.cpp", "plot_resource"},
        {"tools/function_plotter.cpp", "range_fields"},
    };
    std::vector<RegisteredTable> all;
    for (const auto& [file, identifier] : tables)
        all.push_back({file, identifier, "drawing geometry", {{"positions, sizes", drawing_geometry()}}});
    all.push_back({"chemistry/chemistry_facts_catalogue.cpp",
                   "facts",
                   "facts of chemistry",
                   {{"texts", exact("statements; their one measured pair, water densest at 4 °C and 1.00 g/cm3, is the "
                                    "CRC Handbook's 3.98 °C and 0.99997 g/cm3")}}});
    all.push_back({"tools/molecule_records.cpp",
                   "table",
                   "molecules' drawings",
                   {{"coordinates", unjudged("the drawn atoms' places: no handbook geometry held here")}}});
    all.push_back({"numerics/machine_constants.cpp",
                   "integer_constants",
                   "machine's integers",
                   {{"limits", exact("the integer and floating formats' limits")}}});
    all.push_back({"tools/reference_panels.cpp",
                   "units_texts",
                   "units panel",
                   {{"factors", exact("units' definitions; the calorie's tied to the program's by its assertion")}}});
    return all;
}

}  // namespace table_checks
