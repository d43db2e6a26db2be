// The problem blocks of chapter 7, what they keep between calls and the
// kit its sections share.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "chemistry/acid_base_constants.h"
#include "chemistry/compound_records.h"
#include "chemistry/equilibrium_extent.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"
#include "numbers/thermal_constants.h"

// What the chapter keeps from one call to the next.
struct EquilibriaState {
    // Per problem, the variant, record or reaction of its previous visit,
    // which "Nessuna Versione" never repeats.
    std::array<std::int32_t, 44> last_draw{};  // [0] unused
    std::int32_t truth = 0;                    // verdict of the true-or-false problems
};
extern EquilibriaState equilibria_state;

namespace equilibria {

inline constexpr float Kw = water_ion_product_f;
// The constant the pH solver takes for a strong or absent partner.
inline constexpr float strong = 1e4f;

// A strong acid or base of the compound table and the H+ or OH- one formula
// unit releases.
struct StrongElectrolyte {
    CompoundKey compound;
    std::int32_t ions;
};
static_assert(!std::is_convertible_v<int, decltype(StrongElectrolyte::compound)>);

// A weak acid or base as a statement names it, the units of acid or base a
// formula unit holds, and its constant as the statement shows it.
struct WeakElectrolyte {
    std::string_view formula;
    std::int32_t units;
    ShownConstant constant;
};

// --- Draws ------------------------------------------------------------------

inline bool repeats_last_draw(std::int32_t problem, std::int32_t draw)
{
    return repeats_last_pick(draw, equilibria_state.last_draw[problem]);
}

// random_int (lo, hi), drawn again while "Nessuna Versione" would repeat the
// problem's previous visit; the caller stores the draw once it is accepted.
std::int32_t draw_new_record(std::int32_t problem, std::int32_t lo, std::int32_t hi);

// --- Value slots ------------------------------------------------------------

// slot_digits_from_text right after another conversion: the value becomes
// what is shown.
void reread_slot(std::int32_t slot);

// The spread (u6 + u7) / |v6 - v7| of the excess of acid (slot 6) over
// base (slot 7) after mixing, plus extra_relative; 0 when the two are equal,
// where the spread has no finite value.
float excess_spread(float extra_relative);
// value into slot with the relative spread, or with one digit (its value
// kept) where the spread is 0.
void set_slot_spread(std::int32_t slot, float value, float spread);

// -log10 (h) as ln (h) / ln (10), in single precision.
float minus_log10(float h);
// The [H+] a pH solver found; NaN, which no page shows silently, when it found none.
float solved_or_nan(std::optional<float> h);

// --- Texts ------------------------------------------------------------------

// Appends piece; when it begins with a blank the text's trailing blanks go
// first, so " @iK@ " followed by " per la reazione " leaves one blank.
void join_piece(std::string& text, std::string_view piece);

// The equation as add_state_subscripts writes it, left-adjusted (empty when
// a species has no record).
std::string shown_equation(std::string_view equation, std::int32_t direction);

// The text of a change in moles that may be a third or a half: 2, -1/2,
// 4/3.
std::string delta_n_text(float delta_n);

// ".", " mol/L." or " (mol/L)@u<exponent>@." after a Kc.
std::string concentration_unit_suffix(float delta_n);

// " mol/L" or " (mol/L)@u<e>@" after a Kc of whole exponent e, nothing for 0.
std::string concentration_unit(std::int32_t e);

// --- Equilibria -------------------------------------------------------------

// Equilibrium concentrations for the constant K. The search leaves its best
// concentrations in c whether or not it met K within its window: the
// answers show them, and the tests hold them to K.
void solve_extent(const SpeciesValues& nu, const SpeciesValues& c0, SpeciesValues& c, float K);

// The equilibria a problem works from sets of data, each set solved once:
// every answer worked from the same data, and every datum moved for its
// uncertainty, asks for the same solutions again.
class SolvedEquilibria {
public:
    using Solve = std::function<SpeciesValues(const std::vector<double>&)>;
    explicit SolvedEquilibria(Solve solve) : solve_(std::move(solve)) {}
    // solve (data), worked out the first time these data (to the bit) come.
    const SpeciesValues& of(const std::vector<double>& data);

private:
    Solve solve_;
    std::vector<std::pair<std::vector<double>, SpeciesValues>> solved_;
};

// --- Gas reactions -------------------------------------------------------------

// One of the eight gas equilibria (two reactants, one product), parsed in
// table_buffer, at a temperature drawn from its range.
struct GasReaction {
    std::int32_t number = 0;
    std::array<float, 4> coefficient{};  // [1], [2] reactants, [3] product
    std::array<std::string, 4> formula;  // likewise
    std::int32_t delta_n = 0;            // moles of gas, products - reactants
    float t = 0.0f;                      // degrees Celsius, slot 7
    float rt() const { return gas_constant_litre_atm_cut_f * kelvin(t); }
    // The constant in concentrations from K (in atm) as given.
    float concentration_constant(float k) const;
};

// load_gas_reactions into answer_text, the list the problems pick from.
void load_gas_reaction_list();
// Reaction v from the list into table_buffer ("s" and nine blanks before
// it), parsed; t := 5 random_int over its range into slot 7 and K from
// thermodynamic data into slot 5, 3 digits each.
GasReaction set_up_gas_reaction(std::int32_t v);
// The equation of table_buffer with its states, left-adjusted.
std::string shown_gas_equation(std::int32_t direction);

// Whether any of the reaction's three gases, at these partial pressures
// (reactants, then the product), would condense at its temperature, or the
// three together stray past the ideal gas's 5 %.
bool reaction_gases_unfit(const GasReaction& r, const std::array<float, 3>& atm);

// --- Generic reactions of the letters A, B, C and D --------------------------

// Coefficient cell of row 1 to 3 (base coefficient) and column 1 to 5
// (scale 1/3, 1/2, 1, 2, 3), without trailing blanks: "(1/2)", "" for 1.
std::string_view coefficient_cell(std::int32_t row, std::int32_t column);
float column_scale(std::int32_t column);

struct GenericReaction {
    std::int32_t column = 1;
    std::array<std::int32_t, 4> rows{};  // A, B, C, D: base coefficients 1 to 3
    std::string states;                  // four state letters
    std::string equation;                // markup
    float delta_n = 0.0f;                // over the species of the mobile state
    std::string exponent;                // delta_n_text (delta_n)

