// The chemistry layer: data tables, molar masses, equations, thermodynamics,
// solvers, Lewis and periodic-table drawings and the true/false statements.
//
// The element, compound and reaction tables and the physical constants.
// Filled once by init_data_tables at start-up and read-only afterwards, so
// every thread may read them without locks. Records are fixed-width ASCII
// texts read by column (columns count from 1, inclusive) with the shared
// fixed-width helper of the frame; numbers stay the text written in the
// table, whose digits decide the digits shown.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::int32_t element_count = 103;
inline constexpr std::int32_t element_slots = 104;  // slot 104 stays blank
inline constexpr std::int32_t compound_slots = 500;
inline constexpr std::int32_t reaction_slots = 200;

inline constexpr std::size_t element_record_length = 200;
inline constexpr std::size_t compound_record_length = 200;
inline constexpr std::size_t reaction_record_length = 130;

// ElementRecord columns: name 1-15, symbol 16-17, atomic mass 21-30,
// state 31, metal flag 32 ("m"), density-statement flag 33 ("d"),
// density 34-40 (g/cm3), first ionisation energy 41-45 (kJ/mol), electron
// affinity 46-50 (kJ/mol), configuration core 51-54, subshell groups 55-70
// (label in 2, count right-aligned in 2), electronegativity 71-73, atomic
// radius 74-76 (pm, right-aligned). A blank field means no value.
using ElementRecord = std::string;

// CompoundRecord columns: name 1-40, formula in markup 41-70 (the exact
// lookup key), class 71 ("m", "i", "c", "e"), composition 81-100,
// alternative name 101-130, then for the records with thermodynamic data:
// enthalpy of formation 131-138 and free energy of formation 139-146
// (kJ/mol), entropy 147-152 and heat capacity 153-158 (J/(mol K)), all
// right-aligned, and the state 159. A blank formula marks an empty slot.
using CompoundRecord = std::string;

// ReactionRecord columns: kind 1 ("s" molecular 1-100, "i" ionic 101-150,
// "m" reduction half-reaction 151-200), standard potential 2-10 (volts,
// kind "m" only), EquationText from column 11.
using ReactionRecord = std::string;

struct DataTables {
    std::array<ElementRecord, element_slots + 1> elements;     // [0] unused
    std::array<CompoundRecord, compound_slots + 1> compounds;  // [0] unused
    std::array<ReactionRecord, reaction_slots + 1> reactions;  // [0] unused
};

// SI units: the constants of numbers/fundamental_constants.h, which the
// constants panel shows.
struct PhysicalConstants {
    float avogadro_number = 0.0f;     // 1/mol
    float atomic_mass_unit = 0.0f;    // kg
    float proton_mass = 0.0f;         // kg
    float neutron_mass = 0.0f;        // kg
    float electron_mass = 0.0f;       // kg
    float elementary_charge = 0.0f;   // C
    float planck_constant = 0.0f;     // J s
    float speed_of_light = 0.0f;      // m/s
    float boltzmann_constant = 0.0f;  // J/K
};

// Blanks every slot, then stores the elements, compounds, reactions and
// constants. Call once, before any reader.
void init_data_tables();

const DataTables& data_tables();
const PhysicalConstants& physical_constants();

// Records by 1-based index; an index outside the table gives a blank record
// of the table's length, never an undefined read.
const ElementRecord& element_record(std::int32_t z);
const CompoundRecord& compound_record(std::int32_t k);
const ReactionRecord& reaction_record(std::int32_t k);

// The atomic number whose symbol (columns 16-17) equals `symbol` exactly as
// a two-character text ("C " and "Ca" differ; case matters), elements 1 to
// 103 in order. A one-letter symbol may be given with or without its blank.
std::optional<std::int32_t> find_element_by_symbol(std::string_view symbol);

// The first compound, records 1 to 500 in order, whose formula (columns
// 41-70 without trailing blanks) equals `formula` without trailing blanks.
// "H@d2@O" always finds record 11 (liquid water). A blank key finds nothing.
std::optional<std::int32_t> find_compound_by_formula(std::string_view formula);
