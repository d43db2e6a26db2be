// Section "Cinetica chimica": problems 31 to 38, rate laws, first- and
// second-order kinetics, radioactive decay and the Arrhenius equation.
#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/thermo_kinetics/kinetics_tables.h"
#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/activation_energies.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"
#include "text/ruled_table.h"

namespace thermo_kinetics {
namespace {

// The power of L/mol in the unit of a rate constant of overall order
// (i + 2)/2, field i of five characters; order 2 has none.
constexpr std::string_view rate_unit_exponents = "1/2       3/2  2    5/2  3    ";

// An order of reaction as the answer names it: 1/2, 1 or 2.
std::string order_text(float order)
{
    if (order < 0.6f) return "1/2";
    return order > 1.9f ? "2" : "1";
}

// Coefficient of A, of B and order in B of aA + bB = prodotti, "1" for one
// and "0" for one half; the rate is first order in A.
constexpr std::array<std::string_view, 8> coefficient_order_codes = {"000", "001", "010", "011",
                                                                     "101", "100", "110", "111"};

constexpr std::array<std::string_view, 3> time_units = {" anni", " ore", " s"};

}  // namespace

// Half-lives: NUBASE2020 (Kondev et al., 2021), or the older evaluation
// that textbooks print (carbon 14's 5730 years).
constexpr std::array<std::array<RadioactiveIsotope, 6>, 3> half_lives{{
    {{{"3", "H", "12.33"},
      {"14", "C", carbon_14_half_life},
      {"22", "Na", "2.605"},
      {"39", "Ar", "268"},
      {"42", "Ar", "33"},
      {"55", "Fe", "2.73"}}},
    {{{"24", "Na", "14.96"},
      {"28", "Mg", "20.9"},
      {"31", "Si", "2.62"},
      {"38", "S", "2.84"},
      {"41", "Ar", "1.83"},
      {"43", "Sc", "3.89"}}},
    {{{"16", "N", "7.13"},
      {"14", "O", "70.60"},
      {"17", "F", "64.5"},
      {"19", "Ne", "17.22"},
      {"21", "Na", "22.48"},
      {"54", "V", "49.8"}}},
}};

// Measured activation energies: N2O's thermal decomposition 245 kJ/mol
// (Hinshelwood and Burk, 1924); HI's 186, the Arrhenius line through
// Bodenstein's rate constants (556-781 K), which problem 36 follows, and
// H2 + I2's 174, that less the reaction's ΔU at 660 K (-12 kJ/mol), as
// the two constants' ratio, the equilibrium constant, requires; NOCl's
// shared with the final problems; the others as the kinetics tables of
// physical chemistry textbooks give them.
constexpr std::array<ActivationRecord, 7> activation_energies{{
    {"174", "H@d2@ + I@d2@ = 2HI"},
    {nitrosyl_chloride_activation_energy, "2NOCl = 2NO + Cl@d2@"},
    {"186", "2HI = H@d2@ + I@d2@"},
    {"111", "2NO@d2@ = 2NO + O@d2@"},
    {"103", "N@d2@O@d5@ = 2NO@d2@ + (1/2)O@d2@"},
    {"209", "C@d2@H@d5@I = C@d2@H@d4@ + HI"},
    {"245", "2N@d2@O = 2N@d2@ + O@d2@"},
}};

// Collision theory's √T with the threshold that Bodenstein's rate constants
// of 2HI (556-781 K) give, the collision factor within 17 % of each; its
// Arrhenius energy E + RT/2 is 186 kJ/mol.
constexpr RateLaw hydrogen_iodide_decomposition{2.04e9f, 0.5f, 183.0f};

void generate_problem_31()
{
    skip_random_draws(15);
    problem_texts.problem_text =
        "La tabella seguente riporta le velocità in mol/(L•s) misurate per una reazione del tipo aA + bB = "
        "prodotti per vari valori di [A] e di [B] in mol/L. Determinare gli ordini di reazione m e n rispetto ai "
        "due reagenti e il valore della velocità specifica @ik@@dc@";
    const float a0 = draw_scaled_exponent_first(-3, -1, 9.0f);
    const float a_max = random_real(3.0f, 5.0f) * a0;
    const float b0 = draw_scaled_exponent_first(-3, -1, 9.0f);
    const float b_max = random_real(3.0f, 5.0f) * b0;
    const float k = draw_scaled_exponent_first(-3, -1, 9.0f);
    float m = 0.5f * static_cast<float>(random_int(1, 4));
    float n = 0.5f * static_cast<float>(random_int(1, 4));
    if (m == 1.5f) m = static_cast<float>(random_int(1, 2));
    if (n == 1.5f) n = static_cast<float>(random_int(1, 2));

    const float da = 0.25f * (a_max - a0);
    const float db = 0.25f * (b_max - b0);
    for (std::int32_t i = 1; i <= 5; ++i) {
        value_slots[i].value = a0 + static_cast<float>(i - 1) * da;
        value_slots[5 + i].value = b0 + static_cast<float>(i - 1) * db;
    }
    const std::int32_t shuffled = random_int(1, 2) == 1 ? 0 : 5;
    for (std::int32_t i = 1; i <= 5; ++i) {
        const std::int32_t j = random_int(1, 5);
        std::swap(value_slots[shuffled + i].value, value_slots[shuffled + j].value);
    }
    // Two experiments share [A] or [B], so that each order can be read off.
    const std::int32_t column_end = random_int(1, 2) == 1 ? 5 : 10;
    const std::int32_t p = random_int(column_end - 4, column_end - 2);
    const std::int32_t q = random_int(p + 1, column_end);
    value_slots[q] = value_slots[p];
    std::vector<std::string> cells;
    for (std::int32_t i = 1; i <= 5; ++i) {
        convert_data_slot(i, 3);
        convert_data_slot(5 + i, 3);
        set_slot_digits(10 + i, k * std::pow(slot_value(i), m) * std::pow(slot_value(5 + i), n), 3);
        for (const std::int32_t slot : {i, 5 + i, 10 + i}) cells.push_back(slot_text(slot));
    }

    draw_problem_text_framed(160, 570, 40, 195);
    constexpr RuledTableColumn columns[] = {{20, "@T1@@C1@[A]", 10}, {90, "@T1@[B]", 80}, {170, "@T1@@iv@", 150}};
    draw_ruled_table(160, 110, columns, cells);

    std::string& answer = problem_texts.answer_text;
    answer = "m = " + order_text(m) + "; n = " + order_text(n);
    // k as the five rows shown give it, their mean, with the digits they carry.
    set_slot_from_data(19, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}, [m, n](const std::vector<double>& d) {
        double sum = 0.0;
        for (std::size_t i = 0; i < 5; ++i) sum += d[10 + i] / (std::pow(d[i], m) * std::pow(d[5 + i], n));
        return 0.2 * sum;
    });
    append_piece(answer, "; @ik@@dc@ = " + slot_text(19));
    const auto field = static_cast<std::int32_t>((m + n - 1.0f) * 2.0f + 0.1f);
    if (field == 0) {
        append_piece(answer, " s@u-1@");
    } else {
        const std::string e(strip_blanks(record_at(rate_unit_exponents, 5, field)));
        append_piece(answer, " L@u" + e + "@/(mol@u" + e + "@•s)");
    }
}

