// Every numeric answer of the book worked again from its page: one row per
// answer holds the answer's formula written from the statement as printed,
// and the shown answer must lie within a unit of its last digit of the
// row's value, with the digits the data carry.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/page_sweep.h"
#include "support/pressure_units.h"
#include "support/shown_numbers.h"
#include "support/text_patterns.h"

namespace answer_table {

using testing_support::Shown;

// Patterns are regular expressions in which NUM stands for a shown number
// and is itself a group: "a NUM@uo@C" reads the temperature as group 1.
//
// The statement as printed, and what a row's formula reads of it. Each datum
// a formula reads counts towards the answer's digits; the reads are numbered
// in order, so that the formula can run again with one of them moved.
class Page {
public:
    Page(std::string statement, std::string answer, std::vector<std::vector<Shown>> table = {});

    const std::string& statement() const { return statement_; }
    const std::string& answer() const { return answer_; }

    // The i-th number of the statement, as a datum.
    double operator[](std::size_t i) const;
    // Group `group` of the first match of pattern (NUM: a number) in the
    // statement, as a datum.
    double datum(const std::string& pattern, std::size_t group = 1) const;
    // The same, for a datum that is a signed difference: its uncertainty
    // counts both ways, also at zero.
    double difference(const std::string& pattern, std::size_t group = 1) const;
    // A number of the statement that is exact (a count, a coefficient, a
    // charge): never moved.
    double exact(const std::string& pattern, std::size_t group = 1) const;
    // A text group of the statement (a formula, a unit, a name); "" where the
    // pattern does not match.
    std::string text(const std::string& pattern, std::size_t group = 1) const;
    bool has(const std::string& pattern) const;
    // Cell (row, column) of the table of numbers drawn on the page, as a
    // datum; rows counts its rows.
    double cell(std::size_t row, std::size_t column) const;
    // The same, for a cell that is exact (a time the table counts in steps).
    double exact_cell(std::size_t row, std::size_t column) const;
    std::size_t rows() const { return table_.size(); }
    // A value as a data table of the program writes it ("91.22", an atomic
    // mass), read as a datum: where the page works from the table, its
    // digits count as a printed datum's do.
    double table_datum(std::string_view written) const;
    // The same reads, of the answer: a second answer worked from a first one
    // as printed (a number read here counts as a datum too).
    double answer_datum(const std::string& pattern, std::size_t group = 1) const;
    std::string answer_text(const std::string& pattern, std::size_t group = 1) const;

    // The data read by the last run of a formula, in order.
    const std::vector<Shown>& reads() const { return reads_; }
    const std::vector<bool>& signed_reads() const { return signed_; }
    // Runs the formula with the reads replaced, in order, by values; a run
    // that reads another number of them fails.
    double run_with(const std::function<double(const Page&)>& formula, const std::vector<double>& values) const;
    double run(const std::function<double(const Page&)>& formula) const;

private:
    double read(const Shown& datum, bool is_signed) const;
    const std::optional<testing_support::Found>& found(bool in_answer, const std::string& pattern) const;
    Shown statement_group(const std::string& pattern, std::size_t group) const;

