// Section "Calcolo del pH": problems 20 to 27, strong and weak acids and
// bases, the degree of dissociation, polyprotic acids and amphoteric salts.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/compound_records.h"
#include "chemistry/ph_solvers.h"
#include "chemistry/table_fields.h"
#include "frame/fact_box.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace equilibria {
namespace {

constexpr StrongElectrolyte strong_acids[] = {{compounds::nitric_acid, 1},
                                              {compounds::perchloric_acid, 1},
                                              {compounds::hydrogen_chloride, 1},
                                              {compounds::hydrogen_bromide, 1},
                                              {compounds::hydrogen_iodide, 1}};
constexpr StrongElectrolyte strong_bases[] = {{compounds::lithium_hydroxide, 1},
                                              {compounds::potassium_hydroxide, 1},
                                              {compounds::sodium_hydroxide, 1},
                                              {compounds::barium_hydroxide, 2}};

constexpr WeakElectrolyte weak_acids[] = {
    {"HClO@d2@", 1, own_constant("HClO@d2@")},
    {"HF", 1, own_constant("HF")},
    {"CH@d3@COOH", 1, own_constant("CH@d3@COOH")},
    {"HClO", 1, own_constant("HClO")},
    {"HCN", 1, own_constant("HCN")},
    {"NH@d4@Cl", 1, conjugate_constant("NH@d3@", 2)},
    {"(NH@d4@)@d2@SO@d4@", 2, conjugate_constant("NH@d3@", 2)},
    {"HCOOH", 1, own_constant("HCOOH")},
    {"HBrO", 1, own_constant("HBrO")},
};
// Problem 23's table: the monoprotic acids that are not salts.
constexpr WeakElectrolyte dissociating_acids[] = {
    {"HClO@d2@", 1, own_constant("HClO@d2@")},
    {"HF", 1, own_constant("HF")},
    {"CH@d3@COOH", 1, own_constant("CH@d3@COOH")},
    {"HClO", 1, own_constant("HClO")},
    {"HCN", 1, own_constant("HCN")},
    {"HCOOH", 1, own_constant("HCOOH")},
    {"HBrO", 1, own_constant("HBrO")},
};

struct WeakBase {
    WeakElectrolyte base;
    std::string_view conjugate_acid;
};
constexpr WeakBase weak_bases[] = {
    {{"NH@d3@", 1, own_constant("NH@d3@")}, "NH@d4@@u+@"},
    {{"CH@d3@COONa", 1, conjugate_constant("CH@d3@COOH", 2)}, "CH@d3@COOH"},
    {{"KCN", 1, conjugate_constant("HCN", 3)}, "HCN"},
    {{"NaF", 1, conjugate_constant("HF", 3)}, "HF"},
    {{"NaClO", 1, conjugate_constant("HClO", 3)}, "HClO"},
    {{"KClO@d2@", 1, conjugate_constant("HClO@d2@", 2)}, "HClO@d2@"},
    {{"NaNO@d2@", 1, conjugate_constant("HNO@d2@", 3)}, "HNO@d2@"},
};

// An acid's steps (none past the last), a species of its (the anion asked
// for) and a salt.
struct PolyproticAcid {
    std::array<const AcidBaseConstant*, 3> k;
    std::string_view species;
    std::string_view salt;
    std::string_view acid() const { return k[0]->species; }
};
constexpr PolyproticAcid polyprotic_acids[] = {
    {acid_steps("H@d2@SO@d3@"), "SO@d3@@u2-@", "Na@d2@SO@d3@"},
    {acid_steps("H@d2@S"), "S@u2-@", "K@d2@S"},
    {acid_steps("H@d2@CO@d3@"), "CO@d3@@u2-@", "Na@d2@CO@d3@"},
    {acid_steps("H@d3@PO@d4@"), "PO@d4@@u3-@", "Na@d3@PO@d4@"},
};
constexpr PolyproticAcid acid_salts[] = {
    {acid_steps("H@d2@SO@d3@"), "SO@d3@@u2-@", "NaHSO@d3@"},
    {acid_steps("H@d2@S"), "S@u2-@", "NaHS"},
    {acid_steps("H@d2@CO@d3@"), "CO@d3@@u2-@", "NaHCO@d3@"},
    {acid_steps("H@d3@PO@d4@"), "HPO@d4@@u2-@", "NaH@d2@PO@d4@"},
    {acid_steps("H@d3@PO@d4@"), "PO@d4@@u3-@", "Na@d2@HPO@d4@"},
};

// The usual concentration draw: from the upper range, or on a coin toss
// from the lower one.
float draw_concentration(float lo, float hi, float lower_lo, float lower_hi)
{
    float c = random_real(lo, hi);
    if (random_int(1, 2) == 1) c = random_real(lower_lo, lower_hi);
    return c;
}

// [H+] as the solver finds it from a concentration and a constant; each
// solve starts from the root before it, which the data's moves shift by
// hundredths of a pH unit.
using HydrogenOf = std::function<float(float concentration, float constant)>;

// Slot 8 := [H+] from the concentration (slot c) and the constant (slot 9),
// each datum's uncertainty carried through the solver: a weak acid's [H+],
// near the root of their product, takes half of each relative uncertainty.
// Slot 10 := [OH-], moved the same way.
void hydrogen_and_hydroxide(std::int32_t concentration_slot, const HydrogenOf& hydrogen)
{
    for (const bool hydroxide : {false, true})
        set_slot_from_data(hydroxide ? 10 : 8, {concentration_slot, 9},
                           [&hydrogen, hydroxide](const std::vector<double>& d) {
                               const float h = hydrogen(static_cast<float>(d[0]), static_cast<float>(d[1]));
                               return hydroxide ? Kw / h : h;
                           });
}

// [H+] of a weak acid of `units` acid groups a formula at c.
HydrogenOf weak_acid_hydrogen(std::int32_t units)
{
    return [units, near = std::optional<float>()](float c, float ka) mutable {
        near = solve_ph_mixture(units * c, 0.0f, ka, strong, near);
        return solved_or_nan(near);
    };
}

// The first part of the answers of problems 21 and 25: [H+], [OH-], pH or
// pOH by question kind; the p-value takes the ion's relative uncertainty
// whole (not divided by ln 10), so it never shows more than its data carry.
std::string ion_or_p_value(std::int32_t q)
{
    if (q <= 2) return "@T1@@C1@" + slot_text(q == 1 ? 8 : 10) + " M";
    const std::int32_t from = q == 3 ? 8 : 10;
    set_slot_uncertainty(11, minus_log10(slot_value(from)), slot_uncertainty(from) / slot_value(from));
    return "@T1@@C1@" + slot_text(11);
}

}  // namespace