void generate_problem_32()
{
    skip_random_draws(1);
    const float c0 = draw_scaled_exponent_first(-3, -1, 9.0f);
    value_slots[1].value = c0;
    value_slots[2].value = random_real(0.1f * c0, 0.9f * c0);
    value_slots[3].value = draw_scaled_exponent_first(-4, -1, 9.8f);
    for (std::int32_t slot = 1; slot <= 3; ++slot) convert_data_slot(slot, 3);
    problem_texts.problem_text =
        "@T1@@C1@Il valore di @ik@@dc@ per una reazione del primo ordine A = prodotti è pari a " + slot_text(3) +
        " s@u-1@. Calcolare il tempo necessario perché la concentrazione di A si riduca da " + slot_text(1) +
        " mol/L a " + slot_text(2) + " mol/L";
    set_slot_from_data(4, {1, 2, 3}, [](const std::vector<double>& d) { return -std::log(d[1] / d[0]) / d[2]; });
    problem_texts.answer_text = slot_text(4) + " s";
    draw_problem_text(170, 530, 50);
    show_chemistry_fact(270, 160, 300);
}

void generate_problem_33()
{
    skip_random_draws(1);
    const std::string_view code =
        coefficient_order_codes[pick_problem_variant(8, thermo_kinetics_state.last_draw[33], 0) - 1];
    const float a = code[0] == '1' ? 1.0f : 0.5f;
    const float n = code[2] == '1' ? 1.0f : 0.5f;
    set_slot_digits(1, draw_scaled_exponent_first(-4, -2, 9.0f), 3);
    set_slot_digits(2, random_real(1.0f, 3.0f), 3);
    set_slot_digits(3, draw_scaled_exponent_first(-5, -2, 9.0f), 3);
    // The time at which a fraction r of A is left.
    const float r = random_real(0.1f, 0.95f);
    set_slot_digits(5, -std::log(r) / (a * slot_value(3) * std::pow(slot_value(2), n)), 3);

    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Una reazione " + std::string(code[0] == '0' ? "(1/2)" : "") + "A + " +
           std::string(code[1] == '0' ? "(1/2)" : "") + "B = prodotti è del primo ordine rispetto ad A";
    if (n > 0.9f) append_piece(text, " e rispetto a B.");
    if (n < 0.6f) append_piece(text, " e di ordine 1/2 rispetto a B.");
    append_piece(text, " Se [A]@d0@ e [B]@d0@ sono uguali a " + slot_text(1) + " e " + slot_text(2) +
                           " mol/L e @ik@@dc@ = " + slot_text(3));
    // Second order overall with B to the first power: k in L/(mol•s).
    if (n > 0.9f) append_piece(text, " L/(mol•s)");
    if (n < 0.6f) append_piece(text, " L@u1/2@/(mol@u1/2@•s)");
    append_piece(text, ", calcolare la concentrazione di A dopo " + slot_text(5) +
                           " s dall'inizio della reazione, con B in largo eccesso e quindi [B] costante");

    set_slot_from_data(6, {1, 2, 3, 5}, [a, n](const std::vector<double>& d) {
        return d[0] * std::exp(-a * d[2] * std::pow(d[1], n) * d[3]);
    });
    problem_texts.answer_text = slot_text(6) + " mol/L";
    draw_problem_text(200, 560, 45);
    // Below the longest statement's shadow, with a gap.
    show_chemistry_fact(170, 155, 300);
}

