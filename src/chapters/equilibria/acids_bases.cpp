// Section "Acidi e Basi": problems 16 to 19, true-or-false statements on
// acidity and conjugate pairs, pH and concentration conversions, and the
// constants of a conjugate pair.
#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chapters/equilibria/equilibria_problems.h"
#include "frame/fact_box.h"
#include "numbers/mathematical_constants.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace equilibria {
namespace {

// value into slot with the decimals a p-value takes from a concentration of
// that many digits (at least one digit shown): 9.996 shows as "10.00".
void show_decimals(std::int32_t slot, float value, std::int32_t decimals)
{
    const float scale = std::pow(10.0f, static_cast<float>(decimals));
    const float rounded = std::round(value * scale) / scale;
    const std::int32_t whole = rounded > 0.0f ? static_cast<std::int32_t>(std::floor(std::log10(rounded))) : 0;
    set_slot_digits(slot, rounded, std::max(decimals + 1 + whole, 1));
}

struct ConjugateQuestion {
    std::string_view statement;
    std::int32_t datum_slot;
    std::int32_t answer_slot;
};
constexpr ConjugateQuestion conjugate_questions[] = {
    {"@T1@@C1@Calcolare il valore di @iK@@db@ per la base coniugata di un acido per cui @iK@@da@ = ", 1, 2},
    {"@T1@@C1@Calcolare il valore di @iK@@da@ per l'acido coniugato di una base per cui @iK@@db@ = ", 1, 2},
    {"@T1@@C1@Calcolare il valore di p@iK@@db@ per la base coniugata di un acido per cui @iK@@da@ = ", 1, 3},
    {"@T1@@C1@Calcolare il valore di p@iK@@da@ per l'acido coniugato di una base per cui @iK@@db@ = ", 1, 3},
    {"@T1@@C1@Calcolare il valore di @iK@@db@ per la base coniugata di un acido per cui p@iK@@da@ = ", 3, 5},
    {"@T1@@C1@Calcolare il valore di @iK@@da@ per l'acido coniugato di una base per cui p@iK@@db@ = ", 3, 5},
};

}  // namespace

void generate_problem_16()
{
    skip_random_draws(1);
    pose_true_false_statement(1, 10);
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(170, 160, 300);
}

void generate_problem_17()
{
    skip_random_draws(3);
    const std::int32_t variant = random_int(1, 4);
    equilibria_state.last_draw[17] = variant;
    std::string& text = problem_texts.problem_text;
    if (variant <= 2) {
        // Two decimals, also where the rounding reaches a power of ten.
        show_decimals(1, random_real(1.0f, 13.0f), 2);
        // The answer follows from the p-value as shown.
        const float c = std::pow(10.0f, slot_value_as_shown(1) - water_ion_exponent_f);
        set_slot_uncertainty(2, c, c * slot_uncertainty(1) * ln10_rounded_f);
        text = variant == 1 ? "@T1@@C1@Calcolare [H@u+@] in una soluzione con pOH = "
                            : "@T1@@C1@Calcolare [OH@u-@] in una soluzione con pH = ";
        text += slot_text(1);
        problem_texts.answer_text = slot_text(2) + " mol/L";
    } else {
        // A p-value its uncertainty exceeds (near 0) is drawn again; its
        // decimals are those the concentration as shown leaves it.
        draw_until_accepted([] {
            const std::int32_t n = random_int(2, 14);
            set_slot_digits(1, random_real(1.0f, 9.9f) * power_of_ten(-n), 2);
            set_slot_from_data(2, {1},
                               [](const std::vector<double>& d) { return water_ion_exponent + std::log10(d[0]); });
            return !uncertainty_exceeds_value(2);
        });
        text = variant == 3 ? "@T1@@C1@Calcolare il pH di una soluzione con [OH@u-@] = "
                            : "@T1@@C1@Calcolare il pOH di una soluzione con [H@u+@] = ";
        text += slot_text(1);
        problem_texts.answer_text = slot_text(2);
    }
    draw_problem_text(180, 500, 50);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_18()
{
    skip_random_draws(1);
    pose_true_false_statement(2, 13);
    draw_problem_text(180, 560, 50);
    show_chemistry_fact(280, 150, 280);
}

void generate_problem_19()
{
    skip_random_draws(3);
    std::int32_t variant = random_int(1, 6);
    if (app_state.version_number == text_version) variant = 5;
    equilibria_state.last_draw[19] = variant;
    const std::int32_t n = random_int(2, 11);
    set_slot_digits(1, random_real(1.0f, 9.9f) * power_of_ten(-n), 2);
    const float conjugate = Kw / slot_value(1);
    set_slot_uncertainty(2, conjugate, conjugate / slot_value(1) * slot_uncertainty(1));
    set_slot_uncertainty(3, minus_log10(slot_value(2)), slot_uncertainty(2) / (std::log(10.0f) * slot_value(2)));
    // The constant asked for follows from the p-value as shown.
    set_slot_from_data(5, {3}, [](const std::vector<double>& d) { return std::pow(10.0, d[0] - water_ion_exponent); });
    const ConjugateQuestion& question = conjugate_questions[variant - 1];
    problem_texts.problem_text = std::string(question.statement) + slot_text(question.datum_slot);
    problem_texts.answer_text = slot_text(question.answer_slot);
    draw_problem_text(240, 560, 50);
    show_chemistry_fact(170, 150, 280);
}

}  // namespace equilibria
