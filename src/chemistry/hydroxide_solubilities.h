// The sparingly soluble hydroxides of the solubility problems, one table
// for every chapter that poses them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Hydroxide groups; the solubility product at 25 °C as written (its digits
// are the digits shown); the formula, whose first two characters are the
// metal; and the pH above which the hydroxo anion carries more of the
// metal than the cation, which the solubility product alone counts:
// -log *beta_n / n of M(m+) + n H2O = M(OH)n(m-n) + n H+ (Baes and Mesmer,
// The Hydrolysis of Cations, 1976: Zn(OH)3- and Pb(OH)3- near 9.4,
// Sn(OH)3- 5.5, Ga(OH)4- 4.2, Sc(OH)4- 6.5). 14 where no anion is counted
// within the scale.
struct Hydroxide {
    std::int32_t hydroxide_groups;
    std::string_view solubility_product;
    std::string_view formula;
    float anion_ph;
};

inline constexpr float no_anion_ph = 14.0f;

inline constexpr std::array<Hydroxide, 9> hydroxides{{
    {2, "7.2e-15", "Cd(OH)@d2@", no_anion_ph},
    {2, "5.92e-15", "Co(OH)@d2@", no_anion_ph},
    {3, "7.28e-36", "Ga(OH)@d3@", 4.15f},
    {2, "4.87e-17", "Fe(OH)@d2@", no_anion_ph},
    {2, "1.43e-20", "Pb(OH)@d2@", 9.35f},
    {2, "5.48e-16", "Ni(OH)@d2@", no_anion_ph},
    {3, "2.22e-31", "Sc(OH)@d3@", 6.5f},
    {2, "5.45e-27", "Sn(OH)@d2@", 5.54f},
    {2, "3.2e-17", "Zn(OH)@d2@", 9.47f},
}};
