#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

#include "numbers/fundamental_constants.h"
#include "numbers/mathematical_constants.h"

namespace {

// Every constant the program shows or computes with is CODATA 2018's value
// (the SI's defining constants exact) to the seven digits the constants
// panel shows; the calculator's texts hold the exact values.
TEST(FundamentalConstants, AreCodata2018sToTheDigitsShown)
{
    struct Case {
        const char* name;
        float program;
        double codata;
    };
    const Case cases[] = {
        {"Avogadro", avogadro_number_f, 6.02214076e23},
        {"Boltzmann", boltzmann_constant_f, 1.380649e-23},
        {"Planck", planck_constant_f, 6.62607015e-34},
        {"elementary charge", elementary_charge_f, 1.602176634e-19},
        {"atomic mass unit", atomic_mass_unit_f, 1.66053906660e-27},
        {"atomic mass unit in grams", atomic_mass_unit_grams_f, 1.66053906660e-24},
        {"proton", proton_mass_f, 1.67262192369e-27},
        {"neutron", neutron_mass_f, 1.67492749804e-27},
        {"electron", electron_mass_f, 9.1093837015e-31},
        {"light", speed_of_light_f, 299792458.0},
    };
    for (const Case& c : cases) {
        const double digit = std::pow(10.0, std::floor(std::log10(c.codata)) - 6.0);
        EXPECT_LE(std::abs(c.program - c.codata), 0.5 * digit + std::abs(c.codata) * 6e-8) << c.name;
    }
    // The gas constant's texts: the SI's exact R, N_A k, and R over
    // 101.325 J/(L atm); π's, the double nearest.
    const double gas_constant = 6.02214076e23 * 1.380649e-23;
    for (const auto& [text, exact] :
         {std::pair{avogadro_number_text, 6.02214076e23}, std::pair{boltzmann_constant_text, 1.380649e-23},
          std::pair{gas_constant_joule_text, gas_constant},
          std::pair{gas_constant_litre_atm_text, gas_constant / 101.325}, std::pair{pi_text, std::numbers::pi}}) {
        double value = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        EXPECT_NEAR(value, exact, std::abs(exact) * 1e-15) << text;
    }
}

}  // namespace
