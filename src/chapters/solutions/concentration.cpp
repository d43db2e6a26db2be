// Section "Concentrazione": problems 1 to 9, formality, weight percent,
// molality and mole fractions of solutions.
#include <array>
#include <string>
#include <vector>

#include "chapters/solutions/solutions_problems.h"
#include "chemistry/molar_mass.h"
#include "chemistry/saturated_solutions.h"
#include "chemistry/table_fields.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace solutions {
namespace {

constexpr std::array<std::string_view, 3> density_units{" kg/L", " g/mL", " g/cm@u3@"};

// A solute's formula as printed: a hydrate's water joined by the
// multiplication dot, "CaCl@d2@•2H@d2@O", not the table's full stop.
std::string solute_formula(std::int32_t c)
{
    std::string formula = compound_formula(c);
    if (const auto dot = formula.find('.'); dot != std::string::npos) formula.replace(dot, 1, "•");
    return formula;
}

// A formality of solute c from 0.01 to `upper`, or half of the time (for
// the solutes drawn concentrated) from 0.6 to 2.0, kept under saturation.
float draw_formality(std::int32_t c, float upper)
{
    float f = random_real(0.01f, upper);
    float top = upper;
    if (c <= last_concentrated_solute && random_int(1, 2) == 1) {
        f = random_real(0.6f, 2.0f);
        top = 2.0f;
    }
    return kept_under(f, saturated_formality(c), top);
}

// " 0.250 L" or " 250 mL" and their synonyms, with the final word of each
// as the problem writes it.
void append_volume(std::string& text, std::string_view litres, std::string_view millilitres)
{
    if (random_int(1, 2) == 1) {
        append_piece(text, " " + slot_text(5));
        append_piece(text, random_int(1, 2) == 1 ? litres : " dm@u3@");
    } else {
        append_piece(text, " " + slot_text(2));
        append_piece(text, random_int(1, 2) == 1 ? millilitres : " cm@u3@");
    }
}

// Problems 4 and 5: a molality of solute c up to 0.8 mol/kg, under saturation.
float drawn_molality(std::int32_t c)
{
    return kept_under(random_real(0.01f, 0.8f), saturated_molality(c), 0.8f);
}

struct DensityData {
    std::int32_t compound;
    float molar_mass;
    std::string_view unit;
};

// Problems 6 and 7: row, band, percent (slot 2), unit and density (slot 1).
DensityData draw_density_data(std::int32_t problem)
{
    const std::int32_t v = pick_problem_variant(17, last_pick(problem), 0);
    const std::int32_t r = random_int(1, 3);
    const float x = r == 1 ? random_real(3.0f, 10.0f) : r == 2 ? random_real(10.0f, 20.0f) : random_real(20.0f, 30.0f);
    const std::int32_t u = random_int(1, 3);
    set_slot_digits(2, x, 3);
    // The density follows the percent as the statement shows it.
    set_slot_digits(1, solution_density(v, r, slot_value(2)), 4);
    const std::int32_t c = density_rows.at(v - 1).compound;
    return {c, compound_molar_mass(c), density_units.at(u - 1)};
}

// Slot 3 := the formality of the solution of slots 1 (density) and 2 (percent).
void set_density_formality(float molar_mass)
{
    const float f = slot_value(2) / molar_mass * slot_value(1) * 10.0f;
    set_slot_uncertainty(3, f, (relative_uncertainty(2) + relative_uncertainty(1)) * f);
}

struct IonTexts {
    std::string_view opening_cation;
    std::string_view opening_anion;
    std::string_view middle;
    std::string_view unit;
};

// Problems 8 and 9: one ion of a salt dissolved in a mass of water.
void pose_ion_in_water(std::int32_t problem, bool dilute, const IonTexts& texts)
{
    const std::int32_t v = pick_problem_variant(salt_count, last_pick(problem), 0);
    const std::int32_t c = salt_ion(v).compound;
    const float w = random_real(300.0f, 900.0f);
    const float m = dilute ? random_real(0.001f, 0.01f) : draw_stock_concentration(saturated_molality(c));
    const std::int32_t d = random_int(3, 4);
    const std::int32_t form = random_int(1, 2);
    const float molar_mass = compound_molar_mass(c);
    set_slot_digits(2, w, 3);
    set_slot_digits(5, w * 0.001f, 3);
    set_slot_digits(3, m, 3);
    set_slot_digits(4, slot_value(3) * slot_value(5) * molar_mass, d);

    std::string& text = problem_texts.problem_text;
    if (form == 1) {
        text = std::string(texts.opening_cation) + cation_phrase(v);
    } else {
        text = texts.opening_anion;
        append_piece(text, anion_phrase(v));
    }
    append_piece(text, std::string(texts.middle) + slot_text(4) + " g di " + compound_formula(c) + " in " +
                           slot_text(2) + " g di acqua");

    // Slot 4 the salt's grams, slot 5 the water's kilograms.
    const double grams_per_mole = molar_mass;
    const double all_ions = first_count(c) + salt_ion(v).anions;
    const double water_moles_per_kg = water_moles_per_kilogram();
    const auto molality = [grams_per_mole](double ions) {
        return [grams_per_mole, ions](const std::vector<double>& d) { return d[0] / (grams_per_mole * d[1]) * ions; };
    };
    const auto fraction = [grams_per_mole, all_ions, water_moles_per_kg](double ions) {
        return [grams_per_mole, ions, all_ions, water_moles_per_kg](const std::vector<double>& d) {
            const double salt = d[0] / (grams_per_mole * d[1]);
            return salt * ions / (water_moles_per_kg + salt * all_ions);
        };
    };
    set_slot_from_data(6, {4, 5}, molality(first_count(c)));
    set_slot_from_data(7, {4, 5}, molality(salt_ion(v).anions));
    set_slot_from_data(8, {4, 5}, fraction(first_count(c)));
    set_slot_from_data(9, {4, 5}, fraction(salt_ion(v).anions));
    problem_texts.answer_text = form == 1 ? slot_text(6) + std::string(texts.unit) + slot_text(8)
                                          : slot_text(7) + std::string(texts.unit) + slot_text(9);
}

}  // namespace

