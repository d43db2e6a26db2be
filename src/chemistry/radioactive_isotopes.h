// Radioactive isotopes as the problems write them: mass number, symbol and
// half-life as text, whose digits are the digits shown.
#pragma once

#include <string_view>

struct RadioactiveIsotope {
    std::string_view mass_number;
    std::string_view symbol;
    std::string_view half_life;
};

// Carbon 14's half-life in years as textbooks print it (Godwin, 1962), for
// every problem that states or dates by it.
inline constexpr std::string_view carbon_14_half_life = "5730";
inline constexpr float carbon_14_half_life_years = 5730.0f;
