// The problem blocks of chapter 6, what they keep between calls and the
// helpers its sections share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "chemistry/compound_records.h"
#include "chemistry/organic_formula.h"
#include "frame/statement_equation.h"

// What the chapter keeps from one call to the next: per problem, the variant,
// compound, reaction entry or number its previous visit drew, which
// "Nessuna Versione" never repeats.
struct ThermoKineticsState {
    std::array<std::int32_t, 39> last_draw{};  // indexed by problem, [0] unused
};
extern ThermoKineticsState thermo_kinetics_state;

namespace thermo_kinetics {

// Cp(T) = a + b·10^-3 T + c·10^5 / T^2 in J/(K mol), below the melting point.
// The temperatures are drawn below a tenth and nine tenths of `ceiling`,
// the melting point first tabulated: copper's handbook value moved from 1083
// to 1084.6 °C, its draws did not.
struct HeatCapacityRow {
    CompoundKey compound;
    float melting_point;   // °C
    std::int32_t ceiling;  // °C
    float a, b, c;
};
static_assert(!std::is_convertible_v<int, decltype(HeatCapacityRow::compound)>);
extern const std::array<HeatCapacityRow, 5> heat_capacity_table;

// --- Draws ------------------------------------------------------------------

// Under "Nessuna Versione" a visit never poses what the problem's previous
// visit posed.
inline bool repeats_last_draw(std::int32_t problem, std::int32_t draw)
{
    return repeats_last_pick(draw, thermo_kinetics_state.last_draw[problem]);
}

// random_int (lo, hi), drawn again while it repeats the previous visit's.
std::int32_t draw_unrepeated(std::int32_t problem, std::int32_t lo, std::int32_t hi);

// --- Compounds --------------------------------------------------------------

// Columns first..last of compound k's record into the slot's input_text,
// converted as typed (slot_digits_from_text): a blank field reads as 0.
void convert_compound_field(std::int32_t slot, std::int32_t k, int first, int last);

// Heat capacity (columns 153-158) and state (column 159) of the compound records.
inline constexpr int heat_capacity_first = 153;
inline constexpr int heat_capacity_last = 158;

// --- Two samples in thermal contact (problems 6 and 21) --------------------

// Draws the pair of samples and their temperatures, water in place of the
// second metal half of the time, the heat capacities (slots 1, 2), masses
// (slots 3, 4) and temperatures (slots 5, 6), all as the statement shows them.
struct ContactSamples {
    std::int32_t first = 0;  // compounds
    std::int32_t second = 0;
    float moles_first = 0.0f;
    float moles_second = 0.0f;
};
ContactSamples draw_contact_samples(std::int32_t problem);
// "Un campione di ... a ...°C è posto in contatto con un campione di ... a ...°C. "
std::string contact_statement_head(const ContactSamples& s);
// The common final temperature in kelvin.
float contact_temperature(const ContactSamples& s);
// The two samples' heat capacities (J/K) and temperatures (K) from the
// data d of slots 1 to 6 in turn (the heat capacities, masses and
// temperatures in °C as shown).
struct ContactData {
    double c1, c2, t1, t2;
};
ContactData contact_data(const ContactSamples& s, const std::vector<double>& d);
// The heat that passes between them and the entropy each gains (first or
// not), from those data.
double contact_heat(const ContactSamples& s, const std::vector<double>& d);
double contact_entropy(const ContactSamples& s, const std::vector<double>& d, bool first);

// --- Reactions of the reaction table ---------------------------------------

// A list of right-aligned 3-character reaction numbers: an entry drawn from
// it (the textbook entry under "Versione Testo"), drawn again while
// "Nessuna Versione" repeats the problem's last entry or the reaction is not
// of kind "s". Returns the reaction number.
std::int32_t pick_reaction(std::int32_t problem, std::string_view list, std::int32_t textbook_entry);

struct ReactionSpecies {
    std::int32_t compound = 0;
    std::int32_t coefficient = 1;
    bool reactant = true;
    std::string text;  // as the reaction record writes it
};
// The species of reaction n, reactants first, each with its compound.
std::vector<ReactionSpecies> reaction_species(std::int32_t n);

// The formation values (columns first..last) of the species, water as vapour
// (its own row) when w is 2, listed for the statement ("Le entalpie
// standard di formazione di A, B e C ... sono pari a x, y e z") and summed
// with the coefficients into slot 1 (an uncertainty per species). Species
// whose value is 0 (elements) take no part. Returns the statement.
struct FormationStatement {
    std::string_view head_one;   // for one species named
    std::string_view head_many;  // for several
    std::string_view verb_one;   // after the formulas
    std::string_view verb_many;
    int first = 0;  // columns of the value
    int last = 0;
    std::string_view tail;  // after the values
};
std::string formation_sum_statement(const std::vector<ReactionSpecies>& species, std::int32_t w,
                                    const FormationStatement& kind);

// The state of the species' compound as a subscript, "@d(g)@" for water
// taken as vapour.
std::string state_subscript(const ReactionSpecies& s, std::int32_t w);

// Whether each species of a reaction can be in the state the page prints
// for it at `kelvin`: a solid below its melting or sublimation point, a
// liquid between its melting and normal boiling points and, where atm is a
// number, a liquid below its boiling point and a gas at most at its
// saturation pressure at atm. A solid or liquid without phase points
// passes; a gas without them never does.
bool printed_states_hold(const std::vector<ReactionSpecies>& species, std::int32_t w, double kelvin, double atm);

// The reaction record n with states, as the statement shows it.
std::string reaction_with_states(std::int32_t n, std::int32_t mode, std::int32_t w, std::int32_t direction);

// The statement in its box, then reaction n with states (water as vapour
// when w is 2) centred at equation_y, forwards or, as drawn, backwards;
// returns the direction (2 backwards).
std::int32_t draw_statement_and_reaction(std::int32_t n, std::int32_t w, std::int32_t x_right, std::int32_t y_top,
                                         std::int32_t y_bottom, std::int32_t equation_y);

// --- Equilibrium constants ---------------------------------------------------

// K of a reaction (or of its reverse) with two significant digits: the
// REAL k through slot 5 where a REAL holds it and its reciprocal, else
// e^(-1000 dg / (R kelvin)) in double precision, so that neither a
// constant out of range (k = -1) nor an overflow ever shows.
std::string equilibrium_constant_text(float k, double dg, double kelvin, bool reversed);

// --- Each block's statement (generate) --------------------------------------

void generate_problem_1();
void generate_problem_2();
void generate_problem_3();
void generate_problem_4();
void generate_problem_5();
void generate_problem_6();
void generate_problem_7();
void generate_problem_8();
void generate_problem_9();
void generate_problem_10();
void generate_problem_11();
void generate_problem_12();
void generate_problem_13();
void generate_problem_14();
void generate_problem_15();
void generate_problem_16();
void generate_problem_17();
void generate_problem_18();
void generate_problem_19();
void generate_problem_20();
void generate_problem_21();
void generate_problem_22();
void generate_problem_23();
void generate_problem_24();
void generate_problem_25();
void generate_problem_26();
void generate_problem_27();
void generate_problem_28();
void generate_problem_29();
void generate_problem_30();
void generate_problem_31();
void generate_problem_32();
void generate_problem_33();
void generate_problem_34();
void generate_problem_35();
void generate_problem_36();
void generate_problem_37();
void generate_problem_38();

// Problem 10's compounds: code, change in moles of gas, state and energy
// of combustion at 25 °C (kJ/mol) in records of 20 characters. Burning
// ethane to liquid water takes 3.5 O2 to 2 CO2: -2.5 moles of gas.
extern const std::string_view combustion_table;

}  // namespace thermo_kinetics