    float coefficient(std::int32_t species) const { return rows[species] * column_scale(column); }
};

// The set-up problems 5, 10, 11 and 14 share: column by pick_problem_variant
// (5, ...), four rows, state set random_int (1, 3) out of state_table (three
// sets of four letters), replaced by text_set under "Versione Testo"; the
// equation with a state mark after each species other than those of
// unmarked_state; delta_n over the species of mobile_state.
GenericReaction set_up_generic_reaction(std::int32_t problem, std::string_view state_table,
                                        std::int32_t textbook_column, std::int32_t text_set, char unmarked_state,
                                        char mobile_state);

// random_int (0, 3) - 2 as the exponent, then (m · 10^e)^scale into slot 1
// with 3 digits: a Kc in (mol/L)^delta_n.
void draw_generic_constant(const GenericReaction& reaction);

// --- Frames -----------------------------------------------------------------

// "Stabilire se l'affermazione ... è vera o falsa" around a statement of the
// group and type; keeps the verdict and answers "Vera" or "Falsa".
void pose_true_false_statement(std::int32_t group, std::int32_t type);

// --- Each block's statement (generate) ----------------------------------------

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

// A melting point and heat of fusion; problem 4's zinc row crosses zinc's.
struct Fusion {
    float melting_kelvin;
    float heat_joules;  // per mole
};
extern const Fusion zinc_fusion;

}  // namespace equilibria
