// Section "Sezione 5": problems 33 to 40.
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/final_problems/final_problems_problems.h"
#include "chemistry/acid_base_constants.h"
#include "chemistry/activation_energies.h"
#include "chemistry/compound_records.h"
#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/standard_potentials.h"
#include "chemistry/table_fields.h"
#include "frame/app_state.h"
#include "frame/generator_kit.h"
#include "numbers/electrochemical_constants.h"
#include "numbers/fixed_width.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace final_problems {
namespace {

// Six compounds, each a solid, that share one element: the first group of each
// composition (type 1) or the second (type 2).
struct MixtureSet {
    std::int32_t type;
    std::array<CompoundKey, 6> compounds;
};
static_assert(!std::is_convertible_v<int, decltype(MixtureSet::compounds)::value_type>);
constexpr std::array<MixtureSet, 7> mixture_sets{{
    {1,
     {compounds::silver_chloride, compounds::silver_bromide, compounds::silver_iodide, compounds::silver_sulfide,
      compounds::silver_sulfate, compounds::silver_nitrate}},
    {2,
     {compounds::sodium_chloride, compounds::calcium_chloride, compounds::tin_ii_chloride, compounds::lead_chloride,
      compounds::silver_chloride, compounds::barium_chloride}},
    {1,
     {compounds::potassium_chloride, compounds::potassium_fluoride, compounds::potassium_bromide,
      compounds::potassium_iodide, compounds::potassium_carbonate, compounds::potassium_sulfate}},
    {2,
     {compounds::sodium_sulfide, compounds::potassium_sulfide, compounds::lead_sulfide, compounds::copper_ii_sulfide,
      compounds::manganese_sulfide, compounds::silver_sulfide}},
    {1,
     {compounds::zinc_chloride, compounds::zinc_sulfide, compounds::zinc_sulfate, compounds::zinc_nitrate,
      compounds::zinc_carbonate, compounds::zinc_oxide}},
    {2,
     {compounds::sodium_carbonate, compounds::barium_carbonate, compounds::calcium_carbonate,
      compounds::sodium_hydrogen_carbonate, compounds::potassium_carbonate, compounds::zinc_carbonate}},
    {2,
     {compounds::sodium_sulfate, compounds::aluminium_sulfate, compounds::copper_ii_sulfate,
      compounds::chromium_iii_sulfate, compounds::zinc_sulfate, compounds::barium_sulfate}},
}};

// The element group (4 characters) at `column` of compound k's record.
std::string_view composition_group(std::int32_t k, int column)
{
    return record_columns(compound_record(k), column, column + 3);
}

}  // namespace

// The energies tabulated in kcal/mol, taken at 4.184 J/cal to three digits.
// NOCl's is the one the kinetics chapter states, here the threshold of the
// √T law (whose Arrhenius energy, Ea + RT/2, is 104 kJ/mol at 500 K), with
// the collision factor that meets the measured constant, 9.4·10^9
// e^(-Ea/RT) L/(mol•s), at 500 K. NO + O3, CH3 + H2, 2NO2 and NO + Cl2 are
// their evaluations' constants over the pages' 350-900 K, fitted to the √T
// law: JPL Publication 19-5 (3.0·10^-12 e^(-1500/T) cm3/(molecule s)),
// Baulch and others 1992 (1.14·10^-20 T^2.74 e^(-4740/T)), and Atkins and
// de Paula's Arrhenius parameters (2.0·10^9 L/(mol•s) and 111 kJ/mol;
// 4.0·10^9 and 85).
constexpr std::array<Bimolecular, 9> bimolecular_reactions{{
    {"73.6", "9.31", "Br + H@d2@ = HBr + H"},
    {"3.77", "8.91", "H + HBr = H@d2@ + Br"},
    {"49.4", "7.98", "CH@d3@ + H@d2@ = CH@d4@ + H"},
    {"175", "9.13", "Br + HBr = Br@d2@ + H"},
    {"215", "8.50", "CO + Cl@d2@ = COCl + Cl"},
    {"82.8", "8.01", "NO + Cl@d2@ = NOCl + Cl"},
    {"10.2", "7.66", "NO + O@d3@ = NO@d2@ + O@d2@"},
    {"109", "7.73", "2NO@d2@ = 2NO + O@d2@"},
    {nitrosyl_chloride_activation_energy, "8.62", "2NOCl = 2NO + Cl@d2@"},
}};

