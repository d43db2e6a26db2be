// Chapter 3 on the recording backend: problems generated as the page does,
// and the masses of their elements and compounds worked out again in
// double precision from the tables, as a student would with a calculator.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"

namespace stechiom_test {

using testing_support::match;
using testing_support::Shown;
using testing_support::shown;
using testing_support::within_last_digit;
using testing_support::within_rounding;

// The element of that name (table columns 1-15), 0 if none.
std::int32_t element_named(std::string_view name);
// The element of a symbol ("Cl", "C"), 0 if none.
std::int32_t element_with_symbol(std::string_view symbol);
// Its symbol without the trailing blank, and its atomic mass as the table
// writes it.
std::string symbol_of(std::int32_t z);
double atomic_mass(std::int32_t z);
// The compound whose formula (columns 41-70) is the markup, 0 if none.
std::int32_t compound_with_formula(std::string_view formula);
// The compound of that name (columns 1-40), 0 if none.
std::int32_t compound_named(std::string_view name);
// Compound k's composition string (columns 81-100).
std::string composition_of(std::int32_t k);
// Atoms per element symbol of a composition string ("Ca01O 02H 02").
std::map<std::string, std::int32_t> atoms_of(std::string_view composition);
// Its molar mass from the atomic masses; 0 when a symbol is not an element.
double composition_mass(std::string_view composition);
// The molar mass of the compound with that formula.
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

class ChapterThree : public testing_support::ChapterTest {
protected:
    ChapterThree();

    // Request 1 of problem k under the version on a fresh log (0 is
    // "Nessuna Versione", with the stream seeded by seed_for_no_version).
    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version = 12345);
    // Request 2 of the problem last generated, on a fresh log.
    void answer();

    // Runs check for `count` spread versions, stopping at the first failure.
    template <typename Check>
    void for_versions(std::int32_t k, std::int32_t count, Check check)
    {
        for (std::int32_t n = 1; n <= count; ++n) {
            const std::int32_t version = spread_version(n);
            generate(k, version);
            SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version) + ": " +
                         statement() + " => " + answer_text());
            check();
            if (HasFailure()) return;
        }
    }
};

}  // namespace stechiom_test
