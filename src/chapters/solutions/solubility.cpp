// Section "Solubilità": problems 15 and 16, saturated solutions between
// 25 and 100 degrees Celsius.
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "chapters/solutions/solutions_problems.h"
#include "chemistry/molar_mass.h"
#include "chemistry/salt_solubilities.h"
#include "chemistry/table_fields.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "numbers/value_kit.h"

namespace solutions {
namespace {

// Slots 1 and 2 := the solubilities of a picked record.
const SaltSolubility& pick_solubility(std::int32_t problem)
{
    const SaltSolubility& row = *solubility_salts.at(pick_problem_variant(10, last_pick(problem), 0) - 1);
    set_slot_text(1, row.at_25);
    set_slot_text(2, row.at_100);
    return row;
}

// Grams per 100 mL of the picked salt's saturated solution at t degrees
// Celsius.
float saturated_grams(const SaltSolubility& row, float t)
{
    return saturated_grams(row.formula, solubility_curve(slot_value(1), slot_value(2)), t);
}

}  // namespace

void generate_problem_15()
{
    skip_random_draws(1);
    const SaltSolubility& row = pick_solubility(15);
    const std::int32_t c = salt_compound(row);
    const float molar_mass = compound_molar_mass(c);
    set_slot_digits(3, static_cast<float>(random_int(25, 99)), 2);
    set_slot_digits(4, saturated_grams(row, slot_value(3)) / molar_mass * 10.0f, 3);
    set_slot_digits(5, 10.0f * random_int(10, 98), 3);
    const float saturation = slot_value(4) * slot_value(5) * molar_mass * 0.001f;
    std::int32_t r = 0;
    // A sample whose excess is lost in the data's uncertainty is drawn again.
    draw_until_accepted([&] {
        r = random_int(1, 4);
        set_slot_digits(6,
                        r <= 3 ? random_real(1.05f * saturation, 1.5f * saturation)
                               : random_real(0.7f * saturation, 0.95f * saturation),
                        3);
        set_slot_uncertainty(7, slot_value(4) * slot_value(5) * molar_mass * -0.001f + slot_value(6),
                             (relative_uncertainty(4) + relative_uncertainty(5)) * saturation + slot_uncertainty(6));
        return r == 4 || !uncertainty_exceeds_value(7);
    });
    const std::string formula = compound_formula(c);
    problem_texts.problem_text =
        "La soluzione acquosa satura di " + formula + " è " + slot_text(4) + " F a " + slot_text(3) +
        "@uo@C. Calcolare quanto sale resta indisciolto se un campione di " + slot_text(6) + " g di " + formula +
        " viene dibattuto a questa temperatura con tanta acqua da formare " + slot_text(5) + " mL di soluzione";
    if (r == 4) {
        problem_texts.answer_text = "Il campione si scioglie totalmente";
    } else {
        problem_texts.answer_text = slot_text(7) + " g";
    }
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(170, 160, 280);
}

void generate_problem_16()
{
    skip_random_draws(2);
    const SaltSolubility& row = pick_solubility(16);
    const std::int32_t c = salt_compound(row);
    // Grams per litre, of the three digits problem 15 states them with.
    set_slot_digits(8, 10.0f * saturated_grams(row, 25.0f), 3);
    set_slot_digits(9, 10.0f * saturated_grams(row, 100.0f), 3);
    const float molar_mass = compound_molar_mass(c);
    skip_random_draws(3);
    set_slot_digits(3, static_cast<float>(random_int(25, 99)), 2);
    problem_texts.problem_text = "Le solubilità in acqua di " + compound_formula(c) +
                                 " a 25@uo@C e a 100@uo@C sono pari a " + slot_text(8) + " e " + slot_text(9) +
                                 " g/L. Ammettendo che la solubilità dipenda dalla temperatura secondo la legge "
                                 "@iS@ = @iS@@d0@exp(-@ia@/@iT@), calcolare la formalità della soluzione satura a " +
                                 slot_text(3) + "@uo@C";
    const SolubilityCurve curve = solubility_curve(slot_value(8), slot_value(9));
    set_slot_digits(4, std::exp(-curve.a / (kelvin(slot_value(3)))) * (curve.b / molar_mass), 2);
    problem_texts.answer_text = slot_text(4) + " F";
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(280, 170, 280);
}

}  // namespace solutions
