// Chapter 9 on the recording backend, and what a student needs to check its
// answers: the numbers of a statement read back as shown, a tolerance from
// their last digits, and molar masses worked out from formulas.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "support/chapter_fixture.h"

namespace finali_test {

// A number as the page shows it ("1.23•10@u-3@", "-0.051", "240").
struct Shown {
    double value = 0.0;
    double unit = 1.0;  // the place value of its last digit
};
Shown shown(std::string_view markup);
// Its significant digits ("0.0120" has 3).
int significant_digits(std::string_view markup);

// A pattern in which NUM stands for a shown number (a capturing group).
std::regex number_pattern(const std::string& pattern);

// The groups of the first match of the pattern in text, group 0 the whole
// match; a failed match fails the test.
class Groups {
public:
    Groups(const std::string& text, const std::regex& pattern);
    const std::string& operator[](std::size_t i) const { return groups_.at(i); }
    Shown number(std::size_t i) const { return shown(groups_.at(i)); }
    double value(std::size_t i) const { return number(i).value; }
    bool matched() const { return matched_; }

private:
    std::vector<std::string> groups_;
    bool matched_ = false;
};

// |shown - exact| within `units` of the shown number's last digit, plus
// `slack` of exact (single-precision arithmetic and table constants).
::testing::AssertionResult agrees(const Shown& answer, double exact, double units = 0.5, double slack = 5e-4);

// How far f can move when each datum moves by half its last digit: the
// tolerance of an answer that the program computed from unrounded data.
double rounding_spread(const std::function<double(const std::vector<double>&)>& f, const std::vector<Shown>& data);

// Atomic masses from the element table, by symbol and by name.
double atomic_mass(std::string_view symbol);
double atomic_mass_of_named(std::string_view name);
std::string symbol_of_named(std::string_view name);
// The formula (markup) of the compound of that name in the compound table.
std::string formula_of_compound(std::string_view name);
// Molar mass of a formula in markup ("C@d6@H@d5@COOH", "Pb(IO@d3@)@d2@").
double formula_mass(std::string_view formula);
// Atoms of each element in a formula in markup ({"C", 7}, {"H", 6}, ...).
std::vector<std::pair<std::string, std::int32_t>> formula_atoms(std::string_view formula);

// A conjugate pair in a solution: `acid` mol/L put in as the acid form,
// `base` as the base form (with counter-ions that keep it neutral), Ka.
struct AcidPair {
    double acid, base, ka;
};
// pH of water holding the pairs (Kw = 1e-14), from the proton balance
// h - Kw/h = sum of (acid + base) Ka/(Ka + h) - base.
double ph_of(std::initializer_list<AcidPair> pairs);

class ChapterNine : public testing_support::ChapterTest {
protected:
    ChapterNine();

    // Request 1 of problem k under the version (0 is "Nessuna Versione",
    // with the stream seeded by seed_for_no_version), on a fresh log.
    void generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version = 12345);
    // Request 2 of the selected problem, after the log has been cleared.
    void answer();

    // The n-th of the versions the tests visit, spread over the whole range.
    static std::int32_t spread_version(std::int32_t n);

    // Runs check (statement, answer) for `count` spread versions of problem
    // k, stopping at the first failure.
    void sweep(std::int32_t k, std::int32_t count,
               const std::function<void(const std::string&, const std::string&)>& check);
};

}  // namespace finali_test
