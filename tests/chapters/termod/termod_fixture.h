// Chapter 6 on the recording backend: a problem generated as the page does
// it, its numbers read back from the statement and the tables' data read
// in double precision, for answers recomputed independently.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <map>
#include <vector>

#include "support/chapter_fixture.h"
#include "support/shown_numbers.h"

namespace termod_test {

using testing_support::match;
using testing_support::Shown;
using testing_support::shown;
using testing_support::within_last_digit;
using testing_support::within_rounding;

// The shown number of the i-th group of a match.
inline Shown at(const std::vector<std::string>& groups, std::size_t i) { return shown(groups.at(i)); }

// Compound k's field of columns first..last read as a number (0 when blank).
double compound_number(std::int32_t k, int first, int last);
// The compound whose name (columns 1-40) is name, 0 if none.
std::int32_t compound_named(std::string_view name);
// The compound whose formula (columns 41-70) is formula, 0 if none.
std::int32_t compound_of_formula(std::string_view formula);
// Molar mass from the composition and the element table's masses.
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
// Atoms of a formula in markup ("C@d9@H@d12@O@d2@", "CO").
std::map<std::string, std::int32_t> atom_counts(std::string_view formula);
// Atoms of each element on the left less those on the right.
std::map<std::string, std::int32_t> atom_imbalance(const std::vector<Term>& terms);

// The number of digits an uncertainty leaves a value, as the slots count
// them; 0 when the uncertainty sits too near a power of ten to tell.
std::int32_t digits_for(double value, double uncertainty);
// Three units of a shown number's last digit: the uncertainty of a datum.
double datum_uncertainty(const Shown& s);

inline constexpr double gas_constant = 8.314;  // J/(K mol), as the problems take it

class ChapterSix : public testing_support::ChapterTest {
protected:
    ChapterSix();

    // Request 1 of problem k under the version (0 is "Nessuna Versione",
    // with the stream seeded by seed_for_no_version), on a fresh log.
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
            check(version);
            if (HasFailure()) return;
        }
    }
};

}  // namespace termod_test
