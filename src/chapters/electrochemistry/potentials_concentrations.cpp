// Section "Potenziali standard", problems 11 to 14: a potential difference
// between two similar electrodes turned into a pH, a concentration, a
// solubility product or the constant of a chloro complex.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/electrochemistry/electrochemistry_problems.h"
#include "chemistry/solubility_products.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace electrochemistry {
namespace {

// The half-reaction of a generic metal X and the electrons it takes.
struct GenericHalfReaction {
    std::int32_t electrons;
    std::string_view ion;
    std::string_view half_reaction;
};

constexpr std::array<GenericHalfReaction, 3> generic_half_reaction_table{{
    {1, "X@u+@", "X@u+@ + e = X"},
    {2, "X@u2+@", "X@u2+@ + 2e = X"},
    {3, "X@u3+@", "X@u3+@ + 3e = X"},
}};

// A sparingly soluble salt with a cations and b anions per formula unit,
// its row of the solubility products that chapters 7 and 9 read, the
// cation and the words that follow "un elettrodo a" for the metal's
// electrode.
struct SolubleSalt {
    std::int32_t cations;
    std::int32_t anions;
    const SolubilityProduct* product;
    std::string_view cation;
    std::string_view electrode;
    std::int32_t electrons;
};

// Mercury(II) halides were its members 5 and 6: molecular in solution,
// they have no Ksp = 4[Hg2+]^3 to teach, and are left out of the draw.
constexpr std::array<SolubleSalt, 6> soluble_salt_table{{
    {1, 1, &solubility_product("AgI"), "Ag@u+@", "d argento", 1},
    {1, 2, &solubility_product("Pb(IO@d3@)@d2@"), "Pb@u2+@", " piombo", 2},
    {1, 1, &solubility_product("PbSO@d4@"), "Pb@u2+@", " piombo", 2},
    {1, 2, &solubility_product("PbI@d2@"), "Pb@u2+@", " piombo", 2},
    {1, 1, &solubility_product("AgBr"), "Ag@u+@", "d argento", 1},
    {1, 1, &solubility_product("AgCl"), "Ag@u+@", "d argento", 1},
}};
constexpr std::array<std::int32_t, 2> mercury_halides{5, 6};

// The charge of the metal ion X, the chlorides of its complex, the ion and
// the complex.
struct Chlorocomplex {
    std::int32_t charge;
    std::int32_t chlorides;
    std::string_view ion;
    std::string_view complex;
};

constexpr std::array<Chlorocomplex, 3> chlorocomplex_table{{
    {1, 2, "X@u+@", "XCl@d2@@u-@"},
    {2, 4, "X@u2+@", "XCl@d4@@u2-@"},
    {3, 4, "X@u3+@", "XCl@d4@@u-@"},
}};

// The concentration of the first electrode from its potential difference to
// one at the reference concentration: c_ref·10^(±n·ΔE/0.0592).
double concentration_from_potential(double reference, double exponent_sign, double electrons, double difference)
{
    return reference * std::pow(10.0, exponent_sign * electrons * difference / static_cast<double>(nernst_slope_f));
}

// b^b as an integer power of a REAL.
float integer_power(float base, std::int32_t exponent)
{
    float result = 1.0f;
    for (std::int32_t k = 0; k < exponent; ++k) result *= base;
    return result;
}

}  // namespace

