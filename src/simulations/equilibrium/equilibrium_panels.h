// The temperature and starting-concentration panels of "Sistemi in
// equilibrio": modal on the simulation's thread, each marks its choice with
// a red disc and can end the simulation through its "Esci" zone (run_flag
// then becomes run_leave).
#pragma once

#include <cstdint>
#include <string_view>

#include "simulations/equilibrium/equilibrium_model.h"

// Each row pressed takes effect at once (temperature and K); "OK" closes.
void choose_equilibrium_temperature(EquilibriumModel& m);
// "OK" rebuilds the particles from the rows when they are acceptable and
// otherwise says why not; "Cancella" and "Esci" change nothing.
void choose_initial_concentrations(EquilibriumModel& m);

// Rows 1..10 of [A], [B], [C] (row k: 8 (k - 1) particles) need some A, or
// both B and C, and at least 64 particles in all; what is wrong with them,
// empty when they are acceptable.
std::string_view refusal_of_concentrations(std::int32_t a, std::int32_t b, std::int32_t c);