    std::string statement_, answer_;
    std::vector<Shown> numbers_;
    std::vector<std::vector<Shown>> table_;
    mutable std::vector<Shown> reads_;
    mutable std::vector<bool> signed_;
    mutable const std::vector<double>* replay_ = nullptr;
    mutable std::size_t next_ = 0;
    mutable std::map<std::pair<bool, std::string>, std::optional<testing_support::Found>> matches_;
};

// How the answer's digits follow from the data.
enum class Digits {
    from_data,           // the program works them out: three units of each datum's last digit
    from_data_or_fewer,  // the same as a ceiling, where fewer digits were judged and kept
    celsius,             // from_data_or_fewer for °C from kelvin: near 0 °C, to the uncertainty's place
    whole_relative,      // a p-value uncertain by its ion's whole relative uncertainty: ln 10 times the sum
    ceiling,             // a count the book fixes: `most` digits at most
    decimals,            // a count the book fixes: `most` decimals
    as_data,             // a count the book fixes: the fewest digits of the data read
    exact,               // a count or a whole number: no digits to judge
};

// A row's digit rule, and why where the count it accepts is not the one the
// data give (fewer digits, a ceiling, an exact number): such a row without a
// reason fails the judgment "why".
struct Count {
    Count(Digits rule, const char* why = "", std::int32_t count = 0) : rule(rule), why(why), count(count) {}
    Digits rule;
    const char* why;
    // For a ceiling or decimals, the count; 0 where the row's `most` holds it.
    std::int32_t count;
};

// Answers the book formats with a fixed count of digits.
inline const Count two_digits{Digits::ceiling, "the answer formatted with 2 digits", 2};
inline const Count three_digits{Digits::ceiling, "the answer formatted with 3 digits", 3};
inline const Count four_digits{Digits::ceiling, "the answer formatted with 4 digits", 4};

struct Row {
    std::int32_t problem;
    // The answer's number: group 1 of the first match of this pattern in
    // the answer text ("NUM atm").
    const char* answer;
    std::function<double(const Page&)> value;
    Count digits = Digits::from_data;
    // For from_data, the ceiling a fixed count sets; for ceiling and
    // decimals, the count.
    std::int32_t most = 12;
    // Rows that hold for some statements only: the pattern they need ("" all).
    const char* when = "";
};

// A page whose answer once broke the digit rule: the rows fail the answer it
// showed and hold the one it shows, the count decided by the first-order sum
// itself.
struct MendedPage {
    std::int32_t problem, version;
    const char* before;
    const char* after;
};

struct ChapterRows {
    std::int32_t chapter;
    std::vector<Row> rows;
    // The problems whose answers hold no number to work out (names,
    // formulas, drawings, true or false), with why.
    std::vector<std::pair<std::int32_t, const char*>> without_numbers;
    std::vector<MendedPage> mended = {};
};

// Shows every problem of the chapter once at each version the table runs
// (see Sweep in page_sweep.h, named BRUNATEL_ANSWER) and judges each page by
// every row of the chapter, by the conditions table's rows
// (conditions_table.h, its faults tallied by rule letter) and by the rules
// every page is held to (page_faults.h); every problem of the chapter has a
// row or is listed without numbers. Besides each row's value and digits, a
// page fails
// - "under" where an answer's uncertainty, from the data's moves or summed
//   to first order, exceeds its value (an exact zero shown "0" holds);
// - "why" where a row that keeps other digits than the data's names no reason.
// Faults listed in known_answer_faults and known_condition_faults do not fail
// the test but must still be seen on the default sweep. With
// BRUNATEL_ANSWER_REPORT set, every failing page is counted and each row's
// and judgment's counts are printed, the conditions' rules among them.
void check_chapter(const ChapterRows& table);

// The pages known to fail a judgment until their problem is mended.
const std::vector<testing_support::KnownFault>& known_answer_faults();

// The root of a monotonic function between lo and hi, by bisection.
double monotonic_root(const std::function<double(double)>& f, double lo, double hi);

// The molar mass of a formula as printed, from the program's element table.
double mass(const std::string& formula_markup);
// The same, each atomic mass read as a datum of the page (table_datum).
double molar_mass(const Page& page, const std::string& formula_markup);
// An element's atomic mass by symbol, read as a datum of the page.
double atomic_mass(const Page& page, const std::string& symbol);

// A formula, an ion or a name as a pattern that matches it literally.
std::string literal(const std::string& text);

using testing_support::atmospheres;

inline constexpr double zero_celsius = 273.15;              // K
inline constexpr double gas_constant_litre_atm = 0.082057;  // L atm/(mol K)
inline constexpr double gas_constant = 8.314462;            // J/(mol K)
inline constexpr double faraday = 96485.33;                 // C/mol
inline constexpr double avogadro = 6.02214076e23;           // 1/mol

}  // namespace answer_table
