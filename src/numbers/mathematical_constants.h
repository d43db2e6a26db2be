// The mathematical constants the program writes out rather than takes
// from <numbers>: ln 10 rounded as the pH pages carry an uncertainty, and
// π as the calculator's named constant reads it and as its tangent's rule
// stores it.
#pragma once

#include <numbers>
#include <string_view>

// 2.3 turns the uncertainty of a p-value into a relative one and back.
inline constexpr float ln10_rounded_f = 2.3f;
static_assert(ln10_rounded_f - std::numbers::ln10 < 0.05 && std::numbers::ln10 - ln10_rounded_f < 0.05);

// π with the sixteen digits a double holds.
inline constexpr std::string_view pi_text = "3.141592653589793";

// π as the calculator's rule for the tangent's poles stores it, two digits
// short of a double's: the rule refuses by this figure, not by π.
inline constexpr double calculator_stored_pi = 3.14159265358979;
static_assert(std::numbers::pi - calculator_stored_pi < 1e-14 && calculator_stored_pi < std::numbers::pi);
