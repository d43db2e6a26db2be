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

}  // namespace thermo_kinetics
