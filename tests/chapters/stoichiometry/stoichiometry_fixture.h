// Chapter 3 on the recording backend: problems generated as the page does,
// and the masses of their elements and compounds worked out again in
// double precision from the tables, as a student would with a calculator.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"
#include "support/table_lookups.h"

namespace stoichiometry_test {

using testing_support::atomic_mass;
using testing_support::atoms_of;
using testing_support::composition_mass;
using testing_support::composition_of;
using testing_support::compound_named;
using testing_support::compound_with_formula;
using testing_support::digits_of_data;
using testing_support::element_named;
using testing_support::element_with_symbol;
using testing_support::match;
using testing_support::Shown;
using testing_support::shown;
using testing_support::symbol_of;
using testing_support::within_last_digit;
using testing_support::within_rounding;

// The molar mass of the compound with that formula, from its composition
// in the table.
double formula_mass(std::string_view formula);
// The element's share of compound k's mass, every group of its symbol counted.
double element_fraction(std::int32_t k, std::int32_t z);

// A balanced equation as the answers write it, " 2H@d2@ + O@d2@ =  2H@d2@O".
struct Term {
    std::int32_t coefficient = 1;
    std::string formula;
};
struct Equation {
    std::vector<Term> reactants;
    std::vector<Term> products;
};
Equation read_equation(std::string_view text);

// Sweeps visit spread versions; each request starts on a fresh log.
class ChapterThree : public testing_support::ChapterTest {
protected:
    ChapterThree();
};

}  // namespace stoichiometry_test