void generate_problem_34()
{
    skip_random_draws(3);
    const std::int32_t v = pick_problem_variant(3, thermo_kinetics_state.last_draw[34], 0);
    const RadioactiveIsotope& isotope = half_lives[v - 1][random_int(1, 6) - 1];
    set_slot_digits(1, random_real(10.0f, 90.0f), 3);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Il tempo di dimezzamento dell'isotopo radioattivo @u" + std::string(isotope.mass_number) + "@" +
           std::string(isotope.symbol) + " è pari a " + std::string(isotope.half_life);
    append_piece(text, std::string(time_units[v - 1]) + ".");
    append_piece(text, " Calcolare il tempo necessario perché la radioattività presente in un dato campione si "
                       "riduca " +
                           article_before_number("a", slot_text(1)) + slot_text(1) + "% dell'iniziale");
    set_slot_text(2, isotope.half_life);
    const float decay_constant = std::log(2.0f) / slot_value(2);
    value_slots[3].value = decay_constant;
    // The digits its own uncertainty leaves, three at most: the logarithm of
    // a ratio near 1 (90 % left) magnifies the percentage's.
    set_slot_from_data(
        4, {1, 2},
        [](const std::vector<double>& d) {
            const double rate = std::log(2.0) / d[1];
            return -std::log(0.01 * d[0]) / rate;
        },
        3);
    problem_texts.answer_text = slot_text(4) + std::string(time_units[v - 1]);
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(290, 150, 280);
}

