// The random choices of the three exercises, from the program's stream in
// the order the exercises make them (nothing they draw between them uses
// the stream).
#pragma once

#include <array>
#include <cstdint>

#include "chemistry/compound_records.h"
#include "simulations/gas_laws/gas_state.h"

enum class PressureChange : std::int32_t { raised = 1, lowered = 2 };

// Compound records of the gases each exercise chooses from.
inline constexpr std::array<CompoundKey, 7> amount_gases{compounds::hydrogen, compounds::oxygen, compounds::nitrogen,
                                                         compounds::ethane,   compounds::helium, compounds::neon,
                                                         compounds::argon};
inline constexpr std::array<CompoundKey, 5> mixture_gases{compounds::hydrogen, compounds::nitrogen, compounds::methane,
                                                          compounds::neon, compounds::argon};

struct TemperatureChoice {
    PressureChange direction = PressureChange::raised;
    float final_pressure = 0.0f;
};
// A raised temperature ends at most at 200 degrees, after a rise of 150
// torr or more unless it reaches 100 degrees; a lowered one at -100 or above.
TemperatureChoice draw_temperature_choice(const GasState& gas);

struct AmountChoice {
    PressureChange direction = PressureChange::raised;
    std::int32_t gas_record = 0;
    float final_pressure = 0.0f;
};
AmountChoice draw_amount_choice(const GasState& gas);

struct MixtureChoice {
    std::int32_t first_record = 0;
    std::int32_t second_record = 0;  // never the first
    float final_pressure = 0.0f;
    float first_fraction = 0.0f;  // of the mixture's mass
    bool first_in_flask = false;  // which gas the flask held
};
MixtureChoice draw_mixture_choice(const GasState& gas);
