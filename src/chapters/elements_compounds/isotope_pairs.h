// Problem 4's elements of two natural isotopes.
#pragma once

#include <array>
#include <string_view>

namespace elements_compounds {

// An isotope with its abundance in atom per cent and its mass in atomic
// mass units, as texts: their digits are the data's significant digits.
struct NaturalIsotope {
    std::string_view mass_number;
    std::string_view abundance;
    std::string_view mass;
};

// A pair's abundances add up to 100, as the page takes them.
struct IsotopePair {
    std::string_view symbol;
    NaturalIsotope first;
    NaturalIsotope second;
};
extern const std::array<IsotopePair, 20> isotope_pairs;

}  // namespace elements_compounds
