// Section "Calcoli di equilibrio", the other equilibria: problems 10, 11
// and 14, generic reactions with solids and gases or in solution, and 15,
// a sparingly soluble salt with a common ion.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/equilibria/equilibria_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/salt_solubilities.h"
#include "frame/fact_box.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_slots.h"

namespace equilibria {
namespace {

// Problem 15's salts: the cation and the salt that adds the common anion.
// The third of its six draws was HgBr2, which dissolves as molecules, not as
// the ions of this equilibrium: that draw is drawn again.
struct SolubleSalt {
    const SaltSolubility* data;
    std::string_view cation;
    std::string_view added_salt;
};
constexpr SolubleSalt soluble_salts[] = {
    {&salt_solubility("PbCl@d2@"), "Pb@u2+@", "NaCl"},
    {&salt_solubility("PbI@d2@"), "Pb@u2+@", "KI"},
    {&salt_solubility("Ag@d2@SO@d4@"), "Ag@u+@", "Na@d2@SO@d4@"},
    {&salt_solubility("SnI@d2@"), "Sn@u2+@", "KI"},
    {&salt_solubility("AgCl"), "Ag@u+@", "NaCl"},
};

// The species of a generic reaction that take part (gases, or dissolved
// species), in the solver's places: reactants 0-1, products 3-4.
struct GenericSystem {
    SpeciesValues nu{};
    SpeciesValues c0{};
};

// Set 1 has B and D mobile, set 2 A and D, set 3 all four.
GenericSystem generic_system(const GenericReaction& r, float a0, float b0)
{
    GenericSystem s;
    if (r.states == "gggg" || r.states == "aaaa") {
        s.nu = {r.coefficient(0), r.coefficient(1), 0.0f, r.coefficient(2), r.coefficient(3), 0.0f};
        s.c0[0] = a0;
        s.c0[1] = b0;
    } else {
        const std::int32_t reactant = r.states[0] == 's' ? 1 : 0;
        s.nu[0] = r.coefficient(reactant);
        s.nu[3] = r.coefficient(3);
        s.c0[0] = a0;
    }
    return s;
}

}  // namespace

void generate_problem_10()
{
    skip_random_draws(5);
    const GenericReaction r = set_up_generic_reaction(10, "sgsggssggggg", 1, 2, '\0', 'g');
    draw_generic_constant(r);
    const float t = static_cast<float>(5 * random_int(20, 150));
    set_slot_digits(2, t, 3);
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Il valore di @iK@@dc@ per la reazione " + r.equation + " a " + slot_text(2) + "@uo@C è uguale a " +
           slot_text(1);
    join_piece(text, concentration_unit_suffix(r.delta_n));
    set_slot_digits(16, random_real(10.0f, 50.0f), 3);
    join_piece(
        text,
        " Calcolare le pressioni parziali dei gas in equilibrio a questa temperatura in un recipiente di volume " +
            slot_text(16) + " L contenente inizialmente ");
    set_slot_digits(6, random_real(0.1f, 0.99f), 3);
    const bool all_gases = r.states == "gggg";
    if (all_gases) set_slot_digits(7, random_real(0.1f, 0.99f), 3);
    if (r.states == "sgsg")
        join_piece(text, " " + slot_text(6) + " mol di B e un eccesso di A");
    else if (r.states == "gssg")
        join_piece(text, " " + slot_text(6) + " mol di A e un eccesso di B");
    else
        join_piece(text, " " + slot_text(6) + " mol di A e " + slot_text(7) + " mol di B");

    const float volume = slot_value(16);
    const GenericSystem s = generic_system(r, slot_value(6) / volume, all_gases ? slot_value(7) / volume : 0.0f);
    SpeciesValues c{};
    solve_extent(s.nu, s.c0, c, slot_value(1));
    const float rt = kelvin(t) * gas_constant_litre_atm_cut_f;
    set_slot_digits(11, rt * c[0], 3);
    set_slot_digits(12, rt * c[1], 3);
    set_slot_digits(13, rt * c[3], 3);
    set_slot_digits(14, rt * c[4], 3);
    if (r.states == "sgsg")
        problem_texts.answer_text = "@iP@(B) = " + slot_text(11) + "; @iP@(D) = " + slot_text(13) + " atm";
    else if (r.states == "gssg")
        problem_texts.answer_text = "@iP@(A) = " + slot_text(11) + "; @iP@(D) = " + slot_text(13) + " atm";
    else
        problem_texts.answer_text = "@iP@(A) = " + slot_text(11) + "; @iP@(B) = " + slot_text(12) +
                                    "; @iP@(C) = " + slot_text(13) + "; @iP@(D) = " + slot_text(14) + " atm";
    draw_problem_text(170, 560, 45);
    show_chemistry_fact(280, 151, 280);
}

void generate_problem_11()
{
    skip_random_draws(6);
    const GenericReaction r = set_up_generic_reaction(11, "sgsggssggggg", 0, 2, '\0', 'g');
    draw_generic_constant(r);  // not shown: its draws keep the versions in step
    const std::int32_t h = random_int(1, 2);
    const std::int32_t q = random_int(1, 8);
    constexpr std::string_view changes[] = {" da un aumento di temperatura?", " da una diminuzione di temperatura?",
                                            " da un aumento di pressione?",   " da una diminuzione di pressione?",
                                            " da un'aggiunta di A?",          " da un'aggiunta di B?",
                                            " da un'aggiunta di C?",          " da un'aggiunta di D?"};
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Come vengono influenzate le quantità dei vari componenti in equilibrio secondo la reazione ";
    join_piece(text, h == 1 ? " endotermica" : " esotermica");
    join_piece(text, " " + r.equation);
    join_piece(text, changes[q - 1]);

    constexpr std::string_view more_products = "Aumentano i prodotti";
    constexpr std::string_view fewer_products = "Diminuiscono i prodotti";
    constexpr std::string_view more_reactants = "Aumentano i reagenti";
    std::string_view answer = "Nessuna variazione";
    const bool endothermic = h == 1;
    const float dn = r.delta_n;
    switch (q) {
    case 1: answer = endothermic ? more_products : fewer_products; break;
    case 2: answer = endothermic ? fewer_products : more_products; break;
    case 3:
        if (dn != 0.0f) answer = dn < 0.0f ? more_products : fewer_products;
        break;
    case 4:
        if (dn != 0.0f) answer = dn > 0.0f ? more_products : fewer_products;
        break;
    case 5:
    case 6:
        if (r.states[q - 5] == 'g') answer = more_products;
        break;
    default:
        if (r.states[q - 5] == 'g') answer = more_reactants;
        break;
    }
    problem_texts.answer_text = answer;
    draw_problem_text(200, 560, 50);
    show_chemistry_fact(170, 150, 280);
}

void generate_problem_14()
{
    skip_random_draws(9);
    const GenericReaction r = set_up_generic_reaction(14, "sasaassaaaaa", 1, 3, 'a', 'a');
    draw_generic_constant(r);
    set_slot_digits(2, static_cast<float>(random_int(20, 150)), 3);  // not shown
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Il valore di @iK@@dc@ per la reazione " + r.equation +
           " in un dato solvente a @iT@ data è uguale a " + slot_text(1);
    join_piece(text, concentration_unit_suffix(r.delta_n));
    const bool all_dissolved = r.states == "aaaa";
    // The concentrations at equilibrium from the constant, the
    // concentrations and the volumes as shown, in that order.
    const auto equilibrium_of = [&](const std::vector<double>& d) {
        const auto v1 = static_cast<float>(d[3]);
        const auto v2 = static_cast<float>(d[4]);
        const GenericSystem s = all_dissolved ? generic_system(r, static_cast<float>(d[1]) * v1 / (v2 + v1),
                                                               static_cast<float>(d[2]) * v2 / (v2 + v1))
                                              : generic_system(r, static_cast<float>(d[1]), 0.0f);
        SpeciesValues c{};
        solve_extent(s.nu, s.c0, c, static_cast<float>(d[0]));
        return c;
    };
    SolvedEquilibria solved(equilibrium_of);
    // Solutions near the reaction's own ratio leave a concentration that
    // its uncertainty exceeds: drawn again.
    draw_until_accepted([&] {
        set_slot_digits(16, random_real(10.0f, 900.0f), 3);
        set_slot_digits(15, random_real(0.5f, 2.0f) * slot_value(16), 3);
        set_slot_digits(6, random_real(1.0f, 9.9f) / slot_value(16), 3);
        if (all_dissolved) set_slot_digits(7, random_real(1.0f, 9.9f) / slot_value(15), 3);
        for (const std::size_t k :
             all_dissolved ? std::vector<std::size_t>{0, 1, 3, 4} : std::vector<std::size_t>{0, 3}) {
            if (all_dissolved)
                set_slot_from_data(17, {1, 6, 7, 16, 15},
                                   [&](const std::vector<double>& d) { return solved.of(d)[k]; });
            else
                set_slot_from_data(17, {1, 6}, [&](const std::vector<double>& d) {
                    return solved.of({d[0], d[1], 0.0, 1.0, 1.0})[k];
                });
            if (uncertainty_exceeds_value(17)) return false;
        }
        return true;
    });
    join_piece(text, " Calcolare le concentrazioni di equilibrio nella soluzione ottenuta aggiungendo");
    if (r.states == "sasa")
        join_piece(text, " un eccesso di A a " + slot_text(16) + " mL di soluzione di B " + slot_text(6) + " M");
    else if (r.states == "assa")
        join_piece(text, " un eccesso di B a " + slot_text(16) + " mL di soluzione di A " + slot_text(6) + " M");
    else
        join_piece(text, " " + slot_text(16) + " mL di soluzione di A " + slot_text(6) + " M a " + slot_text(15) +
                             " mL di soluzione di B " + slot_text(7) + " M");

    const SpeciesValues c = solved.of({slot_value(1), slot_value(6), slot_value(7), slot_value(16), slot_value(15)});
    set_slot_digits(11, c[0], 3);
    set_slot_digits(12, c[1], 3);
    set_slot_digits(13, c[3], 3);
    set_slot_digits(14, c[4], 3);
    if (r.states == "sasa")
        problem_texts.answer_text = "[B] = " + slot_text(11) + "; [D] = " + slot_text(13) + " M";
    else if (r.states == "assa")
        problem_texts.answer_text = "[A] = " + slot_text(11) + "; [D] = " + slot_text(13) + " M";
    else
        problem_texts.answer_text = "[A] = " + slot_text(11) + "; [B] = " + slot_text(12) +
                                    " M; [C] = " + slot_text(13) + "; [D] = " + slot_text(14) + " M";
    draw_problem_text(160, 550, 40);
    show_chemistry_fact(280, 150, 300);
}

void generate_problem_15()
{
    skip_random_draws(2);
    constexpr std::int32_t left_out = 3;
    std::int32_t v = 0;
    do v = pick_problem_variant(6, equilibria_state.last_draw[15], 4);
    while (v == left_out);
    const SolubleSalt& salt = soluble_salts[v < left_out ? v - 1 : v - 2];
    const SaltSolubility& data = *salt.data;
    set_slot_text(1, data.as_ions_25);
    set_slot_text(2, data.as_ions_100);
    // Grams per litre.
    set_slot_uncertainty(8, 10.0f * slot_value(1), 10.0f * slot_uncertainty(1));
    set_slot_uncertainty(9, 10.0f * slot_value(2), 10.0f * slot_uncertainty(2));
    const std::string_view composition = record_columns(compound_record(salt_compound(data)), 81, 99);
    float mass_uncertainty = 0.0f;
    const float molar_mass = compute_molar_mass(composition, mass_uncertainty);
    skip_random_draws(3);
    set_slot_digits(3, random_real(25.0f, 80.0f), 2);
    // A van 't Hoff line through the two solubilities.
    const float a = van_t_hoff_span_25_100_f * std::log(slot_value(9) / slot_value(8));
    const float b = slot_value(8) * std::exp(reciprocal_standard_kelvin_f * a);
    const float solubility = b / molar_mass * std::exp(-a / (kelvin(slot_value(3))));
    // The product of the ions' concentrations in the saturated solution, from
    // the solubility unrounded: its cube would triple a rounding.
    const auto cations = static_cast<float>(data.cations);
    const auto anions = static_cast<float>(data.anions);
    set_slot_digits(5, std::pow(cations * solubility, cations) * std::pow(anions * solubility, anions), 3);
    value_slots[11].value = random_real(10.0f, 300.0f);
    value_slots[12].value = random_real(1.0f, 9.9f) * 0.01f;
    convert_data_slot(11, 3);
    convert_data_slot(12, 3);
    set_slot_digits(13, random_real(30.0f, 800.0f), 3);
    problem_texts.problem_text = "@T1@@C1@La costante di equilibrio per la reazione " + std::string(data.dissolution) +
                                 " è pari a " + slot_text(5) + " a " + slot_text(3) + "@uo@C. Calcolare [" +
                                 std::string(salt.cation) + "] nella soluzione satura ottenuta sciogliendo " +
                                 std::string(data.formula) + " in acqua e nella soluzione ottenuta aggiungendo " +
                                 slot_text(11) + " mL di " + std::string(salt.added_salt) + " " + slot_text(12) +
                                 " F a " + slot_text(13) + " mL della precedente, in presenza di corpo di fondo";
    SpeciesValues nu{};
    SpeciesValues c0{};
    SpeciesValues c{};
    nu[3] = cations;
    nu[4] = anions;
    solve_extent(nu, c0, c, slot_value(5));
    set_slot_digits(14, c[3], 3);
    c0[4] = slot_value(12) * slot_value(11) / (slot_value(11) + slot_value(13));
    solve_extent(nu, c0, c, slot_value(5));
    set_slot_digits(15, c[3], 3);
    problem_texts.answer_text = slot_text(14) + " M; " + slot_text(15) + " M";
    draw_problem_text(160, 550, 40);
    show_chemistry_fact(220, 160, 360);
}

}  // namespace equilibria
