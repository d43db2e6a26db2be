#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/gas_reactions.h"
#include "chemistry/gas_virial.h"
#include "chemistry/phase_limits.h"
#include "chemistry/reaction_thermo.h"
#include "chemistry/true_false_statements.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

namespace equilibria {

std::int32_t draw_new_record(std::int32_t problem, std::int32_t lo, std::int32_t hi)
{
    std::int32_t n = 0;
    do n = random_int(lo, hi);
    while (repeats_last_draw(problem, n));
    return n;
}

void reread_slot(std::int32_t slot)
{
    convert_data_slot(slot, slot_digits_from_text);
}

float excess_spread(float extra_relative)
{
    const double difference = std::abs(static_cast<double>(slot_value(6)) - slot_value(7));
    const double spread = static_cast<double>(slot_uncertainty(7)) + slot_uncertainty(6);
    return difference > 0.0 ? static_cast<float>(spread / difference + extra_relative) : 0.0f;
}

void set_slot_spread(std::int32_t slot, float value, float spread)
{
    // An uncertainty as large as the value leaves one digit.
    set_slot_uncertainty(slot, value, spread > 0.0f ? spread : std::abs(value));
}

float minus_log10(float h)
{
    return -(std::log(h) / std::log(10.0f));
}

float solved_or_nan(std::optional<float> h)
{
    return h.value_or(std::numeric_limits<float>::quiet_NaN());
}

void join_piece(std::string& text, std::string_view piece)
{
    if (piece.starts_with(' '))
        append_piece(text, piece);
    else
        text += piece;
}

std::string shown_equation(std::string_view equation, std::int32_t direction)
{
    const std::optional<std::string> shown = add_state_subscripts(equation, 1, water_as_vapour, direction);
    return shown ? std::string(strip_blanks(*shown)) : std::string();
}

std::string delta_n_text(float delta_n)
{
    const float a = std::abs(delta_n);
    const std::int32_t n = static_cast<std::int32_t>(a);
    const float fraction = a - static_cast<float>(n);
    std::string text;
    if (fraction == 0.0f)
        text = whole_number_text(n);
    else if (fraction < 0.4f)
        text = whole_number_text(3 * n + 1) + "/3";
    else if (fraction < 0.6f)
        text = whole_number_text(2 * n + 1) + "/2";
    else
        text = whole_number_text(3 * n + 2) + "/3";
    return delta_n < 0.0f ? "-" + text : text;
}

std::string concentration_unit_suffix(float delta_n)
{
    if (delta_n == 0.0f) return ".";
    if (delta_n == 1.0f) return " mol/L.";
    return " (mol/L)@u" + delta_n_text(delta_n) + "@.";
}

std::string concentration_unit(std::int32_t e)
{
    if (e == 0) return "";
    if (e == 1) return " mol/L";
    return " (mol/L)@u" + whole_number_text(e) + "@";
}

void solve_extent(const SpeciesValues& nu, const SpeciesValues& c0, SpeciesValues& c, float K)
{
    static_cast<void>(solve_equilibrium_extent(nu, c0, c, K));
}

const SpeciesValues& SolvedEquilibria::of(const std::vector<double>& data)
{
    // Bit for bit: 0.0 and -0.0 are equal yet need not solve alike.
    const auto same = [](double a, double b) {
        return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
    };
    for (const auto& [known, c] : solved_)
        if (std::ranges::equal(known, data, same)) return c;
    return solved_.emplace_back(data, solve_(data)).second;
}

namespace {

// Rows of base coefficient 1, 2 and 3; five cells of five characters each.
constexpr std::string_view coefficient_rows[] = {
    "(1/3)(1/2)     2    3    ",
    "(2/3)     2    4    6    ",
    "     (3/2)3    6    9    ",
};

}  // namespace

std::string_view coefficient_cell(std::int32_t row, std::int32_t column)
{
    return strip_trailing_blanks(record_at(coefficient_rows[row - 1], 5, column));
}

float column_scale(std::int32_t column)
{
    constexpr float scales[] = {1.0f / 3.0f, 0.5f, 1.0f, 2.0f, 3.0f};
    return scales[column - 1];
}

GenericReaction set_up_generic_reaction(std::int32_t problem, std::string_view state_table,
                                        std::int32_t textbook_column, std::int32_t text_set, char unmarked_state,
                                        char mobile_state)
{
    GenericReaction r;
    r.column = pick_problem_variant(5, equilibria_state.last_draw[problem], textbook_column);
    for (std::int32_t& row : r.rows) row = random_int(18, 20) - 17;
    std::int32_t set = random_int(1, 3);
    if (app_state.version_number == text_version) set = text_set;
    r.states = std::string(record_at(state_table, 4, set));
    constexpr std::string_view letters = "ABCD";
    std::int32_t mobile_sum = 0;
    for (std::int32_t s = 0; s < 4; ++s) {
        if (s == 1 || s == 3) r.equation += " + ";
        if (s == 2) r.equation += " = ";
        r.equation += coefficient_cell(r.rows[s], r.column);
        r.equation += letters[s];
        if (r.states[s] != unmarked_state) r.equation += "@d(" + std::string(1, r.states[s]) + ")@";
        if (r.states[s] == mobile_state) mobile_sum += s < 2 ? -r.rows[s] : r.rows[s];
    }
    r.delta_n = column_scale(r.column) * static_cast<float>(mobile_sum);
    r.exponent = delta_n_text(r.delta_n);
    return r;
}

void draw_generic_constant(const GenericReaction& reaction)
{
    const std::int32_t e = random_int(0, 3) - 2;
    const float k = random_real(1.0f, 9.9f) * power_of_ten(e);
    set_slot_digits(1, std::pow(k, column_scale(reaction.column)), 3);
}

void pose_true_false_statement(std::int32_t group, std::int32_t type)
{
    std::string& text = problem_texts.problem_text;
    make_true_false_statement(group, type, text, 1000, equilibria_state.truth);
    // The statement is written where the question goes: copy it first.
    const std::string statement(strip_trailing_blanks(text));
    text = "Stabilire se l'affermazione @C3@''" + statement + "''@C1@ è vera o falsa";
    problem_texts.answer_text = equilibria_state.truth != 0 ? "Vera" : "Falsa";
}

}  // namespace equilibria

