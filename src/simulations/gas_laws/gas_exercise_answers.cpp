#include "simulations/gas_laws/gas_exercise_answers.h"
#include "numbers/thermal_constants.h"

#include <cmath>

float gas_amount(float volume, float temperature, float pressure)
{
    return pressure / (gas_constant_litre_torr_short_f * kelvin(temperature)) * volume;
}

float final_temperature(float volume, float temperature, float pressure, float final_pressure)
{
    const float n = gas_amount(volume, temperature, pressure);
    return volume / (gas_constant_litre_torr_short_f * n) * final_pressure - celsius_zero_f;
}

float amount_change(float volume, float temperature, float pressure, float final_pressure)
{
    return volume * std::fabs(final_pressure - pressure) / (gas_constant_litre_torr_short_f * kelvin(temperature));
}

float mixture_mass(float amount, float first_molar_mass, float second_molar_mass, float first_fraction)
{
    return amount * first_molar_mass * second_molar_mass /
           ((1.0f - first_fraction) * first_molar_mass + first_fraction * second_molar_mass);
}

MixtureAnswer mixture_partial_pressure(float volume, float temperature, float pressure, float final_pressure,
                                       float mass, float first_molar_mass, float second_molar_mass,
                                       bool first_gas_in_flask)
{
    const float absolute = kelvin(temperature);
    MixtureAnswer answer;
    answer.added_moles = volume * (final_pressure - pressure) / (gas_constant_litre_torr_short_f * absolute);
    answer.first_gas_moles =
        (mass / second_molar_mass - answer.added_moles) / (first_molar_mass / second_molar_mass - 1.0f);
    answer.partial_pressure = absolute * gas_constant_litre_atm_short_f / volume * answer.first_gas_moles;
    if (first_gas_in_flask) answer.partial_pressure += pressure * atm_per_torr_f;
    return answer;
}
