// What the statement types share: the statement they return, the lists of
// types per group, and the pieces of their templates.
#pragma once

#include <cstdint>
#include <string>

struct Statement {
    std::string text;
    std::int32_t truth = 0;  // 1 true, 0 false
};

// Group 1 (true_false_group1.cpp; type 10 in true_false_acidity.cpp).
Statement protons_in_nucleus();                 // 1
Statement significant_digits();                 // 2
Statement element_symbol_of_name();             // 3
Statement function_and_curve();                 // 4
Statement electronegativity_order();            // 5
Statement a_metal();                            // 6
Statement a_non_metal();                        // 7
Statement moles_of_atoms();                     // 8
Statement density_of_metal();                   // 9
Statement acid_neutral_or_alkaline();           // 10
Statement electron_configuration_of_element();  // 11
Statement strong_or_weak_acid();                // 12
Statement oxidant_or_reductant();               // 13
Statement metal_oxidised_by_acid();             // 14

// Group 2 (true_false_group2_structure.cpp, true_false_acidity.cpp,
// true_false_group2_quantities.cpp).
Statement neutrons_in_nucleus();               // 1
Statement configuration_of_heavier_element();  // 2
Statement hybridisation_of_centre();           // 3
Statement shape_of_molecule();                 // 4
Statement oxidation_number();                  // 5
Statement kind_of_solid();                     // 6
Statement formula_of_compound();               // 7
Statement molar_volume_of_gas();               // 8
Statement density_of_gas();                    // 9
Statement strong_electrolyte_ions();           // 10
Statement mass_percentage();                   // 11
Statement ph_and_concentrations();             // 12
Statement conjugate_acid_and_base();           // 13
Statement ph_of_solution_or_buffer();          // 14
Statement unit_prefixes();                     // 15
Statement product_of_numbers();                // 16
Statement unit_conversion();                   // 17

// The usual first draw of a type: random_int (0, 1), 1 meaning true.
std::int32_t draw_truth();

// The number a statement shows: the true one, or for a false statement one
// drawn in [lo, hi]; a draw that happens to hit the true value makes the
// statement true.
std::int32_t shown_number(std::int32_t& truth, std::int32_t true_value, std::int32_t lo, std::int32_t hi);

// A concentration 10^-e m, e drawn in [2, 14] before the mantissa m in [1, 9.9].
float draw_concentration();

// Draws compounds from lo to hi until one fills its slot and, when
// elements are not wanted, is not an element.
std::int32_t draw_compound(std::int32_t lo, std::int32_t hi, bool elements_wanted = true);
