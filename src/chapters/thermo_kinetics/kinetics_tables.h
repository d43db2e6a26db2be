// The measured data of the kinetics problems, as written: their digits are
// the digits shown.
#pragma once

#include <array>
#include <string_view>

#include "chemistry/radioactive_isotopes.h"

namespace thermo_kinetics {

// Half-lives in years, hours and seconds.
extern const std::array<std::array<RadioactiveIsotope, 6>, 3> half_lives;

// Activation energy (kJ/mol) and gas reaction of problem 38.
struct ActivationRecord {
    std::string_view energy;
    std::string_view equation;
};
extern const std::array<ActivationRecord, 7> activation_energies;

// A rate constant k(T) = A T^n e^(-E/RT) in L/(mol s): A, n and E in kJ/mol.
struct RateLaw {
    float factor;
    float exponent;
    float threshold;
};
// 2HI = H2 + I2, problem 36's.
extern const RateLaw hydrogen_iodide_decomposition;

}  // namespace thermo_kinetics