namespace equilibria {
namespace {

// Change in moles of gas and the range of the temperature's draw (times 5
// degrees) of each gas reaction.
struct GasRange {
    std::int32_t delta_n, lo, hi;
};
constexpr GasRange gas_ranges[] = {{-2, 20, 160}, {-1, 80, 160},  {-1, 120, 180}, {-1, 100, 160},
                                   {0, 80, 160},  {-1, 100, 180}, {-1, 20, 160},  {-1, 20, 160}};

}  // namespace

float GasReaction::concentration_constant(float k) const
{
    return k / std::pow(rt(), static_cast<float>(delta_n));
}

void load_gas_reaction_list()
{
    load_gas_reactions(problem_texts.answer_text);
}

GasReaction set_up_gas_reaction(std::int32_t v)
{
    GasReaction r;
    r.number = v;
    std::string& buffer = problem_texts.table_buffer;
    buffer =
        "s         " + std::string(strip_trailing_blanks(record_at(problem_texts.answer_text, gas_reaction_field, v)));
    EquationTerms terms;
    parse_equation_terms(buffer, terms);
    for (std::int32_t j = 1; j <= 3; ++j) {
        r.coefficient[j] = static_cast<float>(terms.coefficient[j]);
        r.formula[j] = std::string(terms.species_text(buffer, j));
    }
    const GasRange& range = gas_ranges[v - 1];
    r.delta_n = range.delta_n;
    r.t = static_cast<float>(5 * random_int(range.lo, range.hi));
    set_slot_digits(7, r.t, 3);
    const std::optional<ReactionThermo> thermo = compute_reaction_thermo(buffer, water_as_vapour, r.t);
    set_slot_digits(5, thermo ? thermo->equilibrium_constant : 0.0f, 3);
    return r;
}

std::string shown_gas_equation(std::int32_t direction)
{
    return shown_equation(problem_texts.table_buffer, direction);
}

bool reaction_gases_unfit(const GasReaction& r, const std::array<float, 3>& atm)
{
    std::array<FormulaShare, 3> gases;
    for (std::int32_t j = 1; j <= 3; ++j) {
        if (gas_of_formula_condenses(r.formula[j], kelvin(r.t), atm[j - 1])) return true;
        gases[j - 1] = {r.formula[j], atm[j - 1]};
    }
    return !formulas_near_ideal(gases, kelvin(r.t));
}

}  // namespace equilibria