void generate_problem_20()
{
    skip_random_draws(4);
    const std::int32_t variant = pick_problem_variant(2, equilibria_state.last_draw[20], 2);
    const bool acid = variant == 1;
    const StrongElectrolyte& e = acid ? strong_acids[random_int(1, 5) - 1] : strong_bases[random_int(1, 4) - 1];
    const std::int32_t exponent = random_int(2, 6);
    const std::int32_t m = random_int(10, 99);
    set_slot_digits(1, static_cast<float>(m) * 0.1f * power_of_ten(-exponent), 2);
    problem_texts.problem_text = "@T1@@C1@Calcolare il pH di una soluzione acquosa " + slot_text(1) + " F di " +
                                 compound_formula(e.compound) +
                                 " e quante moli di acqua sono dissociate per litro in questa soluzione";
    // The pH and the water dissociated, each with the digits the printed
    // concentration leaves them: near 1e-7 F water's own ions take part.
    const double ions = e.ions;
    const auto majority = [ions](const std::vector<double>& d) {
        const double c = ions * d[0];
        return c + (std::sqrt(c * c + 4.0 * water_ion_product) - c) * 0.5;
    };
    set_slot_from_data(4, {1}, [&majority, acid](const std::vector<double>& d) {
        return acid ? -std::log10(majority(d)) : water_ion_exponent + std::log10(majority(d));
    });
    set_slot_from_data(5, {1}, [&majority](const std::vector<double>& d) { return water_ion_product / majority(d); });
    problem_texts.answer_text = "@T1@@C1@" + slot_text(4) + "; " + slot_text(5) + " mol/L";
    draw_problem_text(170, 480, 50);
    show_chemistry_fact(280, 140, 300);
}

