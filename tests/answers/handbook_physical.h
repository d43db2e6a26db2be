// How the chapters' tables of physical data are judged: the metals'
// resistivities against the handbook, the van der Waals constants by the
// critical point they come from, the heat capacities' fits by the
// heat capacity at 25 °C and the melting point, the triple and critical
// points against the handbook's, the cells' free energies by ΔG° = -nFE°,
// zinc's fusion against the phase table and the handbook, the final
// problems' stated figures against theirs.
#pragma once

#include <string>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/galvanic_cells.h"
#include "table_registry.h"

namespace table_checks {

Judgement resistivities_judgement();
Judgement van_der_waals_judgement();
Judgement heat_capacities_judgement();
Judgement phase_points_judgement();
Judgement galvanic_cells_judgement();
Judgement zinc_fusion_judgement();
Judgement stated_figures_judgement();

// The thermochemical handbook's heat capacity at 25 °C, J/(mol K); NaN
// where it holds no row.
double thermochemical_heat_capacity(const std::string& formula);

// A row's faults by its law, "" where it holds.
std::string van_der_waals_fault(const VanDerWaalsRecord& r);
std::string heat_capacity_fault(const thermo_kinetics::HeatCapacityRow& r);
std::string phase_points_fault(const states_of_matter::TriplePointRow& r);
std::string galvanic_cell_fault(const GalvanicCell& cell);

}  // namespace table_checks
