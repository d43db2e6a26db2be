// Section "Tensione di vapore": problems 17 and 18, ideal solutions of two
// volatile liquids.
#include <string>
#include <vector>

#include "chapters/solutions/solutions_problems.h"
#include "chemistry/molar_mass.h"
#include "frame/fact_box.h"
#include "frame/generator_kit.h"
#include "frame/statement_equation.h"
#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "text/article_name.h"

namespace solutions {

namespace {

// The mole fraction of the first of two liquids in a mixture of that
// percent by mass of it, by their molar masses.
double mole_fraction_of_first(double percent, double first_molar_mass, double second_molar_mass)
{
    const double first = percent / first_molar_mass;
    return first / (first + (100.0 - percent) / second_molar_mass);
}

}  // namespace

void generate_problem_17()
{
    skip_random_draws(1);
    draw_until_accepted([] {
        set_slot_digits(1, random_real(30.0f, 112.0f), 2);
        set_slot_digits(2, random_real(20.0f, 80.0f), 3);
        value_slots[3].value = solvent_vapour_pressure(benzene, slot_value(1));
        value_slots[4].value = solvent_vapour_pressure(toluene, slot_value(1));
        return slot_value(3) <= 999.0f && slot_value(4) <= 999.0f;
    });
    convert_data_slot(3, 3);
    convert_data_slot(4, 3);
    problem_texts.problem_text =
        "Benzene (C@d6@H@d6@) e toluene (C@d6@H@d5@CH@d3@) formano soluzioni praticamente ideali. Calcolare la "
        "tensione di vapore a " +
        slot_text(1) + "@uo@C di una soluzione " + article_before_number("a", slot_text(2)) + slot_text(2) +
        "% in peso di benzene, sapendo che le tensioni di vapore di benzene e toluene alla stessa temperatura sono "
        "pari a " +
        slot_text(3) + " e " + slot_text(4) + " torr";
    const double m_benzene = compound_molar_mass(solvent_vapours[benzene - 1].fit.compound);
    const double m_toluene = compound_molar_mass(solvent_vapours[toluene - 1].fit.compound);
    set_slot_from_data(6, {2, 3, 4}, [m_benzene, m_toluene](const std::vector<double>& d) {
        const double x = mole_fraction_of_first(d[0], m_benzene, m_toluene);
        return x * d[1] + (1.0 - x) * d[2];
    });
    problem_texts.answer_text = slot_text(6) + " torr";
    draw_problem_text(180, 560, 45);
    show_chemistry_fact(200, 160, 300);
}

void generate_problem_18()
{
    skip_random_draws(1);
    std::int32_t& last = last_pick(18);
    std::int32_t k = 0;
    draw_until_accepted([&] {
        k = draw_unrepeated(last, [] { return random_int(1, 2); });
        skip_random_draws(1);
        set_slot_digits(1, random_real(20.0f, 80.0f), 2);
        set_slot_digits(2, random_real(20.0f, 80.0f), 3);
        value_slots[4].value = solvent_vapour_pressure(chloroform, slot_value(1));
        value_slots[5].value = solvent_vapour_pressure(carbon_tetrachloride, slot_value(1));
        return slot_value(4) <= 999.0f && slot_value(5) <= 999.0f;
    });
    last = k;
    convert_data_slot(4, 3);
    convert_data_slot(5, 3);
    problem_texts.problem_text =
        "Calcolare la percentuale in peso di" + std::string(k == 1 ? " CHCl@d3@" : " CCl@d4@") +
        " nel vapore in equilibrio a " + slot_text(1) + "@uo@C con una soluzione (ideale) " +
        article_before_number("a", slot_text(2)) + slot_text(2) +
        "% in peso di cloroformio (CHCl@d3@) in tetracloruro di carbonio (CCl@d4@), sapendo che le tensioni di "
        "vapore di CHCl@d3@ e CCl@d4@ puri a questa temperatura sono pari a " +
        slot_text(4) + " e " + slot_text(5) + " torr";
    const double m1 = compound_molar_mass(solvent_vapours[chloroform - 1].fit.compound);
    const double m2 = compound_molar_mass(solvent_vapours[carbon_tetrachloride - 1].fit.compound);
    // The vapour's percent by mass of the liquid asked for.
    const auto vapour_percent = [m1, m2, k](const std::vector<double>& d) {
        const double x1 = mole_fraction_of_first(d[0], m1, m2);
        const double y1 = x1 * d[1] / (x1 * d[1] + (1.0 - x1) * d[2]);
        const double chloroform_percent = 100.0 * y1 * m1 / (y1 * m1 + (1.0 - y1) * m2);
        return k == 1 ? chloroform_percent : 100.0 - chloroform_percent;
    };
    set_slot_from_data(7, {2, 4, 5}, vapour_percent);
    problem_texts.answer_text = slot_text(7) + "%";
    draw_problem_text(170, 550, 45);
    show_chemistry_fact(270, 160, 300);
}

}  // namespace solutions