void generate_problem_33()
{
    skip_random_draws(2);
    float sulfate = random_real(2.0f, 9.0f) * 0.001f;
    if (random_int(1, 2) == 1) sulfate *= 0.1f;
    set_slot_digits(1, sulfate, 3);
    set_slot_digits(2, random_real(10.0f, 20.0f), 2);
    set_slot_digits(2, slot_value(2) * 10.0f, 3);
    const float molar_mass = compound_molar_mass(compounds::barium_sulfate);
    set_slot_digits(3, molar_mass * slot_value(2) * slot_value(1), 3);
    problem_texts.problem_text =
        slot_text(2) +
        " mL di una soluzione contenente solfati vengono trattati con Ba@u2+@ fino a completa precipitazione dei "
        "solfati come BaSO@d4@. Dopo filtrazione ed essiccamento, si ottengono " +
        slot_text(3) + " mg di precipitato. Calcolare la concentrazione di SO@d4@@u2-@ nella soluzione iniziale";
    set_slot_digits(4, slot_value(3) / (slot_value(2) * molar_mass), 3);
    problem_texts.answer_text = slot_text(4) + " M ";
    pose_problem({170, 560, 45}, {180, 180, 280});
}

void generate_problem_34()
{
    skip_random_draws(9);
    const MixtureSet& set = mixture_sets[pick_problem_variant(7, final_problems_state.last_choice[34], 6) - 1];
    const int column = 4 * set.type + 77;
    std::int32_t c1 = 0, c2 = 0;
    bool swapped = false;
    // A percentage near the second compound's leaves few digits: those that
    // the data leave, drawn again where they leave none.
    draw_until_accepted([&] {
        const std::int32_t i1 = random_int(1, 5);
        const std::int32_t i2 = random_int(i1 + 1, 6);
        c1 = set.compounds[i1 - 1];
        c2 = set.compounds[i2 - 1];
        const float big_m1 = compound_molar_mass(c1);
        const float m1 = composition_molar_mass(composition_group(c1, column));
        const float big_m2 = compound_molar_mass(c2);
        const float m2 = composition_molar_mass(composition_group(c2, column));
        const float x = random_real(0.2f, 0.8f);
        set_slot_digits(1, ((1.0f - x) / big_m2 * m2 + x / big_m1 * m1) * 100.0f, 4);
        float mass = random_real(10.0f, 99.0f);
        for (int toss = 0; toss < 2; ++toss)
            if (random_int(1, 2) == 1) mass *= 0.1f;
        set_slot_digits(2, mass, 3);
        swapped = random_int(1, 2) == 2;
        const double f1 = m1 / big_m1, f2 = m2 / big_m2;
        set_slot_from_data(3, {2, 1},
                           [=](const std::vector<double>& d) { return d[0] * (f1 - f2) / (1.0 - 100.0 * f2 / d[1]); });
        return !uncertainty_exceeds_value(3);
    });
    const std::int32_t z = symbol_search(record_columns(compound_record(c1), column, column + 1));
    const std::string element = element_name(z);
    problem_texts.problem_text = "Un campione di una miscela di " + compound_name(swapped ? c2 : c1) + " e " +
                                 compound_name(swapped ? c1 : c2) + " " + article_before_number("a", slot_text(1)) +
                                 slot_text(1) + "% in massa di " + element + " contiene " + slot_text(2) + " g di " +
                                 compound_formula(c1) + ". Calcolare la quantità di " + element +
                                 " presente nel campione";
    problem_texts.answer_text = "@C1@@T1@" + slot_text(3) + " g";
    pose_problem({180, 500, 60}, {180, 150, 380});
}

