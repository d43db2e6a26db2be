// Equilibrium of one reaction with up to three reactants and three products.
#pragma once

#include <array>

// Slots 0-2 are the reactants, 3-5 the products; a coefficient of 0 or less
// marks an absent species.
using SpeciesValues = std::array<float, 6>;

enum class ExtentOutcome {
    accepted,         // Q/K within [0.99999, 1.0001]
    not_converged,    // five runs without reaching that window; c holds the last result
    no_valid_extent,  // no extent keeps every present species positive; c untouched
};

// Searches the reaction extent x (concentration units) on a narrowing grid,
// restarting from its own result up to five runs, and writes
// c = c0 - nu x (reactants), c0 + nu x (products) for the present species.
// An absent species keeps the caller's value in c. A constant that is not
// positive gives no_valid_extent.
[[nodiscard]] ExtentOutcome solve_equilibrium_extent(const SpeciesValues& nu, const SpeciesValues& c0, SpeciesValues& c,
                                                     float K);