void generate_problem_21()
{
    skip_random_draws(9);
    const WeakElectrolyte& acid = weak_acids[pick_problem_variant(9, equilibria_state.last_draw[21], 7) - 1];
    const float c = draw_concentration(0.1f, 0.3f, 0.01f, 0.03f);
    set_slot_digits(1, c, random_int(3, 4));
    set_slot_constant(9, acid.constant);
    hydrogen_and_hydroxide(1, weak_acid_hydrogen(acid.units));
    const std::int32_t q = random_int(1, 4);
    constexpr std::string_view asked[] = {" [H@u+@] in", " [OH@u-@] in", " il pH di", " il pOH di"};
    problem_texts.problem_text = "Calcolare" + std::string(asked[q - 1]) + " una soluzione " + slot_text(1) + " F di " +
                                 std::string(acid.formula) + " [@iK@@da@ = " + slot_text(9) + "]";
    problem_texts.answer_text = ion_or_p_value(q);
    draw_problem_text(280, 560, 50);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_22()
{
    skip_random_draws(1);
    const WeakElectrolyte& acid = weak_acids[pick_problem_variant(9, equilibria_state.last_draw[22], 3) - 1];
    const float c = draw_concentration(0.001f, 0.009f, 0.0001f, 0.0009f);
    set_slot_digits(1, c, random_int(3, 4));
    set_slot_constant(9, acid.constant);
    const HydrogenOf hydrogen = weak_acid_hydrogen(acid.units);
    hydrogen_and_hydroxide(1, hydrogen);
    std::int32_t q = random_int(1, 2);
    if (app_state.version_number == text_version) q = 1;
    problem_texts.problem_text = std::string("Calcolare") + (q == 1 ? " [H@u+@]" : " [OH@u-@]") +
                                 " e la concentrazione di acido indissociato in una soluzione " + slot_text(1) +
                                 " F di " + std::string(acid.formula) + " [@iK@@da@ = " + slot_text(9) + "]";
    // The acid left, c less what dissociated, with [H+] worked from the same c.
    set_slot_from_data(11, {1, 9}, [&hydrogen, units = acid.units](const std::vector<double>& d) {
        const auto c = static_cast<float>(d[0]);
        const float h = hydrogen(c, static_cast<float>(d[1]));
        const float dissociated = h - Kw / h;
        return units * c - dissociated;
    });
    problem_texts.answer_text = "@T1@@C1@" + slot_text(q == 1 ? 8 : 10) + " M" + "; " + slot_text(11) + " M";
    draw_problem_text(180, 460, 50);
    show_chemistry_fact(280, 150, 300);
}

void generate_problem_23()
{
    skip_random_draws(7);
    const WeakElectrolyte& acid = dissociating_acids[pick_problem_variant(7, equilibria_state.last_draw[23], 2) - 1];
    set_slot_constant(9, acid.constant);
    const float c1 = random_real(0.001f, 0.009f);
    const float c2 = random_real(3.0f * c1, 0.09f);
    const bool exchanged = random_int(1, 2) == 1;
    value_slots[1].value = exchanged ? c2 : c1;
    value_slots[2].value = exchanged ? c1 : c2;
    convert_data_slot(1, random_int(3, 4));
    convert_data_slot(2, random_int(3, 4));
    problem_texts.problem_text = "Confrontare il grado di dissociazione di " + std::string(acid.formula) +
                                 " [@iK@@da@ = " + slot_text(9) + "]" + " in soluzione " + slot_text(1) +
                                 " F e in soluzione " + slot_text(2) + " F";
    for (std::int32_t s : {1, 2}) {
        const float r = slot_value(9) / slot_value(s);
        set_slot_digits(s + 2, (std::pow(r * (r + 4.0f), 0.5f) - r) * 0.5f, 2);
    }
    problem_texts.answer_text = slot_text(3) + "; " + slot_text(4);
    draw_problem_text(280, 560, 50);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_24()
{
    skip_random_draws(7);
    const std::int32_t m = draw_new_record(24, 20, 40);
    equilibria_state.last_draw[24] = m;
    set_slot_uncertainty(1, static_cast<float>(m) * 0.1f, 0.3f);
    set_slot_uncertainty(2, static_cast<float>(random_int(40, 300)) * 0.1f, 0.3f);
    const std::int32_t digits = slot_digits(1);
    set_slot_digits(3, std::sqrt(slot_value(2)) * slot_value(1), digits);
    std::int32_t q = random_int(1, 2);
    if (app_state.version_number == text_version) q = 1;
    if (q == 2) {
        // The more concentrated solution's percentage as printed, back.
        set_slot_digits(1, slot_value(3), digits);
        set_slot_digits(3, slot_value(1) / std::sqrt(slot_value_as_shown(2)), digits);
    }
    problem_texts.problem_text = "Un acido debole è dissociato per " + article_before_number("", slot_text(1)) +
                                 slot_text(1) + "% in una data soluzione. Quale sarà approssimativamente " +
                                 "il suo grado di dissociazione in una soluzione " + slot_text(2) + " volte più" +
                                 (q == 1 ? " diluita?" : " concentrata?");
    problem_texts.answer_text = slot_text(3) + "%";
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_25()
{
    skip_random_draws(1);
    const WeakBase& pair = weak_bases[pick_problem_variant(7, equilibria_state.last_draw[25], 6) - 1];
    const float c = draw_concentration(0.01f, 0.03f, 0.001f, 0.003f);
    set_slot_digits(2, pair.base.units * c, random_int(3, 4));
    set_slot_constant(9, pair.base.constant);
    const HydrogenOf hydrogen = [near = std::optional<float>()](float c, float kb) mutable {
        near = solve_ph_mixture(0.0f, c, strong, kb, near);
        return solved_or_nan(near);
    };
    hydrogen_and_hydroxide(2, hydrogen);
    const std::int32_t q = random_int(1, 4);
    constexpr std::string_view asked[] = {" [H@u+@]", " [OH@u-@]", " il pH", " il pOH"};
    problem_texts.problem_text = "Calcolare" + std::string(asked[q - 1]) + " e [" + std::string(pair.conjugate_acid) +
                                 "] in una soluzione " + slot_text(2) + " F di " + std::string(pair.base.formula) +
                                 " [@iK@@db@ = " + slot_text(9) + "]";
    // The conjugate acid, [OH-] less [H+], each datum moved through the solver.
    set_slot_from_data(12, {2, 9}, [&hydrogen](const std::vector<double>& d) {
        const float h = hydrogen(static_cast<float>(d[0]), static_cast<float>(d[1]));
        return Kw / h - h;
    });
    problem_texts.answer_text = ion_or_p_value(q) + "; " + slot_text(12) + " M";
    draw_problem_text(180, 460, 50);
    show_chemistry_fact(180, 160, 360);
}

void generate_problem_26()
{
    skip_random_draws(1);
    const std::int32_t row = pick_problem_variant(4, equilibria_state.last_draw[26], 4);
    const PolyproticAcid& acid = polyprotic_acids[row - 1];
    const float c = draw_concentration(0.01f, 0.09f, 0.001f, 0.009f);
    set_slot_digits(1, c, random_int(3, 4));
    const std::int32_t q = random_int(1, 2);
    const bool triprotic = row == 4;
    set_slot_text(6, acid.k[0]->value);
    set_slot_text(7, acid.k[1]->value);
    if (triprotic) set_slot_text(8, acid.k[2]->value);
    if (q == 2) {
        // The base constants of the anion, in the order of its protonations.
        const std::int32_t last = triprotic ? 8 : 7;
        struct Constant {
            float value, uncertainty;
        };
        std::array<Constant, 9> acid_constant{};
        for (std::int32_t s = 6; s <= last; ++s) acid_constant[s] = {slot_value(s), slot_uncertainty(s)};
        for (std::int32_t s = 6; s <= last; ++s) {
            const Constant& k = acid_constant[last + 6 - s];
            const float base = Kw / k.value;
            set_slot_uncertainty(s, base, base * k.uncertainty / k.value);
            // The answers follow from the constant as shown, a datum of
            // three units of its last digit.
            convert_data_slot(s, slot_digits_from_text);
        }
    }
    std::string constants = slot_text(6);
    if (triprotic)
        constants += ", " + slot_text(7) + " e " + slot_text(8);
    else
        constants += " e " + slot_text(7);
    if (q == 1)
        problem_texts.problem_text = "I valori di @iK@@da@ per " + std::string(acid.acid()) + " sono pari a " +
                                     constants + ". Calcolare [H@u+@] e [" + std::string(acid.species) +
                                     "] in una soluzione " + slot_text(1) + " M di " + std::string(acid.acid());
    else
        problem_texts.problem_text = "I valori di @iK@@db@ per " + std::string(acid.species) + " sono pari a " +
                                     constants + ". Calcolare [OH@u-@] e [" + std::string(acid.acid()) +
                                     "] in una soluzione " + slot_text(1) + " M di " + std::string(acid.salt);
    // [H+] of the acid, or [OH-] of its salt, each datum's uncertainty
    // carried through the solver.
    set_slot_from_data(2, {1, 6}, [q, near = std::optional<float>()](const std::vector<double>& d) mutable {
        const auto c = static_cast<float>(d[0]);
        const auto k = static_cast<float>(d[1]);
        near = q == 1 ? solve_ph_mixture(c, 0.0f, k, strong, near) : solve_ph_mixture(0.0f, c, strong, k, near);
        return q == 1 ? solved_or_nan(near) : Kw / solved_or_nan(near);
    });
    const float y = slot_value(2) - Kw / slot_value(2);
    // The fewer digits of the ion's concentration and of the last constant:
    // the count the book fixes for the anion (or the acid).
    if (triprotic)
        set_slot_digits(3, slot_value(7) * slot_value(8) / (slot_value(2) * slot_value(2)) * y,
                        std::min(slot_digits(2), slot_digits(8)));
    else
        set_slot_digits(3, slot_value(7) / slot_value(2) * y, std::min(slot_digits(2), slot_digits(7)));
    problem_texts.answer_text = slot_text(2) + " M; " + slot_text(3) + " M";
    draw_problem_text(180, 570, 50);
    show_chemistry_fact(170, 150, 300);
}

void generate_problem_27()
{
    skip_random_draws(4);
    const std::int32_t row = pick_problem_variant(5, equilibria_state.last_draw[27], 4);
    const PolyproticAcid& acid = acid_salts[row - 1];
    set_slot_digits(1, draw_concentration(0.01f, 0.09f, 0.001f, 0.009f), 3);
    const std::int32_t q = random_int(1, 2);
    const bool phosphoric = row >= 4;
    set_slot_text(6, acid.k[0]->value);
    set_slot_text(7, acid.k[1]->value);
    if (phosphoric) set_slot_text(8, acid.k[2]->value);
    std::string& text = problem_texts.problem_text;
    text = "I valori di @iK@@da@ per " + std::string(acid.acid()) + " sono pari a " + slot_text(6);
    if (phosphoric)
        text += ", " + slot_text(7) + " e " + slot_text(8);
    else
        text += " e " + slot_text(7);
    const std::string salt(acid.salt);
    std::string asked;
    if (q == 1)
        asked = acid.species;
    else if (row <= 4)
        asked = salt.substr(2) + "@u-@";  // the salt without "Na"
    else
        asked = salt.substr(6) + "@u2-@";  // without "Na@d2@"
    text += ". Calcolare [H@u+@] e [" + asked + "] in una soluzione " + slot_text(1) + " F di " + salt;

    // The amphiprotic ion HA between the constants ka and kb of its own
    // steps: its proton balance [H2A] + [H+] = [A] + [OH-] with [HA] = c
    // gives [H+] = √(ka (kb c + Kw) / (ka + c)), which is √(ka kb) only
    // where kb c outweighs Kw and c outweighs ka; the species asked for
    // then follows from [H+].
    const std::int32_t a = row == 5 ? 7 : 6;
    const std::int32_t b = a + 1;
    const auto hydrogen = [](double c, double ka, double kb) { return std::sqrt(ka * (kb * c + Kw) / (ka + c)); };
    set_slot_from_data(2, {1, a, b}, [&](const std::vector<double>& d) { return hydrogen(d[0], d[1], d[2]); });
    set_slot_from_data(3, {1, a, b}, [&](const std::vector<double>& d) {
        const double h = hydrogen(d[0], d[1], d[2]);
        const double ka = d[1], kb = d[2];
        const double share = q == 1 ? ka * kb : ka * h;
        return d[0] * share / (h * h + ka * h + ka * kb);
    });
    problem_texts.answer_text = slot_text(2) + " M; " + slot_text(3) + " M";
    draw_problem_text(170, 560, 50);
    show_chemistry_fact(280, 150, 300);
}

}  // namespace equilibria