void generate_problem_35()
{
    skip_random_draws(4);
    // The particles with R rounded to four digits in L•atm/(K•mol), taken to
    // L•torr/(K•mol). The draws keep R to two digits, which accepts each
    // version's data; the larger R only leaves more dimer. The digits are
    // those that the mass, the molar mass, the volume, the pressure and the
    // temperature leave.
    const auto constant = [](const std::vector<double>& d) {
        const double formal = d[0] / (d[1] * d[2]) * 1000.0;
        const double dimer = formal - d[3] / (gas_constant_litre_torr_rounded * (d[4] + celsius_zero));
        const double monomer = formal - 2.0 * dimer;
        return dimer / (monomer * monomer);
    };
    // Rounded data can leave no dimer at all, or leave it within their own
    // spread (a digit finer would not tell it on most such pages): such
    // draws are made again.
    draw_until_accepted([&] {
        set_slot_digits(1, random_real(20.0f, 60.0f), 2);
        set_slot_digits(2, random_real(500.0f, 920.0f), 3);
        const float particles = slot_value(2) / (gas_constant_litre_torr_short_f * kelvin(slot_value(1)));
        float formal = random_real(0.501f, 0.51f) * particles * 2.0f;
        if (random_int(1, 2) == 2) formal = random_real(0.51f, 0.9f) * particles * 2.0f;
        set_slot_digits(4, random_real(200.0f, 900.0f), 3);
        set_slot_digits(5, random_real(150.0f, 250.0f), 4);
        set_slot_digits(3, formal * slot_value(4) * slot_value(5) * 0.001f, 3);
        value_slots[6].value = slot_value(3) / (slot_value(4) * slot_value(5)) * 1000.0f;
        value_slots[7].value =
            slot_value(6) - slot_value(2) / (gas_constant_litre_torr_short_f * kelvin(slot_value(1)));
        if (slot_value(7) <= 0.0f) return false;
        set_slot_from_data(8, {3, 5, 4, 2, 1}, {1}, constant);
        return slot_value(8) > 0.0f && !uncertainty_exceeds_value(8);
    });
    problem_texts.problem_text = "La soluzione contenente " + slot_text(3) +
                                 " g di un composto molecolare A di massa molare " + slot_text(5) +
                                 " g/mol nel volume di " + slot_text(4) + " mL mostra una pressione osmotica pari a " +
                                 slot_text(2) + " torr a " + slot_text(1) +
                                 "@uo@C. Calcolare la costante di equilibrio della reazione di associazione 2A = "
                                 "A@d2@ che ha luogo in queste condizioni";
    problem_texts.answer_text = "@T1@@C1@" + slot_text(8) + " L/mol";
    pose_problem({200, 560, 50}, {280, 145, 280});
}

void generate_problem_36()
{
    skip_random_draws(10);
    std::int32_t j = 0;
    draw_until_accepted([&] {
        j = random_int(1, 8);
        draw_until_accepted([&] {
            if (!repeats_last_choice(36, j)) return true;
            j = random_int(1, 8);
            return false;
        });
        value_slots[5].value = random_real(15.0f, 98.0f);
        value_slots[6].value = random_real(15.0f, 98.0f);
        return std::fabs(slot_value(5) - slot_value(6)) >= 30.0f;
    });
    final_problems_state.last_choice[36] = j;
    const std::int32_t metal = compounds::metal_samples[j - 1];
    const std::string heat_capacity(record_columns(compound_record(metal), 153, 158));
    set_slot_text(1, heat_capacity);
    set_slot_text(2, heat_capacity);
    float mass = random_real(1.0f, 9.9f);
    for (int toss = 0; toss < 2; ++toss)
        if (random_int(1, 2) == 1) mass *= 10.0f;
    value_slots[3].value = mass;
    value_slots[4].value = random_real(0.5f * mass, 2.0f * mass);
    for (std::int32_t slot = 3; slot <= 6; ++slot) convert_data_slot(slot, 3);
    problem_texts.problem_text = "Due campioni di " + compound_name(metal) + " di massa " + slot_text(3) + " g e " +
                                 slot_text(4) + " g, inizialmente a " + slot_text(5) + "@uo@C e a " + slot_text(6) +
                                 "@uo@C, vengono posti in contatto termico. Sapendo che @iC@@dp@ è pari a " +
                                 slot_text(1) +
                                 " J/(K•mol), calcolare la temperatura finale e la variazione complessiva di "
                                 "entropia";
    const float molar_mass = compound_molar_mass(metal);
    const float n1 = slot_value(3) / molar_mass, n2 = slot_value(4) / molar_mass;
    const float t1 = kelvin(slot_value(5)), t2 = kelvin(slot_value(6));
    const float cp1 = slot_value(1), cp2 = slot_value(2);
    const float tf = (n1 * t1 * cp1 + n2 * t2 * cp2) / (cp2 * n2 + cp1 * n1);
    value_slots[7].value = tf - celsius_zero_f;
    // The total from the data, not from the two terms as rounded: it is small
    // beside them, and their errors in the final temperature offset each other.
    set_slot_from_data(10, {1, 3, 4, 5, 6}, {5, 6}, [molar_mass](const std::vector<double>& d) {
        const double t1 = d[3] + celsius_zero, t2 = d[4] + celsius_zero;
        const double t = (d[1] * t1 + d[2] * t2) / (d[1] + d[2]);
        return d[0] / molar_mass * (d[1] * std::log(t / t1) + d[2] * std::log(t / t2));
    });
    convert_data_slot(7, 3);
    problem_texts.answer_text = slot_text(7) + "@uo@C; @bD@@iS@@dcompl@ = " + slot_text(10) + " J/K";
    pose_problem({170, 520, 50}, {300, 160, 280});
}

