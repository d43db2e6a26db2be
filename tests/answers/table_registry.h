// Every data table of the program whose numbers reach a page, a screen or
// an answer, each column declared once by name with how it is judged: row
// by row against a handbook column, by a law, on every page that prints it,
// or not at all with the reason. A scan of src/ finds the tables that hold
// measured numbers, so that a table left out of the registry fails.
//
// The convention it rests on: data live in an initialised table. A figure
// in a switch or in an expression computed at run time is beyond any scan's
// reach, and so is a figure alone; such figures belong in a table.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "table_judge.h"

namespace final_problems {
struct Liquid;
}

namespace table_checks {

// A program table's rows of one column: key and value as written.
using Rows = std::vector<std::pair<std::string, std::string>>;

// A handbook column, the program's rows it judges, and the keys left
// without a handbook row, with why.
struct Judged {
    Column column;
    Rows rows;
    std::vector<std::string> unjudged = {};
    const char* why = "";
};

// A law's faults; `judged` counts the comparisons it made.
using LawCheck = std::function<std::vector<std::string>(std::int32_t& judged)>;

struct Judgement {
    enum class Kind { handbook, law, pages, exact, unjudged };
    Kind kind;
    const char* how;  // the law, the page rule or the reason, as printed
    std::function<Judged()> handbook = {};
    LawCheck law = {};
};

Judgement by_handbook(std::function<Judged()> judged);
Judgement by_law(const char* law, LawCheck check);
// Judged where a page prints it, by the conditions table's rules.
Judgement on_pages(const char* rule);
// An exact figure: a definition, a count or a code, nothing measured.
Judgement exact(const char* why);
Judgement unjudged(const char* why);

struct RegisteredColumn {
    const char* name;  // several columns judged alike: their names, ", " between them
    Judgement judgement;
};

struct RegisteredTable {
    const char* file;        // under src/
    const char* identifier;  // its name in that file
    const char* title;
    std::vector<RegisteredColumn> columns;
};

const std::vector<RegisteredTable>& registry();
// Every handbook column of the registry, with the rows it judges.
std::vector<Judged> handbook_columns();
// The judgement of a table of drawing geometry: exact, it measures nothing.
Judgement drawing_geometry();

// A molar mass written out against the formula's, summed from the element
// table: "" where they agree to 0.01 g/mol.
std::string formula_mass_fault(std::string_view formula, double written);
// A liquid's formula as its name gives it ("pentano (C@d5@H@d12@)"), else
// its compound's.
std::string liquid_formula(const final_problems::Liquid& l);

// The tables a source defines that hold measured numbers: a declared
// variable (any specifiers, attributes, alignas or decltype, or order of
// const) initialised with braces, std::to_array, a lambda called at once
// (with its parameters or without) or texts, holding at least two figures
// other than zero: numbers written with a decimal point or an exponent, as
// literals or inside texts (with units, markup or packed in records),
// whole numbers with a unit inside texts ("1538 °C"), texts of whole
// numbers, and whole numbers of three digits or more in a group of numbers
// alone (a row of figures) or beside names (designated members among
// them), in every folder: drawing geometry too, which the registry holds
// as layout.
std::vector<std::string> tables_in(std::string_view source);

// The figures of the constants and units src/numbers/ names (the atmosphere
// in torr and pascals, the molar volume at 0 and 25 °C, ln 10, π, R, 0 and
// 25 °C in kelvin, the calorie, Faraday's and the fundamental constants,
// water's molar mass and moles per kilogram, the torr in pascals and the
// atmosphere per torr) that a source writes out, in code or in texts, to
// their own digits or rounded to three or more, outside comments, static
// assertions and tables of measured numbers: "line: figure" each.
std::vector<std::string> constants_written_in(std::string_view source);

}  // namespace table_checks
