// The literal rows from which init_data_tables builds the fixed-width
// records. Every number is the text written in the table.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"

struct ElementRow {
    std::string_view symbol;
    std::string_view name;
    std::string_view atomic_mass;
    char state;  // 's', 'l', 'g' or ' '
    bool metal;
    bool density_statement;  // drawn on by the density statements
    std::string_view density;
    std::string_view ionisation_energy;
    std::string_view electron_affinity;
    std::string_view core;
    std::string_view subshells;  // 4-character groups
    std::string_view electronegativity;
    std::string_view radius;
};

struct CompoundRow {
    std::int32_t index;
    char compound_class;  // 'm', 'i', 'c' or 'e'
    std::string_view formula;
    std::string_view name;
    std::string_view alternative_name;
    std::string_view composition;
};

// Whether every named record from first to last is a row of `rows` with the
// name's formula: each part of the compound table asserts it of its records.
constexpr bool names_match(std::span<const CompoundRow> rows, std::int32_t first, std::int32_t last)
{
    return std::ranges::all_of(compounds::named, [&](const CompoundKey& key) {
        if (key < first || key > last) return true;
        const auto row = std::ranges::find(rows, std::int32_t{key}, &CompoundRow::index);
        return row != rows.end() && row->formula == key.formula();
    });
}

struct CompoundThermoRow {
    CompoundKey compound;
    std::string_view enthalpy;       // kJ/mol
    std::string_view free_energy;    // kJ/mol
    std::string_view entropy;        // J/(mol K)
    std::string_view heat_capacity;  // J/(mol K), may be blank
    char state;
};
static_assert(!std::is_convertible_v<int, decltype(CompoundThermoRow::compound)>);

struct ReactionRow {
    char kind;                   // 's', 'i' or 'm'
    std::string_view potential;  // volts, kind 'm' only
    std::string_view equation;
};

std::span<const ElementRow> element_rows();
std::span<const CompoundRow> inorganic_compound_rows();
std::span<const CompoundRow> further_compound_rows();
std::span<const CompoundRow> organic_compound_rows();
std::span<const CompoundThermoRow> compound_thermo_rows();
std::span<const ReactionRow> reaction_rows();
PhysicalConstants tabulated_physical_constants();