void generate_problem_37()
{
    skip_random_draws(9);
    const Bimolecular& reaction =
        bimolecular_reactions[pick_problem_variant(9, final_problems_state.last_choice[37], 1) - 1];
    set_slot_text(1, reaction.activation_energy);
    set_slot_text(2, reaction.exponent);
    // Collision theory: k = 10^a T^(1/2) e^(-Ea/RT).
    const auto rate_constant = [](float t) {
        return std::exp(-1000.0f * slot_value(1) / (gas_constant_joule_f * t)) * std::pow(10.0f, slot_value(2)) *
               std::sqrt(t);
    };
    draw_until_accepted([&] {
        const std::int32_t a = random_int(40, 70);
        set_slot_digits(3, 10.0f * static_cast<float>(a), 3);
        const std::int32_t b = random_int(1, 2) == 1 ? random_int(35, a - 3) : random_int(a + 3, 90);
        set_slot_digits(4, 10.0f * static_cast<float>(b), 3);
        const std::int32_t c = b > a ? random_int(a, b) : random_int(b, a);
        if (std::abs(c - a) < 3 || std::abs(c - b) < 3) return false;
        set_slot_digits(7, 10.0f * static_cast<float>(c), 3);
        set_slot_digits(5, rate_constant(slot_value(3)), 3);
        set_slot_digits(6, rate_constant(slot_value(4)), 3);
        const float k1 = slot_value(5), k2 = slot_value(6);
        if ((k2 > k1 && k2 / k1 < 2.0f) || (k2 < k1 && k1 / k2 < 2.0f)) return false;
        // From the two constants shown by the Arrhenius law, ln k a line in
        // 1/T, as a student interpolates them, with the digits that they and
        // the temperatures leave; a constant they leave unknown is drawn again.
        set_slot_from_data(8, {5, 6, 3, 4, 7}, [](const std::vector<double>& d) {
            const double t1 = d[2], t2 = d[3], t3 = d[4];
            const double y1 = std::log(d[0]), y2 = std::log(d[1]);
            return std::exp(y1 + (y2 - y1) * (1.0 / t3 - 1.0 / t1) / (1.0 / t2 - 1.0 / t1));
        });
        return !uncertainty_exceeds_value(8);
    });
    problem_texts.problem_text = "@T1@@C1@I valori di @ik@@dc@ a " + slot_text(3) + " K e a " + slot_text(4) +
                                 " K per la reazione bimolecolare " + std::string(reaction.reaction) + " sono pari a " +
                                 slot_text(5) + " e " + slot_text(6) + " L/(mol•s). Calcolare @ik@@dc@ a " +
                                 slot_text(7) + " K";
    problem_texts.answer_text = slot_text(8) + " L/(mol•s)";
    pose_problem({240, 580, 50}, {170, 140, 280});
}

void generate_problem_38()
{
    skip_random_draws(11);
    draw_until_accepted([] {
        set_slot_digits(2, random_real(15.0f, 40.0f), 2);
        set_slot_digits(3, random_real(30.0f, 80.0f), 3);
        set_slot_digits(4, random_real(0.03f, 0.07f), 3);
        set_slot_constant(5, own_constant("NH@d3@"));
        const float acid = slot_value(3) * slot_value(4) * 0.001f;
        const float ammonia = random_real(1.1f * acid, 3.0f * acid);
        // R in mL atm/(mol K): the gas in mL at 1 atm.
        set_slot_digits(1, ammonia * kelvin(slot_value(2)) * (1000.0f * gas_constant_litre_atm_f), 3);
        return slot_value(1) >= 10.0f;
    });
    problem_texts.problem_text = "Calcolare il pH della soluzione ottenuta facendo assorbire " + slot_text(1) +
                                 " mL di NH@d3@ gassosa, misurati a " + slot_text(2) +
                                 "@uo@C e pressione atmosferica, in " + slot_text(3) + " mL di HCl " + slot_text(4) +
                                 " M [@iK@@db@(NH@d3@) = " + slot_text(5) + "]";
    const float ammonia = slot_value(1) / (kelvin(slot_value(2)) * slot_value(3) * gas_constant_litre_atm_f);
    set_slot_digits(9, ammonia, 3);
    set_slot_digits(10, mixture_ph(slot_value(4), ammonia, 10000.0f, slot_value(5)), 3);
    problem_texts.answer_text = "@T1@@C1@" + slot_text(10);
    pose_problem({240, 560, 50}, {170, 160, 280});
}

