// Section "Proprietà colligative": problems 19 to 28, vapour-pressure
// lowering, boiling and freezing points and osmotic pressure.
#include <array>
#include <limits>
#include <string>
#include <vector>

#include "chapters/solutions/solutions_problems.h"
#include "chemistry/molar_mass.h"
#include "chemistry/saturated_solutions.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"
#include "chemistry/water_data.h"
#include "frame/app_state.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

namespace solutions {
namespace {

// Problems 19 and 20: solvent v, temperature (slot 1), solute molar mass
// (slot 2), solute and solvent masses (slots 3, 4) and the solvent's vapour
// pressure (slot 5), drawn again together while that pressure exceeds 999
// torr. Returns the solvent.
std::int32_t draw_solution_over_solvent(std::int32_t problem, std::int32_t molar_mass_digits)
{
    std::int32_t& last = last_pick(problem);
    std::int32_t v = 0;
    draw_until_accepted([&] {
        v = draw_unrepeated(last, [] { return random_int(1, 4); });
        value_slots[1].value = random_real(20.0f, 112.0f);
        set_two_or_three_digits(1);
        set_slot_digits(2, random_real(60.0f, 200.0f), molar_mass_digits);
        value_slots[3].value = random_real(2.0f, 9.0f);
        value_slots[4].value = random_real(31.0f, 50.0f);
        convert_data_slot(3, 4);
        convert_data_slot(4, 4);
        value_slots[5].value = solvent_vapour_pressure(v, slot_value(1));
        return slot_value(5) <= 999.0f;
    });
    last = v;
    convert_data_slot(5, 3);
    return v;
}

// The solvent's mole fraction times its vapour pressure (slot 5).
float solution_vapour_pressure(std::int32_t v)
{
    const float solvent_moles = slot_value(4) / compound_molar_mass(solvent_vapours.at(v - 1).fit.compound);
    const float x = solvent_moles / (slot_value(3) / slot_value(2) + solvent_moles);
    return x * slot_value(5);
}

// Slot 3 := the molality, slot 4 the grams of salt it puts in slot 5's
// kilograms of water.
void set_salt_molality(float molality, float molar_mass)
{
    set_slot_digits(3, molality, 3);
    set_slot_digits(4, slot_value(3) * slot_value(5) * molar_mass, 4);
}

// Problems 21, 24 and 25: a salt of the list in a mass of water. Slot 2 the
// water in grams, 5 in kilograms, 3 the molality (kept under `highest`), 4
// the salt in grams. Returns the molar mass.
float draw_salt_in_water(std::int32_t v, float molality_low, float molality_high,
                         float highest = std::numeric_limits<float>::infinity())
{
    const float molar_mass = compound_molar_mass(salt_ion(v).compound);
    const float water = random_real(200.0f, 900.0f);
    set_slot_digits(2, water, 3);
    set_slot_digits(5, water * 0.001f, 3);
    set_salt_molality(kept_under(random_real(molality_low, molality_high), highest, molality_high), molar_mass);
    return molar_mass;
}

// Slots 1 and 2 := boiling point and constant of the picked solvent;
// returns its compound.
std::int32_t pick_boiling_solvent(std::int32_t problem, std::int32_t& row)
{
    row = pick_problem_variant(5, last_pick(problem), 0);
    const BoilingSolvent& solvent = boiling_solvents.at(row - 1);
    set_slot_text(1, solvent.boiling_point);
    set_slot_text(2, solvent.constant);
    return solvent.compound;
}

// The digits that show a solution's boiling point to tenths of a degree:
// of the picked solvents only the fifth, bromobenzene, boils above 100 °C.
std::int32_t boiling_point_digits(std::int32_t row)
{
    return row == 5 ? 4 : 3;
}

}  // namespace

void generate_problem_19()
{
    skip_random_draws(3);
    const std::int32_t v = draw_solution_over_solvent(19, 4);
    std::string& text = problem_texts.problem_text;
    text = slot_text(3) + " g di un composto organico poco volatile di massa molecolare " + slot_text(2) +
           " u.m.a. vengono sciolti in " + slot_text(4) + " g di";
    append_piece(text, solvent_vapours.at(v - 1).statement_piece);
    append_piece(text, ". Calcolare la tensione di vapore della soluzione a " + slot_text(1) +
                           "@uo@C, sapendo che quella del solvente puro è pari a " + slot_text(5) + " torr");
    const double solvent_molar_mass = compound_molar_mass(solvent_vapours.at(v - 1).fit.compound);
    set_slot_from_data(6, {2, 3, 4, 5}, [solvent_molar_mass](const std::vector<double>& d) {
        const double solvent = d[2] / solvent_molar_mass;
        return solvent / (d[1] / d[0] + solvent) * d[3];
    });
    problem_texts.answer_text = slot_text(6) + " torr";
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(200, 150, 300);
}

void generate_problem_20()
{
    skip_random_draws(1);
    // Worked back from the data as shown, with the digits they carry, two at
    // most as problem 22 gives; drawn again where they leave it none.
    // Each solvent drawn, the first or one drawn again, avoids the previous
    // visit's.
    const std::int32_t previous = last_pick(20);
    std::int32_t v = 0;
    draw_until_accepted([&v, previous] {
        last_pick(20) = previous;
        v = draw_solution_over_solvent(20, 2);
        set_slot_digits(6, solution_vapour_pressure(v), 3);
        const float solvent_molar_mass = compound_molar_mass(solvent_vapours.at(v - 1).fit.compound);
        // The two digits the molar mass was drawn with, fewer where the data
        // leave fewer.
        set_slot_from_data(
            7, {3, 4, 5, 6},
            [solvent_molar_mass](const std::vector<double>& d) {
                return d[0] / (d[1] / solvent_molar_mass * (d[2] / d[3] - 1.0));
            },
            2);
        return !uncertainty_exceeds_value(7);
    });
    std::string& text = problem_texts.problem_text;
    text = "Una soluzione di " + slot_text(3) + " g di un composto organico poco volatile in " + slot_text(4) + " g di";
    append_piece(text, solvent_vapours.at(v - 1).statement_piece);
    append_piece(text, " ha tensione di vapore pari a " + slot_text(6) + " torr a " + slot_text(1) +
                           "@uo@C, mentre quella del solvente puro è pari a " + slot_text(5) +
                           " torr. Calcolare la massa molecolare del soluto");
    problem_texts.answer_text = slot_text(7) + " u.m.a.";
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(260, 150, 300);
}

void generate_problem_21()
{
    skip_random_draws(1);
    const std::int32_t v = pick_problem_variant(salt_count, last_pick(21), 0);
    const float molar_mass = draw_salt_in_water(v, 0.3f, 0.8f);
    value_slots[13].value = static_cast<float>(random_int(60, 99));
    // Drawn before the temperature, the salt is kept under its saturation
    // there (Ba(NO3)2 holds 0.78 mol/kg at 60 °C).
    const float highest = saturated_molality_at(salt_ion(v).compound, slot_value(13));
    if (slot_value(3) > highest) set_salt_molality(kept_under(slot_value(3), highest, 0.8f), molar_mass);
    value_slots[14].value = water_vapour_pressure(kelvin(slot_value(13)));
    convert_data_slot(13, 3);
    convert_data_slot(14, 4);
    problem_texts.problem_text =
        "La tensione di vapore dell'acqua a " + slot_text(13) + "@uo@C è pari a " + slot_text(14) +
        " torr. Calcolare la tensione di vapore alla stessa temperatura della soluzione "
        "ottenuta sciogliendo " +
        slot_text(4) + " g di " + compound_formula(salt_ion(v).compound) + " in " + slot_text(2) + " g di acqua";
    const float moles = slot_value(4) / molar_mass;
    value_slots[6].value = first_count(salt_ion(v).compound) * moles / slot_value(5);
    value_slots[7].value = salt_ion(v).anions * moles / slot_value(5);
    const float water_moles_per_kg = water_moles_per_kilogram();
    value_slots[8].value = water_moles_per_kg / (water_moles_per_kg + slot_value(6) + slot_value(7));
    set_slot_digits(9, slot_value(8) * slot_value(14), 3);
    problem_texts.answer_text = slot_text(9) + " torr";
    draw_problem_text(260, 580, 45);
    show_chemistry_fact(170, 150, 300);
}

void generate_problem_22()
{
    skip_random_draws(1);
    std::int32_t row = 0;
    const std::int32_t c = pick_boiling_solvent(22, row);
    value_slots[4].value = random_real(51.0f, 99.0f);
    value_slots[5].value = random_real(100.0f, 200.0f);
    value_slots[6].value = random_real(1.0f, 2.0f);
    value_slots[3].value = slot_value(6) / slot_value(2) * slot_value(5) * slot_value(4) * 0.001f;
    value_slots[7].value = slot_value(6) + slot_value(1);
    convert_data_slot(3, 4);
    convert_data_slot(4, 4);
    convert_data_slot(7, boiling_point_digits(row));
    problem_texts.problem_text = "Una soluzione di " + slot_text(3) + " g di un composto organico poco volatile in " +
                                 slot_text(4) + " g di " + short_compound_name(c) + " (@iT@@db@ = " + slot_text(1) +
                                 "@uo@C; @ik@@db@ = " + slot_text(2) + " kg•K/mol) bolle a " + slot_text(7) +
                                 "@uo@C. Calcolare la massa molecolare del composto";
    // Worked back from the data as shown.
    set_slot_digits(5, slot_value(2) * slot_value(3) * 1000.0f / (slot_value(4) * (slot_value(7) - slot_value(1))), 2);
    problem_texts.answer_text = slot_text(5) + " u.m.a.";
    draw_problem_text(180, 560, 45);
    show_chemistry_fact(260, 160, 300);
}

void generate_problem_23()
{
    skip_random_draws(10);
    std::int32_t carbons = 0;
    std::int32_t hydrogens = 0;
    std::int32_t oxygens = 2;
    if (pick_problem_variant(2, last_pick(23), 0) == 1) {
        const std::int32_t a = random_int(3, 8);
        carbons = 2 * a;
        hydrogens = 2 * random_int(a - 1, 2 * a);
        oxygens = random_int(2, 3);
    } else {
        carbons = random_int(6, 15);
        hydrogens = random_int(carbons - 1, 2 * carbons);
        // A molecule of C, H and O has an even number of hydrogens.
        if (hydrogens % 2 == 1) ++hydrogens;
    }
    set_slot_digits(1, random_real(1.0f, 5.0f), 4);
    const float molar_mass = chno_molar_mass(carbons, hydrogens, 0, oxygens);
    set_slot_digits(2, carbons * slot_value(1) / molar_mass * composition_molar_mass("C 01O 02"), 4);
    set_slot_digits(3, hydrogens * slot_value(1) / (2.0f * molar_mass) * water_molar_mass(), 4);
    const std::int32_t k = random_int(1, 3);
    float depression = random_real(1.0f, 3.0f);
    if (k == 3) depression = random_real(3.0f, 6.0f);
    const FreezingSolvent& solvent = freezing_solvents.at(k - 1);
    set_slot_text(4, solvent.freezing_point);
    set_slot_text(5, solvent.constant);
    value_slots[6].value = random_real(30.0f, 90.0f);
    value_slots[7].value = slot_value(6) * depression / slot_value(5) * molar_mass * 0.001f;
    convert_data_slot(6, 4);
    convert_data_slot(7, 4);
    set_slot_digits(8, slot_value(4) - depression, 3);
    problem_texts.problem_text =
        slot_text(1) + " g di un composto organico contenente C, H e O, bruciati in eccesso di ossigeno, producono " +
        slot_text(2) + " g di CO@d2@ e " + slot_text(3) + " g di acqua. La soluzione di " + slot_text(7) +
        " g di composto in " + slot_text(6) + " g di " + std::string(solvent.name) + " (@iT@@df@ = " + slot_text(4) +
        "@uo@C; @ik@@df@ = " + slot_text(5) + " kg•K/mol) gela a " + slot_text(8) +
        "@uo@C. Determinare la formula molecolare del composto";
    problem_texts.answer_text = "C@d" + whole_number_text(carbons) + "@H@d" + whole_number_text(hydrogens) + "@O@d" +
                                whole_number_text(oxygens) + "@";
    draw_problem_text(180, 560, 45);
    show_chemistry_fact(300, 160, 280);
}

void generate_problem_24()
{
    skip_random_draws(3);
    const std::int32_t v = pick_problem_variant(salt_count, last_pick(24), 0);
    const float molar_mass = draw_salt_in_water(v, 0.3f, 0.8f);
    const float ions = static_cast<float>(ions_per_formula(v));
    const float constant = water_value_f(WaterFact::ebullioscopic_constant);
    set_slot_digits(5, slot_value(4) / molar_mass / slot_value(2) * ions * (constant * 1000.0f) + 100.0f, 5);
    problem_texts.problem_text =
        "Calcolare la percentuale in peso di " + compound_formula(salt_ion(v).compound) +
        " in una soluzione acquosa che bolle a " + slot_text(5) +
        "@uo@C. Per l'acqua, @ik@@db@ = " + std::string(water_text(WaterFact::ebullioscopic_constant)) + " kg•K/mol";
    // Worked back from the boiling point as shown.
    const float molality = (slot_value(5) - 100.0f) / (ions * constant);
    value_slots[6].value = molality * molar_mass;
    set_slot_digits(7, slot_value(6) / (slot_value(6) + 1000.0f) * 100.0f, 2);
    problem_texts.answer_text = slot_text(7) + "%";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_25()
{
    skip_random_draws(5);
    const std::int32_t v = pick_problem_variant(salt_count, last_pick(25), 0);
    const float ions = static_cast<float>(ions_per_formula(v));
    // No solution of the salt freezes below its eutectic: the molality
    // whose freezing point lies there is the most drawn.
    const float constant = water_value_f(WaterFact::cryoscopic_constant);
    const float molar_mass =
        draw_salt_in_water(v, 0.1f, 0.5f, -eutectic_celsius(salt_ion(v).compound) / (ions * constant));
    value_slots[5].value = -(slot_value(4) / molar_mass) / slot_value(2) * ions * (constant * 1000.0f);
    if (slot_value(5) <= -1.0f) convert_data_slot(5, 3);
    if (slot_value(5) > -1.0f) convert_data_slot(5, 2);
    set_slot_digits(8, random_real(1.0f, 5.0f), 3);
    problem_texts.problem_text =
        "Calcolare quanta acqua si deve aggiungere a " + slot_text(8) + " g di " +
        compound_formula(salt_ion(v).compound) + " perché la soluzione ottenuta abbia punto di gelo pari a " +
        slot_text(5) + "@uo@C. Per l'acqua, @ik@@df@ = " + std::string(water_text(WaterFact::cryoscopic_constant)) +
        " kg•K/mol";
    // Worked back from the freezing point as shown.
    const float molality = -slot_value(5) / (ions * constant);
    value_slots[6].value = molality * molar_mass;
    const float w = slot_value(6) / (slot_value(6) + 1000.0f);
    set_slot_digits(7, slot_value(8) * (1.0f / w - 1.0f), 2);
    problem_texts.answer_text = slot_text(7) + " g";
    draw_problem_text(230, 560, 50);
    show_chemistry_fact(180, 150, 300);
}

void generate_problem_26()
{
    skip_random_draws(6);
    std::int32_t row = 0;
    const std::int32_t c = pick_boiling_solvent(26, row);
    // Worked back from the data as shown, two digits at most as problem 22
    // gives: the rise gives the particles per molecule of A, one more than
    // the fraction dissociated. The solution's boiling point is read to the
    // hundredth, as a rise of one or two degrees needs, and the data are
    // drawn again where they still leave the fraction no digit.
    const auto dissociated = [] {
        set_slot_from_data(
            10, {7, 1, 2, 4, 9, 3}, {1, 7},
            [](const std::vector<double>& d) {
                return ((d[0] - d[1]) / d[2] * d[3] * 0.001 * d[4] / d[5] - 1.0) * 100.0;
            },
            2);
    };
    draw_until_accepted([&] {
        set_slot_digits(7, random_real(slot_value(1) + 1.0f, slot_value(1) + 2.0f), boiling_point_digits(row) + 1);
        set_slot_digits(9, random_real(130.0f, 250.0f), 4);
        set_slot_digits(4, random_real(51.0f, 99.0f), 4);
        set_slot_digits(8, random_real(10.0f, 90.0f), 2);
        set_slot_digits(3,
                        (slot_value(7) - slot_value(1)) / ((slot_value(8) * 0.01f + 1.0f) * slot_value(2) * 1000.0f) *
                            slot_value(4) * slot_value(9),
                        4);
        dissociated();
        return !uncertainty_exceeds_value(10);
    });
    if (app_state.version_number == text_version) {
        // The textbook's own numbers, which belong to the row its version draws.
        set_slot_text(7, "80.0");
        set_slot_text(9, "365.4");
        set_slot_text(4, "77.56");
        set_slot_text(3, "21.02");
        dissociated();
    }
    const std::string name = short_compound_name(c);
    problem_texts.problem_text =
        "Un composto molecolare A si dissocia parzialmente in " + name +
        " secondo la reazione A = 2B. La soluzione ottenuta sciogliendo " + slot_text(3) + " g di composto in " +
        slot_text(4) + " g di " + name + " (@iT@@db@ = " + slot_text(1) + "@uo@C; @ik@@db@ = " + slot_text(2) +
        " kg•K/mol) bolle a " + slot_text(7) + "@uo@C. Sapendo che la massa molare di A è pari a " + slot_text(9) +
        " g/mol, calcolare la percentuale di molecole di A dissociate";
    problem_texts.answer_text = slot_text(10) + "%";
    draw_problem_text(180, 560, 40);
    show_chemistry_fact(280, 162, 300);
}

void generate_problem_27()
{
    skip_random_draws(5);
    std::int32_t& last = last_pick(27);
    std::int32_t v = 0;
    draw_until_accepted([&] {
        v = draw_unrepeated(last, [] { return random_int(1, 4); });
        set_slot_digits(2, random_real(100.0f, 500.0f), 4);
        value_slots[3].value = random_real(2.0f, 9.0f);
        value_slots[4].value = random_real(300.0f, 900.0f);
        convert_data_slot(3, 4);
        convert_data_slot(4, 3);
        const SolventDensity& density = solvent_densities.at(v - 1);
        set_slot_digits(1, random_real(20.0f, density.highest_t), 2);
        value_slots[5].value = solvent_vapour_pressure(v, slot_value(1));
        set_slot_digits(8, density.at_20 / (1.0f + (slot_value(1) - 20.0f) * density.expansion), 3);
        return slot_value(5) <= 999.0f;
    });
    last = v;
    convert_data_slot(5, 3);
    show_whole_degrees(1);
    std::string& text = problem_texts.problem_text;
    text = "Confrontare l'abbassamento della tensione di vapore e la pressione osmotica a " + slot_text(1) +
           "@uo@C della soluzione ottenuta sciogliendo " + slot_text(3) +
           " g di un composto organico poco volatile di massa molecolare " + slot_text(2) + " u.m.a. in " +
           slot_text(4) + " g di";
    append_piece(text, solvent_vapours.at(v - 1).statement_piece);
    append_piece(text, ". La tensione di vapore del solvente puro e la densità della soluzione sono pari a " +
                           slot_text(5) + " torr e a " + slot_text(8) + " g/mL alla stessa temperatura");
    const float solvent_molar_mass = compound_molar_mass(solvent_vapours.at(v - 1).fit.compound);
    const float n = slot_value(3) / slot_value(2);
    const float x = n / (n + slot_value(4) / solvent_molar_mass);
    set_slot_digits(7, x * slot_value(5), 2);
    const float volume = (slot_value(3) + slot_value(4)) / slot_value(8);
    set_slot_digits(9, n / volume * 1000.0f * (kelvin(slot_value(1))) * gas_constant_litre_atm_rounded_f, 2);
    problem_texts.answer_text = slot_text(7) + " torr; " + slot_text(9) + " atm";
    draw_problem_text(165, 575, 40);
    show_chemistry_fact(200, 155, 300);
}

void generate_problem_28()
{
    skip_random_draws(3);
    pick_problem_variant(4, last_pick(28), 0);  // nothing depends on it but the draws after it
    value_slots[1].value = random_real(15.0f, 30.0f);
    value_slots[2].value = random_real(1.0f, 4.0f);
    value_slots[3].value = random_real(20.0f, 70.0f);
    convert_data_slot(1, 3);
    convert_data_slot(2, 3);
    convert_data_slot(3, 3);
    problem_texts.problem_text = "Una soluzione contenente " + slot_text(1) +
                                 " g/L di un soluto molecolare ha pressione osmotica pari a " + slot_text(2) +
                                 " atm a " + slot_text(3) +
                                 "@uo@C. Calcolare la massa molecolare del soluto nell'ipotesi che questo non sia "
                                 "dissociato o associato in soluzione";
    set_slot_digits(4, (kelvin(slot_value(3))) * gas_constant_litre_atm_rounded_f / slot_value(2) * slot_value(1), 3);
    problem_texts.answer_text = slot_text(4) + " u.m.a.";
    draw_problem_text(190, 520, 45);
    show_chemistry_fact(170, 155, 300);
}

}  // namespace solutions
