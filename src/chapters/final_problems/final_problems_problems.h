// The problem blocks of chapter 9, what they keep between calls and the
// small kit its sections share.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "chemistry/acid_base_constants.h"
#include "chemistry/compound_records.h"
#include "chemistry/hydroxide_solubilities.h"
#include "chemistry/organic_formula.h"
#include "chemistry/radioactive_isotopes.h"

// What the chapter keeps from one call to the next.
struct FinalProblemsState {
    // Per problem, the variant, entry or choice of its previous visit, which
    // "Nessuna Versione" does not pose again; [0] unused.
    std::array<std::int32_t, 49> last_choice{};
    float last_ph = 0.0f;  // problem 24's previous pH
};
extern FinalProblemsState final_problems_state;

namespace final_problems {

// --- Draws --------------------------------------------------------------

// random_int (lo, hi), drawn again while it equals `unwanted`.
std::int32_t random_int_except(std::int32_t lo, std::int32_t hi, std::int32_t unwanted);

// Under "Nessuna Versione" a choice equal to the problem's previous one is
// drawn again.
bool repeats_last_choice(std::int32_t problem, std::int32_t choice);

// --- Value slots --------------------------------------------------------

// value with `digits` digits, and with one digit more when it is, or its
// rounding makes it, `limit` or more (99.96 with limit 100 shows "100.0").
void set_slot_digits_from(std::int32_t slot, float value, float limit, std::int32_t digits);

// --- Chemistry ----------------------------------------------------------

// Slot 1 from a liquid's normal boiling point (°C) as written; slot 3 a
// pressure 150 to 300 torr above or below 760; slot 4 the boiling point at
// that pressure by the compound's vapour fit.
void draw_boiling_at_pressure(std::int32_t compound);
// The vaporisation enthalpy (kJ/mol) of a liquid boiling at `boiling` °C
// at 760 torr and at `at_pressure` °C at `pressure` torr; its vapour
// pressure (torr) at t °C from that enthalpy; in double, as the digits
// their data leave are summed.
double vaporisation_enthalpy(double boiling, double pressure, double at_pressure);
double vapour_pressure_at(double boiling, double enthalpy, double t);

// Molar mass of element z's atoms.
float element_molar_mass(std::int32_t z);

// pH (-log10 [H+]) of a weak acid and a weak base in water, its logarithm in
// double, as the digits its data leave are summed.
double mixture_ph(float ca, float cb, float ka, float kb);

// One of the gas reactions (1 to 8) as an EquationText with its
// 10-character prefix.
std::string gas_reaction_equation(std::int32_t reaction);
// Its equilibrium constant at t °C from the thermodynamic tables.
float gas_equilibrium_constant(std::string_view equation, float t);

float hydroxide_molar_mass(const Hydroxide& hydroxide);
// The start of problems 15 and 39: the hydroxide (zinc under "Versione
// Testo"), whose solubility product goes to slot 9.
const Hydroxide& draw_hydroxide(std::int32_t problem);

// Weak acids of problems 7 and 46: formula and acid constant.
inline constexpr std::array<const AcidBaseConstant*, 5> weak_acids{
    acid_base_constant("HF"),  acid_base_constant("CH@d3@COOH"), acid_base_constant("HClO"),
    acid_base_constant("HCN"), acid_base_constant("HCOOH"),
};

// --- Frames -------------------------------------------------------------

struct Place {
    std::int32_t x_left, x_right, y;
};
struct FactBox {
    std::int32_t x, y, width;
};

// problem_text in its statement box, then a chemistry fact.
void pose_problem(Place statement, FactBox fact);

// --- Steps with examples of their own -----------------------------------

// Problem 8's running time in slot 9 with two digits and its unit: seconds
// below a minute, minutes below an hour, else hours ("33 min", "2.0 h").
std::string running_time_text(float seconds);
// Problem 11's volume of dilute acid: rounded to tens of litres from 100 L on.
float diluted_volume(float litres);
// Problem 21's age of wood whose carbon-14 activity is `ratio` times
// today's, to the nearest hundred years.
float radiocarbon_age(float ratio);

// --- Each block's statement (generate) ---------------------------------

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
void generate_problem_39();
void generate_problem_40();
void generate_problem_41();
void generate_problem_42();
void generate_problem_43();
void generate_problem_44();
void generate_problem_45();
void generate_problem_46();
void generate_problem_47();
void generate_problem_48();

// Problem 37's bimolecular reactions, k = 10^a T^(1/2) e^(-Ea/RT): the
// activation energy Ea (kJ/mol), a (k in L/(mol•s)) and the reaction.
struct Bimolecular {
    std::string_view activation_energy;
    std::string_view exponent;
    std::string_view reaction;
};
extern const std::array<Bimolecular, 9> bimolecular_reactions;

// Problem 45's isotopes, half-lives in years.
extern const std::array<RadioactiveIsotope, 6> long_lived_isotopes;

// Problem 19's liquids, each with its row of the vapour table, which gives
// its vapour pressure, and its composition, which gives its molar mass.
struct Liquid {
    std::string_view name;
    CompoundKey compound;
    std::string_view composition;
};
static_assert(!std::is_convertible_v<int, decltype(Liquid::compound)>);
extern const std::array<Liquid, 8> liquids;

// Problem 20's fuels: compound record, moles of CO2 and of water formed
// per mole, state, and the standard enthalpy of formation (kJ/mol) of those
// that the thermochemical rows lack ("" where they hold it), from the CRC
// Handbook, "Standard thermodynamic properties of chemical substances".
struct Fuel {
    CompoundKey compound;
    std::int32_t carbon_dioxide;
    std::int32_t water;
    char state;
    std::string_view formation_enthalpy;
};
static_assert(!std::is_convertible_v<int, decltype(Fuel::compound)>);
extern const std::array<Fuel, 16> fuels;

// Problem 5's fuels with their standard enthalpies of combustion.
struct CombustionFuel {
    CompoundKey compound;
    std::string_view combustion_enthalpy;  // kJ/mol
};
static_assert(!std::is_convertible_v<int, decltype(CombustionFuel::compound)>);
extern const std::array<CombustionFuel, 7> combustion_fuels;

// Problem 47's potassium salts, each with its composition, which gives its
// molar mass.
struct Reagent {
    std::string_view formula;
    std::string_view composition;
};
extern const std::array<Reagent, 3> reagents;

}  // namespace final_problems
