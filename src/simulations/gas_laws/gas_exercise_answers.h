// The answers of the three gas-law exercises, in the program's single
// precision and with its stored constants.
#pragma once

#include <cstdint>

// Moles in the flask at a pressure (torr) and temperature (Celsius).
float gas_amount(float volume, float temperature, float pressure);

// The temperature (Celsius) at which the same gas in the same flask has the
// final pressure.
float final_temperature(float volume, float temperature, float pressure, float final_pressure);

// Moles added or taken out when the pressure moves at constant volume and
// temperature.
float amount_change(float volume, float temperature, float pressure, float final_pressure);

// The mass of a two-gas mixture of `amount` moles whose first gas makes the
// mass fraction `first_fraction`.
float mixture_mass(float amount, float first_molar_mass, float second_molar_mass, float first_fraction);

struct MixtureAnswer {
    float added_moles = 0.0f;
    float first_gas_moles = 0.0f;
    float partial_pressure = 0.0f;  // of the first gas, atm
};
// After the mixture of the given mass raised the pressure from `pressure`
// to `final_pressure`; the first gas adds the initial pressure when it was
// the one in the flask.
MixtureAnswer mixture_partial_pressure(float volume, float temperature, float pressure, float final_pressure,
                                       float mass, float first_molar_mass, float second_molar_mass,
                                       bool first_gas_in_flask);
