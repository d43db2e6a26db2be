// Section "Miscele di gas ideali", problems 15 to 21: mole fractions and
// partial pressures of two-gas mixtures, two containers joined, and gas
// reactions in a closed container.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chapters/states_of_matter/states_of_matter_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/gas_virial.h"
#include "chemistry/molar_mass.h"
#include "chemistry/nitrogen_dioxide_dimer.h"
#include "chemistry/phase_limits.h"
#include "chemistry/reacting_gases.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"
#include "text/drawing_kit.h"

namespace states_of_matter {
namespace {

// Two gases A and B of list 4 with the mass percentage (slot 1) of W, the
// gas whose share the statement gives, and Q, the gas asked about.
struct GasPair {
    std::int32_t a = 0, b = 0;
    std::int32_t w = 0, o = 0;  // W and the other gas
    std::int32_t q = 0, r = 0;  // Q and the other gas
    float mw = 0.0f, mo = 0.0f;

    std::string mixture() const { return " in una miscela di " + gas_name(a) + and_before(gas_name(b)) + gas_name(b); }
    std::string weight_share() const
    {
        return " " + article_before_number("a", slot_text(1)) + slot_text(1) + "% in peso di " + gas_name(w);
    }
};

static_assert(std::ranges::all_of(gas_list_4, has_phase_points));

GasPair draw_gas_pair(std::int32_t problem, std::int32_t skipped)
{
    skip_random_draws(skipped);
    const auto [g1, g2] = draw_two_positions(problem, 13, [](std::int32_t i, std::int32_t j) {
        return !gases_react(list_gas(gas_list_4, i), list_gas(gas_list_4, j));
    });
    GasPair pair;
    pair.a = list_gas(gas_list_4, g1);
    pair.b = list_gas(gas_list_4, g2);
    set_slot_digits(1, random_real(10.0f, 90.0f), 3);
    const bool w_is_a = random_int(1, 2) == 1;
    pair.w = w_is_a ? pair.a : pair.b;
    pair.o = w_is_a ? pair.b : pair.a;
    const bool q_is_a = random_int(1, 2) == 1;
    pair.q = q_is_a ? pair.a : pair.b;
    pair.r = q_is_a ? pair.b : pair.a;
    pair.mw = compound_molar_mass(pair.w);
    pair.mo = compound_molar_mass(pair.o);
    return pair;
}

// The mole fraction of Q from the mass percentage of W.
template <typename Real>
Real mole_fraction(const GasPair& pair, Real w_percent)
{
    const Real xw = w_percent / pair.mw / (w_percent / pair.mw + (100 - w_percent) / pair.mo);
    return pair.q == pair.w ? xw : 1 - xw;
}

// Slot 3: the mole fraction of Q, its uncertainty taken on the percentage's
// relative one, as problem 16 prints it.
void set_mole_fraction(const GasPair& pair)
{
    const float x = mole_fraction(pair, slot_value(1));
    set_slot_uncertainty(3, x, x / slot_value(1) * slot_uncertainty(1));
}

// Slot 3: the mole fraction of Q as an answer, with the digits the printed
// percentage gives.
void set_mole_fraction_answer(const GasPair& pair)
{
    set_slot_from_data(3, {1}, [&pair](const std::vector<double>& d) { return mole_fraction(pair, d[0]); });
}

// Slot 2: a total pressure in atmospheres.
void draw_total_pressure()
{
    value_slots[2].value = draw_magnitude(9.9f, -1, 1);
    convert_data_slot(2, random_int(2, 3));
}

}  // namespace

void generate_problem_15()
{
    const GasPair pair = draw_gas_pair(15, 1);
    problem_texts.problem_text =
        "Calcolare la frazione molare d" + articulated_gas_name(pair.q) + pair.mixture() + pair.weight_share();
    set_mole_fraction_answer(pair);
    problem_texts.answer_text = slot_text(3);
    draw_problem_text(200, 520, 50);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_16()
{
    GasPair pair;
    // Drawn again while the fraction as printed leaves the answer less than
    // its uncertainty (a share near 0 %).
    draw_until_accepted([&pair] {
        pair = draw_gas_pair(16, 10);
        set_mole_fraction(pair);
        // The fraction as printed is a datum: three units of its last digit.
        convert_data_slot(3, slot_digits_from_text);
        const bool q_given = pair.q == pair.w;
        const double mq = compound_molar_mass(pair.q);
        const double mr = compound_molar_mass(pair.r);
        // The three digits the book gives the percentage, fewer where the
        // fraction leaves fewer.
        set_slot_from_data(
            4, {3},
            [q_given, mq, mr](const std::vector<double>& d) {
                const double xq = q_given ? d[0] : 1.0 - d[0];
                return xq / (xq * mq + (1.0 - xq) * mr) * mq * 100.0;
            },
            3);
        return !uncertainty_exceeds_value(4);
    });
    // The number shown is Q's fraction, which the text gives as W's: the
    // answer follows the text, from the fraction as shown, with the digits
    // it carries.
    problem_texts.problem_text = "Calcolare la percentuale in peso d" + articulated_gas_name(pair.q) + pair.mixture() +
                                 " in cui la frazione molare di " + gas_name(pair.w) + " è pari a " + slot_text(3);
    problem_texts.answer_text = slot_text(4) + "%";
    draw_problem_text(165, 560, 50);
    show_chemistry_fact(200, 160, 300);
    draw_hint_balloon(500, 110, "Ott. 05");
}

void generate_problem_17()
{
    const GasPair pair = draw_gas_pair(17, 14);
    // The page states no temperature: its mixture is read at 25 °C, its
    // pressure drawn again where a gas would condense at its own partial
    // pressure (sulfur dioxide at 74 atm of 86, 19 times its saturation) or
    // the mixture stray past the ideal gas's 5 %.
    draw_until_accepted([&pair] {
        draw_total_pressure();
        const double xq = mole_fraction(pair, static_cast<double>(slot_value(1))), p = slot_value(2);
        const GasShare shares[] = {{pair.q, xq * p}, {pair.r, (1.0 - xq) * p}};
        return !gas_condenses(pair.q, standard_kelvin, shares[0].partial_atm) &&
               !gas_condenses(pair.r, standard_kelvin, shares[1].partial_atm) && near_ideal(shares, standard_kelvin);
    });
    problem_texts.problem_text = "Calcolare la frazione molare e la pressione parziale d" +
                                 articulated_gas_name(pair.q) + pair.mixture() + pair.weight_share() +
                                 " che si trovi alla pressione totale di " + slot_text(2) + " atm";
    set_mole_fraction_answer(pair);
    set_slot_from_data(4, {1, 2}, [&pair](const std::vector<double>& d) { return mole_fraction(pair, d[0]) * d[1]; });
    problem_texts.answer_text = slot_text(3) + "; " + slot_text(4) + " atm";
    draw_problem_text(200, 520, 45);
    show_chemistry_fact(260, 160, 300);
}

void generate_problem_18()
{
    const GasPair pair = draw_gas_pair(18, 18);
    // Drawn and never shown: it keeps the later draws in place.
    draw_total_pressure();
    const double mw = pair.mw;
    const double mo = pair.mo;
    const auto partial_pressures = [mw, mo](const std::vector<double>& d, bool of_w, bool of_other) {
        const double rt_v = (d[3] + celsius_zero) * gas_constant_litre_atm / d[2];
        return ((of_w ? d[0] * d[1] / (100.0 * mw) : 0.0) + (of_other ? d[0] * (100.0 - d[1]) / (100.0 * mo) : 0.0)) *
               rt_v;
    };
    // Drawn again where either gas would condense (ammonia above its
    // saturation pressure at the temperature), or the mixture pass the ideal
    // law's reach (helium at 400 atm and 97 °C presses 15 % harder than the
    // law says) or its 5 % (ethane at 18 atm and 91 °C).
    draw_until_accepted([&pair, &partial_pressures] {
        value_slots[5].value = random_real(1.0f, 20.0f);
        convert_data_slot(5, random_int(2, 3));
        value_slots[6].value = draw_magnitude(9.9f, -1, 1);
        convert_data_slot(6, random_int(3, 4));
        set_slot_digits(7, random_real(25.0f, 99.0f), 2);
        const std::vector<double> d = {slot_value(6), slot_value(1), slot_value(5), slot_value(7)};
        const double t = d[3] + celsius_zero;
        const GasShare shares[] = {{pair.w, partial_pressures(d, true, false)},
                                   {pair.o, partial_pressures(d, false, true)}};
        return !gas_condenses(pair.w, t, shares[0].partial_atm) && !gas_condenses(pair.o, t, shares[1].partial_atm) &&
               partial_pressures(d, true, true) <= ideal_gas_reach_atm && near_ideal(shares, t);
    });
    problem_texts.problem_text = "Calcolare la pressione parziale d" + articulated_gas_name(pair.q) +
                                 " e la pressione totale in un recipiente da " + slot_text(5) + " L contenente " +
                                 slot_text(6) + " g di una miscela di " + gas_name(pair.a) +
                                 and_before(gas_name(pair.b)) + gas_name(pair.b) + pair.weight_share() + " a " +
                                 slot_text(7) + "@uo@C";

    // Slot 8 the partial pressure asked, slot 10 the total, from the mass,
    // share, volume and temperature as printed: the share moves the two
    // gases' pressures opposite ways, so the total carries less of it.
    const bool w_asked = pair.q == pair.w;
    set_slot_from_data(8, {6, 1, 5, 7}, {7},
                       [&](const std::vector<double>& d) { return partial_pressures(d, w_asked, !w_asked); });
    set_slot_from_data(10, {6, 1, 5, 7}, {7},
                       [&](const std::vector<double>& d) { return partial_pressures(d, true, true); });
    problem_texts.answer_text = slot_text(8) + " atm; " + slot_text(10) + " atm";
    draw_problem_text(220, 560, 50);
    show_chemistry_fact(170, 160, 300);
}

void generate_problem_19()
{
    skip_random_draws(1);
    draw_until_accepted([] {
        value_slots[1].value = draw_magnitude(9.9f, -1, 2);
        value_slots[2].value = random_real(0.2f * slot_value(1), 5.0f * slot_value(1));
        return std::fabs(slot_value(1) - slot_value(2)) / slot_value(1) >= 0.1f;
    });
    value_slots[3].value = draw_magnitude(9.9f, -1, 1);
    value_slots[4].value = draw_magnitude(9.9f, -1, 1);
    convert_data_slot(1, random_int(3, 4));
    convert_data_slot(2, random_int(3, 4));
    convert_data_slot(3, random_int(2, 3));
    convert_data_slot(4, random_int(2, 3));
    problem_texts.problem_text = "Due recipienti di volume pari a " + slot_text(1) + " e " + slot_text(2) +
                                 " L contenenti due gas alle pressioni di " + slot_text(3) + " e " + slot_text(4) +
                                 " atm vengono messi in comunicazione. Calcolare la pressione finale e "
                                 "le pressioni parziali dei due gas";
    set_slot_uncertainty(5, slot_value(2) + slot_value(1), slot_uncertainty(2) + slot_uncertainty(1));
    const float p1 = slot_value(3) / slot_value(5) * slot_value(1);
    set_slot_uncertainty(6, p1, (relative_uncertainty(3) + relative_uncertainty(5) + relative_uncertainty(1)) * p1);
    const float p2 = slot_value(2) / slot_value(5) * slot_value(4);
    set_slot_uncertainty(7, p2, (relative_uncertainty(2) + relative_uncertainty(5) + relative_uncertainty(4)) * p2);
    set_slot_uncertainty(8, p1 + p2, slot_uncertainty(7) + slot_uncertainty(6));
    problem_texts.answer_text = slot_text(8) + " atm; " + slot_text(6) + " atm e " + slot_text(7) + " atm";
    draw_problem_text(200, 540, 50);
    show_chemistry_fact(250, 160, 300);
}

namespace {

// Ten molecular reactions of two gaseous reactants, by record number.
constexpr std::string_view reaction_list = " 1 21833364647747576";

// The reaction of problems 20 and 21, its amounts scale and the reactant
// the draws make the limiting one.
struct GasReaction {
    std::int32_t record = 0;
    std::int32_t entry_column = 0;
    EquationTerms terms;
    float scale = 0.0f;
    std::int32_t limiting = 0;

    std::string formula(std::int32_t i) const
    {
        return std::string(strip_trailing_blanks(terms.species_text(reaction_record(record), i)));
    }
    float coefficient(std::int32_t i) const { return static_cast<float>(terms.coefficient[i]); }
};

GasReaction draw_gas_reaction(std::int32_t problem, bool textbook_reaction)
{
    GasReaction reaction;
    draw_until_accepted([&] {
        reaction.entry_column = 2 * random_int(1, 10) - 1;
        if (textbook_reaction) reaction.entry_column = 1;
        const std::int32_t col = reaction.entry_column;
        reaction.record = read_i(record_columns(reaction_list, col, col + 1)).value_or(1);
        if (no_version_in_use() && reaction.record == state.last_draw[problem]) return false;
        // 2N2 + O2 = 2N2O never happens (N2O's free energy of formation is
        // +104 kJ/mol): a reaction to compute, not one that occurs.
        if (reaction.record == 75) return false;
        // Hydrazine's vapour pressure at 320-370 K is a fraction of an
        // atmosphere, below the partial pressures problem 20 draws.
        if (problem == 20 && reaction.record == 47) return false;
        return reaction_record(reaction.record).starts_with('s');
    });
    state.last_draw[problem] = reaction.record;
    parse_equation_terms(reaction_record(reaction.record), reaction.terms);
    return reaction;
}

// The amounts' scale and the reactant the draws make the limiting one.
void draw_reaction_amounts(GasReaction& reaction)
{
    reaction.scale = random_real(0.1f, 2.0f);
    reaction.limiting = random_int(1, reaction.terms.reactant_count);
}

// The separator before item i of a list of n: " ", ", " or " e ".
std::string_view list_separator(std::int32_t i, std::int32_t n)
{
    if (i == 1) return " ";
    return i < n ? ", " : " e ";
}

// Whether species i would condense at that temperature and partial pressure.
bool condenses(const GasReaction& reaction, std::int32_t i, float kelvin, float atm)
{
    return gas_of_formula_condenses(reaction.formula(i), kelvin, atm);
}

// The reactant used up: the smallest amount per coefficient among the
// amounts as shown (slots 1 to nr), the drawn one winning a tie, so that
// no reactant is left below zero.
void name_limiting_reactant(GasReaction& reaction)
{
    std::int32_t& j = reaction.limiting;
    for (std::int32_t i = 1; i <= reaction.terms.reactant_count; ++i)
        if (slot_value(i) / reaction.coefficient(i) < slot_value(j) / reaction.coefficient(j)) j = i;
}

// Slots i + 5 after the reaction: the other reactant's remainder and every
// product, each times t2 / t1, with their sum (returned in total, its
// uncertainty in total_uncertainty); t_share is what the temperatures add
// to each relative uncertainty. `line` adds species i's answer.
template <typename Line>
void react(const GasReaction& reaction, float t2, float t1, float t_share, float& total, float& total_uncertainty,
           Line line)
{
    const std::int32_t j = reaction.limiting;
    const std::int32_t nr = reaction.terms.reactant_count;
    // Where the other reactant's amount per coefficient lies within its
    // uncertainty of the used-up one's, either may run out: both count.
    float extent_uncertainty = slot_uncertainty(j) / reaction.coefficient(j);
    for (std::int32_t k = 1; k <= nr; ++k) {
        const float share = slot_uncertainty(k) / reaction.coefficient(k);
        if (k != j && slot_value(k) / reaction.coefficient(k) - slot_value(j) / reaction.coefficient(j) < share)
            extent_uncertainty += share;
    }
    total = 0.0f;
    total_uncertainty = 0.0f;
    for (std::int32_t i = 1; i <= reaction.terms.species_count(); ++i) {
        if (i == j) continue;
        const float ratio = reaction.coefficient(i) / reaction.coefficient(j);
        float value = ratio * slot_value(j);
        float uncertainty = reaction.coefficient(i) * extent_uncertainty;
        if (i <= nr) {
            value = slot_value(i) - value;
            uncertainty = slot_uncertainty(i) + uncertainty;
        }
        set_slot_uncertainty(i + 5, value * t2 / t1, (uncertainty + value * t_share) * t2 / t1);
        total += slot_value(i + 5);
        total_uncertainty += slot_uncertainty(i + 5);
        line(i);
    }
}

}  // namespace

void generate_problem_20()
{
    skip_random_draws(2);
    GasReaction reaction = draw_gas_reaction(20, app_state.version_number == text_version);
    const std::int32_t nr = reaction.terms.reactant_count;
    // Drawn again while a pressure after the reaction says less than its
    // uncertainty (an excess drawn a hair above what reacts), or a species
    // would condense before or after it (water above its saturation).
    draw_until_accepted([&] {
        draw_reaction_amounts(reaction);
        value_slots[4].value = random_real(320.0f, 370.0f);
        if (reaction.entry_column == 7) value_slots[4].value = random_real(360.0f, 370.0f);
        value_slots[5].value = random_real(380.0f, 500.0f);
        convert_data_slot(4, 3);
        convert_data_slot(5, 3);
        for (std::int32_t i = 1; i <= nr; ++i) {
            value_slots[i].value = reaction.coefficient(i) * reaction.scale;
            if (i != reaction.limiting) value_slots[i].value = random_real(1.0f, 2.0f) * slot_value(i);
            convert_data_slot(i, 3);
        }
        name_limiting_reactant(reaction);
        bool known = true;
        for (std::int32_t i = 1; i <= nr; ++i) known = known && !condenses(reaction, i, slot_value(4), slot_value(i));
        float total = 0.0f;
        float total_uncertainty = 0.0f;
        react(reaction, slot_value(5), slot_value(4), relative_uncertainty(5) + relative_uncertainty(4), total,
              total_uncertainty, [&](std::int32_t i) {
                  known = known && !uncertainty_exceeds_value(i + 5) &&
                          !condenses(reaction, i, slot_value(5), slot_value(i + 5));
              });
        // The pressures as printed too: a rounding up may carry one past
        // the saturation (water's 3.060 atm shown "3.1" at 408 K, where it
        // condenses at 3.078).
        for (std::int32_t i = 1; i <= reaction.terms.species_count(); ++i)
            if (i != reaction.limiting)
                known = known && !condenses(reaction, i, slot_value(5), slot_value_as_shown(i + 5));
        // Before and after, the gases together within the ideal gas's 5 %
        // (water at 8.9 atm and 462 K among them, 6 % off).
        std::vector<std::string> formulas;
        for (std::int32_t i = 1; i <= reaction.terms.species_count(); ++i) formulas.push_back(reaction.formula(i));
        std::vector<FormulaShare> before, after;
        for (std::int32_t i = 1; i <= reaction.terms.species_count(); ++i) {
            if (i <= nr) before.push_back({formulas[i - 1], slot_value(i)});
            if (i != reaction.limiting) after.push_back({formulas[i - 1], slot_value(i + 5)});
        }
        // NO2 stated as NO2: at most 5 % of it paired as N2O4 (1.15 atm
        // at 390 K, 6 %).
        for (std::int32_t i = 1; i <= reaction.terms.species_count(); ++i)
            if (formulas[i - 1] == "NO@d2@")
                known =
                    known && !(i <= nr && nitrogen_dioxide_dimer_share(slot_value(4), slot_value(i)) > 0.05) &&
                    !(i != reaction.limiting && nitrogen_dioxide_dimer_share(slot_value(5), slot_value(i + 5)) > 0.05);
        return known && formulas_near_ideal(before, slot_value(4)) && formulas_near_ideal(after, slot_value(5));
    });

    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Un recipiente contiene ";
    for (std::int32_t i = 1; i <= nr; ++i) append_piece(text, std::string(list_separator(i, nr)) + reaction.formula(i));
    append_piece(text, " a " + slot_text(4) + " K e alle pressioni parziali di ");
    for (std::int32_t i = 1; i <= nr; ++i)
        append_piece(text, std::string(list_separator(i, nr)) + slot_text(i) + (i == nr ? " atm." : " atm"));
    const ReactionRecord& record = reaction_record(reaction.record);
    append_piece(text, " Calcolare le pressioni parziali delle specie presenti e la pressione totale "
                       "dopo che sia avvenuta la reazione " +
                           format_equation_text(0, record) + " se la temperatura finale è " + slot_text(5) + " K");

    std::string& answer = problem_texts.answer_text;
    answer = format_equation_text(1, record) + ";";
    for (std::int32_t i = 1; i <= reaction.terms.species_count(); ++i)
        if (i != reaction.limiting) append_piece(answer, " " + reaction.formula(i) + ": " + slot_text(i + 5) + " atm;");
    // The total from the two pressures and temperatures as printed: a
    // reactant's pressure moves its remainder and the products' against
    // each other, which the sum of the lines' uncertainties would not see.
    set_slot_from_data(10, {1, 2, 4, 5}, [&reaction](const std::vector<double>& d) {
        const double c1 = reaction.coefficient(1);
        const double c2 = reaction.coefficient(2);
        double gained = -c1 - c2;
        for (std::int32_t i = 3; i <= reaction.terms.species_count(); ++i) gained += reaction.coefficient(i);
        return (d[0] + d[1] + std::min(d[0] / c1, d[1] / c2) * gained) * d[3] / d[2];
    });
    append_piece(answer, " totale: " + slot_text(10) + " atm");
    draw_problem_text(185, 525, 45);
    show_chemistry_fact(155, 140, 360);
}

void generate_problem_21()
{
    skip_random_draws(3);
    GasReaction reaction = draw_gas_reaction(21, false);
    draw_reaction_amounts(reaction);
    value_slots[4].value = random_real(320.0f, 370.0f);
    // Drawn and never used: it keeps the later draws in place.
    value_slots[5].value = random_real(380.0f, 500.0f);
    convert_data_slot(4, 3);
    convert_data_slot(5, 3);
    set_slot_digits(16, random_real(5.0f, 100.0f), 3);
    const float concentration = slot_value(16) / (slot_value(4) * gas_constant_litre_atm_cut_f);

    const std::int32_t nr = reaction.terms.reactant_count;
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Una miscela di";
    float moles_before = 0.0f;
    for (std::int32_t i = 1; i <= nr; ++i) {
        value_slots[i].value = reaction.coefficient(i) * reaction.scale * concentration * 0.1f;
        if (i != reaction.limiting) value_slots[i].value = random_real(1.0f, 2.0f) * slot_value(i);
        convert_data_slot(i, 3);
        moles_before += slot_value(i);
        append_piece(text, std::string(list_separator(i, nr)) + slot_text(i) + " mol di " + reaction.formula(i));
    }
    append_piece(text, " occupa un volume pari a " + slot_text(16) + " L in date condizioni.");
    const ReactionRecord& record = reaction_record(reaction.record);
    append_piece(text, " Calcolare il volume occupato nelle stesse condizioni dopo che sia avvenuta "
                       "la reazione " +
                           format_equation_text(0, record) + " se tutte le specie sono nello stato gassoso");

    name_limiting_reactant(reaction);
    float moles_after = 0.0f;
    float uncertainty = 0.0f;
    react(reaction, 1.0f, 1.0f, 0.0f, moles_after, uncertainty, [](std::int32_t) {});
    const float volume = slot_value(16) / moles_before * moles_after;
    set_slot_uncertainty(10, volume, (uncertainty / moles_after + relative_uncertainty(16)) * volume);
    problem_texts.answer_text = format_equation_text(1, record) + "; " + slot_text(10) + " L";
    draw_problem_text(170, 570, 50);
    show_chemistry_fact(220, 150, 360);
}

}  // namespace states_of_matter
