// Section "Miscele di composti": problems 16 to 24, mixtures of two salts
// and the element that one of them (16 to 20) or both (21 to 24) contain.
#include <cmath>
#include <string>
#include <vector>

#include "chapters/stoichiometry/mixture_sets.h"
#include "chapters/stoichiometry/stoichiometry_problems.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"
#include "text/drawing_kit.h"

namespace stoichiometry {
namespace {

constexpr std::int32_t first_symbol_slot = 7;

// A percentage from 10 to 80 into the slot, with 3 or 4 digits drawn after it.
void draw_percentage(std::int32_t slot)
{
    const float percentage = random_real(10.0f, 80.0f);
    const std::int32_t digits = random_int(3, 4);
    set_slot_digits(slot, percentage, digits);
}

// "% del primo" or "% del secondo": whose percentage the statement gives.
bool percentage_of_first(std::string& text)
{
    const bool first = random_int(1, 2) == 1;
    append_piece(text, first ? "% del primo" : "% del secondo");
    return first;
}

// The relative uncertainty of the share of the salt a percentage slot names:
// for the other salt, 100 minus it, with the same absolute uncertainty.
float share_relative_uncertainty(std::int32_t slot, bool of_first)
{
    return slot_uncertainty(slot) / (of_first ? slot_value(slot) : 100.0f - slot_value(slot));
}

std::string named_mixture(const Mixture& m)
{
    return compound_name(m.first) + " e " + compound_name(m.second);
}

// The element's share of one salt's mass.
float mass_fraction(const SaltMasses& s)
{
    return s.element / s.molar;
}

float relative_molar(const SaltMasses& s)
{
    return s.element_uncertainty / s.element + s.molar_uncertainty / s.molar;
}

// Problems 18, 23 and 24 name the salts in an order drawn after the data.
bool first_named_first()
{
    return random_int(1, 2) != 2;
}

// "Un campione di <sample> g di una miscela di <salt> e <salt>", the salts
// in drawn order.
std::string sample_of_mixture(const Mixture& m, std::int32_t sample_slot)
{
    const bool in_order = first_named_first();
    return "Un campione di " + slot_text(sample_slot) + " g di una miscela di " +
           compound_name(in_order ? m.first : m.second) + " e " + compound_name(in_order ? m.second : m.first);
}

// Problems 16 and 21, up to the percentage's salt.
std::string element_mass_statement(const Mixture& m)
{
    return "Calcolare quanto " + element_name(m.element) + " è contenuto in " + slot_text(8) + " g di una miscela di " +
           named_mixture(m) + " " + article_before_number("a", slot_text(9)) + slot_text(9);
}

// Problems 19 and 22.
std::string salt_to_add_statement(const Mixture& m)
{
    return "Calcolare quanto " + compound_name(m.second) + " si deve aggiungere a " + slot_text(8) + " g di " +
           compound_name(m.first) + " perché la percentuale di " + element_name(m.element) +
           " nella miscela risultante sia pari a " + slot_text(11) + "%";
}

// A salt and the slot of its stock, for problems 20 and 24.
struct Stock {
    std::int32_t compound;
    std::int32_t slot;
    float percentage;
};

std::string largest_mixture_statement(const Mixture& m, const Stock& a, std::string_view joint, const Stock& b)
{
    return "Calcolare la massima quantità di miscela di " + compound_name(a.compound) + std::string(joint) +
           compound_name(b.compound) + " " + article_before_number("a", slot_text(11)) + slot_text(11) + "% di " +
           element_name(m.element) + " che si può preparare avendo a disposizione " + slot_text(a.slot) + " g di " +
           compound_formula(a.compound) + " e " + slot_text(b.slot) + " g di " + compound_formula(b.compound);
}

// The grams of each salt, the first of the set first.
std::string salt_amounts_answer(const Mixture& m, std::int32_t second_slot)
{
    return "@C1@@T1@" + slot_text(9) + " g di " + compound_formula(m.first) + " e " + slot_text(second_slot) +
           " g di " + compound_formula(m.second);
}

// The target percentage of problems 22 and 24, between the two salts'
// percentages or, in two variants, above or below both.
struct Target {
    float lo = 0.0f;
    float hi = 0.0f;
    std::int32_t digits = 0;
};

Target draw_target(const Mixture& m)
{
    Target t;
    t.lo = std::fmin(m.first_masses.percentage, m.second_masses.percentage);
    t.hi = std::fmax(m.first_masses.percentage, m.second_masses.percentage);
    const float spread = t.hi - t.lo;
    float p = random_real(t.lo + 0.1f * spread, t.hi - 0.1f * spread);
    const std::int32_t k = random_int(1, 3);
    if (k == 2 && 1.5f * t.hi < 90.0f) p = random_real(t.hi, 1.5f * t.hi);
    if (k == 3 && 0.6f * t.lo > 10.0f) p = random_real(0.6f * t.lo, t.lo);
    t.digits = random_int(3, 4);
    set_slot_digits(11, p, t.digits);
    return t;
}

bool outside(const Target& t)
{
    return slot_value(11) < t.lo || slot_value(11) > t.hi;
}

// Both salts' percentages as the impossible answers of 22 and 24 give them.
std::string percentages_answer(const Mixture& m, const Target& t)
{
    set_slot_digits(9, m.first_masses.percentage, t.digits);
    set_slot_digits(10, m.second_masses.percentage, t.digits);
    return "@C1@@T1@Impossibile; " + element_symbol_of(m) + " in " + compound_formula(m.first) + " è " +
           article_before_number("", slot_text(9)) + slot_text(9) + "% e in " + compound_formula(m.second) + " è " +
           article_before_number("", slot_text(10)) + slot_text(10) + "%";
}

}  // namespace

void generate_problem_16()
{
    skip_random_draws(4);
    load_mixture_sets_1();
    const Mixture m = pick_mixture(pick_problem_variant(6, stoichiometry_state.last_draw[16], 0), first_symbol_slot);
    draw_grams(8);
    draw_percentage(9);
    std::string& text = problem_texts.problem_text;
    text = element_mass_statement(m);
    const bool of_first = percentage_of_first(text);
    const SaltMasses& s = m.first_masses;
    const float f = mass_fraction(s);
    const float grams =
        of_first ? f * slot_value(8) * slot_value(9) * 0.01f : (100.0f - slot_value(9)) * slot_value(8) * f * 0.01f;
    set_slot_uncertainty(
        10, grams, (relative_uncertainty(8) + share_relative_uncertainty(9, of_first) + relative_molar(s)) * grams);
    problem_texts.answer_text = "@C1@@T1@" + slot_text(10) + " g";
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(200, 160, 360);
}

void generate_problem_17()
{
    skip_random_draws(8);
    load_mixture_sets_1();
    const Mixture m = pick_mixture(pick_problem_variant(6, stoichiometry_state.last_draw[17], 0), first_symbol_slot);
    draw_percentage(8);
    std::string& text = problem_texts.problem_text;
    text = "Calcolare la percentuale di " + element_name(m.element) + " in una miscela di " + named_mixture(m) + " " +
           article_before_number("a", slot_text(8)) + slot_text(8);
    const bool of_first = percentage_of_first(text);
    const SaltMasses& s = m.first_masses;
    set_slot_uncertainty(9, mass_fraction(s), relative_molar(s) * mass_fraction(s));
    const float percentage = (of_first ? slot_value(8) : 100.0f - slot_value(8)) * slot_value(9);
    set_slot_uncertainty(10, percentage,
                         (share_relative_uncertainty(8, of_first) + relative_uncertainty(9)) * percentage);
    problem_texts.answer_text = "@C1@@T1@" + slot_text(10) + "%";
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(180, 160, 280);
}

void generate_problem_18()
{
    skip_random_draws(1);
    load_mixture_sets_1();
    const Mixture m = pick_mixture(pick_problem_variant(6, stoichiometry_state.last_draw[17], 0), first_symbol_slot);
    const float element = draw_scaled_exponent_first(-2, 1);
    const float drawn_salt = element / m.first_masses.element * m.first_masses.molar;
    value_slots[10].value = random_real(1.1f * drawn_salt, 3.0f * drawn_salt);
    const std::int32_t d = random_int(3, 4);
    set_slot_digits(11, element, d);
    convert_data_slot(10, d);
    problem_texts.problem_text = sample_of_mixture(m, 10) + " contiene " + slot_text(11) + " g di " +
                                 element_name(m.element) + ". Calcolare le quantità dei due composti nel campione";
    // From the sample's and the element's grams as the statement gives them,
    // with the digits they carry.
    const double per_element = static_cast<double>(m.first_masses.molar) / m.first_masses.element;
    set_slot_from_data(9, {11}, [per_element](const std::vector<double>& g) { return g[0] * per_element; });
    set_slot_from_data(12, {10, 11}, [per_element](const std::vector<double>& g) { return g[0] - g[1] * per_element; });
    problem_texts.answer_text = salt_amounts_answer(m, 12);
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(270, 160, 280);
}

void generate_problem_19()
{
    skip_random_draws(10);
    load_mixture_sets_1();
    const Mixture m = pick_mixture(pick_problem_variant(6, stoichiometry_state.last_draw[19], 0), first_symbol_slot);
    const float p1 = m.first_masses.percentage;
    float target = random_real(0.1f * p1, 0.9f * p1);
    if (random_int(1, 2) == 2 && 1.5f * p1 < 90.0f) target = random_real(p1, 1.5f * p1);
    const std::int32_t d = random_int(3, 4);
    set_slot_digits(11, target, d);
    draw_grams(8);
    problem_texts.problem_text = salt_to_add_statement(m);
    if (slot_value(11) > p1) {
        set_slot_digits(9, p1, d);
        problem_texts.answer_text = "@C1@@T1@Impossibile; " + element_symbol_of(m) + " in " +
                                    compound_formula(m.first) + " è già " + article_before_number("", slot_text(9)) +
                                    slot_text(9) + "%";
    } else {
        // The first salt's own uncertainty does not enter; near its
        // percentage the target's weighs most.
        const double first = p1;
        set_slot_from_data(9, {8, 11}, [first](const std::vector<double>& g) { return (first / g[1] - 1.0) * g[0]; });
        problem_texts.answer_text = "@C1@@T1@" + slot_text(9) + " g";
    }
    draw_problem_text(220, 540, 60);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_20()
{
    skip_random_draws(12);
    load_mixture_sets_1();
    const Mixture m = pick_mixture(pick_problem_variant(6, stoichiometry_state.last_draw[19], 0), first_symbol_slot);
    const float p1 = m.first_masses.percentage;
    value_slots[11].value = random_real(0.1f * p1, 0.9f * p1);
    random_int(3, 4);  // kept for the versions
    convert_data_slot(11, random_int(3, 4));
    const float first_stock = draw_scaled_exponent_first(-2, 2);
    const std::int32_t d = random_int(3, 4);
    set_slot_digits(8, first_stock, d);
    set_slot_digits(9, random_real(0.1f * slot_value(8), 2.0f * slot_value(8)), d);
    problem_texts.problem_text = largest_mixture_statement(m, {m.first, 8, p1}, " e di ", {m.second, 9, 0.0f});
    // All of the first salt, with the second it needs; or all of the second,
    // with the first it needs. Whichever stock runs out first decides; where
    // rounding lets neither test hold, the first stands.
    const double first = p1;
    const auto mixture = [first](const std::vector<double>& g) {
        const double first_needed = g[1] * g[2] / (first - g[2]);
        return first_needed <= g[0] ? first_needed + g[1] : first / g[2] * g[0];
    };
    set_slot_from_data(13, {8, 9, 11}, mixture);
    problem_texts.answer_text = slot_text(13) + " g";
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(180, 160, 380);
    draw_hint_balloon(520, 60, "Ott. 05");
}

void generate_problem_21()
{
    skip_random_draws(2);
    load_mixture_sets_2();
    const Mixture m = pick_mixture_of_two(pick_problem_variant(7, stoichiometry_state.last_draw[21], 0));
    draw_grams(8);
    draw_percentage(9);
    std::string& text = problem_texts.problem_text;
    text = element_mass_statement(m);
    const bool of_first = percentage_of_first(text);
    const float f1 = mass_fraction(m.first_masses);
    const float f2 = mass_fraction(m.second_masses);
    const float p = slot_value(9);
    const float grams = of_first ? (f1 * p + f2 * (100.0f - p)) * slot_value(8) * 0.01f
                                 : (p * f2 + f1 * (100.0f - p)) * slot_value(8) * 0.01f;
    // The percentage moves the element only by the difference of the two
    // salts' shares; each salt's molar masses weigh by its part.
    const float first_share = of_first ? p : 100.0f - p;
    const float molar_part = f1 * first_share * relative_molar(m.first_masses) +
                             f2 * (100.0f - first_share) * relative_molar(m.second_masses);
    set_slot_uncertainty(10, grams,
                         grams * relative_uncertainty(8) +
                             (std::fabs(f1 - f2) * slot_uncertainty(9) + molar_part) * slot_value(8) * 0.01f);
    problem_texts.answer_text = "@C1@@T1@" + slot_text(10) + " g";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(180, 160, 300);
}

void generate_problem_22()
{
    skip_random_draws(8);
    load_mixture_sets_2();
    const Mixture m = pick_distinct_mixture(22);
    Target t;
    // A target equal to the second salt's percentage cannot be reached
    // from the first salt's either. One so near the first salt's that the
    // data leave the mass to add less than its uncertainty is drawn again.
    const auto impossible = [&] { return outside(t) || slot_value(11) == m.second_masses.percentage; };
    draw_until_accepted([&] {
        t = draw_target(m);
        draw_grams(8);
        if (impossible()) return true;
        const double first = m.first_masses.percentage;
        const double second = m.second_masses.percentage;
        set_slot_from_data(9, {8, 11}, [first, second](const std::vector<double>& g) {
            return g[0] * (first - g[1]) / (g[1] - second);
        });
        return !uncertainty_exceeds_value(9);
    });
    problem_texts.problem_text = salt_to_add_statement(m);
    problem_texts.answer_text = impossible() ? percentages_answer(m, t) : "@C1@@T1@" + slot_text(9) + " g";
    draw_problem_text(230, 550, 60);
    show_chemistry_fact(160, 150, 280);
}

void generate_problem_23()
{
    skip_random_draws(9);
    load_mixture_sets_2();
    Mixture m;
    std::int32_t d = 0;
    // Near-equal salts can make the masses solved back from the rounded
    // data leave the sample, or leave a mass below its own uncertainty, a
    // problem with no answer: such data are drawn again. Both salts carry the
    // digits the sample and the element carry.
    draw_until_accepted([&] {
        m = pick_mixture_of_two(pick_problem_variant(7, stoichiometry_state.last_draw[23], 0));
        const SaltMasses& s1 = m.first_masses;
        const SaltMasses& s2 = m.second_masses;
        const float element = draw_scaled_exponent_first(-2, 1);
        const float share = random_real(0.1f, 0.9f);
        value_slots[9].value = share * element / s1.element * s1.molar;
        value_slots[10].value = (1.0f - share) / s2.element * element * s2.molar;
        d = random_int(3, 4);
        set_slot_digits(11, slot_value(10) + slot_value(9), d);
        set_slot_digits(12, element, d);
        value_slots[9].value =
            (slot_value(12) - slot_value(11) * s2.element / s2.molar) / (s1.element / s1.molar - s2.element / s2.molar);
        if (slot_value(9) <= 0.0f || slot_value(9) >= slot_value(11)) return false;
        const double f1 = static_cast<double>(s1.element) / s1.molar;
        const double f2 = static_cast<double>(s2.element) / s2.molar;
        const auto first = [f1, f2](const std::vector<double>& g) { return (g[1] - g[0] * f2) / (f1 - f2); };
        set_slot_from_data(9, {11, 12}, first);
        set_slot_from_data(10, {11, 12}, [&first](const std::vector<double>& g) { return g[0] - first(g); });
        return slot_uncertainty(9) < slot_value(9) && slot_uncertainty(10) < slot_value(10);
    });
    problem_texts.problem_text = sample_of_mixture(m, 11) + " contiene " + slot_text(12) + " g di " +
                                 element_name(m.element) + ". Calcolare la composizione del campione";
    problem_texts.answer_text = salt_amounts_answer(m, 10);
    draw_problem_text(180, 500, 60);
    show_chemistry_fact(180, 150, 380);
}

void generate_problem_24()
{
    skip_random_draws(2);
    load_mixture_sets_2();
    const Mixture m = pick_distinct_mixture(24);
    const Target t = draw_target(m);
    draw_grams(8);
    const float p = slot_value(11);
    // The second stock is a little more than what all of the first needs;
    // at the lower percentage itself that is the first stock's own mass.
    const float needed = p == t.lo ? slot_value(8) : slot_value(8) * (t.hi - p) / (p - t.lo);
    value_slots[9].value = needed;
    const float excess = random_real(1.2f, 1.5f);
    set_slot_digits(10, excess * std::fabs(needed), random_int(3, 4));

    Stock a{m.first, 8, m.first_masses.percentage};
    Stock b{m.second, 10, m.second_masses.percentage};
    if (!first_named_first()) std::swap(a, b);
    problem_texts.problem_text = largest_mixture_statement(m, a, " e ", b);
    if (outside(t)) {
        problem_texts.answer_text = percentages_answer(m, t);
    } else {
        // All of A with the B it needs, or all of B with the A it needs; a
        // test whose denominator is zero does not apply, and where rounding
        // lets neither hold the first that applies stands. The digits are
        // those the stocks and the target carry.
        const double pa = a.percentage;
        const double pb = b.percentage;
        const auto mixture = [pa, pb](const std::vector<double>& g) {
            const double ma = g[0], mb = g[1], target = g[2];
            const bool b_test = pb != target;
            const bool a_test = pa != target;
            const double b_needed = b_test ? ma * (target - pa) / (pb - target) : 0.0;
            const double a_needed = a_test ? mb * (target - pb) / (pa - target) : 0.0;
            if (a_test && a_needed <= ma) return mb + a_needed;
            if (b_test) return ma + b_needed;
            return mb + a_needed;
        };
        set_slot_from_data(12, {a.slot, b.slot, 11}, mixture);
        problem_texts.answer_text = "@C1@@T1@" + slot_text(12) + " g";
    }
    draw_problem_text(230, 550, 60);
    show_chemistry_fact(180, 190, 380);
    draw_hint_balloon(160, 60, "Ott. 05");
}

}  // namespace stoichiometry
