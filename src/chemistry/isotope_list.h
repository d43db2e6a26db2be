// Isotopes found in nature, by symbol and mass number, for the questions on
// a nucleus's particles: the elements chapter's problem 3 and a true/false
// statement draw the first 80; uranium 238 closes the list but is never
// drawn.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct IsotopeName {
    std::string_view symbol;
    std::int32_t mass_number;
};

inline constexpr std::array<IsotopeName, 81> isotope_list{{
    {"H", 1},    {"H", 2},    {"He", 3},   {"He", 4},   {"Li", 6},   {"Li", 7},   {"B", 10},   {"B", 11},   {"C", 12},
    {"C", 13},   {"N", 14},   {"N", 15},   {"O", 16},   {"O", 17},   {"O", 18},   {"Ne", 20},  {"Ne", 21},  {"Ne", 22},
    {"Mg", 24},  {"Mg", 25},  {"Mg", 26},  {"Si", 28},  {"Si", 29},  {"Si", 30},  {"S", 32},   {"S", 33},   {"S", 34},
    {"S", 36},   {"Cl", 35},  {"Cl", 37},  {"Ar", 36},  {"Ar", 38},  {"Ar", 40},  {"K", 39},   {"K", 40},   {"K", 41},
    {"Ca", 40},  {"Ca", 42},  {"Ca", 44},  {"Ti", 47},  {"Ti", 48},  {"Cr", 52},  {"Cr", 53},  {"Fe", 54},  {"Fe", 56},
    {"Ni", 58},  {"Ni", 60},  {"Cu", 63},  {"Cu", 65},  {"Zn", 64},  {"Zn", 66},  {"Ge", 70},  {"Ge", 72},  {"Ge", 74},
    {"Se", 78},  {"Se", 80},  {"Br", 79},  {"Br", 81},  {"Kr", 84},  {"Kr", 86},  {"Zr", 90},  {"Zr", 92},  {"Zr", 94},
    {"Mo", 98},  {"Mo", 100}, {"Pd", 106}, {"Pd", 108}, {"Ag", 107}, {"Ag", 109}, {"Sn", 116}, {"Sn", 118}, {"Sn", 120},
    {"Ba", 135}, {"Ba", 138}, {"Os", 189}, {"Os", 190}, {"Os", 192}, {"Pt", 195}, {"U", 234},  {"U", 235},  {"U", 238},
}};
