#include "simulations/gas_laws/gas_exercise_draws.h"

#include "numbers/random_stream.h"
#include "simulations/gas_laws/gas_exercise_answers.h"

namespace {

// Near the ends of the pressure range the change can go only one way.
PressureChange draw_direction(float pressure)
{
    auto d = static_cast<PressureChange>(random_int(1, 2));
    if (pressure > 1100.0f) d = PressureChange::lowered;
    if (pressure < 440.0f) d = PressureChange::raised;
    return d;
}

}  // namespace

TemperatureChoice draw_temperature_choice(const GasState& gas)
{
    const float v = gas.volume, t = gas.temperature, p = gas.pressure;
    TemperatureChoice c;
    c.direction = draw_direction(p);
    float final_t = 0.0f;
    if (c.direction == PressureChange::raised) {
        do {
            c.final_pressure = random_real(p + 60.0f, p + 200.0f);
            final_t = final_temperature(v, t, p, c.final_pressure);
        } while (!(final_t <= 200.0f && (c.final_pressure >= p + 150.0f || final_t >= 100.0f)));
    } else {
        do {
            c.final_pressure = random_real(p - 300.0f, p - 100.0f);
            final_t = final_temperature(v, t, p, c.final_pressure);
        } while (final_t < -100.0f);
    }
    return c;
}

AmountChoice draw_amount_choice(const GasState& gas)
{
    AmountChoice c;
    c.direction = draw_direction(gas.pressure);
    c.gas_record = amount_gases[random_int(1, 7) - 1];
    c.final_pressure = c.direction == PressureChange::raised ? random_real(gas.pressure + 300.0f, 1500.0f)
                                                             : random_real(100.0f, gas.pressure - 300.0f);
    return c;
}

MixtureChoice draw_mixture_choice(const GasState& gas)
{
    // The direction the other exercises draw: a mixture is only added, but
    // the draw is made all the same.
    random_int(1, 2);
    MixtureChoice c;
    const std::int32_t g1 = random_int(1, 5);
    std::int32_t g2 = 0;
    do {
        g2 = random_int(1, 5);
    } while (g2 == g1);
    c.first_record = mixture_gases[g1 - 1];
    c.second_record = mixture_gases[g2 - 1];
    c.final_pressure = random_real(gas.pressure + 300.0f, 1500.0f);
    c.first_fraction = random_real(0.1f, 0.9f);
    c.first_in_flask = random_int(1, 2) == 1;
    return c;
}
