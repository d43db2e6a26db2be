// The mixture sets of section "Miscele di composti": which pairs of salts
// problems 16 to 24 mix, and the element those problems ask about.
#pragma once

#include <cstdint>
#include <string>

namespace stoichiometry {

// MixtureSet records 1 to 6 into the display texts of value slots 1 to 6
// (problems 16 to 20: only the first salt of a pair holds the element), and
// records 7 to 13 into slots 1 to 7 (problems 21 to 24: both salts hold it,
// in the same group of their compositions).
void load_mixture_sets_1();
void load_mixture_sets_2();

// A salt's molar mass and the mass of the problem's element in one mole of
// it, each with its uncertainty, and the element's percentage by mass.
struct SaltMasses {
    float molar = 0.0f;
    float molar_uncertainty = 0.0f;
    float element = 0.0f;
    float element_uncertainty = 0.0f;
    float percentage = 0.0f;
};

struct Mixture {
    std::int32_t set = 0;
    std::int32_t first = 0;  // compound numbers of the two salts, in set order
    std::int32_t second = 0;
    std::int32_t group = 0;  // of the compositions, naming the element
    std::int32_t element = 0;
    SaltMasses first_masses;
    SaltMasses second_masses;  // filled for the sets of the second loader only
};

// Draws the positions of two salts of the loaded set and reads them; the
// element's symbol goes into the display text of symbol_slot.
Mixture pick_mixture(std::int32_t set, std::int32_t symbol_slot);

// Problems 21 to 24: the pick with the masses of both salts; the symbol in slot 15.
Mixture pick_mixture_of_two(std::int32_t set);

// Problems 22 and 24: sets and pairs drawn again until the two salts'
// percentages differ by 3 points; the set differs from the one in `memory`
// under "Nessuna Versione", and is kept there afterwards.
Mixture pick_distinct_mixture(std::int32_t memory);

std::string element_symbol_of(const Mixture& mixture);

}  // namespace stoichiometry
