// The data tables of chapter 5: the compounds each problem draws from and
// the physical data of its solutions and reactions.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "chemistry/compound_records.h"
#include "chemistry/salt_solubilities.h"
#include "chemistry/vapour_pressure_fits.h"

namespace solutions {

// --- Solutes ----------------------------------------------------------------

// Solutes of the formality problems; those up to 109 (hydroxides, acids and
// chlorides) are also drawn concentrated.
extern const std::array<CompoundKey, 46> formality_solutes;
inline constexpr CompoundKey last_concentrated_solute = compounds::zinc_chloride;
// Solutes of the weight-percent problems.
extern const std::array<CompoundKey, 34> percent_solutes;

// Density excess over water, (d - 1) 10^4 with d in g/mL, of aqueous
// solutions at 10, 20 and 30 per cent by weight.
struct DensityRow {
    CompoundKey compound;
    std::array<std::int32_t, 3> excess;
};
static_assert(!std::is_convertible_v<int, decltype(DensityRow::compound)>);
extern const std::array<DensityRow, 17> density_rows;
// The density of row v's solution at the weight percent x of band r (1: 3
// to 10 %, 2: 10 to 20 %, 3: 20 to 30 %), on the broken line through 0 %
// and the tabulated points.
float solution_density(std::int32_t v, std::int32_t r, float x);

// Salts and hydroxides of strong electrolytes: compound, charges of cation
// and anion, anions per formula unit (cations are the count of the first
// element of the composition).
struct SaltIon {
    CompoundKey compound;
    char cation_charge;
    char anion_charge;
    std::int32_t anions;
};
static_assert(!std::is_convertible_v<int, decltype(SaltIon::compound)>);
inline constexpr std::int32_t salt_count = 25;
extern const std::array<SaltIon, salt_count> salt_ions;
const SaltIon& salt_ion(std::int32_t v);  // v from 1

// "Na@u+@", "Ba@u2+@": the cation of entry v.
std::string cation_phrase(std::int32_t v);
// " OH@u-@", " Cl@u-@", " SO@d4@@u2-@"...: the anion of entry v, blank first.
std::string anion_phrase(std::int32_t v);
// Ions per formula unit of entry v: cations plus anions.
std::int32_t ions_per_formula(std::int32_t v);

// Salts that share one ion, with that ion's count per formula unit.
struct CommonIonSalt {
    CompoundKey compound;
    std::int32_t ions;
};
static_assert(!std::is_convertible_v<int, decltype(CommonIonSalt::compound)>);
struct CommonIonList {
    std::int32_t number;  // as drawn: 11 to 13 anions, 16 to 18 cations
    std::string_view ion;
    std::span<const CommonIonSalt> salts;
};
extern const std::array<CommonIonList, 6> common_ion_lists;
const CommonIonList& common_ion_list(std::int32_t number);

// The salts whose solubilities problems 15 and 16 draw, in their order.
extern const std::array<const SaltSolubility*, 10> solubility_salts;

// --- Solvents ---------------------------------------------------------------

// Organic solvents with a vapour-pressure fit.
struct SolventVapour {
    const VapourPressureFit& fit;
    std::string_view statement_piece;
};
inline constexpr std::int32_t chloroform = 1;
inline constexpr std::int32_t carbon_tetrachloride = 2;
inline constexpr std::int32_t benzene = 3;
inline constexpr std::int32_t toluene = 4;
extern const std::array<SolventVapour, 4> solvent_vapours;
// Vapour pressure in torr of solvent v (1 to 4) at t degrees Celsius.
float solvent_vapour_pressure(std::int32_t v, float t);

// Density in g/mL of the solvents above, d20 / (1 + (t - 20) expansion),
// and the highest temperature at which problem 27 takes them.
struct SolventDensity {
    float at_20;
    float expansion;
    float highest_t;
};
extern const std::array<SolventDensity, 4> solvent_densities;

// Solvents for the boiling-point problems: boiling point (degrees Celsius,
// the vapour table's wherever it holds the solvent) and ebullioscopic
// constant, as written.
struct BoilingSolvent {
    CompoundKey compound;
    std::string_view boiling_point;
    std::string_view constant;
};
static_assert(!std::is_convertible_v<int, decltype(BoilingSolvent::compound)>);
extern const std::array<BoilingSolvent, 5> boiling_solvents;

// Solvents for the freezing-point problem, by name.
struct FreezingSolvent {
    std::string_view name;
    std::string_view freezing_point;
    std::string_view constant;
};
extern const std::array<FreezingSolvent, 3> freezing_solvents;

// --- Reactions --------------------------------------------------------------

// Ionic redox reactions with the reactant that is reduced and the one that
// is oxidised (their positions among the reactants).
struct RedoxRoles {
    std::int32_t reaction;
    std::int32_t reduced;
    std::int32_t oxidised;
};
extern const std::array<RedoxRoles, 42> redox_roles;

// Reactions of two reactants A and B with a product C (its position among
// the products); at least one of A and B is an ion.
struct RedoxProduct {
    std::int32_t reaction;
    std::int32_t a;
    std::int32_t b;
    std::int32_t product;
};
extern const std::array<RedoxProduct, 36> redox_products;

// A compound whose element reaches another oxidation state: equivalents per
// mole, the state reached, and how the statement names the element.
struct EquivalentChange {
    std::int32_t record;  // as drawn: 1 to 8 reductions, 11 to 16 oxidations
    std::int32_t equivalents;
    std::string_view state;
    CompoundKey compound;
    std::string_view element;
};
static_assert(!std::is_convertible_v<int, decltype(EquivalentChange::compound)>);
extern const std::array<EquivalentChange, 14> equivalent_changes;
inline constexpr std::int32_t elemental_state_record = 11;
const EquivalentChange& equivalent_change(std::int32_t record);

// Redox titrations: the titrant, its action, the substance titrated and
// the substance's equivalent mass.
struct Titration {
    std::string_view lead;
    std::string_view verb;
    std::string_view substance;
    float equivalent_mass;
};
extern const std::array<Titration, 5> titrations;

}  // namespace solutions
