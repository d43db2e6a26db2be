// The app layer: the program and its tools, with every layer plugged in.
//
// Plugs the chapters and the services of the layers above the frame into
// it; the program and the tools that start it call this first.
#pragma once

#include "chapters/chapter_registry.h"
#include "export/rtf_export.h"
#include "frame/generator_protocol.h"
#include "frame/program_services.h"
#include "games/chapter_notice.h"
#include "games/chem_buster.h"
#include "games/chem_poker.h"
#include "games/chem_slot.h"
#include "simulations/equilibrium/equilibrium_simulation.h"
#include "simulations/gas_laws/gas_laws_simulation.h"
#include "simulations/titration/titration_simulation.h"
#include "tools/calculator.h"
#include "tools/element_properties.h"
#include "tools/equilibrator.h"
#include "tools/formula_dialogs.h"
#include "tools/function_plotter.h"
#include "tools/molecule_viewer.h"
#include "tools/reference_panels.h"
#include "tools/thermo_data_viewer.h"

inline void plug_in_program_parts()
{
    register_chapter_generators();
    program_services.export_problem_rtf = export_problem_rtf;
    // "&Dati": units, constants, element properties, periodic table, thermodynamic data.
    program_services.data_viewers = {show_units_panel, show_constants_panel, show_element_properties,
                                     show_periodic_table, show_thermo_data};
    // "&Strumenti": calculator, plotter, molar masses, balancer, equilibrator, viewer.
    program_services.tools[0] = run_calculator_dialog;
    program_services.tools[1] = open_plot_dialog;
    program_services.tools[2] = run_molar_mass_dialog;
    program_services.tools[3] = run_balancer_dialog;
    program_services.tools[4] = run_equilibrator_dialog;
    program_services.tools[5] = run_molecule_viewer;
    program_services.confirm_games_chapter = confirm_games_chapter;
    // "&Simulazioni": gas laws, equilibrium, titration.
    program_services.simulations[0] = run_gas_laws_simulation;
    program_services.simulations[1] = run_equilibrium_simulation;
    program_services.simulations[2] = run_titration_simulation;
    // "&Giochi": Chem Poker (Duvo Vizaz), Chem Slot (Vada Viva), Chem Buster.
    program_services.games[0] = run_chem_poker;
    program_services.games[1] = run_chem_slot;
    program_services.games[2] = run_chem_buster;
}
