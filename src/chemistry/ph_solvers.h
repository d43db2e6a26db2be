// Hydrogen-ion balances solved on the pH scale: a coarse scan from pH 0.01
// to 14.00 in steps of 0.01, a fine scan of 0.0001 inside the bracketing
// step and a final linear interpolation. Each returns the root h in mol/L
// (not the pH), or empty when the balance changes sign nowhere in that range.
// Kw = 1e-14. Given `near`, the root of nearby data, the coarse step is
// found by walking from near's: the same step, and so the same root, where
// the balance changes sign once on the pH scale (a mixture's and a
// hydroxide's balance; the quartic's first change, from a root near it).
// A datum's move through the solver takes a few steps, not the whole scan.
#pragma once

#include <cstdint>
#include <optional>

// Weak acid (total ca, constant ka) and weak base (total cb, constant kb):
// h - Kw/h + cb/(1 + Kw/(kb h)) - ca/(1 + h/ka) = 0. A strong acid or base
// is passed with the constant 1e4; an absent partner with concentration 0.
std::optional<float> solve_ph_mixture(float ca, float cb, float ka, float kb, std::optional<float> near = std::nullopt);

// h^(n-1) (h^2 - Kw) - n c = 0.
std::optional<float> solve_ph_solubility(std::int32_t n, float c, std::optional<float> near = std::nullopt);

// (h + b)(h^2 - Kw)^2 - a b^2 h = 0.
std::optional<float> solve_ph_solubility_quartic(float a, float b, std::optional<float> near = std::nullopt);
