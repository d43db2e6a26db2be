// The three exercises of "Leggi dei gas": each changes the flask's state
// while the mercury moves, asks for one quantity and shows the answer on
// "Risultato"; "Chiudi" ends it with the restart flag up. They read the
// state, overwrite its statement and never change volume, temperature or
// pressure.
#pragma once

#include "simulations/gas_laws/gas_state.h"

// The thermostat's temperature rises or falls; asked: the final temperature.
void run_gas_exercise_temperature(GasState& gas);
// One gas is added or taken out; asked: its mass.
void run_gas_exercise_amount(GasState& gas);
// A mixture of two gases is added; asked: the partial pressure of the first.
void run_gas_exercise_mixture(GasState& gas);
