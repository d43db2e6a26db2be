// Water's data of the chemistry layer, keyed by their names: heats, heat
// capacities and molar volumes against the handbook, the colligative
// constants by the law they follow from.
#pragma once

#include "table_registry.h"

namespace table_checks {

Column water_heat_column();
Column water_heat_capacity_column();
Column water_volume_column();

// A column of the above against the rows of water_data it holds.
Judgement water_judgement(Column (*column)());

// Ice's heat capacity a + b t against measured points from -93 to -3 °C.
Judgement ice_heat_capacity_judgement();

// K = R T² M / ΔH at the normal melting and boiling points.
Judgement water_constants_judgement();

}  // namespace table_checks