void generate_problem_35()
{
    skip_random_draws(13);
    set_slot_digits(1, draw_scaled_exponent_first(-4, -2, 9.0f), 3);
    set_slot_digits(2, random_real(0.1f * slot_value(1), 0.9f * slot_value(1)), 3);
    set_slot_digits(3, draw_scaled_exponent_first(-1, 1, 9.0f), 3);
    problem_texts.problem_text = "@T1@@C1@Calcolare il valore della costante cinetica per una reazione del secondo "
                                 "ordine 2A = prodotti in cui [A] diminuisce da " +
                                 slot_text(1) + " mol/L a " + slot_text(2) + " mol/L in " + slot_text(3) + " s";
    // -d[A]/dt = 2k[A]^2 integrated.
    set_slot_from_data(4, {1, 2, 3},
                       [](const std::vector<double>& d) { return (1.0 / d[1] - 1.0 / d[0]) / (2.0 * d[2]); });
    problem_texts.answer_text = slot_text(4) + " L/(mol•s)";
    draw_problem_text(220, 570, 50);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_36()
{
    skip_random_draws(1);
    set_slot_digits(1, 10.0f * static_cast<float>(random_int(75, 90)), 3);
    const RateLaw& law = hydrogen_iodide_decomposition;
    const float t = slot_value(1);
    set_slot_digits(
        2, law.factor * std::pow(t, law.exponent) * std::exp(-1000.0f * law.threshold / (gas_constant_joule_f * t)), 2);
    set_slot_digits(3, draw_scaled_exponent_first(-3, -1, 9.0f), 3);
    set_slot_digits(4, random_real(0.8f * slot_value(3), 0.9f * slot_value(3)), 3);
    problem_texts.problem_text =
        "@T1@@C1@Il valore di @ik@@dc@ per la reazione del secondo ordine in fase gas 2HI = H@d2@ + I@d2@ è pari a " +
        slot_text(2) + " L/(mol•s) a " + slot_text(1) +
        " K. Calcolare il tempo necessario perché a questa temperatura [HI] diminuisca da " + slot_text(3) +
        " mol/L a " + slot_text(4) + " mol/L";
    set_slot_from_data(5, {2, 3, 4},
                       [](const std::vector<double>& d) { return (1.0 / d[2] - 1.0 / d[1]) / (2.0 * d[0]); });
    problem_texts.answer_text = slot_text(5) + " s";
    draw_problem_text(180, 540, 50);
    show_chemistry_fact(260, 160, 300);
}

void generate_problem_37()
{
    skip_random_draws(4);
    // Arrhenius: ln(k2/k1) = Ea/R (1/T1 - 1/T2), R in kJ/(K mol); the digits
    // those that the ratio and the two temperatures carry, drawn again where
    // they leave none.
    draw_until_accepted([] {
        set_slot_digits(1, random_real(1.5f, 8.0f), 2);
        const float t1 = random_real(273.0f, 320.0f);
        value_slots[2].value = t1;
        value_slots[3].value = random_real(t1 + 7.0f, t1 + 7.0f + 7.0f * (slot_value(1) - 1.0f));
        convert_data_slot(2, 3);
        convert_data_slot(3, 3);
        set_slot_from_data(4, {1, 2, 3}, [](const std::vector<double>& d) {
            return std::log(d[0]) / (1.0 / d[1] - 1.0 / d[2]) * gas_constant_kilojoule;
        });
        return !uncertainty_exceeds_value(4);
    });
    problem_texts.problem_text = "@T1@@C1@Calcolare l'energia di attivazione di una reazione la cui costante cinetica "
                                 "diviene " +
                                 slot_text(1) + " volte maggiore passando da " + slot_text(2) + " K a " + slot_text(3) +
                                 " K";
    problem_texts.answer_text = slot_text(4) + " kJ/mol";
    draw_problem_text(180, 550, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_38()
{
    skip_random_draws(9);
    const ActivationRecord& record =
        activation_energies[pick_problem_variant(7, thermo_kinetics_state.last_draw[38], 4) - 1];
    set_slot_text(1, record.energy);
    // k(T1)/k(T2) = exp(-Ea/R (1/T1 - 1/T2)), the temperatures drawn again
    // where the data leave the ratio no digit: where its uncertainty, summed
    // to first order, exceeds it.
    draw_until_accepted([] {
        set_slot_digits(3, 10.0f * random_real(40.0f, 70.0f), 3);
        if (random_int(1, 2) == 1)
            set_slot_digits(4, random_real(350.0f, slot_value(3) - 10.0f), 3);
        else
            set_slot_digits(4, random_real(slot_value(3) + 10.0f, 900.0f), 3);
        set_slot_from_data(5, {1, 3, 4}, [](const std::vector<double>& d) {
            return std::exp(-(1.0 / d[1] - 1.0 / d[2]) * d[0] * per_gas_constant_kilojoule_f);
        });
        return !uncertainty_exceeds_value(5);
    });
    problem_texts.problem_text = "@T1@@C1@L'energia di attivazione per la reazione in fase gas " +
                                 std::string(record.equation) + " è pari a " + slot_text(1) +
                                 " kJ/mol. Calcolare il rapporto tra i valori di @ik@@dc@ a " + slot_text(3) +
                                 " K e a " + slot_text(4) + " K";
    problem_texts.answer_text = slot_text(5);
    draw_problem_text(170, 530, 50);
    show_chemistry_fact(260, 160, 300);
}

}  // namespace thermo_kinetics