void generate_problem_1()
{
    skip_random_draws(6);
    const std::int32_t c = formality_solutes[pick_problem_variant(46, last_pick(1), 0) - 1];
    const float molar_mass = compound_molar_mass(c);
    const float f = draw_formality(c, 0.6f);
    const float v = random_real(10.0f, 600.0f);
    set_slot_digits(1, v * f * 0.001f * molar_mass, 4);
    set_slot_digits(2, v, 3);
    const float formality = slot_value(1) / (slot_value(2) * molar_mass) * 1000.0f;
    set_slot_uncertainty(3, formality, (relative_uncertainty(2) + relative_uncertainty(1)) * formality);
    set_slot_digits(4, slot_value(1) * 1000.0f, 4);
    set_slot_digits(5, slot_value(2) * 0.001f, 3);

    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Calcolare la formalità di una soluzione che contiene";
    if (slot_value(1) < 5.0f && random_int(1, 2) == 1)
        append_piece(text, " " + slot_text(4) + " mg di");
    else
        append_piece(text, " " + slot_text(1) + " g di ");
    append_piece(text, " " + solute_formula(c) + " in");
    append_volume(text, " L", " mL");
    append_piece(text, " di soluzione");
    problem_texts.answer_text = "@T1@@C1@" + slot_text(3) + " F";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_2()
{
    skip_random_draws(2);
    const std::int32_t c = formality_solutes[pick_problem_variant(46, last_pick(2), 0) - 1];
    const float molar_mass = compound_molar_mass(c);
    const float v = random_real(10.0f, 600.0f);
    const float f = draw_formality(c, 0.2f);
    set_slot_digits(2, v, 3);
    set_slot_digits(5, v * 0.001f, 3);
    set_slot_digits(3, f, 3);

    std::string& text = problem_texts.problem_text;
    text = "@T1@@C1@Calcolare la massa di " + solute_formula(c) + " contenuta in";
    append_volume(text, " L", " mL");
    append_piece(text, " di soluzione " + slot_text(3) + " F");

    const float mass = slot_value(3) * slot_value(5) * molar_mass;
    set_slot_uncertainty(1, mass, (relative_uncertainty(3) + relative_uncertainty(5)) * mass);
    set_slot_uncertainty(4, slot_value(1) * 1000.0f, slot_uncertainty(1) * 1000.0f);
    std::string answer = slot_text(1) + " g";
    if (slot_value(1) < 1.0f && random_int(1, 2) == 1) answer = slot_text(4) + " mg";
    problem_texts.answer_text = "@T1@@C1@" + answer;
    draw_problem_text(240, 560, 50);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_3()
{
    skip_random_draws(8);
    const std::int32_t v = pick_problem_variant(salt_count, last_pick(3), 0);
    const std::int32_t c = salt_ion(v).compound;
    const float molar_mass = compound_molar_mass(c);
    const std::int32_t k = random_int(3, 9);
    const float concentration = draw_stock_concentration(saturated_formality(c));
    const std::int32_t d = random_int(3, 4);
    const std::int32_t form = random_int(1, 2);
    set_slot_digits(2, 100.0f * k, 3);
    set_slot_digits(5, slot_value(2) * 0.001f, 3);
    set_slot_digits(3, concentration, 3);
    set_slot_digits(4, slot_value(3) * slot_value(5) * molar_mass, d);

    std::string& text = problem_texts.problem_text;
    std::int32_t ions = 0;
    if (form == 1) {
        text = "@T1@@C1@Calcolare la molarità degli ioni " + cation_phrase(v);
        ions = first_count(c);
    } else {
        text = "@T1@@C1@Calcolare la molarità degli ioni";
        append_piece(text, anion_phrase(v));
        ions = salt_ion(v).anions;
    }
    append_piece(text, " nella soluzione ottenuta sciogliendo " + slot_text(4) + " g di " + compound_formula(c) +
                           " in acqua e portando il volume a " + slot_text(2) + " mL");
    const float molarity = slot_value(4) / (slot_value(5) * molar_mass) * ions;
    set_slot_uncertainty(6, molarity, (relative_uncertainty(4) + relative_uncertainty(5)) * molarity);
    problem_texts.answer_text = slot_text(6) + " M";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_4()
{
    skip_random_draws(2);
    const std::int32_t c = percent_solutes[pick_problem_variant(34, last_pick(4), 0) - 1];
    const float w = random_real(100.0f, 600.0f);
    const float m = drawn_molality(c);
    set_slot_digits(2, w, 3);
    set_slot_digits(1, m * slot_value(2) * compound_molar_mass(c) * 0.001f, 3);
    problem_texts.problem_text = "@T1@@C1@Calcolare la percentuale in peso di " + compound_formula(c) +
                                 " nella soluzione ottenuta sciogliendo " + slot_text(1) + " g di composto in " +
                                 slot_text(2) + " g di acqua";
    // The solute's mass stands above and below the line: its errors there
    // partly cancel, which a sum of bounds would not see.
    set_slot_from_data(3, {1, 2}, [](const std::vector<double>& d) { return d[0] / (d[1] + d[0]) * 100.0; });
    problem_texts.answer_text = slot_text(3) + "%";
    draw_problem_text(240, 560, 50);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_5()
{
    const std::int32_t c = percent_solutes[pick_problem_variant(34, last_pick(5), 0) - 1];
    const float w = random_real(100.0f, 600.0f);
    const float m = drawn_molality(c);
    set_slot_digits(2, w, 3);
    set_slot_digits(1, m * slot_value(2) * compound_molar_mass(c) * 0.001f, 3);
    set_slot_digits(4, slot_value(2) + slot_value(1), 3);
    set_slot_digits(3, slot_value(1) / slot_value(4) * 100.0f, 3);
    const std::string formula = compound_formula(c);
    problem_texts.problem_text = "@T1@@C1@Calcolare quanta acqua e quanto " + formula +
                                 " devono essere mescolati per ottenere " + slot_text(4) +
                                 " g di soluzione con una percentuale in peso del secondo pari a " + slot_text(3) + "%";
    const float solute = slot_value(3) * slot_value(4) * 0.01f;
    set_slot_uncertainty(5, solute, (relative_uncertainty(3) + relative_uncertainty(4)) * solute);
    set_slot_uncertainty(6, slot_value(4) - slot_value(5), slot_uncertainty(4) + slot_uncertainty(5));
    problem_texts.answer_text = slot_text(5) + " g di " + formula + " e " + slot_text(6) + " g di acqua";
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(200, 150, 300);
}

void generate_problem_6()
{
    skip_random_draws(1);
    const DensityData data = draw_density_data(6);
    std::string& text = problem_texts.problem_text;
    text = "La densità di una soluzione " + article_before_number("a", slot_text(2)) + slot_text(2) + "% in peso di " +
           compound_formula(data.compound) + " in acqua è pari a " + slot_text(1);
    append_piece(text, data.unit);
    append_piece(text, ". Calcolare la sua formalità");
    set_density_formality(data.molar_mass);
    problem_texts.answer_text = slot_text(3) + " F";
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(280, 160, 300);
}

void generate_problem_7()
{
    skip_random_draws(2);
    const DensityData data = draw_density_data(7);
    set_density_formality(data.molar_mass);
    std::string& text = problem_texts.problem_text;
    text = "Calcolare la percentuale in peso di " + compound_name(data.compound) + " in una soluzione acquosa " +
           slot_text(3) + " F, la cui densità è pari a " + slot_text(1);
    append_piece(text, data.unit);
    // Worked back from the formality as shown, not taken from the drawn
    // percent, which moves by three units of its last digit.
    convert_data_slot(3, slot_digits_from_text);
    const float percent = slot_value_as_shown(3) / (slot_value(1) * 10.0f) * data.molar_mass;
    set_slot_uncertainty(4, percent, (relative_uncertainty(3) + relative_uncertainty(1)) * percent);
    problem_texts.answer_text = slot_text(4) + "%";
    draw_problem_text(260, 580, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_8()
{
    skip_random_draws(1);
    pose_ion_in_water(8, false,
                      {"@T1@@C1@Calcolare la molalità e la frazione molare degli ioni ",
                       "@T1@@C1@Calcolare la molalità e la frazione molare degli ioni",
                       " nella soluzione ottenuta sciogliendo ", " mol/kg; "});
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(260, 160, 300);
}

void generate_problem_9()
{
    skip_random_draws(17);
    pose_ion_in_water(9, true,
                      {"@T1@@C1@Calcolare molarità e frazione molare degli ioni ",
                       "@T1@@C1@Stimare rapidamente molarità e frazione molare degli ioni",
                       " nella soluzione diluita ottenuta sciogliendo ", " M; "});
    draw_problem_text(220, 540, 50);
    show_chemistry_fact(220, 170, 300);
}

}  // namespace solutions
