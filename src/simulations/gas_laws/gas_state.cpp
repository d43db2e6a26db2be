#include "simulations/gas_laws/gas_state.h"

#include "numbers/random_stream.h"

GasState gas_state;

void draw_gas_state(GasState& gas)
{
    gas.volume = static_cast<float>(random_int(2, 10));
    if (random_int(1, 10) == 1) gas.volume = 2.5f;
    if (random_int(1, 10) == 1) gas.volume = 7.5f;
    gas.pressure = random_real(200.0f, 1300.0f);
    gas.temperature = random_real(10.0f, 95.0f);
    // Low pressures go with cool gas and high ones with warm gas, so that
    // every exercise can find a final state in range; at exactly 440 or
    // 1100 the first temperature stays.
    if (gas.pressure < 440.0f) gas.temperature = random_real(10.0f, 50.0f);
    if (gas.pressure > 1100.0f) gas.temperature = random_real(50.0f, 95.0f);
}
