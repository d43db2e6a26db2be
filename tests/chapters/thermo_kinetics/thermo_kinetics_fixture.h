// Chapter 6 on the recording backend: a problem generated as the page does
// it, its numbers read back from the statement and the tables' data read
// in double precision, for answers recomputed independently.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/formula_reading.h"
#include "support/shown_numbers.h"
#include "support/table_lookups.h"

namespace thermo_kinetics_test {

using testing_support::composition_of;
using testing_support::compound_named;
using testing_support::compound_with_formula;
using testing_support::digits_for;
using testing_support::digits_of_data;
using testing_support::match;
using testing_support::read_formula;
using testing_support::Shown;
using testing_support::shown;
using testing_support::within_last_digit;
using testing_support::within_rounding;

// The shown number of the i-th group of a match.
inline Shown at(const std::vector<std::string>& groups, std::size_t i)
{
    return shown(groups.at(i));
}

// Compound k's field of columns first..last read as a number (0 when blank).
double compound_number(std::int32_t k, int first, int last);
// Molar mass of compound k from its composition; a compound not found,
// or an element not in the table, is a test failure.
double molar_mass(std::int32_t k);

// A species of an equation as a statement shows it: "  2NH@d3@@d(g)@".
struct Term {
    std::int32_t coefficient = 1;
    std::string formula;  // "NH@d3@"
    std::string state;    // "g", or empty when none is shown
    bool reactant = true;
};
std::vector<Term> equation_terms(std::string_view equation);
// "A, B e C" split into its items.
std::vector<std::string> listed(const std::string& list);
// Products less reactants of the formation values a statement lists for
// the species of the equation (columns first..last of the table, water as
// vapour `vapour`), each checked against the table; 0 for unlisted elements.
double formation_sum(const std::string& species, const std::string& values, const std::string& equation, int first,
                     int last, double vapour);
// Atoms of each element on the left less those on the right.
std::map<std::string, std::int32_t> atom_imbalance(const std::vector<Term>& terms);

inline constexpr double gas_constant = 8.314;  // J/(K mol), as the problems take it
// The versions a problem's sweep visits.
inline constexpr std::int32_t sweep = 120;
using testing_support::second_reading;

// Sweeps visit spread versions; each request starts on a fresh log.
class ChapterSix : public testing_support::ChapterTest {
protected:
    ChapterSix();
};

}  // namespace thermo_kinetics_test