void generate_problem_39()
{
    const Hydroxide& hydroxide = draw_hydroxide(39);
    set_slot_digits(1, random_real(10.0f, 20.0f), 3);
    set_slot_digits(2, random_real(3.0f * slot_value(1), 99.0f), 3);
    set_slot_digits(3, random_real(0.001f, 0.0055f), 3);
    set_slot_digits(4, random_real(0.5f * slot_value(3), 0.0095f), 3);
    const std::string ion =
        std::string(hydroxide.formula.substr(0, 2)) + "@u" + std::to_string(hydroxide.hydroxide_groups) + "+@";
    problem_texts.problem_text = slot_text(1) + " mL di NaOH " + slot_text(3) + " M vengono aggiunti a " +
                                 slot_text(2) + " mL di " + ion + " " + slot_text(4) + " M. Calcolare la quantità di " +
                                 std::string(hydroxide.formula) + " precipitato [@iK@@dps@ = " + slot_text(9) +
                                 "] e la concentrazione di " + ion + " nella soluzione finale";
    // All the hydroxide added precipitates; the solubility product is only shown.
    const float n = static_cast<float>(hydroxide.hydroxide_groups);
    set_slot_digits(5, slot_value(3) / n * slot_value(1) * 0.001f * hydroxide_molar_mass(hydroxide), 3);
    set_slot_digits(
        6, (slot_value(2) * slot_value(4) - slot_value(1) * slot_value(3) / n) / (slot_value(2) + slot_value(1)), 3);
    problem_texts.answer_text = slot_text(5) + " g; " + slot_text(6) + " M";
    pose_problem({170, 520, 50}, {280, 150, 280});
}

void generate_problem_40()
{
    skip_random_draws(1);
    const std::int32_t v = pick_problem_variant(8, final_problems_state.last_choice[40], 1);
    const StandardPotential& electrode = *concentration_cell_electrodes[v - 1];
    float cathode = random_real(0.1f, 0.5f);
    if (random_int(1, 2) == 1) cathode = random_real(0.01f, 0.099f);
    const std::int32_t r = random_int(1, 3);
    const float anode = random_real(1.0f, 5.0f) * power_of_ten(-r) * cathode;
    set_slot_digits(1, cathode, 3);
    set_slot_digits(2, anode, 3);
    const float volts_per_decade = nernst_slope_f / static_cast<float>(electrode.electrons);
    set_slot_digits(
        3, std::fabs(std::log(slot_value(1) / slot_value(2))) / std::log(10.0f) * volts_per_decade * 1000.0f, 3);
    std::int32_t asked = random_int(1, 2);
    if (app_state.version_number == text_version) asked = 1;
    // The asked concentration from the voltage and the other concentration
    // shown, with the digits they leave: the Nernst slope is not printed and
    // carries none.
    const float direction = asked == 1 ? -1.0f : 1.0f;
    set_slot_from_data(asked == 1 ? 2 : 1, {asked == 1 ? 1 : 2, 3},
                       [direction, volts_per_decade](const std::vector<double>& d) {
                           return d[0] * std::pow(10.0, direction * d[1] * 0.001 / volts_per_decade);
                       });
    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@La differenza di potenziale misurata a 25@uo@C tra due elettrodi";
    append_piece(text, " " + a_before(electrode.metal));
    append_piece(text, " " + std::string(electrode.metal) + " è pari a " + slot_text(3) +
                           " mV. Calcolare la concentrazione di " + std::string(electrode.ion));
    if (asked == 1)
        append_piece(text, " all'anodo sapendo che quella al catodo è " + slot_text(1) + " M");
    else
        append_piece(text, " al catodo sapendo che quella all'anodo è " + slot_text(2) + " M");
    problem_texts.answer_text = slot_text(asked == 1 ? 2 : 1) + " M ";
    pose_problem({170, 520, 50}, {280, 160, 300});
}

}  // namespace final_problems