void generate_problem_11()
{
    skip_random_draws(9);
    const float low = random_real(2.0f, 6.0f);
    const float high = random_real(low + 1.0f, 13.0f);
    // The potential difference comes from the pH values as drawn.
    set_slot_digits(5, std::abs(low - high) * nernst_slope_f, 3);
    const std::int32_t choice = random_int(1, 2);
    // Two decimals, also where the pH rounds up to 10.00.
    const double given = std::round(static_cast<double>(choice == 1 ? high : low) * 100.0) / 100.0;
    set_slot_digits(2, static_cast<float>(given), given >= 10.0 ? 4 : 3);
    problem_texts.problem_text = "@T1@@C1@A 25@uo@C il potenziale di un elettrodo ad idrogeno a pH incognito è di " +
                                 slot_text(5) + (choice == 1 ? " V maggiore" : " V minore") +
                                 " di quello di uno a pH " + slot_text(2) + ". Calcolare il pH del primo elettrodo";
    // The pH drawn is not what the potential and the pH shown give.
    const float shift = slot_value(5) * inverse_nernst_slope_f;
    set_slot_uncertainty(1, slot_value_as_shown(2) + (choice == 1 ? -shift : shift), 0.03f);
    problem_texts.answer_text = slot_text(1);
    draw_problem_text(220, 570, 50);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_12()
{
    skip_random_draws(2);
    const GenericHalfReaction& half =
        generic_half_reaction_table[pick_problem_variant(3, electrochemistry_state.last_variant[12], 3) - 1];
    const double n = half.electrons;
    bool higher = false;
    // A concentration that the potential's last digit leaves unknown (as
    // beside "0.00 V") is drawn again.
    draw_until_accepted([&] {
        draw_concentration_pair(4);
        set_slot_digits(3,
                        nernst_slope_f / static_cast<float>(half.electrons) *
                            std::abs(decimal_log(slot_value(1) / slot_value(2))),
                        3);
        higher = slot_value(2) < slot_value(1);
        // From the potential and the concentration shown, with the digits
        // they leave. The potential is a signed difference: it moves both
        // ways, also where it shows 0.00 V.
        const double sign = higher ? 1.0 : -1.0;
        const double difference = slot_value_as_shown(3);
        const double reference = slot_value_as_shown(2);
        const double value = concentration_from_potential(reference, sign, n, difference);
        // A zero shows as "0.00": three units of its last digit.
        const double step = difference == 0.0 ? 0.03 : slot_uncertainty(3);
        // To first order: the concentration is exponential in the potential
        // and proportional to the reference.
        const double uncertainty =
            value * (std::log(10.0) * n * step / static_cast<double>(nernst_slope_f) + slot_uncertainty(2) / reference);
        set_slot_uncertainty(4, static_cast<float>(value), static_cast<float>(uncertainty));
        return !uncertainty_exceeds_value(4);
    });
    const std::string ion(half.ion);
    problem_texts.problem_text =
        "@T1@@C1@A 25@uo@C il potenziale di un elettrodo basato su una semireazione del tipo " +
        std::string(half.half_reaction) + " è di " + slot_text(3) + (higher ? " V maggiore" : " V minore") +
        " di quello di un elettrodo simile in cui [" + ion + "] = " + slot_text(2) +
        " M. Calcolare la concentrazione di ioni " + ion + " nel primo elettrodo";
    problem_texts.answer_text = slot_text(4) + " M";
    draw_problem_text(170, 540, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_13()
{
    skip_random_draws(3);
    const SolubleSalt* drawn = nullptr;
    // Back from the potential and the concentration as shown, two digits or
    // fewer where they leave fewer: the potential's last digit alone may
    // move the product by half of it. A product that the potential's last
    // digit leaves unknown is drawn again.
    draw_until_accepted([&] {
        drawn =
            &soluble_salt_table[pick_kept_variant(8, electrochemistry_state.last_variant[13], 2, mercury_halides) - 1];
        const SolubleSalt& salt = *drawn;
        set_slot_text(9, salt.product->value);
        const std::int32_t a = salt.cations;
        const std::int32_t b = salt.anions;
        const std::int32_t e = random_int(2, 3);
        set_slot_digits(1, random_real(1.0f, 9.0f) * power_of_ten(-e), 3);
        // The cation of the saturated solution, not shown.
        const float bb = integer_power(static_cast<float>(b), b);
        value_slots[2].value =
            static_cast<float>(std::pow(static_cast<double>(slot_value(9) / bb), 1.0 / static_cast<double>(a + b)));
        set_slot_digits(
            3, nernst_slope_f / static_cast<float>(salt.electrons) * decimal_log(slot_value(1) / slot_value(2)), 3);
        const double n = salt.electrons;
        const double powers = bb;
        const std::int32_t ions = a + b;
        set_slot_from_data(
            5, {1, 3}, {3},
            [n, powers, ions](const std::vector<double>& d) {
                const double saturated = concentration_from_potential(d[0], -1.0, n, d[1]);
                return powers * std::pow(saturated, ions);
            },
            2);
        return !uncertainty_exceeds_value(5);
    });
    const SolubleSalt& salt = *drawn;
    value_slots[11].input_text = std::string(salt.cation);
    value_slots[12].input_text = std::string(salt.electrode);
    const std::string formula(salt.product->formula);
    problem_texts.problem_text = "La differenza di potenziale a 25@uo@C tra un elettrodo a" +
                                 value_slots[12].input_text + " con [" + value_slots[11].input_text +
                                 "] = " + slot_text(1) + " M ed uno contenente una soluzione satura di " + formula +
                                 " è pari a " + slot_text(3) + " V. Calcolare il prodotto di solubilità di " + formula;
    problem_texts.answer_text = slot_text(5);
    draw_problem_text(180, 570, 45);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_14()
{
    skip_random_draws(2);
    const Chlorocomplex& complex =
        chlorocomplex_table[pick_problem_variant(3, electrochemistry_state.last_variant[14], 1) - 1];
    const std::int32_t m = complex.chlorides;
    bool formation = false;
    // A constant that the data leave unknown is drawn again.
    draw_until_accepted([&] {
        value_slots[1].value = random_real(1.0f, 9.9f) * 0.01f;
        const std::int32_t e = random_int(4, 8);
        value_slots[2].value = random_real(1.0f, 9.9f) * power_of_ten(-e);
        value_slots[4].value = random_real(0.05f, 0.099f);
        value_slots[6].value = random_real(40.0f, 99.0f);
        value_slots[3].value = random_real(0.2f * slot_value(4), 0.8f * slot_value(4));
        // Chloride stays in excess of what the complex takes.
        const float most = slot_value(4) * slot_value(6) / (static_cast<float>(m) * slot_value(3));
        value_slots[5].value = random_real(0.2f * most, 0.99f * most);
        for (std::int32_t k = 1; k <= 4; ++k) convert_data_slot(k, 3);
        // The volumes to two decimals, read back as shown: the answer comes
        // from the data of the statement.
        for (std::int32_t k = 5; k <= 6; ++k) {
            set_slot_uncertainty(k, slot_value(k), 0.03f);
            convert_data_slot(k, slot_digits_from_text);
        }
        set_slot_digits(7,
                        nernst_slope_f / static_cast<float>(complex.charge) *
                            std::abs(decimal_log(slot_value(1) / slot_value(2))),
                        3);
        formation = random_int(1, 2) == 1;
        // From the data as shown: the free ion, the complex and the free
        // chloride; two digits, fewer where the data leave fewer.
        const double charge = complex.charge;
        set_slot_from_data(
            11, {1, 3, 4, 5, 6, 7}, {7},
            [charge, m, formation](const std::vector<double>& d) {
                const double free_ion = concentration_from_potential(d[0], -1.0, charge, d[5]);
                const double volume = d[3] + d[4];
                const double bound = d[1] * d[3] / volume - free_ion;
                const double chloride = d[2] * d[4] / volume - m * bound;
                const double constant = bound / (std::pow(chloride, m) * free_ion);
                return formation ? constant : 1.0 / constant;
            },
            2);
        return !uncertainty_exceeds_value(11);
    });
    const std::string ion(complex.ion);
    const std::string ion_complex(complex.complex);
    const std::string chlorides = m == 2 ? " + 2" : " + 4";
    problem_texts.problem_text =
        "@T1@@C1@" + ion + " e Cl@u-@ formano lo ione complesso " + ion_complex + ". Mescolando " + slot_text(5) +
        " mL di " + ion + " " + slot_text(3) + " M con " + slot_text(6) + " mL di Cl@u-@ " + slot_text(4) +
        " M, a 25@uo@C un elettrodo contenente X metallico immerso nella soluzione risultante ha potenziale " +
        slot_text(7) + " V inferiore a uno simile in cui [" + ion + "] = " + slot_text(1) +
        " M. Calcolare la costante di equilibrio della reazione" +
        (formation ? " " + ion + chlorides + "Cl@u-@ = " + ion_complex + "."
                   : " " + ion_complex + " = " + ion + chlorides + "Cl@u-@.");
    problem_texts.answer_text = slot_text(11);
    draw_problem_text(170, 570, 45);
    show_chemistry_fact(280, 160, 300);
}

}  // namespace electrochemistry
